#pragma once
#include <QString>
#include <QThread>

class QTcpServer;

// An HTTP server on 127.0.0.1 at a free port, in a thread of its own, serving
// the files of a folder as a web server does to GDAL's network reader: HEAD,
// and GET of a whole file or of a "Range: bytes=FIRST-LAST", several on one
// connection. Told to, it answers 404 to everything, or cuts every body in
// half and closes the connection.
class LocalHttpServer {
public:
    enum Mode { Serve, NotFound, CloseMidFile };
    explicit LocalHttpServer(const QString &root, Mode mode = Serve);
    ~LocalHttpServer();
    // "http://127.0.0.1:PORT"
    QString url() const { return m_url; }

private:
    QThread m_thread;
    QTcpServer *m_server = nullptr;
    QString m_url;
};
