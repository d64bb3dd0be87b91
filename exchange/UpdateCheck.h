#pragma once

#include "Version.h"

#include <QString>
#include <QUrl>

class Messenger;

// What the update check ended with. On NewerAccepted the caller opens updatePageUrl() in the
// browser and ends the program without the exit question.
enum class UpdateOutcome { UpToDate, NewerDeclined, NewerAccepted, Failed };

// Asks the vendor's web server for the newest released version ("/upgrade.txt") and compares it
// with the installed one. Quiet mode (at start-up) shows only the offer of a newer version;
// reporting mode (from the menu) also says when there is none and why the check failed.
class UpdateCheck
{
public:
    UpdateCheck(Messenger &messenger, const QString &serverAddress,
        const QString &installedVersion = QStringLiteral(SALVIA_VERSION));

    void setTimeouts(int connectMs, int totalMs);

    UpdateOutcome run(bool reporting);

    // The version text the server gave (white space removed); empty before a download.
    QString serverVersion() const { return m_serverVersion; }
    QUrl versionFileUrl() const;
    // The vendor's update page, opened when the user accepts a newer version.
    QUrl updatePageUrl() const;

private:
    QUrl serverUrl(const QString &path) const;
    UpdateOutcome fail(bool reporting, const QString &text);

    Messenger &m_messenger;
    QString m_serverAddress;
    QString m_installedVersion;
    QString m_serverVersion;
    int m_connectTimeoutMs;
    int m_totalTimeoutMs;
};
