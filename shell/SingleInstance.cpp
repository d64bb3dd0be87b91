#include "shell/SingleInstance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>

namespace {
const QByteArray activateRequest = QByteArrayLiteral("activate\n");
constexpr int connectTimeoutMs = 1000;
} // namespace

SingleInstance::SingleInstance(const QString &key, QObject *parent)
    : QObject(parent)
    , m_serverName(serverNameFor(key))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverNameFor(const QString &key)
{
    // The user's name and home folder tell users of one computer apart; hashed to keep the socket
    // name short and free of path characters.
    QString user = qEnvironmentVariable("USER");
    if (user.isEmpty())
        user = qEnvironmentVariable("USERNAME");
    const QByteArray identity = (user + QLatin1Char('|') + QDir::homePath()).toUtf8();
    const QByteArray hash = QCryptographicHash::hash(identity, QCryptographicHash::Sha256).toHex().left(16);
    return key + QLatin1Char('-') + QString::fromLatin1(hash);
}

QString SingleInstance::alreadyRunningText()
{
    return QStringLiteral(
        "Nem futtathatja egyszerre több példányban a programot!\rA már futó alkalmazás lesz aktiválva");
}

bool SingleInstance::tryStart()
{
    if (m_server)
        return true;
    if (contactRunningCopy(false))
        return false;

    auto *server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    // Nobody answered: a socket left by a crashed copy is stale and may go.
    QLocalServer::removeServer(m_serverName);
    if (!server->listen(m_serverName)) {
        // Another copy may have started in the meantime.
        delete server;
        if (contactRunningCopy(false))
            return false;
        // The guard could not be set up; running unguarded beats refusing to start.
        qWarning("SingleInstance: cannot listen on %s", qPrintable(m_serverName));
        return true;
    }
    m_server = server;
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (socket->canReadLine() && socket->readLine() == activateRequest)
                    emit activationRequested();
            });
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            if (socket->canReadLine() && socket->readLine() == activateRequest)
                emit activationRequested();
        }
    });
    return true;
}

bool SingleInstance::activateRunningCopy()
{
    return contactRunningCopy(true);
}

bool SingleInstance::contactRunningCopy(bool activate)
{
    QLocalSocket socket;
    socket.connectToServer(m_serverName);
    if (!socket.waitForConnected(connectTimeoutMs))
        return false;
    if (activate) {
        socket.write(activateRequest);
        socket.waitForBytesWritten(connectTimeoutMs);
    }
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(connectTimeoutMs);
    return true;
}
