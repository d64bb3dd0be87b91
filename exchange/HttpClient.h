#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

// A small blocking HTTP client over libcurl for the vendor's web server (update check, error
// report). The transfer runs in the calling thread but lets the event loop run between polls, so
// the windows stay painted; user input is held back until the transfer ends. Short time-outs keep
// a missing network from holding anything up.
class HttpClient
{
public:
    struct Reply
    {
        bool ok = false; // a 2xx answer arrived in full
        long status = 0; // the HTTP status code, 0 when no answer arrived
        QByteArray body; // the answer's content (also of an error status)
        QString error; // why it failed, in Hungarian; empty when ok
    };

    static constexpr int DefaultConnectTimeoutMs = 3000;
    static constexpr int DefaultTotalTimeoutMs = 8000;
    static constexpr qint64 DefaultMaxBodySize = 1024 * 1024;
    // Requests in a row, the first one included, before redirects count as too many.
    static constexpr int MaxRedirects = 6;

    void setTimeouts(int connectMs, int totalMs);
    void setMaxBodySize(qint64 bytes) { m_maxBodySize = bytes; }

    Reply get(const QUrl &url) const;
    // A POST with the given content type ("application/x-www-form-urlencoded").
    Reply post(const QUrl &url, const QByteArray &contentType, const QByteArray &body) const;

    // The header fields every request carries.
    static QByteArray acceptHeader();
    static QByteArray userAgent();

private:
    // The request with its redirects: only http and https targets, none twice.
    Reply perform(const QUrl &url, const QByteArray *contentType, const QByteArray *body) const;
    // One request without following a redirect; a redirect's absolute target goes to *redirect.
    Reply transfer(const QUrl &url, const QByteArray *contentType, const QByteArray *body, QUrl *redirect) const;

    int m_connectTimeoutMs = DefaultConnectTimeoutMs;
    int m_totalTimeoutMs = DefaultTotalTimeoutMs;
    qint64 m_maxBodySize = DefaultMaxBodySize;
};
