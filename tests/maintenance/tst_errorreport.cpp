#include "core/ScriptedMessenger.h"
#include "core/TextCodec.h"
#include "exchange/HttpClient.h"
#include "maintenance/ErrorReport.h"
#include "support/LocalHttpServer.h"

#include <QTemporaryDir>
#include <QtTest>

// The error report: its log, and a send that leaves nothing without consent and counts only a
// delivered answer.
class TestErrorReport : public QObject
{
    Q_OBJECT

    static ErrorReport::Report report()
    {
        ErrorReport::Report r;
        r.contact = {QStringLiteral("Kiss\r\nBcc: x@y.hu"), QStringLiteral("anna@konyha.hu"), QString(), true};
        r.recipient = QStringLiteral("hiba@salvia-szoftver.hu");
        r.institution = QStringLiteral("Teszt Konyha Budapest, Fő utca 1.");
        r.progVer = QStringLiteral("1.0.0.1");
        r.now = QDateTime(QDate(2026, 3, 10), QTime(9, 30));
        r.log = TextCodec::toWindows1250(QStringLiteral("@Bejegyzés\r\nŐrült hiba\r\n"));
        return r;
    }

private slots:
    void log()
    {
        QTemporaryDir dir;
        const QString path = ErrorReport::logFile(dir.path());
        const QDateTime now(QDate(2026, 3, 10), QTime(9, 30, 5));
        QCOMPARE(ErrorReport::record(path, QStringLiteral("x"), now, "1.0", "1.23", 2),
            Refusal::warning(ErrorReport::emptyText()));
        QVERIFY(!QFile::exists(path));
        QVERIFY(ErrorReport::record(path, QStringLiteral("Az étlap nem nyílik meg"), now, "1.0", "1.23", 2).isNull());
        QVERIFY(ErrorReport::record(path, QStringLiteral("első sor\nmásodik sor"), now, "1.0", "1.23", 2).isNull());
        QCOMPARE(ErrorReport::entryCount(path), 2);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = TextCodec::fromWindows1250(file.readAll());
        QVERIFY(text.contains(QStringLiteral("program verzió: 1.0 adatbázis verzió: 1.23 raktár: 2/20\r\nAz étlap nem nyílik meg\r\n")));
        QVERIFY(text.startsWith(QStringLiteral("#---------=")));
    }

    void send_data()
    {
        QTest::addColumn<QString>("setup");
        QTest::addColumn<int>("consent");
        QTest::addColumn<int>("requests");
        QTest::addColumn<QString>("refusal"); // start of the refusal's text, empty when delivered
        QTest::newRow("delivered") << "ok" << int(MsgResult::Yes) << 1 << "";
        QTest::newRow("no consent") << "ok" << int(MsgResult::No) << 0 << "A küldés elmaradt.";
        QTest::newRow("answer without OK!") << "nook" << int(MsgResult::Yes) << 1 << "Az üzenet elküldése nem sikerült!";
        QTest::newRow("OK! with an error status") << "error" << int(MsgResult::Yes) << 1 << "Kapcsolódási hiba";
        QTest::newRow("redirect to another port") << "redirect" << int(MsgResult::Yes) << 1 << "Kapcsolódási hiba";
        QTest::newRow("plain http elsewhere") << "remote" << int(MsgResult::Yes) << 0 << "A hibajelentés csak titkosított";
        QTest::newRow("attachment too large") << "large" << int(MsgResult::Yes) << 0 << "Az üzenet elküldése nem sikerült!\rA csatolt";
    }

    void send()
    {
        QFETCH(QString, setup);
        QFETCH(int, consent);
        QFETCH(int, requests);
        QFETCH(QString, refusal);
        LocalHttpServer server;
        LocalHttpServer other;
        QVERIFY(server.start() && other.start());
        other.setResponse("/mailsend.php", 200, "OK!");
        if (setup == "ok" || setup == "remote" || setup == "large")
            server.setResponse("/mailsend.php", 200, "Uzenet: OK!");
        else if (setup == "nook")
            server.setResponse("/mailsend.php", 200, "Hiba: nincs cimzett");
        else if (setup == "error")
            server.setResponse("/mailsend.php", 500, "OK!");
        else if (setup == "redirect")
            server.setRedirect("/mailsend.php", 307, (other.baseUrl() + "/mailsend.php").toUtf8());
        QUrl url(setup == "remote" ? QStringLiteral("http://salvia-szoftver.hu") : server.baseUrl());
        ErrorReport::Report r = report();
        if (setup == "large") {
            r.attachmentName = QStringLiteral("DBRaktar_1.zip");
            r.attachment = QByteArray(6400000, 'z');
        }
        ScriptedMessenger messenger;
        messenger.answer(consent);
        HttpClient client;
        const Refusal result = ErrorReport::send(messenger, client, url, r);
        QVERIFY2(refusal.isEmpty() ? result.isNull() : result.text.startsWith(refusal), qPrintable(result.text));
        QCOMPARE(server.requests().size(), requests);
        QVERIFY(other.requests().isEmpty());
        if (setup == "remote" || setup == "large")
            QVERIFY(messenger.shown().isEmpty());
        if (requests == 0 || setup != "ok")
            return;
        // What the user agreed to is what left: the contact on one line, the log, the recipient.
        const QString asked = messenger.shown().first().text;
        QVERIFY(asked.contains(QStringLiteral("Kiss  Bcc: x@y.hu")));
        QVERIFY(asked.contains(QStringLiteral("hiba.txt, 24 bájt")));
        const QByteArray body = server.requests().first().body;
        QVERIFY(body.startsWith("mail_id=583&mail_to=hiba%40salvia-szoftver.hu&mail_subject=Salvia+felhasznaloi+hibakuldes"));
        QVERIFY(body.contains("Kiss++Bcc%3A+x%40y.hu++mail%3Aanna%40konyha.hu"));
        QVERIFY(body.endsWith("&submit=auto"));
        QCOMPARE(server.requests().first().headers.value("content-type"), QByteArray("application/x-www-form-urlencoded"));
    }
};

QTEST_GUILESS_MAIN(TestErrorReport)
#include "tst_errorreport.moc"
