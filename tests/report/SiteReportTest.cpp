// The site report as a user reads it: the PDF's text (pdftotext) against the
// suitable-species answer of the same position, its fonts (pdffonts), and a
// failed write that keeps the old file.
#include "cli/CliProgram.h"
#include "tests/common/FileSizeLimit.h"
#include "tests/common/Files.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <sstream>

namespace {

const QString AppFolder = QStringLiteral(SILVARIA_BINARY_DIR "/bin");

struct CliRun {
    int code = -1;
    QString out, err;
};

CliRun cli(QStringList arguments)
{
    arguments << "--app-folder" << AppFolder;
    std::ostringstream out, err;
    const int code = RunCli(arguments, {out, err, false});
    return {code, QString::fromStdString(out.str()), QString::fromStdString(err.str())};
}

QString tool(const QString &program, const QStringList &arguments)
{
    QProcess p;
    p.start(program, arguments);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The PDF's text with ligatures as their letters ("ﬂ": "fl") and every run
// of white space made one space.
QString pdfText(const QString &pdf)
{
    return tool("pdftotext", {pdf, "-"}).normalized(QString::NormalizationForm_KC).simplified();
}

// The text of a use's group: from its heading to the next section's.
QString groupText(const QString &text, const QString &use)
{
    const QRegularExpressionMatch heading = QRegularExpression(use + QStringLiteral(": \\d+ suitable species")).match(text);
    const qsizetype end =
        text.indexOf(QRegularExpression(QStringLiteral("\\b\\w+: \\d+ suitable species|Nearly suitable species")), heading.capturedEnd());
    return heading.hasMatch() ? text.mid(heading.capturedStart(), end - heading.capturedStart()) : QString();
}

// What `at` answers at the position for one use: the species names and the grid point's ALT, MAR, MAT.
struct AtAnswer {
    QStringList species;
    QStringList values;
};
AtAnswer answerAt(const QString &position, const QString &use)
{
    const CliRun at = cli({"at", position, "--use", use, "--format", "csv"});
    AtAnswer answer;
    for (const QString &line : at.out.split('\n', Qt::SkipEmptyParts).mid(1)) {
        const QStringList cells = line.split(',');
        if (cells[0] == "suitable")
            answer.species << cells[2];
        answer.values = cells.mid(cells.size() - 3);
    }
    return answer;
}

struct ReportCase {
    const char *name, *position;
    QStringList uses;
    const char *paper;
};

class SiteReportPdf : public ::testing::TestWithParam<ReportCase> {};

TEST_P(SiteReportPdf, ListsEverySuitableSpeciesInItsUseGroupWithTheSiteValues)
{
    const ReportCase &c = GetParam();
    QTemporaryDir dir;
    const QString pdf = dir.filePath("site.pdf");
    QStringList arguments{"report", c.position, "--paper", c.paper, "-o", pdf};
    for (const QString &use : c.uses)
        arguments << "--use" << use;
    const CliRun r = cli(arguments);
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QString text = pdfText(pdf);
    int listed = 0;
    for (const QString &use : c.uses) {
        const AtAnswer at = answerAt(c.position, use);
        const QString group = groupText(text, use);
        for (const QString &species : at.species)
            EXPECT_TRUE(group.contains(species)) << use.toStdString() << ": " << species.toStdString();
        listed += int(at.species.size());
        for (int v = 0; v < 3; ++v)
            EXPECT_TRUE(text.contains(" " + QLocale().toString(at.values[v].toDouble(), 'g', 7) + " "))
                << at.values[v].toStdString();
    }
    EXPECT_GT(listed, 0) << "a site where species of these uses suit";
    const int pages = QRegularExpression("Pages:\\s+(\\d+)").match(tool("pdfinfo", {pdf})).captured(1).toInt();
    EXPECT_TRUE(pages >= 2 && pages <= listed + 4) << pages;
    EXPECT_TRUE(text.contains(QStringLiteral("Page %1 of %1").arg(pages)));
    EXPECT_TRUE(tool("pdfinfo", {pdf}).contains(c.paper == QLatin1String("a4") ? "(A4)" : "(letter)"));
    const QStringList fonts = tool("pdffonts", {pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
    EXPECT_GE(fonts.size(), 3);
    for (const QString &font : fonts) {
        const QStringList columns = font.split(' ', Qt::SkipEmptyParts); // ... emb sub uni object ID
        EXPECT_EQ(columns.value(columns.size() - 5), "yes") << "not embedded: " << font.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Sites, SiteReportPdf,
                         ::testing::Values(ReportCase{"ChiangMaiLowland", "98.98,18.79", {"Timber", "Fruit", "Fodder"}, "a4"},
                                           ReportCase{"Yogyakarta", "110.37,-7.8", {"Firewood", "Others"}, "letter"}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(SiteReport, ShowsTheCommonNamesOfEveryScriptAsText)
{
    QTemporaryDir dir;
    ASSERT_EQ(cli({"report", "98.98,18.79", "--use", "Timber", "-o", dir.filePath("r.pdf")}).code, 0);
    const QString text = pdfText(dir.filePath("r.pdf"));
    // Thai, Burmese, Khmer, Lao, Chinese and Vietnamese letters, none drawn as a box.
    for (const char *script : {"\\p{Thai}", "\\p{Myanmar}", "\\p{Khmer}", "\\p{Lao}", "\\p{Han}", "[ạảấầẩẫậắằẳẵặẹẻẽếềểễệịọỏốồổỗộớờởỡợụủứừửữựỳỵỷỹđ]"})
        EXPECT_TRUE(text.contains(QRegularExpression(QString::fromUtf8(script)))) << script;
    EXPECT_FALSE(text.contains(QChar(0xfffd)));
}

TEST(SiteReport, KeepsEachSpeciesOnOnePageAndNamesThePlaceLanguageFirst)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("r.pdf");
    const CliRun r = cli({"report", "98.98,18.79", "-o", pdf});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const int pages = r.out.section('(', 1).section(' ', 0, 0).toInt();
    ASSERT_GT(pages, 2);
    int entries = 0;
    for (int page = 1; page <= pages; ++page) {
        const QString text = tool("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), pdf, "-"}).simplified();
        // An entry starts with its family line and ends with its propagation line.
        const qsizetype starts = text.count("; species number "), ends = text.count("\u201c1. Propagation Methods\u201d");
        EXPECT_EQ(starts, ends) << "page " << page;
        entries += int(starts);
    }
    EXPECT_GT(entries, 10);
    // At a site in Thailand, Thai names come first wherever the catalogue has them.
    const QString text = pdfText(pdf);
    for (qsizetype at = text.indexOf("Common names: "); at >= 0; at = text.indexOf("Common names: ", at + 1)) {
        const QString names = text.mid(at, text.indexOf("ALT", at) - at);
        if (names.contains("Thai:"))
            EXPECT_TRUE(names.startsWith("Common names: Thai:")) << names.toStdString();
    }
}

TEST(SiteReport, WhereNothingSuitsSaysSoAndStillShowsTheSite)
{
    QTemporaryDir dir;
    const CliRun r = cli({"report", "90.5,28", "-o", dir.filePath("r.pdf")});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QString text = pdfText(dir.filePath("r.pdf"));
    EXPECT_TRUE(text.contains("No species of the catalogue suits this site"));
    EXPECT_TRUE(text.contains(QLocale().toString(4114) + " m"));
    EXPECT_TRUE(text.contains("Nearly suitable species"));
}

TEST(SiteReport, MadeAgainUnderASourceDateIsTheSameFile)
{
    QTemporaryDir dir;
    qputenv("SOURCE_DATE_EPOCH", "1764547200"); // 2025-12-01
    QList<QByteArray> made;
    for (const char *name : {"a.pdf", "b.pdf"}) {
        EXPECT_EQ(cli({"report", "90.5,28", "-o", dir.filePath(name)}).code, 0);
        made << ReadFile(dir.filePath(name));
        QThread::sleep(1); // a second later, as far as the clock goes
    }
    qunsetenv("SOURCE_DATE_EPOCH");
    EXPECT_TRUE(made[0] == made[1]);
    EXPECT_TRUE(tool("pdfinfo", {"-isodates", dir.filePath("a.pdf")}).contains(QRegularExpression("CreationDate:\\s+2025-12-01T00:00:00")));
    EXPECT_TRUE(pdfText(dir.filePath("a.pdf")).contains(QLocale().toString(QDate(2025, 12, 1), QLocale::LongFormat)));
}

TEST(SiteReport, AFailedWriteKeepsTheOldFile)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("r.pdf");
    ASSERT_TRUE(WriteFile(file, "the old file"));
    const CliRun r = [&] {
        const FileSizeLimit limit(4096);
        return cli({"report", "98.98,18.79", "-o", file});
    }();
    EXPECT_EQ(r.code, 3) << r.err.toStdString();
    EXPECT_EQ(ReadFile(file), "the old file");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"r.pdf"}) << "no work file is left";
}

} // namespace
