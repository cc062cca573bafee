// The command-line examples of the README and the manual are the program's
// own output on the bundled data: each "$ silvaria-cli ..." line of a console
// block is run and its output compared with the lines below it. With
// SILVARIA_UPDATE_EXAMPLES=1 the files are rewritten from the program instead.
#include "tests/common/Files.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QRegularExpression>

namespace {

// The program's output, as a manual page shows it inside <pre> when `html`.
QString programOutput(const QString &commandLine, bool html)
{
    QProcess process;
    process.start(QStringLiteral(SILVARIA_BINARY_DIR "/bin/silvaria-cli"), QProcess::splitCommand(commandLine));
    process.waitForFinished(120000);
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    return html ? out.toHtmlEscaped() : out;
}

// Checks (or rewrites) every example inside the blocks `block` finds; its
// capture 1 is the block's body.
void checkExamples(const QString &relativePath, const QRegularExpression &block, bool html)
{
    const QString path = QStringLiteral(SILVARIA_SOURCE_DIR "/") + relativePath;
    const QString text = QString::fromUtf8(ReadFile(path));
    ASSERT_FALSE(text.isEmpty()) << relativePath.toStdString();
    static const QRegularExpression example(QStringLiteral(R"(^\$ silvaria-cli (.*)\n((?:(?!\$ ).*\n)*))"),
                                            QRegularExpression::MultilineOption);
    QString updated;
    qsizetype done = 0, examples = 0;
    for (auto blocks = block.globalMatch(text); blocks.hasNext();) {
        const QRegularExpressionMatch b = blocks.next();
        QString body = b.captured(1);
        for (auto it = example.globalMatch(b.captured(1)); it.hasNext();) {
            const QRegularExpressionMatch e = it.next();
            QString actual = programOutput(e.captured(1), html);
            if (!e.captured(2).trimmed().isEmpty() || !actual.isEmpty())
                actual += QLatin1Char('\n'); // a blank line before the next example
            EXPECT_EQ(e.captured(2).trimmed().toStdString(), actual.trimmed().toStdString())
                << relativePath.toStdString() << ": silvaria-cli " << e.captured(1).toStdString();
            body.replace(e.captured(0), QStringLiteral("$ silvaria-cli ") + e.captured(1) + QLatin1Char('\n') + actual);
            ++examples;
        }
        if (body.endsWith(QStringLiteral("\n\n")))
            body.chop(1);
        updated += text.mid(done, b.capturedStart(1) - done) + body;
        done = b.capturedEnd(1);
    }
    EXPECT_GT(examples, 0) << relativePath.toStdString() << " shows no example";
    if (qEnvironmentVariableIntValue("SILVARIA_UPDATE_EXAMPLES"))
        ASSERT_TRUE(WriteFile(path, (updated + text.mid(done)).toUtf8()));
}

TEST(DocExamples, TheReadmeAndManualShowWhatTheProgramPrints)
{
    checkExamples(QStringLiteral("README.md"), QRegularExpression(QStringLiteral("```console\n(.*?)```"),
                                                                  QRegularExpression::DotMatchesEverythingOption), false);
    checkExamples(QStringLiteral("data/Help/commandline.htm"),
                  QRegularExpression(QStringLiteral("<pre class=\"console\">\n(.*?)</pre>"),
                                     QRegularExpression::DotMatchesEverythingOption),
                  true);
}

} // namespace
