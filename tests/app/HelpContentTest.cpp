// The bundled manual and glossary: every link and picture leads somewhere, every
// manual page can be reached from the contents, and the glossary runs from A to Z.
#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

namespace {

constexpr int MinGlossaryTerms = 60;

const QString DataFolder = QStringLiteral(SILVARIA_SOURCE_DIR "/data");

QString Read(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList Attributes(const QString &html, const QString &name)
{
    QStringList values;
    const QRegularExpression attribute(name + QStringLiteral("\\s*=\\s*\"([^\"]*)\""),
                                       QRegularExpression::CaseInsensitiveOption);
    for (const auto &match : attribute.globalMatch(html))
        values << match.captured(1);
    return values;
}

QSet<QString> Anchors(const QString &html)
{
    const QStringList names = Attributes(html, QStringLiteral("name")) + Attributes(html, QStringLiteral("id"));
    return QSet<QString>(names.begin(), names.end());
}

QStringList Pages()
{
    QStringList pages;
    for (const QString &folder : {QStringLiteral("/Help"), QStringLiteral("/HTML")})
        for (const QString &file : QDir(DataFolder + folder).entryList({"*.htm"}, QDir::Files))
            pages << DataFolder + folder + "/" + file;
    return pages;
}

} // namespace

TEST(HelpContent, EveryLinkAndPictureLeadsToAFileAndAnchorThatExist)
{
    const QStringList pages = Pages();
    ASSERT_GE(pages.size(), 2);
    for (const QString &page : pages) {
        const QString html = Read(page);
        const QDir here = QFileInfo(page).dir();
        for (const QString &link : Attributes(html, "href")) {
            if (link.startsWith("http:") || link.startsWith("https:") || link.startsWith("mailto:"))
                continue;
            const QString file = link.section('#', 0, 0);
            const QString anchor = link.section('#', 1);
            const QString target = file.isEmpty() ? page : here.absoluteFilePath(file);
            EXPECT_TRUE(QFileInfo(target).isFile()) << page.toStdString() << " links to missing " << link.toStdString();
            if (!anchor.isEmpty())
                EXPECT_TRUE(Anchors(Read(target)).contains(anchor))
                    << page.toStdString() << " links to missing anchor " << link.toStdString();
        }
        for (const QString &picture : Attributes(html, "src"))
            EXPECT_TRUE(QFileInfo(here.absoluteFilePath(picture)).isFile())
                << page.toStdString() << " shows missing picture " << picture.toStdString();
    }
}

TEST(HelpContent, EveryManualPageIsReachableFromTheContents)
{
    QSet<QString> reached{"index.htm"};
    QStringList queue{"index.htm"};
    while (!queue.isEmpty()) {
        const QString html = Read(DataFolder + "/Help/" + queue.takeFirst());
        for (const QString &link : Attributes(html, "href")) {
            const QString file = link.section('#', 0, 0);
            if (file.endsWith(".htm") && !file.contains('/') && !reached.contains(file)) {
                reached << file;
                queue << file;
            }
        }
    }
    for (const QString &file : QDir(DataFolder + "/Help").entryList({"*.htm"}, QDir::Files))
        EXPECT_TRUE(reached.contains(file)) << file.toStdString() << " cannot be reached from index.htm";
}

TEST(HelpContent, EveryScreenshotIsUsed)
{
    QString all;
    for (const QString &page : Pages())
        all += Read(page);
    for (const QString &picture : QDir(DataFolder + "/Help/images").entryList(QDir::Files))
        EXPECT_TRUE(all.contains("images/" + picture)) << picture.toStdString() << " is shown on no page";
}

TEST(HelpContent, GlossaryRunsFromAToZWithTermsUnderTheirLetter)
{
    const QString html = Read(DataFolder + "/HTML/GlosA.htm");
    const QSet<QString> anchors = Anchors(html);
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        EXPECT_TRUE(anchors.contains(QString(QChar(letter)))) << "no anchor for " << letter;

    // Each letter's section: its heading anchor up to the next one.
    int terms = 0;
    const QRegularExpression section("<a name=\"([A-Z])\"></a>(.*?)(?=<a name=\"[A-Z]\"></a>|</body>)",
                                     QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpression term("<dt>(.*?)</dt>");
    for (const auto &s : section.globalMatch(html)) {
        QStringList inSection;
        for (const auto &t : term.globalMatch(s.captured(2)))
            inSection << t.captured(1);
        EXPECT_FALSE(inSection.isEmpty()) << "no term under " << s.captured(1).toStdString();
        for (const QString &t : inSection)
            EXPECT_TRUE(t.startsWith(s.captured(1))) << t.toStdString() << " is filed under " << s.captured(1).toStdString();
        QStringList sorted = inSection;
        std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
            return a.compare(b, Qt::CaseInsensitive) < 0;
        });
        EXPECT_EQ(inSection, sorted) << "terms under " << s.captured(1).toStdString() << " out of order";
        terms += inSection.size();
    }
    EXPECT_GE(terms, MinGlossaryTerms);
}
