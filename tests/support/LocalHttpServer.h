#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

// A tiny HTTP/1.1 server on 127.0.0.1 for tests: answers each path with a set status and body,
// records every request. It runs in the test's thread, so it only answers while the code under
// test lets the event loop run.
class LocalHttpServer : public QObject
{
    Q_OBJECT
public:
    struct Request
    {
        QByteArray method;
        QByteArray path;
        QHash<QByteArray, QByteArray> headers; // names in lower case
        QByteArray body;
    };

    explicit LocalHttpServer(QObject *parent = nullptr);
    ~LocalHttpServer() override;

    // Listens on a free port; false when that failed.
    bool start();
    quint16 port() const;
    QString baseUrl() const; // "http://127.0.0.1:<port>"

    // The answer for a path; paths without one get 404.
    void setResponse(const QByteArray &path, int status, const QByteArray &body);
    // Answers the path with a redirect (301, 302, 303, 307, 308) to `location`, taken as given.
    void setRedirect(const QByteArray &path, int status, const QByteArray &location);
    // When on, requests are read but never answered (a server that hangs).
    void setSilent(bool silent) { m_silent = silent; }

    const QList<Request> &requests() const { return m_requests; }

    // A port on 127.0.0.1 that nothing listens on.
    static quint16 closedPort();

private:
    struct Response
    {
        int status = 404;
        QByteArray body;
        QByteArray location;
    };
    void onNewConnection();
    void onReadyRead(QTcpSocket *socket);

    QTcpServer m_server;
    QHash<QByteArray, Response> m_responses;
    QHash<QTcpSocket *, QByteArray> m_buffers;
    QList<Request> m_requests;
    bool m_silent = false;
};
