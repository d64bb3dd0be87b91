#include "exchange/HttpClient.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <curl/curl.h>

namespace {

bool curlReady()
{
    static const bool initialised = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return initialised;
}

struct Sink
{
    QByteArray *body = nullptr;
    qint64 limit = 0;
    bool tooLarge = false;
};

size_t writeBody(char *data, size_t size, size_t count, void *user)
{
    auto *sink = static_cast<Sink *>(user);
    const size_t bytes = size * count;
    if (sink->body->size() + static_cast<qint64>(bytes) > sink->limit) {
        sink->tooLarge = true;
        return 0; // aborts the transfer
    }
    sink->body->append(data, static_cast<qsizetype>(bytes));
    return bytes;
}

QString hostAndPort(const QUrl &url)
{
    return url.port() >= 0 ? url.host() + QLatin1Char(':') + QString::number(url.port()) : url.host();
}

QString errorText(CURLcode code, const QUrl &url, const char *errorBuffer, bool tooLarge)
{
    switch (code) {
    case CURLE_URL_MALFORMAT:
    case CURLE_UNSUPPORTED_PROTOCOL:
        return QStringLiteral("Hibás kiszolgálócím: ") + url.toString();
    case CURLE_COULDNT_RESOLVE_HOST:
        return QStringLiteral("A kiszolgáló neve nem oldható fel: ") + url.host();
    case CURLE_COULDNT_CONNECT:
        return QStringLiteral("A kiszolgáló nem érhető el: ") + hostAndPort(url);
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("A kiszolgáló nem válaszolt időben.");
    case CURLE_WRITE_ERROR:
        if (tooLarge)
            return QStringLiteral("A kiszolgáló válasza túl hosszú.");
        break;
    default:
        break;
    }
    if (errorBuffer && *errorBuffer)
        return QString::fromLocal8Bit(errorBuffer);
    return QString::fromLatin1(curl_easy_strerror(code));
}

} // namespace

void HttpClient::setTimeouts(int connectMs, int totalMs)
{
    m_connectTimeoutMs = connectMs;
    m_totalTimeoutMs = totalMs;
}

QByteArray HttpClient::acceptHeader()
{
    return QByteArrayLiteral("text/html, */*");
}

QByteArray HttpClient::userAgent()
{
    return QByteArrayLiteral("Mozilla/3.0 (compatible; Indy Library)");
}

HttpClient::Reply HttpClient::get(const QUrl &url) const
{
    return perform(url, nullptr, nullptr);
}

HttpClient::Reply HttpClient::post(const QUrl &url, const QByteArray &contentType, const QByteArray &body) const
{
    return perform(url, &contentType, &body);
}

HttpClient::Reply HttpClient::perform(const QUrl &url, const QByteArray *contentType, const QByteArray *body) const
{
    Reply reply;
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty()
        || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))) {
        reply.error = QStringLiteral("Hibás kiszolgálócím: ") + url.toString();
        return reply;
    }
    if (!curlReady()) {
        reply.error = QStringLiteral("A hálózati könyvtár nem indítható.");
        return reply;
    }

    CURL *easy = curl_easy_init();
    CURLM *multi = curl_multi_init();
    if (!easy || !multi) {
        curl_easy_cleanup(easy);
        curl_multi_cleanup(multi);
        reply.error = QStringLiteral("A hálózati könyvtár nem indítható.");
        return reply;
    }

    const QByteArray address = url.toEncoded();
    const QByteArray agent = userAgent();
    char errorBuffer[CURL_ERROR_SIZE] = {};
    Sink sink {&reply.body, m_maxBodySize, false};

    curl_slist *headers = curl_slist_append(nullptr, QByteArray("Accept: " + acceptHeader()).constData());
    if (contentType)
        headers = curl_slist_append(headers, QByteArray("Content-Type: " + *contentType).constData());

    curl_easy_setopt(easy, CURLOPT_URL, address.constData());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(easy, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(m_connectTimeoutMs));
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(m_totalTimeoutMs));
    curl_easy_setopt(easy, CURLOPT_USERAGENT, agent.constData());
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &writeBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &sink);
    curl_easy_setopt(easy, CURLOPT_ERRORBUFFER, errorBuffer);
    if (body) {
        curl_easy_setopt(easy, CURLOPT_POST, 1L);
        curl_easy_setopt(easy, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body->size()));
        curl_easy_setopt(easy, CURLOPT_POSTFIELDS, body->constData());
    }

    // Drive the transfer in short polls and let queued events (painting, timers, sockets of this
    // thread) run in between; user input waits so that no command starts in the middle.
    curl_multi_add_handle(multi, easy);
    int running = 1;
    CURLcode result = CURLE_OK;
    bool finished = false;
    while (!finished) {
        if (curl_multi_perform(multi, &running) != CURLM_OK) {
            result = CURLE_FAILED_INIT;
            break;
        }
        int queued = 0;
        while (CURLMsg *message = curl_multi_info_read(multi, &queued)) {
            if (message->msg == CURLMSG_DONE && message->easy_handle == easy) {
                result = message->data.result;
                finished = true;
            }
        }
        if (finished || running == 0)
            break;
        curl_multi_poll(multi, nullptr, 0, 20, nullptr);
        if (QCoreApplication::instance())
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }

    curl_easy_getinfo(easy, CURLINFO_RESPONSE_CODE, &reply.status);
    curl_multi_remove_handle(multi, easy);
    curl_easy_cleanup(easy);
    curl_multi_cleanup(multi);
    curl_slist_free_all(headers);

    if (result != CURLE_OK) {
        reply.error = errorText(result, url, errorBuffer, sink.tooLarge);
        return reply;
    }
    if (reply.status < 200 || reply.status > 299) {
        reply.error = QStringLiteral("A kiszolgáló hibát jelzett: HTTP ") + QString::number(reply.status);
        return reply;
    }
    reply.ok = true;
    return reply;
}
