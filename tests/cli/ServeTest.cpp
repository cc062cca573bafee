// silvaria-cli serve as a browser and a hostile client see it: the server
// runs in-process on an ephemeral 127.0.0.1 port over the built application
// folder (reached through links, with a few files replaced by symbolic
// links), and raw requests are written to it with QTcpSocket.
#include "base/ApplicationFolder.h"
#include "catalogue/modDatabase.h"
#include "cli/serve/HttpServer.h"
#include "cli/serve/WebSite.h"
#include "tests/common/Files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>

#include <list>

namespace {

const QString Built = QStringLiteral(SILVARIA_BINARY_DIR "/bin");

struct Reply {
    int status = 0;
    QMap<QByteArray, QByteArray> headers; // lower-case names
    QByteArray body;
};

Reply parseReply(const QByteArray &raw)
{
    Reply reply;
    const qsizetype end = raw.indexOf("\r\n\r\n");
    const QList<QByteArray> lines = raw.left(end).split('\n');
    reply.status = lines.value(0).split(' ').value(1).toInt();
    for (const QByteArray &line : lines.mid(1))
        if (const qsizetype colon = line.indexOf(':'); colon > 0)
            reply.headers.insert(line.left(colon).toLower(), line.mid(colon + 1).trimmed());
    reply.body = end < 0 ? QByteArray() : raw.mid(end + 4);
    return reply;
}

class Serve : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        folder = new QTemporaryDir;
        const QDir dir(folder->path());
        for (const char *linked : {"Database", "ShapeFiles", "HTML"})
            QFile::link(Built + QLatin1Char('/') + QLatin1String(linked), dir.filePath(QLatin1String(linked)));
        // Every photograph and the style sheet are symbolic links: never served.
        dir.mkpath("SpeciesImage");
        for (const QString &photo : QDir(Built + "/SpeciesImage").entryList(QDir::Files))
            QFile::link(Built + "/SpeciesImage/" + photo, dir.filePath("SpeciesImage/" + photo));
        dir.mkpath("Web");
        QFile::link(Built + "/Web/style.css", dir.filePath("Web/style.css"));
        QFile::copy(Built + "/Web/locate.js", dir.filePath("Web/locate.js"));
        writeVietnamese(dir);
        SetApplicationFolder(folder->path());
        OpenCatalogue();
        limits.maxConnections = 16;
        limits.busyConnections = 6;
        limits.idleSeconds = 1;
        limits.threads = 2;
        site = new WebSite(WebData::load(), limits);
        server = new HttpServer([](const HttpRequest &r) { return site->answer(r); }, limits);
        server->start("127.0.0.1", 0);
    }
    static void TearDownTestSuite()
    {
        delete server;
        delete site;
        CloseCatalogue();
        SetApplicationFolder(QString());
        delete folder;
    }
    // One page's title in Vietnamese, compiled as the translators' tools do.
    static void writeVietnamese(const QDir &dir)
    {
        dir.mkpath("i18n");
        WriteFile(dir.filePath("i18n/silvaria_vi.ts"),
                  "<?xml version=\"1.0\" encoding=\"utf-8\"?><!DOCTYPE TS><TS version=\"2.1\" language=\"vi\"><context>"
                  "<name>WebPages</name><message><source>Search</source><translation>T\xc3\xacm ki\xe1\xba\xbfm</translation>"
                  "</message></context></TS>");
        QProcess::execute("/usr/lib/qt6/bin/lrelease", {"-silent", dir.filePath("i18n/silvaria_vi.ts")});
    }

    static QTcpSocket *connected()
    {
        auto *socket = new QTcpSocket;
        socket->connectToHost("127.0.0.1", server->port());
        socket->waitForConnected(2000);
        return socket;
    }
    // Writes the bytes, then reads until the server closes the connection.
    static Reply exchange(const QByteArray &request)
    {
        std::unique_ptr<QTcpSocket> socket(connected());
        socket->write(request);
        QByteArray raw;
        while (socket->state() == QAbstractSocket::ConnectedState && socket->waitForReadyRead(5000))
            raw += socket->readAll();
        return parseReply(raw + socket->readAll());
    }
    static Reply get(const QByteArray &target, const QByteArray &extra = {})
    {
        return exchange("GET " + target + " HTTP/1.1\r\nHost: test\r\nConnection: close\r\n" + extra + "\r\n");
    }

    static inline QTemporaryDir *folder = nullptr;
    static inline HttpLimits limits;
    static inline WebSite *site = nullptr;
    static inline HttpServer *server = nullptr;
};

struct Case {
    const char *name;
    QByteArray request;
    int status;
    const char *type;  // start of the Content-Type
    const char *shown; // a text the body holds ("" none asked)
};

TEST_F(Serve, EveryRequestIsAnsweredSafelyWithItsStatusTypeAndPolicy)
{
    const QByteArray tail = " HTTP/1.1\r\nHost: t\r\nConnection: close\r\n\r\n";
    const QList<Case> cases{
        {"home", "GET /" + tail, 200, "text/html", "/search"},
        {"search in another case", "GET /search?q=JATI" + tail, 200, "text/html", "Tectona grandis"},
        {"search in Thai script", "GET /search?q=%E0%B8%AA%E0%B8%B1%E0%B8%81" + tail, 200, "text/html", "Tectona grandis"},
        {"query is escaped", "GET /search?q=%3Cscript%3Ex" + tail, 200, "text/html", "&lt;script&gt;x"},
        {"species", "GET /species/1" + tail, 200, "text/html", "Tectona grandis"},
        {"species by name", "GET /species/tectona%20GRANDIS" + tail, 303, "text/html", ""},
        {"unknown species", "GET /species/99999" + tail, 404, "text/html", ""},
        {"map", "GET /species/1/map.png" + tail, 200, "image/png", ""},
        {"map of a country", "GET /species/1/map.png?country=TH" + tail, 200, "image/png", ""},
        {"map of no country", "GET /species/1/map.png?country=Atlantis" + tail, 404, "text/html", ""},
        {"here by position", "GET /here?lon=98.98&lat=18.79&use=Fruit" + tail, 200, "text/html", "id=\"suitable\""},
        {"here by place", "GET /here?place=Chiang%20Mai" + tail, 200, "text/html", "Chiang Mai"},
        {"here out of range", "GET /here?lon=999&lat=18" + tail, 200, "text/html", "class=\"problem\""},
        {"browse by use", "GET /browse/use/Fruit" + tail, 200, "text/html", "/species/"},
        {"browse an unknown genus", "GET /browse/genus/Nothing" + tail, 404, "text/html", ""},
        {"report", "GET /report.pdf?lon=98.98&lat=18.79&use=Fruit" + tail, 200, "application/pdf", "%PDF-"},
        {"report of a place", "GET /report.pdf?place=Chiang%20Mai&paper=letter" + tail, 200, "application/pdf", "%PDF-"},
        {"report at sea", "GET /report.pdf?lon=150&lat=-40" + tail, 404, "text/html", "no grid point"},
        {"report of no use", "GET /report.pdf?lon=98.98&lat=18.79&use=Gold" + tail, 400, "text/html", "Fruit"},
        {"report of nowhere", "GET /report.pdf" + tail, 400, "text/html", ""},
        {"script", "GET /locate.js" + tail, 200, "text/javascript", "geolocation"},
        {"style sheet that is a link", "GET /style.css" + tail, 404, "text/html", ""},
        {"photograph that is a link", "GET /species/1/photo/1.jpg" + tail, 404, "text/html", ""},
        {"dot dot", "GET /../etc/passwd" + tail, 404, "text/html", ""},
        {"encoded dot dot", "GET /%2e%2e/%2E%2E/etc/passwd" + tail, 404, "text/html", ""},
        {"encoded slash", "GET /species/..%2f..%2fetc" + tail, 404, "text/html", ""},
        {"NUL", "GET /locate.js%00.png" + tail, 404, "text/html", ""},
        {"backslash", "GET /species/1/photo/..%5c..%5cx.jpg" + tail, 404, "text/html", ""},
        {"data folder", "GET /Database/dbsilvar.mdb" + tail, 404, "text/html", ""},
        {"folder listing", "GET /species/" + tail, 404, "text/html", ""},
        {"bad percent", "GET /search?q=%zz" + tail, 400, "text/html", ""},
        {"truncated percent", "GET /search?q=%4" + tail, 400, "text/html", ""},
        {"invalid UTF-8", "GET /search?q=%C3%28" + tail, 400, "text/html", ""},
        {"long query", "GET /search?q=" + QByteArray(limits.queryBytes + 1, 'a') + tail, 414, "text/html", ""},
        {"long request line", "GET /" + QByteArray(limits.headerBytes, 'a') + tail, 414, "", ""},
        {"long header", "GET / HTTP/1.1\r\nHost: t\r\nX-Long: " + QByteArray(limits.headerBytes, 'b') + "\r\n\r\n", 431, "", ""},
        {"POST", "POST /search HTTP/1.1\r\nHost: t\r\nContent-Length: 3\r\nConnection: close\r\n\r\nq=a", 405, "text/html", ""},
        {"DELETE", "DELETE /species/1" + tail, 405, "text/html", ""},
        {"unknown method", "BREW /" + tail, 405, "text/html", ""},
    };
    for (const Case &c : cases) {
        const Reply reply = exchange(c.request);
        EXPECT_EQ(reply.status, c.status) << c.name;
        EXPECT_TRUE(reply.headers.value("content-type").startsWith(c.type)) << c.name << ": " << reply.headers.value("content-type").constData();
        EXPECT_TRUE(reply.body.contains(c.shown)) << c.name;
        if (*c.type) {
            EXPECT_TRUE(reply.headers.value("content-security-policy").startsWith("default-src 'self'")) << c.name;
            EXPECT_EQ(reply.headers.value("x-content-type-options"), "nosniff") << c.name;
        }
    }
    EXPECT_EQ(get("/").status, 200) << "the server still answers";
}

TEST_F(Serve, NamesRedirectToTheIdentifierAndHeadSendsNoBody)
{
    EXPECT_EQ(get("/species/Tectona%20grandis?lang=vi").headers.value("location"), "/species/1?lang=vi");
    const Reply head = exchange("HEAD /species/1 HTTP/1.1\r\nHost: t\r\nConnection: close\r\n\r\n");
    EXPECT_EQ(head.status, 200);
    EXPECT_TRUE(head.body.isEmpty());
    EXPECT_GT(head.headers.value("content-length").toInt(), 0);
    EXPECT_EQ(get("/species/1/map.png?country=TH").body, get("/species/1/map.png?country=th").body) << "codes in any case";
    EXPECT_NE(get("/species/1/map.png?country=TH").body, get("/species/1/map.png").body);
}

TEST_F(Serve, PagesAreInTheVisitorsLanguageWhereATranslationExists)
{
    const struct {
        QByteArray target, acceptLanguage, language;
    } cases[] = {
        {"/search", "vi-VN,vi;q=0.9", "vi"}, {"/search", "th,en;q=0.5", "en"}, {"/search?lang=en", "vi", "en"},
        {"/search?lang=vi", "", "vi"},       {"/search?lang=xx", "", "en"},
    };
    for (const auto &c : cases) {
        const Reply reply = get(c.target, c.acceptLanguage.isEmpty() ? QByteArray() : "Accept-Language: " + c.acceptLanguage + "\r\n");
        EXPECT_EQ(reply.headers.value("content-language"), c.language) << c.target.constData() << " " << c.acceptLanguage.constData();
        EXPECT_EQ(reply.body.contains("<title>T\xc3\xacm ki\xe1\xba\xbfm</title>"), c.language == "vi") << c.target.constData();
    }
}

TEST_F(Serve, ManyConnectionsAreTurnedAwayAndSilentOnesClosed)
{
    std::list<std::unique_ptr<QTcpSocket>> idle;
    for (int i = 0; i < limits.busyConnections + 4; ++i)
        idle.emplace_back(connected());
    QThread::msleep(200);
    EXPECT_EQ(get("/").status, 503);
    // Connections that never finish their request are closed after the idle limit.
    for (auto &socket : idle)
        EXPECT_TRUE(socket->state() == QAbstractSocket::UnconnectedState || socket->waitForDisconnected(limits.idleSeconds * 3000));
    idle.clear();
    EXPECT_EQ(get("/").status, 200) << "the server answers again";
}

} // namespace
