#include "support/LocalHttpServer.h"

#include <QTcpSocket>

LocalHttpServer::LocalHttpServer(QObject *parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &LocalHttpServer::onNewConnection);
}

LocalHttpServer::~LocalHttpServer()
{
    // Open connections die with the listening server; they must not report back to a half-destroyed object.
    for (QTcpSocket *socket : m_server.findChildren<QTcpSocket *>())
        socket->disconnect(this);
}

bool LocalHttpServer::start()
{
    return m_server.listen(QHostAddress::LocalHost, 0);
}

quint16 LocalHttpServer::port() const
{
    return m_server.serverPort();
}

QString LocalHttpServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:") + QString::number(port());
}

void LocalHttpServer::setResponse(const QByteArray &path, int status, const QByteArray &body)
{
    m_responses.insert(path, Response {status, body, QByteArray()});
}

void LocalHttpServer::setRedirect(const QByteArray &path, int status, const QByteArray &location)
{
    m_responses.insert(path, Response {status, QByteArray(), location});
}

quint16 LocalHttpServer::closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

void LocalHttpServer::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onReadyRead(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            m_buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

static QByteArray reason(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 404:
        return "Not Found";
    case 500:
        return "Internal Server Error";
    default:
        return "Status";
    }
}

void LocalHttpServer::onReadyRead(QTcpSocket *socket)
{
    QByteArray &buffer = m_buffers[socket];
    buffer += socket->readAll();
    const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
    if (headerEnd < 0)
        return;

    Request request;
    const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
    const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
    request.method = first.value(0);
    request.path = first.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines.at(i).indexOf(':');
        if (colon > 0)
            request.headers.insert(lines.at(i).left(colon).trimmed().toLower(), lines.at(i).mid(colon + 1).trimmed());
    }
    const qsizetype length = request.headers.value("content-length", "0").toLongLong();
    if (buffer.size() < headerEnd + 4 + length)
        return;
    request.body = buffer.mid(headerEnd + 4, length);
    buffer.clear();
    m_requests << request;
    if (m_silent)
        return;

    const Response response = m_responses.value(request.path);
    QByteArray answer = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reason(response.status) + "\r\n";
    answer += "Content-Type: text/plain\r\n";
    if (!response.location.isEmpty())
        answer += "Location: " + response.location + "\r\n";
    answer += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\n";
    answer += "Connection: close\r\n\r\n";
    answer += response.body;
    socket->write(answer);
    socket->disconnectFromHost();
}
