#include "exchange/HttpClient.h"

#include "core/PrintableText.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSet>
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

QString shownAddress(const QUrl &url)
{
    return printableExcerpt(url.toString(), 80);
}

QString errorText(CURLcode code, const QUrl &url, bool tooLarge)
{
    switch (code) {
    case CURLE_URL_MALFORMAT:
    case CURLE_UNSUPPORTED_PROTOCOL:
        return QStringLiteral("Hibás kiszolgálócím: ") + shownAddress(url);
    case CURLE_COULDNT_RESOLVE_HOST:
        return QStringLiteral("A kiszolgáló neve nem oldható fel: ") + printableExcerpt(url.host(), 80);
    case CURLE_COULDNT_CONNECT:
        return QStringLiteral("A kiszolgáló nem érhető el: ") + printableExcerpt(hostAndPort(url), 80);
    case CURLE_OPERATION_TIMEDOUT:
        return QStringLiteral("A kiszolgáló nem válaszolt időben.");
    case CURLE_WRITE_ERROR:
        if (tooLarge)
            return QStringLiteral("A kiszolgáló válasza túl hosszú.");
        break;
    case CURLE_GOT_NOTHING:
        return QStringLiteral("A kiszolgáló nem küldött választ.");
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_PARTIAL_FILE:
        return QStringLiteral("A kapcsolat a kiszolgálóval megszakadt.");
    case CURLE_WEIRD_SERVER_REPLY:
        return QStringLiteral("A kiszolgáló válasza nem értelmezhető.");
    case CURLE_SSL_CONNECT_ERROR:
    case CURLE_PEER_FAILED_VERIFICATION:
        return QStringLiteral("A kiszolgálóval nem jött létre biztonságos kapcsolat.");
    default:
        break;
    }
    return QStringLiteral("Hálózati hiba (%1).").arg(int(code));
}

bool isRedirect(long status)
{
    return status == 301 || status == 302 || status == 303 || status == 307 || status == 308;
}

bool webScheme(const QUrl &url)
{
    const QString scheme = url.scheme().toLower();
    return scheme == QLatin1String("http") || scheme == QLatin1String("https");
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

static int webDefaultPort(const QUrl &url)
{
    return url.scheme().compare(QLatin1String("https"), Qt::CaseInsensitive) == 0 ? 443 : 80;
}

HttpClient::Reply HttpClient::perform(const QUrl &url, const QByteArray *contentType, const QByteArray *body) const
{
    if (!url.isValid() || url.host().isEmpty() || !webScheme(url)) {
        Reply reply;
        reply.error = QStringLiteral("Hibás kiszolgálócím: ") + shownAddress(url);
        return reply;
    }
    // Redirects are followed here rather than by curl, so that each target is checked and a
    // failure names the redirect instead of the configured address.
    QUrl current = url;
    QSet<QString> visited {url.toString(QUrl::NormalizePathSegments)};
    for (int hop = 0;; ++hop) {
        QUrl target;
        Reply reply = transfer(current, contentType, body, &target);
        if (!reply.error.isEmpty() || !isRedirect(reply.status) || target.isEmpty()) {
            if (reply.error.isEmpty() && (reply.status < 200 || reply.status > 299))
                reply.error = QStringLiteral("A kiszolgáló hibát jelzett: HTTP ") + QString::number(reply.status);
            reply.ok = reply.error.isEmpty();
            return reply;
        }
        Reply refused;
        refused.status = reply.status;
        if (!target.isValid() || target.host().isEmpty() || !webScheme(target)) {
            refused.error
                = QStringLiteral("A kiszolgáló nem engedélyezett címre irányított át: ") + shownAddress(target);
            return refused;
        }
        if (visited.contains(target.toString(QUrl::NormalizePathSegments))) {
            refused.error
                = QStringLiteral("A kiszolgáló körbe irányít át, a kérés nem teljesíthető: ") + shownAddress(target);
            return refused;
        }
        // Data sent to one server never follows a redirect to another one (another scheme, host or port).
        if (body && (target.scheme() != current.scheme() || target.host() != current.host()
                        || target.port(webDefaultPort(target)) != current.port(webDefaultPort(current)))) {
            refused.error = QStringLiteral("A kiszolgáló másik címre irányította át a küldött adatokat, a küldés "
                                           "elmaradt: ")
                + shownAddress(target);
            return refused;
        }
        if (hop + 1 >= MaxRedirects) {
            refused.error = QStringLiteral("A kiszolgáló túl sokszor irányított át.");
            return refused;
        }
        visited.insert(target.toString(QUrl::NormalizePathSegments));
        // As browsers do: 303 always, and 301 and 302 after a POST, continue with a GET.
        if (reply.status == 301 || reply.status == 302 || reply.status == 303) {
            contentType = nullptr;
            body = nullptr;
        }
        current = target;
    }
}

HttpClient::Reply HttpClient::transfer(
    const QUrl &url, const QByteArray *contentType, const QByteArray *body, QUrl *redirect) const
{
    Reply reply;
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
    Sink sink {&reply.body, m_maxBodySize, false};

    curl_slist *headers = curl_slist_append(nullptr, QByteArray("Accept: " + acceptHeader()).constData());
    if (contentType)
        headers = curl_slist_append(headers, QByteArray("Content-Type: " + *contentType).constData());

    curl_easy_setopt(easy, CURLOPT_URL, address.constData());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_FOLLOWLOCATION, 0L);
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(m_connectTimeoutMs));
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(m_totalTimeoutMs));
    curl_easy_setopt(easy, CURLOPT_USERAGENT, agent.constData());
    curl_easy_setopt(easy, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &writeBody);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, &sink);
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
    char *location = nullptr;
    if (curl_easy_getinfo(easy, CURLINFO_REDIRECT_URL, &location) == CURLE_OK && location)
        *redirect = QUrl::fromEncoded(QByteArray(location));
    curl_multi_remove_handle(multi, easy);
    curl_easy_cleanup(easy);
    curl_multi_cleanup(multi);
    curl_slist_free_all(headers);

    if (result != CURLE_OK)
        reply.error = errorText(result, url, sink.tooLarge);
    return reply;
}
