#include "core/PasswordHash.h"
#include "store/Catalogue.h"
#include "store/CreateDatabaseCommand.h"
#include "store/Database.h"
#include "store/DatabaseCreator.h"
#include "store/ReferenceRows.h"
#include "support/TempDatabase.h"

#include <QBuffer>
#include <QDirIterator>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// Every entry under a directory with its size and modification time: equal snapshots mean
// nothing was added, removed or written.
static QStringList snapshot(const QString &dir)
{
    QStringList entries;
    QDirIterator it(
        dir, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QFileInfo info = it.fileInfo();
        entries << QStringLiteral("%1 %2 %3")
                       .arg(QDir(dir).relativeFilePath(info.filePath()))
                       .arg(info.isDir() ? -1 : info.size())
                       .arg(info.lastModified().toMSecsSinceEpoch());
    }
    entries.sort();
    return entries;
}

static QList<QStringList> rows(QSqlDatabase db, const QString &sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql))
        qWarning() << sql << query.lastError().text();
    QList<QStringList> result;
    while (query.next()) {
        QStringList row;
        for (int i = 0; i < query.record().count(); ++i)
            row << query.value(i).toString();
        result << row;
    }
    return result;
}

static void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

class TestStoreCreator : public QObject
{
    Q_OBJECT
private:
    std::unique_ptr<TempDatabase> m_db;

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TempDatabase>(QDate(2024, 3, 15));
        QVERIFY2(m_db->isValid(), qPrintable(m_db->errorText()));
    }

    void sharedRows()
    {
        QSqlDatabase db = m_db->shared();
        const QList<QStringList> warehouses
            = rows(db, QStringLiteral("SELECT RaktarKod, RaktarNev FROM raktarak ORDER BY RaktarKod"));
        QCOMPARE(warehouses.size(), 20);
        QCOMPARE(warehouses.first(), (QStringList {"1", "1. konyha"}));
        QCOMPARE(warehouses.at(11), (QStringList {"12", "12. konyha"}));
        QCOMPARE(warehouses.last(), (QStringList {"20", "20. konyha"}));

        const QList<QStringList> users = rows(db, QStringLiteral("SELECT LoginName, Password, SecurLevel FROM login"));
        QCOMPARE(users.size(), 1);
        QCOMPARE(users.first().at(0), TempDatabase::userName());
        QCOMPARE(users.first().at(2), QStringLiteral("5"));
        QVERIFY(users.first().at(1) != TempDatabase::password());
        QVERIFY(PasswordHash::verify(users.first().at(1), TempDatabase::password()));

        const DatabaseCreator::Input in = TempDatabase::input();
        QCOMPARE(rows(db, QStringLiteral("SELECT CegNev, CegIrsz, CegVaros, CegCim FROM Tulajdonos")),
            (QList<QStringList> {{in.cegNev, in.cegIrsz, in.cegVaros, in.cegCim}}));
    }

    void warehouseRows_data()
    {
        QTest::addColumn<int>("warehouse");
        for (int n = 1; n <= Database::WarehouseCount; ++n)
            QTest::addRow("%d", n) << n;
    }
    void warehouseRows()
    {
        QFETCH(int, warehouse);
        QSqlDatabase db = m_db->warehouse(warehouse);

        QCOMPARE(rows(db, QStringLiteral("SELECT MozgnemKod, Irany FROM Mozgnem ORDER BY MozgnemKod")),
            (QList<QStringList> {{"00", "BE"}, {"01", "BE"}, {"02", "BE"}, {"03", "KI"}, {"04", "KI"}, {"05", "KI"},
                {"06", "KI"}, {"07", "KI"}, {"08", "KI"}}));
        // Every reference file's rows, value for value.
        for (const QString &table : ReferenceRows::tables()) {
            ReferenceRows::Rows expected;
            QString error;
            QVERIFY2(ReferenceRows::read(table, &expected, &error), qPrintable(error));
            const QList<QStringList> stored = rows(db,
                QStringLiteral("SELECT \"%1\" FROM \"%2\" ORDER BY rowid")
                    .arg(expected.fields.join(QStringLiteral("\", \"")), table));
            QCOMPARE(stored.size(), expected.rows.size());
            for (qsizetype i = 0; i < stored.size(); ++i) {
                for (qsizetype f = 0; f < expected.fields.size(); ++f) {
                    const QString want = expected.rows.at(i).at(f);
                    const QString got = stored.at(i).at(f);
                    // Numbers come back as numbers: 27 may read 27.0.
                    const bool same
                        = got == want || (got.toDouble() == want.toDouble() && !want.isEmpty() && want.at(0).isDigit());
                    QVERIFY2(same, qPrintable(table + QLatin1Char(' ') + want + QStringLiteral(" <> ") + got));
                }
            }
        }
        QVERIFY(rows(db, QStringLiteral("SELECT * FROM Mozgnem WHERE MozgnemKod = '07'"))
                    .first()
                    .at(1)
                    .contains(QStringLiteral("Kiszabat")));

        QCOMPARE(
            rows(db, QStringLiteral("SELECT MunkaEv, AktivEv FROM Munkaev")), (QList<QStringList> {{"2024", "1"}}));
        QCOMPARE(rows(db, QStringLiteral("SELECT Datum, Megjegyzes FROM Napizaras")),
            (QList<QStringList> {{"2023-12-31", "Éves zárás"}}));

        const DatabaseCreator::Input in = TempDatabase::input();
        QCOMPARE(
            rows(db, QStringLiteral("SELECT PartAzon, Nev, Irszam, Telepules, Utca FROM Partner ORDER BY PartAzon")),
            (QList<QStringList> {
                {"00000", "Egyéb partner", "", "", ""}, {"00001", in.cegNev, in.cegIrsz, in.cegVaros, in.cegCim}}));

        // The nutrient norms hold a minimum and a maximum column for every food group.
        QSqlRecord norms = db.record(QStringLiteral("TapRendelet"));
        const QList<QStringList> groups = rows(db, QStringLiteral("SELECT Kod FROM Anyagcsoport"));
        QCOMPARE(groups.size(), 12);
        for (const QStringList &group : groups) {
            QVERIFY(norms.contains(QStringLiteral("E") + group.first()));
            QVERIFY(norms.contains(QStringLiteral("M") + group.first()));
        }

        // Movements, menus and work tables start empty.
        for (const char *table :
            {"Raktar", "Anyag", "Etlap", "Letszam", "Kiszabat", "TmpKiszabat_2", "TmpCartKiszabat_2"})
            QCOMPARE(
                rows(db, QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(QString::fromLatin1(table))).first().first(),
                QStringLiteral("0"));

        QFile version(Database::versionFile(m_db->path(), warehouse));
        QVERIFY(version.open(QIODevice::ReadOnly));
        QCOMPARE(version.readLine().trimmed(), QByteArray("1.23"));
    }

    void refusesADirectoryHoldingADatabase_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("folders");
        QTest::newRow("shared file only") << QStringList {"shared.sqlite"} << QStringList {};
        QTest::newRow("one warehouse folder") << QStringList {"jegyzet.txt"} << QStringList {"Raktar_5"};
        QTest::newRow("warehouse name in lower case") << QStringList {"raktar_3"} << QStringList {};
        QTest::newRow("predecessor's shared table") << QStringList {"RAKTARAK.DB"} << QStringList {};
    }
    void refusesADirectoryHoldingADatabase()
    {
        QFETCH(QStringList, files);
        QFETCH(QStringList, folders);
        QTemporaryDir temp;
        for (const QString &file : files)
            writeFile(temp.filePath(file), "régi adat");
        for (const QString &folder : folders) {
            QVERIFY(QDir(temp.path()).mkdir(folder));
            writeFile(QDir(temp.filePath(folder)).filePath(QStringLiteral("raktar.sqlite")), "régi adat");
        }
        const QStringList before = snapshot(temp.path());

        QVERIFY(DatabaseCreator::holdsDatabase(temp.path()));
        const DatabaseCreator::Result result = DatabaseCreator::create(temp.path(), TempDatabase::input());
        QVERIFY(!result.ok);
        QCOMPARE(result.field, DatabaseCreator::Field::Directory);
        QCOMPARE(result.message,
            QStringLiteral("A megadott mappában már van adatbázis:\r") + QDir::toNativeSeparators(temp.path())
                + QStringLiteral("\rÚj adatbázist csak olyan mappában lehet létrehozni, ahol még nincs."));
        QCOMPARE(snapshot(temp.path()), before);
    }

    void refusesACompleteDatabaseUntouched()
    {
        Database::closeAll(m_db->path());
        const QStringList before = snapshot(m_db->path());
        QTest::qWait(20); // a write now would show in the modification times
        const DatabaseCreator::Result result = DatabaseCreator::create(m_db->path(), TempDatabase::input());
        QVERIFY(!result.ok);
        QVERIFY(result.message.startsWith(QStringLiteral("A megadott mappában már van adatbázis:\r")));
        QCOMPARE(snapshot(m_db->path()), before);
    }

    void refusesMissingInput_data()
    {
        QTest::addColumn<QString>("cegNev");
        QTest::addColumn<QString>("userName");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        QTest::addColumn<int>("field");
        const int owner = int(DatabaseCreator::Field::CegNev);
        const int user = int(DatabaseCreator::Field::UserName);
        const int password = int(DatabaseCreator::Field::Password);
        QTest::newRow("no owner name") << "  "
                                       << "admin"
                                       << "x"
                                       << "A tulajdonos intézmény nevének megadása kötelező!" << owner;
        QTest::newRow("no user name") << "Konyha"
                                      << ""
                                      << "x"
                                      << "A felhasználónév megadása kötelező!" << user;
        QTest::newRow("blank user name") << "Konyha"
                                         << "   "
                                         << "x"
                                         << "A felhasználónév megadása kötelező!" << user;
        QTest::newRow("the login dialog's cancel answer") << "Konyha"
                                                          << "exit"
                                                          << "x"
                                                          << "Ez a felhasználónév nem használható: exit" << user;
        QTest::newRow("no password") << "Konyha"
                                     << "admin"
                                     << ""
                                     << "A jelszó megadása kötelező!" << password;
    }
    void refusesMissingInput()
    {
        QFETCH(QString, cegNev);
        QFETCH(QString, userName);
        QFETCH(QString, password);
        QFETCH(QString, message);
        QFETCH(int, field);
        QTemporaryDir temp;
        const QString dir = temp.filePath(QStringLiteral("uj"));
        DatabaseCreator::Input input = TempDatabase::input();
        input.cegNev = cegNev;
        input.userName = userName;
        input.password = password;
        const DatabaseCreator::Result result = DatabaseCreator::create(dir, input);
        QVERIFY(!result.ok);
        QCOMPARE(result.message, message);
        QCOMPARE(int(result.field), field);
        QVERIFY(!QFileInfo::exists(dir));
    }

    void refusesAFileAsDirectory()
    {
        QTemporaryDir temp;
        const QString path = temp.filePath(QStringLiteral("adatbazis"));
        writeFile(path, "nem mappa");
        const DatabaseCreator::Result result = DatabaseCreator::create(path, TempDatabase::input());
        QVERIFY(!result.ok);
        QCOMPARE(result.field, DatabaseCreator::Field::Directory);
        QCOMPARE(QFileInfo(path).size(), qint64(9));
    }

    void passwordTypedTwiceMustMatch()
    {
        QVERIFY(DatabaseCreator::checkPasswordAgain(QStringLiteral("Titok"), QStringLiteral("Titok")).ok);
        const DatabaseCreator::Result result
            = DatabaseCreator::checkPasswordAgain(QStringLiteral("Titok"), QStringLiteral("titok"));
        QVERIFY(!result.ok);
        QCOMPARE(result.message, QStringLiteral("A két jelszó nem egyezik!"));
        QCOMPARE(result.field, DatabaseCreator::Field::PasswordAgain);
    }

    // A failure while the folders are made leaves the directory as it was: no half database.
    void failureMidwayRemovesWhatWasCreated_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::addColumn<int>("failAt");
        QTest::newRow("existing directory with other files, 7th warehouse") << true << 7;
        QTest::newRow("new nested directory, last warehouse") << false << 20;
        QTest::newRow("existing directory, first warehouse") << true << 1;
    }
    void failureMidwayRemovesWhatWasCreated()
    {
        QFETCH(bool, existing);
        QFETCH(int, failAt);
        QTemporaryDir temp;
        const QString dir = existing ? temp.path() : temp.filePath(QStringLiteral("a/b/c"));
        if (existing)
            writeFile(temp.filePath(QStringLiteral("jegyzet.txt")), "marad");
        const QStringList before = snapshot(temp.path());

        QList<int> announced;
        const auto sabotage = [&](int warehouse) {
            announced << warehouse;
            // The warehouse's table file cannot be made: a folder stands in its place.
            if (warehouse == failAt)
                QDir().mkpath(Database::warehouseFile(dir, warehouse));
        };
        const DatabaseCreator::Result result
            = DatabaseCreator::create(dir, TempDatabase::input(), QDate(2024, 1, 2), sabotage);
        QVERIFY(!result.ok);
        QVERIFY2(result.message.startsWith(QStringLiteral("Az adatbázis létrehozása nem sikerült:\r")),
            qPrintable(result.message));
        QVERIFY(result.message.endsWith(QStringLiteral("\rA létrehozott fájlok törölve lettek.")));
        QCOMPARE(announced.last(), failAt);
        QCOMPARE(snapshot(temp.path()), before);
        QVERIFY(!QSqlDatabase::connectionNames().join(QLatin1Char(' ')).contains(QStringLiteral("salvia-create")));
    }

    void createsInANewNestedFolderBesideOtherFiles()
    {
        QTemporaryDir temp;
        writeFile(temp.filePath(QStringLiteral("olvassel.txt")), "marad");
        const QString dir = temp.filePath(QStringLiteral("Salvia/adat"));
        QList<int> announced;
        const DatabaseCreator::Result result
            = DatabaseCreator::create(dir, TempDatabase::input(), QDate(2025, 1, 1), [&](int n) { announced << n; });
        QVERIFY2(result.ok, qPrintable(result.message));
        QCOMPARE(result.message, QStringLiteral("Az új adatbázis elkészült: ") + QDir::toNativeSeparators(dir));
        QCOMPARE(announced.size(), 20);
        QCOMPARE(QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).size(), 21);
        QVERIFY(QFileInfo::exists(temp.filePath(QStringLiteral("olvassel.txt"))));
        QVERIFY(DatabaseCreator::holdsDatabase(dir));
        Database::closeAll(dir);
    }

    void commandLineCreatesTheDatabase()
    {
        QTemporaryDir temp;
        const QString dir = temp.filePath(QStringLiteral("db"));
        // Lines may end in CRLF when the input comes from a Windows file.
        QString input = QStringLiteral("Napsugár Óvoda\r\n7400\r\nKaposvár\r\nFő u. 2.\r\nGondnok\r\nSzép jelszó\r\n");
        QString output;
        QString errors;
        QByteArray inputBytes = input.toUtf8();
        QBuffer in(&inputBytes);
        in.open(QIODevice::ReadOnly);
        QTextStream out(&output);
        QTextStream err(&errors);
        QCOMPARE(runCreateDatabaseCommand(dir, in, out, err), 0);
        QCOMPARE(errors, QString());
        QCOMPARE(
            output, QStringLiteral("Az új adatbázis elkészült: ") + QDir::toNativeSeparators(dir) + QLatin1Char('\n'));

        const QList<QStringList> users
            = rows(Database::shared(dir), QStringLiteral("SELECT LoginName, Password FROM login"));
        QCOMPARE(users.first().first(), QStringLiteral("Gondnok"));
        QVERIFY(PasswordHash::verify(users.first().at(1), QStringLiteral("Szép jelszó")));
        QCOMPARE(rows(Database::warehouse(dir, 9),
                     QStringLiteral("SELECT Nev, Irszam, Telepules, Utca FROM Partner WHERE PartAzon = '00001'")),
            (QList<QStringList> {{"Napsugár Óvoda", "7400", "Kaposvár", "Fő u. 2."}}));
        Database::closeAll(dir);

        // A second run on the same directory is refused and changes nothing.
        const QStringList before = snapshot(dir);
        input = QStringLiteral("Más\n1\n2\n3\nmas\njelszo\n");
        QByteArray againBytes = input.toUtf8();
        QBuffer again(&againBytes);
        again.open(QIODevice::ReadOnly);
        output.clear();
        QCOMPARE(runCreateDatabaseCommand(dir, again, out, err), 1);
        QCOMPARE(output, QString());
        QCOMPARE(errors,
            QStringLiteral("A megadott mappában már van adatbázis:\n") + QDir::toNativeSeparators(dir)
                + QStringLiteral("\nÚj adatbázist csak olyan mappában lehet létrehozni, ahol még nincs.\n"));
        QCOMPARE(snapshot(dir), before);
    }

    void commandLineRefusesShortOrEmptyInput_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("error");
        QTest::newRow("five lines") << "Konyha\n1111\nBudapest\nFő u. 1.\nadmin\n"
                                    << "Hiányos bemenet";
        QTest::newRow("nothing") << ""
                                 << "Hiányos bemenet";
        QTest::newRow("empty password") << "Konyha\n1111\nBudapest\nFő u. 1.\nadmin\n\n"
                                        << "A jelszó megadása kötelező!";
    }
    void commandLineRefusesShortOrEmptyInput()
    {
        QFETCH(QString, input);
        QFETCH(QString, error);
        QTemporaryDir temp;
        const QString dir = temp.filePath(QStringLiteral("db"));
        QString output;
        QString errors;
        QByteArray inputBytes = input.toUtf8();
        QBuffer in(&inputBytes);
        in.open(QIODevice::ReadOnly);
        QTextStream out(&output);
        QTextStream err(&errors);
        QCOMPARE(runCreateDatabaseCommand(dir, in, out, err), 1);
        QVERIFY2(errors.startsWith(error), qPrintable(errors));
        QVERIFY(!QFileInfo::exists(dir));
    }
};

QTEST_GUILESS_MAIN(TestStoreCreator)
#include "tst_creator.moc"
