#include "exchange/UpdateCheck.h"

#include "core/Messenger.h"
#include "core/PrintableText.h"
#include "core/VersionNumber.h"
#include "exchange/HttpClient.h"

UpdateCheck::UpdateCheck(Messenger &messenger, const QString &serverAddress, const QString &installedVersion)
    : m_messenger(messenger)
    , m_serverAddress(serverAddress.trimmed())
    , m_installedVersion(installedVersion.trimmed())
    , m_connectTimeoutMs(HttpClient::DefaultConnectTimeoutMs)
    , m_totalTimeoutMs(HttpClient::DefaultTotalTimeoutMs)
{
}

void UpdateCheck::setTimeouts(int connectMs, int totalMs)
{
    m_connectTimeoutMs = connectMs;
    m_totalTimeoutMs = totalMs;
}

QUrl UpdateCheck::serverUrl(const QString &path) const
{
    // The paths are fixed on the server: any path in the address is replaced.
    QUrl base = QUrl::fromUserInput(m_serverAddress);
    if (!base.isValid() || base.host().isEmpty())
        return QUrl(m_serverAddress);
    return base.resolved(QUrl(path));
}

QUrl UpdateCheck::versionFileUrl() const
{
    return serverUrl(QStringLiteral("/upgrade.txt"));
}

QUrl UpdateCheck::updatePageUrl() const
{
    return serverUrl(QStringLiteral("/upglogin.php"));
}

UpdateOutcome UpdateCheck::fail(bool reporting, const QString &text)
{
    if (reporting)
        m_messenger.showMessage(QStringLiteral("HIBA!"), Symbol::Error, text, QStringLiteral("OK"));
    return UpdateOutcome::Failed;
}

// A version or a server's answer as a message shows it: one printable line of limited length.
static QString excerpt(const QString &text)
{
    return printableExcerpt(text, 40);
}

UpdateOutcome UpdateCheck::run(bool reporting)
{
    m_serverVersion.clear();

    HttpClient client;
    client.setTimeouts(m_connectTimeoutMs, m_totalTimeoutMs);
    client.setMaxBodySize(64 * 1024);
    const HttpClient::Reply reply = client.get(versionFileUrl());
    if (!reply.ok)
        return fail(reporting, QStringLiteral("Kapcsolódási hiba: ") + reply.error);

    QString text = QString::fromUtf8(reply.body);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text = text.trimmed();
    if (!VersionNumber::isValid(text))
        return fail(reporting,
            QStringLiteral("Az internetes verzió nem értelmezhető: \"") + excerpt(text) + QStringLiteral("\""));
    if (!VersionNumber::isValid(m_installedVersion))
        return fail(reporting,
            QStringLiteral("A telepített verzió nem értelmezhető: \"") + excerpt(m_installedVersion)
                + QStringLiteral("\""));
    m_serverVersion = text;

    if (VersionNumber::compare(m_serverVersion, m_installedVersion) > 0) {
        const int answer = m_messenger.showMessage(QStringLiteral("Információ"), Symbol::Information,
            QStringLiteral("Új frissítés letölthető az internetről!\rTelepített verzió: ") + excerpt(m_installedVersion)
                + QStringLiteral("  Frissítés: ") + excerpt(m_serverVersion) + QStringLiteral("\r")
                + QStringLiteral("Letöltse és indítsa a telepítést a program?"),
            QStringLiteral("Igen"), QStringLiteral("Nem"));
        return answer == MsgResult::Yes ? UpdateOutcome::NewerAccepted : UpdateOutcome::NewerDeclined;
    }

    if (reporting)
        m_messenger.showMessage(QStringLiteral("Információ"), Symbol::Information,
            QStringLiteral("Frissebb verzió nem érhető el.\rTelepített verzió: ") + excerpt(m_installedVersion)
                + QStringLiteral("\r") + QStringLiteral("Internetes verzió: ") + excerpt(m_serverVersion),
            QStringLiteral("OK"));
    return UpdateOutcome::UpToDate;
}
