#include "tests/common/LocalHttpServer.h"

#include <QFile>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>

#include <utility>

namespace {

// Answers one request, then closes the connection (as "Connection: close" says).
void answer(QTcpSocket *socket, const QByteArray &request, const QString &root, LocalHttpServer::Mode mode)
{
    const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
    QFile file(root + QString::fromUtf8(words.value(1)));
    const bool found = mode != LocalHttpServer::NotFound && file.open(QIODevice::ReadOnly);
    QByteArray body = found ? file.readAll() : QByteArray(), status = found ? "200 OK" : "404 Not Found", range;
    static const QRegularExpression ranged(QStringLiteral("\r\nRange: *bytes=(\\d+)-(\\d*)"), QRegularExpression::CaseInsensitiveOption);
    if (const auto m = ranged.match(QString::fromLatin1(request)); found && m.hasMatch()) {
        const qint64 first = m.captured(1).toLongLong(), last = m.captured(2).isEmpty() ? body.size() - 1 : qMin(m.captured(2).toLongLong(), body.size() - 1);
        range = "Content-Range: bytes " + QByteArray::number(first) + '-' + QByteArray::number(last) + '/' + QByteArray::number(body.size()) + "\r\n";
        body = body.mid(first, last - first + 1);
        status = "206 Partial Content";
    }
    socket->write("HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size()) + "\r\n" + range
                  + "Accept-Ranges: bytes\r\nConnection: close\r\n\r\n");
    if (words.value(0) != "HEAD")
        socket->write(mode == LocalHttpServer::CloseMidFile ? body.left(body.size() / 2) : body);
    socket->disconnectFromHost();
}

} // namespace

LocalHttpServer::LocalHttpServer(const QString &root, Mode mode)
{
    m_thread.start();
    m_server = new QTcpServer;
    m_server->moveToThread(&m_thread);
    QMetaObject::invokeMethod(m_server, [this, root, mode] {
        m_server->listen(QHostAddress::LocalHost, 0);
        m_url = QStringLiteral("http://127.0.0.1:%1").arg(m_server->serverPort());
        QObject::connect(m_server, &QTcpServer::newConnection, m_server, [this, root, mode] {
            while (QTcpSocket *socket = m_server->nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, root, mode, request = QByteArray(), done = false]() mutable {
                    request += socket->readAll();
                    if (request.contains("\r\n\r\n") && !std::exchange(done, true))
                        answer(socket, request, root, mode);
                });
            }
        });
    }, Qt::BlockingQueuedConnection);
}

LocalHttpServer::~LocalHttpServer()
{
    QMetaObject::invokeMethod(m_server, [this] { delete m_server; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}
