#include "maintenance/ErrorReport.h"

#include "core/Messenger.h"
#include "core/TextCodec.h"
#include "exchange/HttpClient.h"

#include <QFile>
#include <QHostAddress>
#include <QLocale>

namespace ErrorReport {

namespace {

const QByteArray Boundary = "----------12719320AAE8FBAD";

// Letters, digits and "*-._" stay, a blank becomes "+", every other byte "%XX".
QByteArray formEncoded(const QByteArray &bytes)
{
    QByteArray out = bytes.toPercentEncoding(QByteArray("* "), QByteArray("~"));
    out.replace(' ', '+');
    return out;
}

QString messageText(const Report &report)
{
    const Contact &c = report.contact;
    QString text = QStringLiteral("Kapcsolattartó:") + oneLine(c.name) + QStringLiteral("  mail:") + oneLine(c.email)
        + QStringLiteral("  Tel:") + oneLine(c.phone) + QStringLiteral("  Átalánydíjas szerződés:")
        + (c.flatRate ? QStringLiteral("Van") : QStringLiteral("Nincs")) + QLatin1Char('\n');
    text += QStringLiteral("Salvia ") + report.now.toString(QStringLiteral("yyyy.MM.dd. HH:mm:ss"))
        + QStringLiteral(" program verzió: ") + report.progVer + QLatin1Char('\n');
    text += report.institution + QStringLiteral("\n \n");
    for (QString line : TextCodec::fromWindows1250(report.log).split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
        text += line + QLatin1Char('\n');
    }
    return text;
}

} // namespace

QString logFile(const QString &programPath)
{
    return programPath + QStringLiteral("/hiba.txt");
}

int entryCount(const QString &logPath)
{
    QFile file(logPath);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    int count = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine().trimmed();
        if (line.size() >= 2 && line.startsWith('@'))
            ++count;
    }
    return count;
}

QString emptyText() { return QStringLiteral("Kérem töltse ki a mezőket, ne hagyja üresen!"); }
QString noEntryToSaveText() { return QStringLiteral("A mentést nem lehet elkészíteni, mert még nincs bejegyzés!"); }
QString noEntryToSendText() { return QStringLiteral("A levelet nem lehet elküldeni, mert még nincs bejegyzés!"); }
QString recordedText() { return QStringLiteral("A hiba bekerült az adatbázisba."); }
QString savedText() { return QStringLiteral("A mentés sikerült!"); }
QString sentText() { return QStringLiteral("Az üzenet sikeresen el lett küldve."); }
QString contactRequiredText()
{
    return QStringLiteral("A telefonszámot, vagy e-mail címet kötelező megadni a könnyebb kapcsoaltfelvétel miatt!");
}
QString tooLargeText() { return QStringLiteral("Az üzenet elküldése nem sikerült!\rA csatolt adatbázis fájl túl nagy!"); }

Refusal record(const QString &logPath, const QString &description, const QDateTime &now, const QString &progVer,
    const QString &dbMinVer, int warehouse)
{
    if (description.trimmed().size() < 2)
        return Refusal::warning(emptyText());
    QFile file(logPath);
    if (!file.open(QIODevice::Append))
        return Refusal::error(QStringLiteral("A hibanapló nem írható: ") + file.errorString());
    QString entry = QStringLiteral("#---------=---------=---------=---------=---------=---------=---------=\r\n");
    entry += QStringLiteral("@Bejegyzés időpontja: ") + QLocale(QLocale::Hungarian).toString(now.date(), QLocale::ShortFormat)
        + QLatin1Char(' ') + now.time().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(" program verzió: ")
        + progVer + QStringLiteral(" adatbázis verzió: ") + dbMinVer + QStringLiteral(" raktár: ")
        + QString::number(warehouse) + QStringLiteral("/20\r\n");
    QString lines = description;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    entry += lines.replace(QLatin1Char('\n'), QStringLiteral("\r\n")) + QStringLiteral("\r\n");
    if (file.write(TextCodec::toWindows1250(entry)) < 0 || !file.flush())
        return Refusal::error(QStringLiteral("A hibanapló nem írható: ") + file.errorString());
    return Refusal();
}

QString oneLine(const QString &text)
{
    QString line = text;
    line.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line.trimmed();
}

Refusal checkContact(const Contact &contact)
{
    if (oneLine(contact.email).size() > 3 || oneLine(contact.phone).size() > 5)
        return Refusal();
    return Refusal::error(contactRequiredText());
}

Checked<QByteArray> body(const Report &report)
{
    const QByteArray message = messageText(report).toUtf8();
    // Encoding at most triples a byte; Base64 adds a third and a line break per 72 characters.
    const qsizetype attachmentSize = (report.attachment.size() + 2) / 3 * 4;
    const qsizetype estimate = 3 * message.size() + 3 * (attachmentSize + attachmentSize / 72) + 1024;
    if (!report.attachment.isEmpty() && estimate / 3 > MaxBodySize)
        return Checked<QByteArray>::refused(Refusal::error(tooLargeText()));

    QByteArray header = "From: salvia-hibariport@salvia-szoftver.hu\n";
    QByteArray mailBody;
    if (report.attachmentName.isEmpty()) {
        mailBody = message;
    } else {
        header += "MIME-Version: 1.0\nContent-Type: multipart/mixed;\n boundary=" + Boundary + '\n';
        mailBody = "--" + Boundary + "\nContent-Type: text/plain; charset=utf-8\nContent-Transfer-Encoding: 8bit\n\n"
            + message + "--" + Boundary + "\nContent-Type: APPLICATION/X-ZIP-COMPRESSED; name="
            + report.attachmentName.toUtf8() + "\nContent-transfer-encoding: base64\nContent-Disposition: attachment; filename="
            + report.attachmentName.toUtf8() + "\n\n";
        const QByteArray encoded = report.attachment.toBase64();
        for (qsizetype i = 0; i < encoded.size(); i += 72)
            mailBody += encoded.mid(i, 72) + '\n';
        mailBody += "\n--" + Boundary + '\n';
    }
    QByteArray out = "mail_id=583&mail_to=" + formEncoded(oneLine(report.recipient).toUtf8())
        + "&mail_subject=" + formEncoded("Salvia felhasznaloi hibakuldes") + "&mail_header=" + formEncoded(header)
        + "&mail_body=" + formEncoded(mailBody) + "&submit=auto";
    if (out.size() > MaxBodySize)
        return Checked<QByteArray>::refused(Refusal::error(tooLargeText()));
    return Checked<QByteArray>::accepted(out);
}

QString consentText(const Report &report, const QUrl &server)
{
    QString text = QStringLiteral("A következő adatok kerülnek elküldésre:\r");
    text += QStringLiteral("- kapcsolattartó: ") + oneLine(report.contact.name) + QStringLiteral(", ")
        + oneLine(report.contact.email) + QStringLiteral(", ") + oneLine(report.contact.phone) + QLatin1Char('\r');
    text += QStringLiteral("- intézmény: ") + report.institution + QLatin1Char('\r');
    text += QStringLiteral("- a hibanapló (hiba.txt, ") + QString::number(report.log.size()) + QStringLiteral(" bájt)\r");
    if (!report.attachmentName.isEmpty())
        text += QStringLiteral("- csatolmány: ") + report.attachmentName + QStringLiteral(" (")
            + QString::number(report.attachment.size()) + QStringLiteral(" bájt; jelszókivonatokat és partneradatokat "
                                                                          "is tartalmaz)\r");
    text += QStringLiteral("Címzett: ") + oneLine(report.recipient) + QLatin1Char('\r');
    text += QStringLiteral("Kiszolgáló: ") + server.host() + QLatin1Char('\r');
    text += QStringLiteral("Elküldi az adatokat?");
    return text;
}

Refusal checkServer(const QUrl &server)
{
    const QHostAddress host(server.host());
    const bool loopback = server.host() == QLatin1String("localhost") || (!host.isNull() && host.isLoopback());
    if (server.scheme() == QLatin1String("https") || (server.scheme() == QLatin1String("http") && loopback))
        return Refusal();
    return Refusal::error(QStringLiteral("A hibajelentés csak titkosított (https) kapcsolaton küldhető: ")
        + server.toString(QUrl::RemoveUserInfo));
}

Refusal send(Messenger &messenger, HttpClient &client, const QUrl &server, const Report &report)
{
    if (const Refusal refused = checkServer(server))
        return refused;
    if (const Refusal refused = checkContact(report.contact))
        return refused;
    const Checked<QByteArray> built = body(report);
    if (!built.ok())
        return built.refusal;
    if (messenger.showMessage(QStringLiteral("Kérdés"), Symbol::Question, consentText(report, server),
            QStringLiteral("Igen"), QStringLiteral("Nem"))
        != MsgResult::Yes)
        return Refusal {QString(), 0, QStringLiteral("A küldés elmaradt."), QString()};
    // About 20 kB a second on a slow line, never under the usual time-out.
    client.setTimeouts(HttpClient::DefaultConnectTimeoutMs,
        int(qMax<qint64>(HttpClient::DefaultTotalTimeoutMs, built.value.size() / 20)));
    QUrl target = server;
    target.setPath(QStringLiteral("/mailsend.php"));
    messenger.showProgress(QStringLiteral("E-mail küldése...\rEz több percet is igénybevehet internetkapcsolatának "
                                          "sebességétől függően!"));
    const HttpClient::Reply reply = client.post(target, "application/x-www-form-urlencoded", built.value);
    messenger.hideProgress();
    if (!reply.ok)
        return Refusal::error(QStringLiteral("Kapcsolódási hiba: ") + reply.error);
    if (!reply.body.contains("OK!"))
        return Refusal::error(QStringLiteral("Az üzenet elküldése nem sikerült!\rHibaüzenet:")
            + QString::fromUtf8(reply.body.left(500)));
    return Refusal();
}

} // namespace ErrorReport
