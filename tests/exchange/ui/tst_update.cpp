#include "session/Settings.h"
#include "core/ScriptedMessenger.h"
#include "support/LocalHttpServer.h"
#include "exchange/HttpClient.h"
#include "exchange/ui/UiUpdateCheck.h"
#include "exchange/UpdateCheck.h"

#include <QDesktopServices>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

Q_DECLARE_METATYPE(UpdateOutcome)

static const QString NewerQuestion
    = QStringLiteral("Új frissítés letölthető az internetről!\rTelepített verzió: 1.0.32.547  Frissítés: 1.0.33.1\r"
                     "Letöltse és indítsa a telepítést a program?");

static QString noNewer(const QString &server)
{
    return QStringLiteral("Frissebb verzió nem érhető el.\rTelepített verzió: 1.0.32.547\rInternetes verzió: ")
        + server;
}

class TestUtilUpdate : public QObject
{
    Q_OBJECT
public slots:
    // URL handler that stands in for the browser.
    void openInBrowser(const QUrl &url) { m_opened << url; }

private slots:
    void initTestCase()
    {
        // Requests to 127.0.0.1 must not go through a proxy of the machine.
        for (const char *name : {"http_proxy", "HTTP_PROXY", "https_proxy", "HTTPS_PROXY", "all_proxy", "ALL_PROXY"})
            qunsetenv(name);
    }

    void check_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<bool>("reporting");
        QTest::addColumn<int>("answer");
        QTest::addColumn<UpdateOutcome>("outcome");
        QTest::addColumn<QString>("caption"); // empty: no message at all
        QTest::addColumn<int>("symbol");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("buttons");

        const QStringList ok {"OK"};
        const QStringList yesNo {"Igen", "Nem"};
        QTest::newRow("same, quiet") << 200 << QByteArray("1.0.32.547") << false << 0 << UpdateOutcome::UpToDate << ""
                                     << 0 << "" << QStringList();
        QTest::newRow("same, reporting") << 200 << QByteArray("1.0.32.547") << true << 0 << UpdateOutcome::UpToDate
                                         << "Információ" << 3 << noNewer("1.0.32.547") << ok;
        QTest::newRow("newer, Igen") << 200 << QByteArray("1.0.33.1") << false << int(MsgResult::Yes)
                                     << UpdateOutcome::NewerAccepted << "Információ" << 3 << NewerQuestion << yesNo;
        QTest::newRow("newer, Nem") << 200 << QByteArray("1.0.33.1") << true << int(MsgResult::No)
                                    << UpdateOutcome::NewerDeclined << "Információ" << 3 << NewerQuestion << yesNo;
        QTest::newRow("newer with white space")
            << 200 << QByteArray("\xEF\xBB\xBF  1.0.33.1\r\n") << false << int(MsgResult::No)
            << UpdateOutcome::NewerDeclined << "Információ" << 3 << NewerQuestion << yesNo;
        QTest::newRow("older, quiet") << 200 << QByteArray("1.0.32.546") << false << 0 << UpdateOutcome::UpToDate << ""
                                      << 0 << "" << QStringList();
        QTest::newRow("older, reporting") << 200 << QByteArray("1.0.32.546\n") << true << 0 << UpdateOutcome::UpToDate
                                          << "Információ" << 3 << noNewer("1.0.32.546") << ok;
        QTest::newRow("garbage, reporting")
            << 200 << QByteArray("<html><body>Nincs ilyen oldal</body></ht...>") << true << 0 << UpdateOutcome::Failed
            << "HIBA!" << 2 << "Az internetes verzió nem értelmezhető: \"<html><body>Nincs ilyen oldal</body></ht...\""
            << ok;
        QTest::newRow("garbage, quiet") << 200 << QByteArray("1.0.33 beta") << false << 0 << UpdateOutcome::Failed << ""
                                        << 0 << "" << QStringList();
        QTest::newRow("empty file, reporting") << 200 << QByteArray("\r\n") << true << 0 << UpdateOutcome::Failed
                                               << "HIBA!" << 2 << "Az internetes verzió nem értelmezhető: \"\"" << ok;
        QTest::newRow("404, reporting") << 404 << QByteArray("Not found") << true << 0 << UpdateOutcome::Failed
                                        << "HIBA!" << 2 << "Kapcsolódási hiba: A kiszolgáló hibát jelzett: HTTP 404"
                                        << ok;
        QTest::newRow("404, quiet") << 404 << QByteArray() << false << 0 << UpdateOutcome::Failed << "" << 0 << ""
                                    << QStringList();
        QTest::newRow("control characters, reporting")
            << 200 << QByteArray("1.0\x01\x1b[31m\x07x\r\nHiba") << true << 0 << UpdateOutcome::Failed << "HIBA!" << 2
            << "Az internetes verzió nem értelmezhető: \"1.0??[31m?x Hiba\"" << ok;
        QTest::newRow("long garbage, reporting")
            << 200 << QByteArray(5000, 'x') << true << 0 << UpdateOutcome::Failed << "HIBA!" << 2
            << "Az internetes verzió nem értelmezhető: \"" + QString(40, 'x') + "...\"" << ok;
        QTest::newRow("60000-digit version")
            << 200 << QByteArray(60000, '9') << false << int(MsgResult::No) << UpdateOutcome::NewerDeclined
            << "Információ" << 3
            << "Új frissítés letölthető az internetről!\rTelepített verzió: 1.0.32.547  Frissítés: " + QString(40, '9')
                + "...\rLetöltse és indítsa a telepítést a program?"
            << yesNo;
        // An error page that happens to hold a version number is still an error.
        QTest::newRow("500 with a version")
            << 500 << QByteArray("9.9.9.9") << true << 0 << UpdateOutcome::Failed << "HIBA!" << 2
            << "Kapcsolódási hiba: A kiszolgáló hibát jelzett: HTTP 500" << ok;
    }
    void check()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, body);
        QFETCH(bool, reporting);
        QFETCH(int, answer);
        QFETCH(UpdateOutcome, outcome);
        QFETCH(QString, caption);
        QFETCH(int, symbol);
        QFETCH(QString, text);
        QFETCH(QStringList, buttons);

        LocalHttpServer server;
        QVERIFY(server.start());
        server.setResponse("/upgrade.txt", status, body);
        ScriptedMessenger messenger;
        if (answer)
            messenger.answer(answer);

        UpdateCheck check(messenger, server.baseUrl(), QStringLiteral("1.0.32.547"));
        QCOMPARE(check.run(reporting), outcome);

        QCOMPARE(server.requests().size(), 1);
        if (caption.isEmpty()) {
            QVERIFY2(messenger.shown().isEmpty(), qPrintable(messenger.texts().join(" | ")));
            return;
        }
        QCOMPARE(messenger.shown().size(), 1);
        QCOMPARE(messenger.last().caption, caption);
        QCOMPARE(messenger.last().symbol, symbol);
        QCOMPARE(messenger.last().text, text);
        QCOMPARE(messenger.last().buttons, buttons);
    }

    // Redirects are followed to http and https addresses only, each address once; every way
    // of failing has its own Hungarian message that names the redirect.
    void redirects_data()
    {
        QTest::addColumn<QStringList>("hops"); // "path>location"; %1 stands for the server
        QTest::addColumn<QString>("text"); // the reporting message; %1 stands for the server
        QTest::addColumn<int>("requests");

        QTest::newRow("moved elsewhere on the server")
            << QStringList {"/upgrade.txt>/uj/upgrade.txt"} << noNewer("1.0.32.547") << 2;
        QTest::newRow("absolute address")
            << QStringList {"/upgrade.txt>%1/uj/upgrade.txt"} << noNewer("1.0.32.547") << 2;
        QTest::newRow("loop of two")
            << QStringList {"/upgrade.txt>/a", "/a>/upgrade.txt"}
            << "Kapcsolódási hiba: A kiszolgáló körbe irányít át, a kérés nem teljesíthető: %1/upgrade.txt" << 2;
        QTest::newRow("to itself") << QStringList {"/upgrade.txt>/upgrade.txt"}
                                   << "Kapcsolódási hiba: A kiszolgáló körbe irányít át, a kérés nem teljesíthető: "
                                      "%1/upgrade.txt"
                                   << 1;
        QTest::newRow("to a local file")
            << QStringList {"/upgrade.txt>file:///etc/passwd"}
            << "Kapcsolódási hiba: A kiszolgáló nem engedélyezett címre irányított át: file:///etc/passwd" << 1;
        QTest::newRow("to ftp after a step")
            << QStringList {"/upgrade.txt>/a", "/a>ftp://127.0.0.1/upgrade.txt"}
            << "Kapcsolódási hiba: A kiszolgáló nem engedélyezett címre irányított át: ftp://127.0.0.1/upgrade.txt" << 2;
        QStringList chain {"/upgrade.txt>/r1"};
        for (int i = 1; i < 8; ++i)
            chain << QStringLiteral("/r%1>/r%2").arg(i).arg(i + 1);
        QTest::newRow("too many") << chain << "Kapcsolódási hiba: A kiszolgáló túl sokszor irányított át." << 6;
    }
    void redirects()
    {
        QFETCH(QStringList, hops);
        QFETCH(QString, text);
        QFETCH(int, requests);
        LocalHttpServer server;
        QVERIFY(server.start());
        for (const QString &hop : hops) {
            const QStringList parts = QString(hop).replace("%1", server.baseUrl()).split('>');
            server.setRedirect(parts.at(0).toUtf8(), 302, parts.at(1).toUtf8());
        }
        server.setResponse("/uj/upgrade.txt", 200, "1.0.32.547");
        ScriptedMessenger messenger;
        UpdateCheck check(messenger, server.baseUrl(), QStringLiteral("1.0.32.547"));
        check.run(true);
        QCOMPARE(messenger.shown().size(), 1);
        QCOMPARE(messenger.last().text, text.replace("%1", server.baseUrl()));
        QCOMPARE(server.requests().size(), requests);
    }

    // A POST answered with 303 goes on as a GET; with 307 it is sent again as it was.
    void postRedirect_data()
    {
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("method");
        QTest::newRow("303") << 303 << QByteArray("GET");
        QTest::newRow("307") << 307 << QByteArray("POST");
    }
    void postRedirect()
    {
        QFETCH(int, status);
        QFETCH(QByteArray, method);
        LocalHttpServer server;
        QVERIFY(server.start());
        server.setRedirect("/mailsend.php", status, "/kesz.php");
        server.setResponse("/kesz.php", 200, "OK");
        const HttpClient::Reply reply = HttpClient().post(
            QUrl(server.baseUrl() + QStringLiteral("/mailsend.php")), "application/x-www-form-urlencoded", "a=1");
        QVERIFY2(reply.ok, qPrintable(reply.error));
        QCOMPARE(reply.body, QByteArray("OK"));
        QCOMPARE(server.requests().size(), 2);
        QCOMPARE(server.requests().last().method, method);
        QCOMPARE(server.requests().last().body, method == "POST" ? QByteArray("a=1") : QByteArray());
    }

    void requestPathAndHeaders()
    {
        LocalHttpServer server;
        QVERIFY(server.start());
        server.setResponse("/upgrade.txt", 200, "1.0.0.1");
        ScriptedMessenger messenger;
        // A path or trailing slash in the configured address does not change the fixed paths.
        UpdateCheck check(messenger, server.baseUrl() + QStringLiteral("/regi/hely/"), QStringLiteral("1.0.0.1"));
        QCOMPARE(check.run(false), UpdateOutcome::UpToDate);

        QCOMPARE(server.requests().size(), 1);
        const LocalHttpServer::Request &request = server.requests().first();
        QCOMPARE(request.method, QByteArray("GET"));
        QCOMPARE(request.path, QByteArray("/upgrade.txt"));
        QCOMPARE(request.headers.value("accept"), QByteArray("text/html, */*"));
        QCOMPARE(request.headers.value("user-agent"), QByteArray("Mozilla/3.0 (compatible; Indy Library)"));
        QCOMPARE(check.serverVersion(), QStringLiteral("1.0.0.1"));
        QCOMPARE(check.updatePageUrl(), QUrl(server.baseUrl() + QStringLiteral("/upglogin.php")));
    }

    void unreachableServer_data()
    {
        QTest::addColumn<bool>("reporting");
        QTest::newRow("quiet") << false;
        QTest::newRow("reporting") << true;
    }
    void unreachableServer()
    {
        QFETCH(bool, reporting);
        const quint16 port = LocalHttpServer::closedPort();
        ScriptedMessenger messenger;
        UpdateCheck check(messenger, QStringLiteral("http://127.0.0.1:%1").arg(port), QStringLiteral("1.0.32.547"));
        QCOMPARE(check.run(reporting), UpdateOutcome::Failed);
        if (!reporting) {
            QVERIFY(messenger.shown().isEmpty());
            return;
        }
        QCOMPARE(messenger.shown().size(), 1);
        QCOMPARE(messenger.last().caption, QStringLiteral("HIBA!"));
        QCOMPARE(messenger.last().symbol, 2);
        QCOMPARE(messenger.last().text,
            QStringLiteral("Kapcsolódási hiba: A kiszolgáló nem érhető el: 127.0.0.1:%1").arg(port));
        QCOMPARE(messenger.last().buttons, QStringList {"OK"});
    }

    // A server that accepts but never answers: the check gives up after its time-out, and the
    // event loop keeps running meanwhile (the timer stands for the window's painting).
    void hangingServerTimesOut()
    {
        LocalHttpServer server;
        QVERIFY(server.start());
        server.setSilent(true);
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&ticks] { ++ticks; });
        timer.start(20);

        ScriptedMessenger messenger;
        UpdateCheck check(messenger, server.baseUrl(), QStringLiteral("1.0.32.547"));
        check.setTimeouts(1000, 600);
        QCOMPARE(check.run(true), UpdateOutcome::Failed);
        QCOMPARE(messenger.last().text, QStringLiteral("Kapcsolódási hiba: A kiszolgáló nem válaszolt időben."));
        QCOMPARE(server.requests().size(), 1);
        QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));
    }

    void badServerAddress()
    {
        ScriptedMessenger messenger;
        UpdateCheck check(messenger, QStringLiteral("ftp://127.0.0.1/"), QStringLiteral("1.0.32.547"));
        QCOMPARE(check.run(true), UpdateOutcome::Failed);
        QVERIFY(messenger.last().text.startsWith(QStringLiteral("Kapcsolódási hiba: Hibás kiszolgálócím: ")));
    }

    void postSendsFormAndHeaders()
    {
        LocalHttpServer server;
        QVERIFY(server.start());
        server.setResponse("/mailsend.php", 200, "OK");
        HttpClient client;
        const HttpClient::Reply reply = client.post(QUrl(server.baseUrl() + QStringLiteral("/mailsend.php")),
            "application/x-www-form-urlencoded", "a=1&b=%C3%A1");
        QVERIFY2(reply.ok, qPrintable(reply.error));
        QCOMPARE(reply.status, 200L);
        QCOMPARE(reply.body, QByteArray("OK"));
        const LocalHttpServer::Request &request = server.requests().first();
        QCOMPARE(request.method, QByteArray("POST"));
        QCOMPARE(request.body, QByteArray("a=1&b=%C3%A1"));
        QCOMPARE(request.headers.value("content-type"), QByteArray("application/x-www-form-urlencoded"));
        QCOMPARE(request.headers.value("user-agent"), HttpClient::userAgent());
    }

    void oversizedAnswerIsRefused()
    {
        LocalHttpServer server;
        QVERIFY(server.start());
        server.setResponse("/upgrade.txt", 200, QByteArray(100 * 1024, '1'));
        ScriptedMessenger messenger;
        UpdateCheck check(messenger, server.baseUrl(), QStringLiteral("1.0.32.547"));
        QCOMPARE(check.run(true), UpdateOutcome::Failed);
        QCOMPARE(messenger.last().text, QStringLiteral("Kapcsolódási hiba: A kiszolgáló válasza túl hosszú."));
    }

    void serverAddressSetting()
    {
        QTemporaryDir dir;
        Settings settings;
        settings.setIniPath(dir.filePath(QStringLiteral("salvia.ini")));
        QCOMPARE(settings.updateServer(), QStringLiteral("https://www.salvia-szoftver.hu"));
        settings.writeString(
            QStringLiteral("Mukodes"), QStringLiteral("UpdateServer"), QStringLiteral(" http://x.hu "));
        QCOMPARE(settings.updateServer(), QStringLiteral("http://x.hu"));
    }

    void acceptedUpdateOpensBrowser_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<UpdateOutcome>("outcome");
        QTest::newRow("Igen") << int(MsgResult::Yes) << UpdateOutcome::NewerAccepted;
        QTest::newRow("Nem") << int(MsgResult::No) << UpdateOutcome::NewerDeclined;
    }
    void acceptedUpdateOpensBrowser()
    {
        QFETCH(int, answer);
        QFETCH(UpdateOutcome, outcome);
        LocalHttpServer server;
        QVERIFY(server.start());
        server.setResponse("/upgrade.txt", 200, "1.0.33.1");
        QTemporaryDir dir;
        Settings settings;
        settings.setIniPath(dir.filePath(QStringLiteral("salvia.ini")));
        settings.writeString(QStringLiteral("Mukodes"), QStringLiteral("UpdateServer"), server.baseUrl());
        settings.setProgVer(QStringLiteral("1.0.32.547"));

        m_opened.clear();
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "openInBrowser");
        ScriptedMessenger messenger;
        messenger.answer(answer);
        QCOMPARE(UiUpdateCheck::run(messenger, settings, false), outcome);
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));

        QCOMPARE(messenger.texts(), QStringList {NewerQuestion});
        if (outcome == UpdateOutcome::NewerAccepted)
            QCOMPARE(m_opened, QList<QUrl> {QUrl(server.baseUrl() + QStringLiteral("/upglogin.php"))});
        else
            QVERIFY(m_opened.isEmpty());
    }

private:
    QList<QUrl> m_opened;
};

QTEST_MAIN(TestUtilUpdate)
#include "tst_update.moc"
