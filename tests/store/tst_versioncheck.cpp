#include "core/ScriptedMessenger.h"
#include "store/Database.h"
#include "store/VersionCheck.h"

#include <QTemporaryDir>
#include <QtTest>

// The version check reads only the version files, so plain folders stand in for a database here.
class TestStoreVersionCheck : public QObject
{
    Q_OBJECT
private:
    // Twenty warehouse folders, each with a version file of `version`.
    static void makeFolders(const QString &dbPath, const QByteArray &version = "1.23\r\n")
    {
        for (int n = 1; n <= Database::WarehouseCount; ++n) {
            QVERIFY(QDir().mkpath(Database::warehouseFolder(dbPath, n)));
            setVersion(dbPath, n, version);
        }
    }
    static void setVersion(const QString &dbPath, int n, const QByteArray &content)
    {
        QFile file(Database::versionFile(dbPath, n));
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
    }

    static QString warningOf(const QString &details)
    {
        return QStringLiteral("Az adatbázist frissíteni kell a megfelelő működéshez!\r") + details
            + QStringLiteral("Futtasson le egy programfrissítést (upgrade)!");
    }

private slots:
    void comparesNumberByNumber_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("older");
        QTest::newRow("same") << "1.23" << false;
        QTest::newRow("one below") << "1.22" << true;
        QTest::newRow("newer") << "1.24" << false;
        QTest::newRow("1.3 has a smaller second number") << "1.3" << true;
        QTest::newRow("2.0 is a newer major version") << "2.0" << false;
        QTest::newRow("bare major number above") << "2" << false;
        QTest::newRow("bare major number below") << "1" << true;
        QTest::newRow("third part on the same version") << "1.23.1" << false;
        QTest::newRow("trailing zero part") << "1.23.0" << false;
        QTest::newRow("longer second part") << "1.230" << false;
        QTest::newRow("older major") << "0.99" << true;
        QTest::newRow("blanks around") << " 1.23 " << false;
        QTest::newRow("empty line") << "" << true;
        QTest::newRow("words") << "verzio 1.23" << true;
        QTest::newRow("doubled dot") << "1..23" << true;
        QTest::newRow("trailing dot") << "1.23." << true;
        QTest::newRow("comma") << "1,23" << true;
        QTest::newRow("negative") << "-1.23" << true;
        QTest::newRow("huge number compares exactly") << "99999999999999999999.1" << false;
        QTest::newRow("huge number, lower") << "1.00000000000000000000022" << true;
    }
    void comparesNumberByNumber()
    {
        QFETCH(QString, version);
        QFETCH(bool, older);
        QCOMPARE(VersionCheck::isOlder(version, QStringLiteral("1.23")), older);
    }

    void warnsAboutMissingAndOldFolders()
    {
        QTemporaryDir temp;
        makeFolders(temp.path());
        QFile::remove(Database::versionFile(temp.path(), 3));
        QFile::remove(Database::versionFile(temp.path(), 7));
        setVersion(temp.path(), 12, "1.22\r\n");

        const QString expected
            = warningOf(QStringLiteral("Nincs verzióinfó: 3, 7,  raktár\rRégi verzió: 12,  raktár\r"));
        QCOMPARE(VersionCheck::warningText(temp.path(), QStringLiteral("1.23")), expected);

        ScriptedMessenger messenger;
        VersionCheck::run(messenger, temp.path(), QStringLiteral("1.23"));
        QCOMPARE(messenger.shown().size(), 1);
        QCOMPARE(messenger.last().caption, QStringLiteral("Figyelmeztetés"));
        QCOMPARE(messenger.last().symbol, 1);
        QCOMPARE(messenger.last().buttons, QStringList {QStringLiteral("OK")});
        QCOMPARE(messenger.last().text, expected);
    }

    void listsEachKindAlone_data()
    {
        QTest::addColumn<QList<int>>("missing");
        QTest::addColumn<QList<int>>("old");
        QTest::addColumn<QByteArray>("oldContent");
        QTest::addColumn<QString>("details");
        QTest::newRow("only old, ascending")
            << QList<int> {} << QList<int> {20, 1, 10} << QByteArray("1.3") << "Régi verzió: 1, 10, 20,  raktár\r";
        QTest::newRow("only missing") << QList<int> {15} << QList<int> {} << QByteArray()
                                      << "Nincs verzióinfó: 15,  raktár\r";
        QTest::newRow("unreadable version counts as old")
            << QList<int> {} << QList<int> {4} << QByteArray("frissítve") << "Régi verzió: 4,  raktár\r";
        QTest::newRow("empty file counts as old")
            << QList<int> {} << QList<int> {5} << QByteArray("") << "Régi verzió: 5,  raktár\r";
        QTest::newRow("first line decides")
            << QList<int> {} << QList<int> {6} << QByteArray("1.20\n1.23\n") << "Régi verzió: 6,  raktár\r";
    }
    void listsEachKindAlone()
    {
        QFETCH(QList<int>, missing);
        QFETCH(QList<int>, old);
        QFETCH(QByteArray, oldContent);
        QFETCH(QString, details);
        QTemporaryDir temp;
        makeFolders(temp.path());
        for (int n : missing)
            QVERIFY(QFile::remove(Database::versionFile(temp.path(), n)));
        for (int n : old)
            setVersion(temp.path(), n, oldContent);
        QCOMPARE(VersionCheck::warningText(temp.path(), QStringLiteral("1.23")), warningOf(details));
    }

    void emptyDirectoryMissesEveryFolder()
    {
        QTemporaryDir temp;
        QString all;
        for (int n = 1; n <= 20; ++n)
            all += QString::number(n) + QStringLiteral(", ");
        QCOMPARE(VersionCheck::warningText(temp.path(), QStringLiteral("1.23")),
            warningOf(QStringLiteral("Nincs verzióinfó: ") + all + QStringLiteral(" raktár\r")));
    }

    void silentWhenEveryFolderIsRecentEnough_data()
    {
        QTest::addColumn<QByteArray>("other");
        QTest::newRow("all at 1.23") << QByteArray("1.23\r\n");
        QTest::newRow("one at 1.24") << QByteArray("1.24");
        QTest::newRow("one at 2.0") << QByteArray("2.0\n");
        QTest::newRow("byte order mark") << QByteArray("\xEF\xBB\xBF"
                                                       "1.23");
    }
    void silentWhenEveryFolderIsRecentEnough()
    {
        QFETCH(QByteArray, other);
        QTemporaryDir temp;
        makeFolders(temp.path());
        setVersion(temp.path(), 9, other);
        ScriptedMessenger messenger;
        VersionCheck::run(messenger, temp.path(), QStringLiteral("1.23"));
        QVERIFY(messenger.shown().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestStoreVersionCheck)
#include "tst_versioncheck.moc"
