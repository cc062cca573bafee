// The pages as a person on a phone sees them: headless Chromium at a phone's
// size opens the search, species and here pages of a server running
// in-process on the built application folder; the test reads the page it
// rendered and keeps a screenshot of each in the build folder.
#include "base/ApplicationFolder.h"
#include "catalogue/modDatabase.h"
#include "cli/serve/HttpServer.h"
#include "cli/serve/WebSite.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QMutex>
#include <QProcess>
#include <QRegularExpression>

namespace {

const QString Built = QStringLiteral(SILVARIA_BINARY_DIR "/bin");
const QString Shots = QStringLiteral(SILVARIA_BINARY_DIR "/tests/browser");

// The texts of the links inside the element with this id.
QStringList linkTexts(const QString &dom, const QString &id)
{
    const qsizetype start = dom.indexOf(QStringLiteral("id=\"%1\"").arg(id));
    const QString list = dom.mid(start, dom.indexOf(QStringLiteral("</ul>"), start) - start);
    QStringList texts;
    static const QRegularExpression link(QStringLiteral("<a [^>]*>([^<]*)</a>"));
    for (const auto &m : link.globalMatch(list))
        texts << m.captured(1);
    return texts;
}

class Browser : public ::testing::Test {
protected:
    void SetUp() override
    {
        QProcess probe;
        probe.start(QStringLiteral("chromium"), {QStringLiteral("--version")});
        if (!probe.waitForFinished(30000) || probe.exitCode() != 0)
            GTEST_SKIP() << "chromium cannot start here (scripts/install.sh installs it)";
        SetApplicationFolder(Built);
        OpenCatalogue();
        site = std::make_unique<WebSite>(WebData::load(), HttpLimits{});
        server = std::make_unique<HttpServer>([this](const HttpRequest &r) {
            HttpResponse answer = site->answer(r);
            const QMutexLocker lock(&seenLock);
            seen.insert(QString::fromUtf8(r.target), answer.contentType);
            return answer;
        });
        server->start(QStringLiteral("127.0.0.1"), 0);
        QDir().mkpath(Shots);
    }
    void TearDown() override
    {
        server.reset();
        site.reset();
        CloseCatalogue();
        SetApplicationFolder(QString());
    }
    // The page as Chromium rendered it at 360 by 740 pixels; a screenshot of it
    // (the whole page's first 1400 pixels) goes to the build folder.
    QString rendered(const QString &target, const QString &shot)
    {
        const QString url = QStringLiteral("http://127.0.0.1:%1%2").arg(server->port()).arg(target);
        const QStringList common{QStringLiteral("--headless"), QStringLiteral("--no-sandbox"), QStringLiteral("--disable-gpu"),
                                 QStringLiteral("--hide-scrollbars"), QStringLiteral("--user-data-dir=") + Shots + QStringLiteral("/profile")};
        QProcess screenshot;
        screenshot.setStandardErrorFile(QProcess::nullDevice());
        screenshot.start(QStringLiteral("chromium"), common + QStringList{QStringLiteral("--window-size=360,1400"),
                                                          QStringLiteral("--screenshot=") + Shots + QLatin1Char('/') + shot, url});
        screenshot.waitForFinished(120000);
        QProcess dump;
        dump.setStandardErrorFile(QProcess::nullDevice());
        dump.start(QStringLiteral("chromium"), common + QStringList{QStringLiteral("--window-size=360,740"), QStringLiteral("--dump-dom"), url});
        dump.waitForFinished(120000);
        return QString::fromUtf8(dump.readAllStandardOutput());
    }

    std::unique_ptr<WebSite> site;
    std::unique_ptr<HttpServer> server;
    QMutex seenLock;
    QMap<QString, QByteArray> seen; // each target asked, with the answer's type
};

TEST_F(Browser, SearchSpeciesAndHerePagesShowWhatAPersonLooksFor)
{
    const QString search = rendered(QStringLiteral("/search?q=jati"), QStringLiteral("search.png"));
    EXPECT_TRUE(search.contains(QStringLiteral("Tectona grandis"))) << search.toStdString();

    const QString species = rendered(QStringLiteral("/species/1"), QStringLiteral("species.png"));
    EXPECT_TRUE(species.contains(QStringLiteral("<h1>Tectona grandis</h1>")));
    EXPECT_TRUE(species.contains(QStringLiteral("<img src=\"/species/1/map.png\"")));
    EXPECT_EQ(seen.value(QStringLiteral("/species/1/map.png")), "image/png") << "the browser loaded the map";
    EXPECT_EQ(seen.value(QStringLiteral("/style.css")).left(8), "text/css");

    const QString here = rendered(QStringLiteral("/here?lon=98.98&lat=18.79&use=Fruit"), QStringLiteral("here.png"));
    QProcess at;
    at.start(Built + QStringLiteral("/silvaria-cli"), {QStringLiteral("at"), QStringLiteral("98.98,18.79"), QStringLiteral("--use"),
                                                       QStringLiteral("Fruit"), QStringLiteral("--format"), QStringLiteral("csv")});
    at.waitForFinished(60000);
    QStringList expected;
    for (const QString &line : QString::fromUtf8(at.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("suitable,")))
            expected << line.section(QLatin1Char(','), 2, 2);
    EXPECT_FALSE(expected.isEmpty());
    EXPECT_EQ(linkTexts(here, QStringLiteral("suitable")), expected);
}

} // namespace
