#include "cli/serve/HttpServer.h"

#include "base/Error.h"

#include <QCoreApplication>
#include <QHostAddress>

#include <arpa/inet.h>
#include <microhttpd.h>

#include <cstring>

// libmicrohttpd was chosen over the other HTTP libraries of the distribution
// because every limit this server needs is one of its options (connections,
// per-connection memory for the request line and headers, idle time), it
// answers oversized request lines and headers itself, and it is a small C
// library with a long security record, maintained in the distribution.

namespace {
struct Context {
    HttpHandler *handler;
    const HttpLimits *limits;
    MHD_Daemon **daemon;
};
} // namespace

struct HttpServer::Daemon {
    MHD_Daemon *handle = nullptr;
    Context context{};
    ~Daemon()
    {
        if (handle)
            MHD_stop_daemon(handle);
    }
};

namespace {

const char *const SecurityPolicy = "default-src 'self'; img-src 'self'; style-src 'self'; script-src 'self'; "
                                   "form-action 'self'; frame-ancestors 'none'; base-uri 'none'";

QString escaped(const QString &text) { return text.toHtmlEscaped(); }

// The request target exactly as the client sent it, kept for the handler:
// the library hands the access handler a decoded path without the query.
void *keepTarget(void *, const char *uri, MHD_Connection *) { return new QByteArray(uri); }

void forgetTarget(void *, MHD_Connection *, void **context, MHD_RequestTerminationCode)
{
    delete static_cast<QByteArray *>(*context);
    *context = nullptr;
}

MHD_Result queue(MHD_Connection *connection, const HttpResponse &answer)
{
    MHD_Response *response =
        MHD_create_response_from_buffer(size_t(answer.body.size()), const_cast<char *>(answer.body.constData()), MHD_RESPMEM_MUST_COPY);
    if (!response)
        return MHD_NO;
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, answer.contentType.constData());
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_SECURITY_POLICY, SecurityPolicy);
    MHD_add_response_header(response, "X-Content-Type-Options", "nosniff");
    MHD_add_response_header(response, "Referrer-Policy", "no-referrer");
    for (const auto &[name, value] : answer.headers)
        MHD_add_response_header(response, name.constData(), value.constData());
    const MHD_Result result = MHD_queue_response(connection, unsigned(answer.status), response);
    MHD_destroy_response(response);
    return result;
}

unsigned currentConnections(MHD_Daemon *daemon)
{
    const MHD_DaemonInfo *info = MHD_get_daemon_info(daemon, MHD_DAEMON_INFO_CURRENT_CONNECTIONS);
    return info ? info->num_connections : 0;
}

HttpResponse methodNotAllowed()
{
    HttpResponse answer = HttpServer::errorPage(405, QCoreApplication::translate("WebPages", "Method not allowed"),
                                                QCoreApplication::translate("WebPages", "This server only answers GET and HEAD."));
    answer.headers.append(qMakePair(QByteArray("Allow"), QByteArray("GET, HEAD")));
    return answer;
}

HttpResponse busy()
{
    HttpResponse answer = HttpServer::errorPage(503, QCoreApplication::translate("WebPages", "Busy"),
                                                QCoreApplication::translate("WebPages", "Too many people are reading at once. Try again in a moment."));
    answer.headers.append(qMakePair(QByteArray("Retry-After"), QByteArray("5")));
    return answer;
}

MHD_Result answerRequest(void *cls, MHD_Connection *connection, const char *, const char *method, const char *,
                         const char *, size_t *uploadSize, void **context)
{
    const auto *c = static_cast<Context *>(cls);
    // A body is never read: the answer goes out on the first call.
    *uploadSize = 0;
    const auto *target = static_cast<QByteArray *>(*context);
    const QByteArray verb(method);
    if (verb != "GET" && verb != "HEAD")
        return queue(connection, methodNotAllowed());
    if (currentConnections(*c->daemon) > unsigned(c->limits->busyConnections))
        return queue(connection, busy());
    const char *language = MHD_lookup_connection_value(connection, MHD_HEADER_KIND, MHD_HTTP_HEADER_ACCEPT_LANGUAGE);
    const HttpRequest request{verb, target ? *target : QByteArray(), QByteArray(language ? language : "")};
    try {
        return queue(connection, (*c->handler)(request));
    } catch (const std::exception &e) {
        return queue(connection, HttpServer::errorPage(500, QCoreApplication::translate("WebPages", "Server error"), ErrorText(e)));
    }
}

} // namespace

HttpServer::HttpServer(HttpHandler handler, HttpLimits limits) : m_handler(std::move(handler)), m_limits(limits) {}

HttpServer::~HttpServer() { stop(); }

void HttpServer::start(const QString &address, quint16 port)
{
    stop();
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(port);
    if (inet_pton(AF_INET, address.toLatin1().constData(), &where.sin_addr) != 1)
        throw Error(QStringLiteral("%1 is not an IPv4 address such as 127.0.0.1 or 0.0.0.0").arg(address.left(80)));
    m_daemon = std::make_unique<Daemon>();
    m_daemon->context = {&m_handler, &m_limits, &m_daemon->handle};
    m_daemon->handle = MHD_start_daemon(
        MHD_USE_INTERNAL_POLLING_THREAD | MHD_USE_EPOLL, port, nullptr, nullptr,
        &answerRequest, &m_daemon->context, MHD_OPTION_SOCK_ADDR, &where, MHD_OPTION_THREAD_POOL_SIZE, unsigned(m_limits.threads),
        MHD_OPTION_CONNECTION_LIMIT, unsigned(m_limits.maxConnections), MHD_OPTION_CONNECTION_TIMEOUT,
        unsigned(m_limits.idleSeconds), MHD_OPTION_CONNECTION_MEMORY_LIMIT, size_t(m_limits.headerBytes),
        MHD_OPTION_URI_LOG_CALLBACK, &keepTarget, nullptr, MHD_OPTION_NOTIFY_COMPLETED, &forgetTarget, nullptr,
        MHD_OPTION_END);
    if (!m_daemon->handle) {
        m_daemon.reset();
        throw Error(QStringLiteral("cannot listen on %1:%2: %3").arg(address).arg(port).arg(QString::fromLocal8Bit(std::strerror(errno))));
    }
}

void HttpServer::stop() { m_daemon.reset(); }

quint16 HttpServer::port() const
{
    if (!m_daemon)
        return 0;
    const MHD_DaemonInfo *info = MHD_get_daemon_info(m_daemon->handle, MHD_DAEMON_INFO_BIND_PORT);
    return info ? info->port : 0;
}

HttpResponse HttpServer::errorPage(int status, const QString &title, const QString &text)
{
    const QString page = QStringLiteral("<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
                                        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">"
                                        "<title>%1 %2</title><link rel=\"stylesheet\" href=\"/style.css\"></head>"
                                        "<body><h1>%1 %2</h1><p>%3</p><p><a href=\"/\">Silvaria</a></p></body></html>\n")
                             .arg(status).arg(escaped(title), escaped(text));
    return {status, "text/html; charset=utf-8", page.toUtf8(), {{"Cache-Control", "no-store"}}};
}
