#include "shell/SingleInstance.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QUuid>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

// One copy per computer and user, found through a local socket.
class TestAppSingleInstance : public QObject
{
    Q_OBJECT
private:
    // A key of its own per test, so a running program or another test never interferes.
    static QString freshKey() { return QStringLiteral("SalviaTest-") + QUuid::createUuid().toString(QUuid::Id128); }

private slots:
    void secondCopyFindsTheFirst()
    {
        const QString key = freshKey();
        auto first = std::make_unique<SingleInstance>(key);
        QSignalSpy activations(first.get(), &SingleInstance::activationRequested);
        QVERIFY(first->tryStart());

        SingleInstance second(key);
        QVERIFY(!second.tryStart());
        // Finding the running copy does not disturb it; asking it brings it forward.
        QTest::qWait(100);
        QCOMPARE(activations.size(), 0);
        QVERIFY(second.activateRunningCopy());
        QTRY_COMPARE(activations.size(), 1);

        SingleInstance third(key);
        QVERIFY(!third.tryStart());
        QVERIFY(third.activateRunningCopy());
        QTRY_COMPARE(activations.size(), 2);

        // Once the first copy is gone, a new one starts.
        first.reset();
        SingleInstance next(key);
        QVERIFY(next.tryStart());
        SingleInstance after(key);
        QVERIFY(!after.tryStart());
    }

    void nobodyToActivate()
    {
        SingleInstance alone(freshKey());
        QVERIFY(!alone.activateRunningCopy());
    }

    void otherKeysDoNotMeet()
    {
        SingleInstance first(freshKey());
        SingleInstance other(freshKey());
        QVERIFY(first.tryStart());
        QVERIFY(other.tryStart());
    }

    void nameBelongsToTheUser()
    {
        const QString name = SingleInstance::serverNameFor(QStringLiteral("Salvia"));
        QVERIFY(name.startsWith(QStringLiteral("Salvia-")));
        QVERIFY(name.size() > QStringLiteral("Salvia-").size());
        QVERIFY(!name.contains(QLatin1Char('/')));
        QCOMPARE(SingleInstance::serverNameFor(QStringLiteral("Salvia")), name);

        // Another user (another home and name) gets another socket.
        const QByteArray home = qgetenv("HOME");
        const QByteArray user = qgetenv("USER");
        qputenv("HOME", "/home/masik-felhasznalo");
        qputenv("USER", "masik");
        const QString otherName = SingleInstance::serverNameFor(QStringLiteral("Salvia"));
        qputenv("HOME", home);
        qputenv("USER", user);
        QVERIFY(otherName != name);

        QCOMPARE(SingleInstance::alreadyRunningText(),
            QStringLiteral("Nem futtathatja egyszerre több példányban a programot!\r"
                           "A már futó alkalmazás lesz aktiválva"));
    }

#ifdef Q_OS_UNIX
    // A crashed copy leaves its socket file behind with nobody listening: it must not block a start.
    void staleSocketDoesNotBlock()
    {
        const QString key = freshKey();
        SingleInstance probe(key);
        const QString path = QDir(QDir::tempPath()).filePath(probe.serverName());
        QFile::remove(path);

        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(fd >= 0);
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        const QByteArray encoded = QFile::encodeName(path);
        QVERIFY(size_t(encoded.size()) < sizeof(address.sun_path));
        memcpy(address.sun_path, encoded.constData(), encoded.size());
        QCOMPARE(::bind(fd, reinterpret_cast<sockaddr *>(&address), sizeof(address)), 0);
        ::close(fd);
        QVERIFY(QFileInfo::exists(path));

        SingleInstance starting(key);
        QVERIFY(starting.tryStart());
        SingleInstance second(key);
        QVERIFY(!second.tryStart());
    }

    void strayFileDoesNotBlock()
    {
        const QString key = freshKey();
        SingleInstance starting(key);
        QFile stray(QDir(QDir::tempPath()).filePath(starting.serverName()));
        QVERIFY(stray.open(QIODevice::WriteOnly));
        stray.close();
        QVERIFY(starting.tryStart());
    }
#endif

    // A client that says nothing sensible does not bring the window forward.
    void strangerIsIgnored()
    {
        const QString key = freshKey();
        SingleInstance first(key);
        QSignalSpy activations(&first, &SingleInstance::activationRequested);
        QVERIFY(first.tryStart());
        QLocalSocket stranger;
        stranger.connectToServer(first.serverName());
        QVERIFY(stranger.waitForConnected(1000));
        stranger.write("hello\n");
        stranger.flush();
        QTest::qWait(200);
        QCOMPARE(activations.size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestAppSingleInstance)
#include "tst_singleinstance.moc"
