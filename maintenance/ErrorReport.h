#pragma once

#include "core/Refusal.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QUrl>

class HttpClient;
class Messenger;

// The error report: descriptions appended to the log file hiba.txt (Windows-1250) and the report
// posted to the vendor's form, only after the user has seen exactly what leaves and said "Igen".
namespace ErrorReport {

constexpr qsizetype MaxBodySize = 8299999;

QString logFile(const QString &programPath); // ProgramPath/hiba.txt
// The number of entries: lines of at least two characters that begin with "@".
int entryCount(const QString &logPath);

// Caption "Figyelmeztetés", symbol 1.
QString emptyText();
QString noEntryToSaveText();
QString noEntryToSendText();
// Caption "Információ", symbol 3.
QString recordedText();
QString savedText();
QString sentText();
// Caption "HIBA!", symbol 2.
QString contactRequiredText();
QString tooLargeText();

// Appends one entry: the separator line, the time stamp line with the versions and the warehouse,
// the description's lines. Refused with emptyText() for a description under two characters.
Refusal record(const QString &logPath, const QString &description, const QDateTime &now, const QString &progVer,
    const QString &dbMinVer, int warehouse);

struct Contact
{
    QString name;
    QString email;
    QString phone;
    bool flatRate = false; // "Átalánydíjas szerződése van"
};
// An e-mail of more than 3 characters or a phone of more than 5 is needed.
Refusal checkContact(const Contact &contact);
// Line breaks taken out of a contact field, so that none reaches the mail header.
QString oneLine(const QString &text);

struct Report
{
    Contact contact;
    QString recipient; // Mailaddr
    QString institution; // CegNev CegVaros, CegCim
    QString progVer;
    QDateTime now;
    QByteArray log; // hiba.txt as stored
    QString attachmentName; // "DBRaktar_<n>.zip"; empty: no attachment
    QByteArray attachment;
};

// The form-encoded request body; tooLargeText() when it would pass MaxBodySize, found before it is
// built.
Checked<QByteArray> body(const Report &report);

// What leaves, for the confirmation that must be answered "Igen" before a send.
QString consentText(const Report &report, const QUrl &server);

// The server must be https (plain http only to a loopback address, for tests).
Refusal checkServer(const QUrl &server);

// Asks for consent ("Kérdés", "Igen"/"Nem"), then posts to <server>/mailsend.php. A null refusal
// when the server answered 2xx with "OK!"; Cancel-like refusal (empty caption) when the user said no.
Refusal send(Messenger &messenger, HttpClient &client, const QUrl &server, const Report &report);

} // namespace ErrorReport
