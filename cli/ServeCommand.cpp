#include "base/Error.h"
#include "cli/CliCommand.h"
#include "cli/Commands.h"
#include "cli/serve/HttpServer.h"
#include "cli/serve/WebSite.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkInterface>

#include <csignal>

namespace {

struct ListenAddress {
    QString host;
    quint16 port = 8080;
};

ListenAddress listenOption(const CommandLine &line)
{
    const QString text = line.isSet(QStringLiteral("listen")) ? line.value(QStringLiteral("listen")) : QStringLiteral("127.0.0.1:8080");
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    bool ok = false;
    const uint port = text.mid(colon + 1).toUInt(&ok);
    const QHostAddress host(text.left(colon));
    if (colon < 0 || !ok || port < 1 || port > 65535 || host.protocol() != QAbstractSocket::IPv4Protocol)
        UsageError(QCoreApplication::translate("ServeCommand", "--listen takes an IPv4 address and a port such as 127.0.0.1:8080 or 0.0.0.0:8080, not \"%1\"").arg(text.left(80)));
    return {host.toString(), quint16(port)};
}

// The addresses other machines reach this one by, when listening on all.
QStringList networkAddresses(const ListenAddress &listen)
{
    if (listen.host != QLatin1String("0.0.0.0"))
        return {listen.host};
    QStringList hosts;
    for (const QHostAddress &a : QNetworkInterface::allAddresses())
        if (a.protocol() == QAbstractSocket::IPv4Protocol && !a.isLoopback())
            hosts << a.toString();
    return hosts.isEmpty() ? QStringList{QStringLiteral("127.0.0.1")} : hosts;
}

} // namespace

int RunServeCommand(const QStringList &arguments)
{
    CommandLine line(QStringLiteral("serve"), QCoreApplication::translate("ServeCommand", "Serves the catalogue, the maps and the suitable species at a place as web pages, "
                                      "read-only. Stops on Ctrl+C (SIGINT) or SIGTERM."));
    line.addOption({QStringLiteral("listen"), QCoreApplication::translate("ServeCommand", "Address and port to listen on (default 127.0.0.1:8080, this machine only; "
                                                             "0.0.0.0:8080 shares it with the network)."), QStringLiteral("ADDR:PORT")});
    if (!line.parse(arguments))
        return ExitDone;
    const ListenAddress listen = listenOption(line);
    line.openCatalogue();
    std::unique_ptr<WebData> data;
    try {
        data = WebData::load();
    } catch (const Error &e) {
        throw CliFailure(ExitDataError, e.message());
    }
    // SIGINT and SIGTERM are taken here, not by the server's threads, which
    // inherit this mask.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);
    const HttpLimits limits;
    WebSite site(std::move(data), limits);
    HttpServer server([&site](const HttpRequest &request) { return site.answer(request); }, limits);
    try {
        server.start(listen.host, listen.port);
    } catch (const Error &e) {
        pthread_sigmask(SIG_UNBLOCK, &stopSignals, nullptr);
        throw CliFailure(ExitDataError, e.message());
    }
    PrintOut(QCoreApplication::translate("ServeCommand", "Silvaria is served at:\n"));
    for (const QString &host : networkAddresses(listen))
        PrintOut(QStringLiteral("  http://%1:%2/\n").arg(host).arg(server.port()));
    if (listen.host != QLatin1String("127.0.0.1"))
        PrintOut(QCoreApplication::translate("ServeCommand", "Everyone on this network can read it (read-only). Press Ctrl+C to stop.\n"));
    else
        PrintOut(QCoreApplication::translate("ServeCommand", "Only this machine can read it. Press Ctrl+C to stop.\n"));
    FlushOut();
    int received = 0;
    sigwait(&stopSignals, &received);
    server.stop();
    pthread_sigmask(SIG_UNBLOCK, &stopSignals, nullptr);
    PrintOut(QCoreApplication::translate("ServeCommand", "Stopped.\n"));
    return ExitDone;
}
