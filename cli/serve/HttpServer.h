#pragma once
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <functional>
#include <memory>

// What the server takes from a request: the method, the request target as
// the client sent it (path and query, still percent-encoded) and the header
// the pages read.
struct HttpRequest {
    QByteArray method;
    QByteArray target;
    QByteArray acceptLanguage;
};

// A complete answer; the server adds the security headers to every one.
struct HttpResponse {
    int status = 200;
    QByteArray contentType;
    QByteArray body;
    QList<QPair<QByteArray, QByteArray>> headers; // Location, Cache-Control, ...
};

// The limits every request is held to. The request line and the headers
// share one buffer per connection: a request line past it is answered 414,
// headers past it 431 (by the HTTP library itself).
struct HttpLimits {
    int maxConnections = 128;      // beyond: the connection is refused at once
    int busyConnections = 96;      // beyond: 503 "busy"
    int headerBytes = 16 * 1024;   // request line and headers together
    int queryBytes = 1024;         // beyond: 414
    int idleSeconds = 10;          // a connection silent this long is closed
    int workMilliseconds = 5000;   // waiting longer for the data: 503
    int threads = 4;
};

using HttpHandler = std::function<HttpResponse(const HttpRequest &)>;

// A small read-only HTTP/1.1 server on libmicrohttpd: GET and HEAD only
// (others 405), each answer with Content-Type, a Content-Security-Policy
// allowing only the server's own resources and nosniff. The handler runs on
// the library's threads; it must be safe to call from several at once.
class HttpServer {
public:
    HttpServer(HttpHandler handler, HttpLimits limits = {});
    ~HttpServer();
    HttpServer(const HttpServer &) = delete;
    HttpServer &operator=(const HttpServer &) = delete;

    // Listens on an IPv4 address and port (0: any free port); throws Error
    // naming the address and the reason when it cannot.
    void start(const QString &address, quint16 port);
    void stop();
    quint16 port() const;
    const HttpLimits &limits() const { return m_limits; }

    // A short page for an error status: "404 Not found" and a line of text.
    static HttpResponse errorPage(int status, const QString &title, const QString &text);

private:
    struct Daemon;
    std::unique_ptr<Daemon> m_daemon;
    HttpHandler m_handler;
    HttpLimits m_limits;
};
