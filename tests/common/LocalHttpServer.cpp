#include "tests/common/LocalHttpServer.h"

#include <QFile>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>

namespace {

// Answers one request; the connection stays open for the next, as HTTP/1.1 has it.
void respond(QTcpSocket *socket, const QByteArray &request, const QString &root, LocalHttpServer::Mode mode)
{
    const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
    QFile file(root + QString::fromUtf8(words.value(1)));
    const bool found = mode != LocalHttpServer::NotFound && file.open(QIODevice::ReadOnly);
    QByteArray status = found ? "200 OK" : "404 Not Found", range;
    qint64 first = 0, last = file.size() - 1; // only the bytes asked for are read
    static const QRegularExpression ranged(QStringLiteral("\r\nRange: *bytes=(\\d+)-(\\d*)"), QRegularExpression::CaseInsensitiveOption);
    if (const auto m = ranged.match(QString::fromLatin1(request)); found && m.hasMatch()) {
        first = m.captured(1).toLongLong();
        last = m.captured(2).isEmpty() ? last : qMin(m.captured(2).toLongLong(), last);
        range = "Content-Range: bytes " + QByteArray::number(first) + '-' + QByteArray::number(last) + '/' + QByteArray::number(file.size()) + "\r\n";
        status = "206 Partial Content";
    }
    const qint64 length = found ? last - first + 1 : 0;
    QByteArray answer = "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(length) + "\r\n" + range
                      + "Accept-Ranges: bytes\r\n\r\n";
    if (words.value(0) != "HEAD" && found && file.seek(first))
        answer += file.read(mode == LocalHttpServer::CloseMidFile ? length / 2 : length);
    socket->write(answer); // in one piece: no wait for the client's acknowledgement between head and body
    if (mode == LocalHttpServer::CloseMidFile)
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
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, root, mode, request = QByteArray()]() mutable {
                    request += socket->readAll();
                    for (qsizetype end; (end = request.indexOf("\r\n\r\n")) >= 0; request.remove(0, end + 4))
                        respond(socket, request.left(end + 4), root, mode);
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
