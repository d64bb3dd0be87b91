#include "core/PasswordHash.h"
#include "store/Catalogue.h"
#include "store/CreateDatabaseCommand.h"
#include "store/Database.h"
#include "store/DatabaseCreator.h"
#include "store/ReferenceRows.h"
#include "store/Sql.h"
#include "store/VersionCheck.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

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
        for (int i = 0; i < query.record().count(); ++i) {
            const QVariant value = query.value(i);
            // A flag reads 1/0 from both engines.
            row << (value.typeId() == QMetaType::Bool ? QString::number(int(value.toBool())) : value.toString());
        }
        result << row;
    }
    return result;
}

// The hidden folder beside `dir` where a creation builds the new database before it moves it into
// place; empty when there is none.
static QString buildingFolder(const QString &dir)
{
    const QFileInfo info(QDir::cleanPath(QDir(dir).absolutePath()));
    const QStringList found = QDir(info.absolutePath())
                                  .entryList({QLatin1Char('.') + info.fileName() + QStringLiteral(".salvia-uj-*")},
                                      QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    return found.size() == 1 ? QDir(info.absolutePath()).filePath(found.first()) : QString();
}

// Runs the command-line creation on the given input bytes.
static int runCommand(const QString &location, const QByteArray &input, QString *output, QString *errors)
{
    QByteArray bytes = input;
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    QTextStream out(output);
    QTextStream err(errors);
    return runCreateDatabaseCommand(location, in, out, err);
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
    std::unique_ptr<TempDatabase> m_server;

    // The database made for the engine of the current data row.
    TempDatabase &made() const
    {
        QFETCH(QString, engine);
        return engine == TestEngines::postgresql() ? *m_server : *m_db;
    }

private slots:
    void initTestCase()
    {
        m_db = std::make_unique<TempDatabase>(QDate(2024, 3, 15));
        QVERIFY2(m_db->isValid(), qPrintable(m_db->errorText()));
        if (TestEngines::names().contains(TestEngines::postgresql())) {
            m_server = std::make_unique<TempDatabase>(QDate(2024, 3, 15), TestEngines::postgresql());
            QVERIFY2(m_server->isValid(), qPrintable(m_server->errorText()));
        }
    }

    void sharedRows_data() { TestEngines::addRows(); }
    void sharedRows()
    {
        QSqlDatabase db = made().shared();
        const QList<QStringList> warehouses
            = rows(db, QStringLiteral("SELECT \"RaktarKod\", \"RaktarNev\" FROM \"raktarak\" ORDER BY \"RaktarKod\""));
        QCOMPARE(warehouses.size(), 20);
        QCOMPARE(warehouses.first(), (QStringList {"1", "1. konyha"}));
        QCOMPARE(warehouses.at(11), (QStringList {"12", "12. konyha"}));
        QCOMPARE(warehouses.last(), (QStringList {"20", "20. konyha"}));

        const QList<QStringList> users = rows(db, QStringLiteral("SELECT \"LoginName\", \"Password\", \"SecurLevel\" FROM \"login\""));
        QCOMPARE(users.size(), 1);
        QCOMPARE(users.first().at(0), TempDatabase::userName());
        QCOMPARE(users.first().at(2), QStringLiteral("5"));
        QVERIFY(users.first().at(1) != TempDatabase::password());
        QVERIFY(PasswordHash::verify(users.first().at(1), TempDatabase::password()));

        const DatabaseCreator::Input in = TempDatabase::input();
        QCOMPARE(rows(db, QStringLiteral("SELECT \"CegNev\", \"CegIrsz\", \"CegVaros\", \"CegCim\" FROM \"Tulajdonos\"")),
            (QList<QStringList> {{in.cegNev, in.cegIrsz, in.cegVaros, in.cegCim}}));
    }

    void warehouseRows_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<int>("warehouse");
        for (const QString &engine : TestEngines::names()) {
            for (int n = 1; n <= Database::WarehouseCount; ++n)
                QTest::addRow("%s %d", qPrintable(engine), n) << engine << n;
        }
    }
    void warehouseRows()
    {
        QFETCH(int, warehouse);
        QSqlDatabase db = made().warehouse(warehouse);

        QCOMPARE(rows(db,
                     QStringLiteral("SELECT \"MozgnemKod\", \"Irany\" FROM \"Mozgnem\" ORDER BY \"MozgnemKod\"")),
            (QList<QStringList> {{"00", "BE"}, {"01", "BE"}, {"02", "BE"}, {"03", "KI"}, {"04", "KI"}, {"05", "KI"},
                {"06", "KI"}, {"07", "KI"}, {"08", "KI"}}));
        // Every reference file's rows, value for value.
        for (const QString &table : ReferenceRows::tables()) {
            ReferenceRows::Rows expected;
            QString error;
            QVERIFY2(ReferenceRows::read(table, &expected, &error), qPrintable(error));
            const QList<QStringList> stored = rows(db,
                QStringLiteral("SELECT \"%1\" FROM \"%2\"").arg(expected.fields.join(QStringLiteral("\", \"")), table));
            QCOMPARE(stored.size(), expected.rows.size());
            // Compared as sets of rows (a server keeps no insertion order); numbers come back as
            // numbers: 27 may read 27.0.
            const auto canonical = [](const QList<QStringList> &list) {
                QStringList lines;
                for (const QStringList &row : list) {
                    QStringList values;
                    for (const QString &value : row) {
                        bool number = false;
                        const double parsed = value.toDouble(&number);
                        values << (number ? QString::number(parsed, 'g', 15) : value);
                    }
                    lines << values.join(QLatin1Char('|'));
                }
                lines.sort();
                return lines;
            };
            QCOMPARE(canonical(stored), canonical(expected.rows));
        }
        QVERIFY(rows(db, QStringLiteral("SELECT * FROM \"Mozgnem\" WHERE \"MozgnemKod\" = '07'"))
                    .first()
                    .at(1)
                    .contains(QStringLiteral("Kiszabat")));

        QCOMPARE(
            rows(db, QStringLiteral("SELECT \"MunkaEv\", \"AktivEv\" FROM \"Munkaev\"")), (QList<QStringList> {{"2024", "1"}}));
        QCOMPARE(rows(db, QStringLiteral("SELECT \"Datum\", \"Megjegyzes\" FROM \"Napizaras\"")),
            (QList<QStringList> {{"2023-12-31", "Éves zárás"}}));

        const DatabaseCreator::Input in = TempDatabase::input();
        QCOMPARE(
            rows(db, QStringLiteral("SELECT \"PartAzon\", \"Nev\", \"Irszam\", \"Telepules\", \"Utca\" FROM \"Partner\" "
                               "ORDER BY \"PartAzon\"")),
            (QList<QStringList> {
                {"00000", "Egyéb partner", "", "", ""}, {"00001", in.cegNev, in.cegIrsz, in.cegVaros, in.cegCim}}));

        // The nutrient norms hold a minimum and a maximum column for every food group.
        QSqlRecord norms = db.record(QStringLiteral("\"TapRendelet\""));
        const QList<QStringList> groups = rows(db, QStringLiteral("SELECT \"Kod\" FROM \"Anyagcsoport\""));
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

        QCOMPARE(VersionCheck::warehouseVersion(made().path(), warehouse).trimmed(), QStringLiteral("1.23"));
        if (!made().isServer()) {
            QFile version(Database::versionFile(made().path(), warehouse));
            QVERIFY(version.open(QIODevice::ReadOnly));
            QCOMPARE(version.readLine().trimmed(), QByteArray("1.23"));
        }
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
        const Checked<QString> result = DatabaseCreator::create(temp.path(), TempDatabase::input());
        QVERIFY(!result.ok());
        QCOMPARE(result.refusal.focus, QString());
        QCOMPARE(result.refusal.text,
            QStringLiteral("A megadott mappában már van adatbázis:\r") + QDir::toNativeSeparators(temp.path())
                + QStringLiteral("\rÚj adatbázist csak olyan mappában lehet létrehozni, ahol még nincs."));
        QCOMPARE(snapshot(temp.path()), before);
    }

    void refusesACompleteDatabaseUntouched()
    {
        Database::closeAll(m_db->path());
        const QStringList before = snapshot(m_db->path());
        QTest::qWait(20); // a write now would show in the modification times
        const Checked<QString> result = DatabaseCreator::create(m_db->path(), TempDatabase::input());
        QVERIFY(!result.ok());
        QVERIFY(result.refusal.text.startsWith(QStringLiteral("A megadott mappában már van adatbázis:\r")));
        QCOMPARE(snapshot(m_db->path()), before);
    }

    void refusesMissingInput_data()
    {
        QTest::addColumn<QString>("cegNev");
        QTest::addColumn<QString>("userName");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        const QString owner = QStringLiteral("edtCegNev");
        const QString user = QStringLiteral("edtUserName");
        const QString password = QStringLiteral("edtPassword");
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
        QFETCH(QString, focus);
        QTemporaryDir temp;
        const QString dir = temp.filePath(QStringLiteral("uj"));
        DatabaseCreator::Input input = TempDatabase::input();
        input.cegNev = cegNev;
        input.userName = userName;
        input.password = password;
        const Checked<QString> result = DatabaseCreator::create(dir, input);
        QVERIFY(!result.ok());
        QCOMPARE(result.refusal.text, message);
        QCOMPARE(result.refusal.focus, focus);
        QVERIFY(!QFileInfo::exists(dir));
    }

    void refusesAFileAsDirectory()
    {
        QTemporaryDir temp;
        const QString path = temp.filePath(QStringLiteral("adatbazis"));
        writeFile(path, "nem mappa");
        const Checked<QString> result = DatabaseCreator::create(path, TempDatabase::input());
        QVERIFY(!result.ok());
        QCOMPARE(result.refusal.focus, QString());
        QCOMPARE(QFileInfo(path).size(), qint64(9));
    }

    void passwordTypedTwiceMustMatch()
    {
        QVERIFY(DatabaseCreator::checkPasswordAgain(QStringLiteral("Titok"), QStringLiteral("Titok")).isNull());
        const Refusal refusal = DatabaseCreator::checkPasswordAgain(QStringLiteral("Titok"), QStringLiteral("titok"));
        QCOMPARE(refusal.text, QStringLiteral("A két jelszó nem egyezik!"));
        QCOMPARE(refusal.caption, QStringLiteral("HIBA!"));
        QCOMPARE(refusal.focus, QStringLiteral("edtPassword2"));
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
                QDir().mkpath(Database::warehouseFile(buildingFolder(dir), warehouse));
        };
        const Checked<QString> result
            = DatabaseCreator::create(dir, TempDatabase::input(), QDate(2024, 1, 2), sabotage);
        QVERIFY(!result.ok());
        QVERIFY2(result.refusal.text.startsWith(QStringLiteral("Az adatbázis létrehozása nem sikerült:\r")),
            qPrintable(result.refusal.text));
        QVERIFY(result.refusal.text.endsWith(QStringLiteral("\rA létrehozott fájlok törölve lettek.")));
        QCOMPARE(announced.last(), failAt);
        QCOMPARE(snapshot(temp.path()), before);
        QCOMPARE(buildingFolder(dir), QString());
        QVERIFY(!QSqlDatabase::connectionNames().join(QLatin1Char(' ')).contains(QStringLiteral("salvia-create")));
    }

    // A filler writes into the new database before it counts as made: in a directory it works on
    // the hidden building folder, and the target holds a database only once the filling is done; a
    // failed filling leaves nothing, on a server not even the schemas.
    void fillingComesBeforeTheDatabaseCountsAsMade_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<bool>("fails");
        for (const QString &engine : TestEngines::names()) {
            QTest::newRow(qPrintable(engine + QStringLiteral(", filled"))) << engine << false;
            QTest::newRow(qPrintable(engine + QStringLiteral(", filling fails"))) << engine << true;
        }
    }
    void fillingComesBeforeTheDatabaseCountsAsMade()
    {
        QFETCH(QString, engine);
        QFETCH(bool, fails);
        QTemporaryDir temp;
        writeFile(temp.filePath(QStringLiteral("jegyzet.txt")), "marad");
        const bool server = engine == TestEngines::postgresql();
        const QString location = server ? TestEngines::createServerDatabase() : temp.filePath(QStringLiteral("adat"));
        QVERIFY(!location.isEmpty());
        const QStringList before = snapshot(temp.path());

        QString filledAt;
        bool madeWhileFilling = true;
        const auto fill = [&](const QString &place, QString *error) {
            filledAt = place;
            madeWhileFilling = !server && DatabaseCreator::holdsDatabase(location);
            QSqlQuery query(Database::warehouse(place, 1));
            if (!query.exec(QStringLiteral("INSERT INTO \"Fokszam\" (\"FokonyviSzam\", \"Megnevezes\") "
                                           "VALUES ('211', 'Hús')"))) {
                *error = query.lastError().text();
                return false;
            }
            if (fails)
                *error = QStringLiteral("a kitöltés megszakadt");
            return !fails;
        };
        const Checked<QString> result
            = DatabaseCreator::create(location, TempDatabase::input(), QDate(2025, 1, 1), {}, fill);
        QCOMPARE(result.ok(), !fails);
        QVERIFY(!madeWhileFilling);
        if (server)
            QCOMPARE(filledAt, location);
        else
            QVERIFY2(QFileInfo(filledAt).fileName().startsWith(QStringLiteral(".adat.salvia-uj-")), qPrintable(filledAt));

        if (fails) {
            QVERIFY2(result.refusal.text.contains(QStringLiteral("\ra kitöltés megszakadt\r")), qPrintable(result.refusal.text));
            QVERIFY2(result.refusal.text.endsWith(server ? QStringLiteral(
                                                          "\rA létrehozott sémák törölve lettek, az adatbázisban semmi nem "
                                                          "változott.")
                                                    : QStringLiteral("\rA létrehozott fájlok törölve lettek.")),
                qPrintable(result.refusal.text));
            QCOMPARE(DatabaseCreator::inspect(location).state, DatabaseCreator::State::Empty);
            QCOMPARE(snapshot(temp.path()), before);
        } else {
            QCOMPARE(DatabaseCreator::inspect(location).state, DatabaseCreator::State::Complete);
            QCOMPARE(rows(Database::warehouse(location, 1), QStringLiteral("SELECT \"Megnevezes\" FROM \"Fokszam\"")),
                (QList<QStringList> {{"Hús"}}));
            QVERIFY(QFileInfo::exists(temp.filePath(QStringLiteral("jegyzet.txt"))));
        }
        Database::closeAll(location);
        if (server)
            TestEngines::dropServerDatabase(location);
    }

    void createsInANewNestedFolderBesideOtherFiles()
    {
        QTemporaryDir temp;
        writeFile(temp.filePath(QStringLiteral("olvassel.txt")), "marad");
        const QString dir = temp.filePath(QStringLiteral("Salvia/adat"));
        QList<int> announced;
        const Checked<QString> result
            = DatabaseCreator::create(dir, TempDatabase::input(), QDate(2025, 1, 1), [&](int n) { announced << n; });
        QVERIFY2(result.ok(), qPrintable(result.refusal.text));
        QCOMPARE(result.value, QStringLiteral("Az új adatbázis elkészült: ") + QDir::toNativeSeparators(dir));
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

    // The new database appears whole or not at all: while it is being built the place holds
    // nothing of it, so a creation killed at any moment leaves a place where it can start afresh.
    void databaseAppearsOnlyWhenWhole_data()
    {
        QTest::addColumn<QString>("place");
        QTest::newRow("new folder") << "uj";
        QTest::newRow("empty existing folder") << "ures";
        QTest::newRow("folder with other files") << "mas";
    }
    void databaseAppearsOnlyWhenWhole()
    {
        QFETCH(QString, place);
        QTemporaryDir temp;
        const QString dir = temp.filePath(place);
        if (place != QLatin1String("uj"))
            QVERIFY(QDir().mkdir(dir));
        if (place == QLatin1String("mas"))
            writeFile(QDir(dir).filePath(QStringLiteral("jegyzet.txt")), "marad");
        QList<DatabaseCreator::State> midway;
        const Checked<QString> result
            = DatabaseCreator::create(dir, TempDatabase::input(), QDate(2025, 2, 3), [&](int warehouse) {
                  if (warehouse == 1 || warehouse == 12 || warehouse == 20)
                      midway << DatabaseCreator::inspect(dir).state;
              });
        QVERIFY2(result.ok(), qPrintable(result.refusal.text));
        QCOMPARE(midway, QList<DatabaseCreator::State>(3, DatabaseCreator::State::Empty));
        QCOMPARE(DatabaseCreator::inspect(dir).state, DatabaseCreator::State::Complete);
        QCOMPARE(buildingFolder(dir), QString());
        QCOMPARE(QFileInfo::exists(QDir(dir).filePath(QStringLiteral("jegyzet.txt"))), place == QLatin1String("mas"));
        Database::closeAll(dir);
    }

    // The remains of a creation that did not finish (as an earlier version left them when killed)
    // are recognised, and the start says so plainly instead of logging in to half a database.
    void unfinishedCreationIsRecognised_data()
    {
        QTest::addColumn<bool>("sharedFile");
        QTest::addColumn<int>("warehouses");
        QTest::addColumn<bool>("lastWithoutTables");
        QTest::addColumn<QString>("missing");
        QTest::newRow("shared file and five warehouses") << true << 5 << false
                                                         << "Raktar_6, Raktar_7, Raktar_8, Raktar_9, Raktar_10, "
                                                            "Raktar_11, Raktar_12, Raktar_13, Raktar_14, Raktar_15, "
                                                            "Raktar_16, Raktar_17, Raktar_18, Raktar_19, Raktar_20";
        QTest::newRow("last warehouse folder without tables") << true << 20 << true << "Raktar_20";
        QTest::newRow("warehouses without the shared file") << false << 20 << false << "shared.sqlite";
    }
    void unfinishedCreationIsRecognised()
    {
        QFETCH(bool, sharedFile);
        QFETCH(int, warehouses);
        QFETCH(bool, lastWithoutTables);
        QFETCH(QString, missing);
        QTemporaryDir parent;
        const QString dir = parent.filePath(QStringLiteral("adat"));
        QVERIFY(QDir().mkdir(dir));
        if (sharedFile)
            writeFile(Database::sharedFile(dir), "");
        for (int n = 1; n <= warehouses; ++n) {
            QVERIFY(QDir().mkdir(Database::warehouseFolder(dir, n)));
            if (!(lastWithoutTables && n == warehouses))
                writeFile(Database::warehouseFile(dir, n), "");
        }
        // Without a building folder beside it, the parts were lost from a database once whole:
        // the message names what is missing and never advises deleting it.
        DatabaseCreator::Inspection found = DatabaseCreator::inspect(dir);
        QCOMPARE(found.state, DatabaseCreator::State::Incomplete);
        QCOMPARE(found.detail, missing);
        QCOMPARE(found.sharedMissing, !sharedFile);
        QCOMPARE(found.missingWarehouses.size(), missing.count(QLatin1String("Raktar_")));
        QCOMPARE(DatabaseCreator::incompleteText(dir, found.detail),
            QStringLiteral("Az adatbázis hiányos, a program nem indítható:\r") + QDir::toNativeSeparators(dir)
                + QStringLiteral("\rHiányzik: ") + missing
                + QStringLiteral("\rÁllítsa vissza a hiányzó részt egy biztonsági mentésből."));
        QCOMPARE(DatabaseCreator::missingWarehousesText(dir, found.detail),
            QStringLiteral("Az adatbázisból raktárak hiányoznak:\r") + QDir::toNativeSeparators(dir)
                + QStringLiteral("\rHiányzik: ") + missing
                + QStringLiteral("\rEzekben a raktárakban nem lehet dolgozni, a többiben igen. "
                                 "A hiányzó raktárakat egy biztonsági mentésből lehet visszaállítani."));
        QVERIFY(DatabaseCreator::holdsDatabase(dir));

        // A creation's building folder beside it: the creation did not finish.
        QVERIFY(QDir(parent.path()).mkdir(QStringLiteral(".adat.salvia-uj-0123")));
        found = DatabaseCreator::inspect(dir);
        QCOMPARE(found.state, DatabaseCreator::State::Unfinished);
        QCOMPARE(found.detail, missing);
        QCOMPARE(DatabaseCreator::unfinishedText(dir, found.detail),
            QStringLiteral("Az adatbázis létrehozása nem fejeződött be, ez az adatbázis hiányos, a program nem "
                           "indítható:\r")
                + QDir::toNativeSeparators(dir) + QStringLiteral("\rHiányzik: ") + missing
                + QStringLiteral("\rTörölje a hiányos adatbázist, és hozza létre újra, vagy állítsa vissza egy "
                                 "biztonsági mentésből."));
        // Never taken for a place to create in.
        QVERIFY(DatabaseCreator::holdsDatabase(dir));
    }

    // Two creations into one folder at once: one makes the database, the other is refused at
    // once and removes nothing of the first one's.
    void twoCreationsAtOnceMakeOneDatabase()
    {
        QTemporaryDir temp;
        const QString dir = temp.filePath(QStringLiteral("db"));
        DatabaseCreator::Input other = TempDatabase::input();
        other.userName = QStringLiteral("masik");
        Checked<QString> second;
        const Checked<QString> first
            = DatabaseCreator::create(dir, TempDatabase::input(), QDate(2025, 2, 3), [&](int warehouse) {
                  if (warehouse == 8)
                      second = DatabaseCreator::create(dir, other, QDate(2025, 2, 3));
              });
        QVERIFY2(first.ok(), qPrintable(first.refusal.text));
        QVERIFY(!second.ok());
        QCOMPARE(second.refusal.text,
            QStringLiteral("Ebben a mappában éppen egy másik adatbázis készül:\r") + QDir::toNativeSeparators(dir));
        QCOMPARE(DatabaseCreator::inspect(dir).state, DatabaseCreator::State::Complete);
        QCOMPARE(rows(Database::shared(dir), QStringLiteral("SELECT \"LoginName\" FROM \"login\"")),
            (QList<QStringList> {{TempDatabase::userName()}}));
        Database::closeAll(dir);
    }

    // A creation killed before its last step leaves its building folder beside the place; the next
    // creation clears it away and succeeds.
    void remainsOfAKilledCreationAreClearedAway()
    {
        QTemporaryDir temp;
        const QString dir = temp.filePath(QStringLiteral("db"));
        const QString remains = temp.filePath(QStringLiteral(".db.salvia-uj-0123456789abcdef"));
        QVERIFY(QDir().mkpath(Database::warehouseFolder(remains, 3)));
        writeFile(Database::sharedFile(remains), "félkész");
        QCOMPARE(DatabaseCreator::inspect(dir).state, DatabaseCreator::State::Empty);
        const Checked<QString> result = DatabaseCreator::create(dir, TempDatabase::input());
        QVERIFY2(result.ok(), qPrintable(result.refusal.text));
        QVERIFY(!QFileInfo::exists(remains));
        QCOMPARE(QDir(temp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList {QStringLiteral("db")});
        Database::closeAll(dir);
    }

    // The files hold the password hashes: no other local user may read them.
    void filesAreForTheOwnerAndGroupOnly()
    {
        // The journal files of an open connection take the database file's permissions.
        QSqlQuery(m_db->shared()).exec(QStringLiteral("SELECT COUNT(*) FROM \"login\""));
        QStringList open;
        QDirIterator it(m_db->path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
            QDirIterator::Subdirectories);
        QStringList paths {m_db->path()};
        while (it.hasNext())
            paths << it.next();
        QVERIFY(paths.size() > 40);
        const QFileDevice::Permissions others
            = QFileDevice::ReadOther | QFileDevice::WriteOther | QFileDevice::ExeOther;
        for (const QString &path : paths) {
            if (QFileInfo(path).permissions() & others)
                open << QDir(m_db->path()).relativeFilePath(path);
        }
        QCOMPARE(open, QStringList());
        QVERIFY(QFileInfo(Database::sharedFile(m_db->path())).permissions() & QFileDevice::ReadGroup);
    }

    // A password typed in another encoding would be stored as characters nobody can type.
    void commandLineRefusesInputThatIsNotUtf8()
    {
        QTemporaryDir temp;
        const QString dir = temp.filePath(QStringLiteral("db"));
        QString output;
        QString errors;
        QCOMPARE(runCommand(dir, "Konyha\n1111\nBudapest\nF\xc5\x91 u. 1.\nadmin\njelsz\xf3\n", &output, &errors), 1);
        QCOMPARE(errors,
            QStringLiteral("A bemenet 6. sora nem érvényes UTF-8 szöveg. Állítsa a terminál vagy a fájl kódolását "
                           "UTF-8-ra, és próbálja újra; az adatbázis nem jött létre.\n"));
        QCOMPARE(output, QString());
        QVERIFY(!QFileInfo::exists(dir));
        QCOMPARE(buildingFolder(dir), QString());
    }

    // Every value is bounded by the field it is stored in; nothing is written for a value over it.
    void commandLineBoundsEveryValue_data()
    {
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("error");
        const QString long256(256, QLatin1Char('x'));
        QTest::newRow("owner name") << 0 << long256 << "A tulajdonos intézmény neve legfeljebb 255 karakter lehet!";
        QTest::newRow("owner name of 255 accented letters")
            << 0 << QString(255, QChar(0x0151)) << "";
        QTest::newRow("postcode with a letter") << 1 << "74O0"
                                                << "Az irányítószám csak számjegyekből állhat!";
        QTest::newRow("postcode longer than the partner's field") << 1 << "123456789"
                                                                  << "Az irányítószám legfeljebb 8 karakter lehet!";
        QTest::newRow("city") << 2 << long256 << "A település legfeljebb 255 karakter lehet!";
        QTest::newRow("street") << 3 << long256 << "A cím legfeljebb 255 karakter lehet!";
        QTest::newRow("user name") << 4 << QString(51, QLatin1Char('u'))
                                   << "A felhasználónév legfeljebb 50 karakter lehet!";
        QTest::newRow("password") << 5 << long256 << "A jelszó legfeljebb 255 karakter lehet!";
        QTest::newRow("a line of 100000 characters")
            << 0 << QString(100000, QLatin1Char('n'))
            << "Túl hosszú bemenet: hat rövid sor kell (intézmény neve, irányítószám, település, cím, "
               "rendszergazda felhasználóneve, jelszava).";
    }
    void commandLineBoundsEveryValue()
    {
        QFETCH(int, line);
        QFETCH(QString, value);
        QFETCH(QString, error);
        QTemporaryDir temp;
        const QString dir = temp.filePath(QStringLiteral("db"));
        QStringList lines {"Konyha", "1111", "Budapest", "Fő u. 1.", "admin", "titok"};
        lines[line] = value;
        QString output;
        QString errors;
        const int status = runCommand(dir, (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8(), &output, &errors);
        if (error.isEmpty()) {
            QCOMPARE(status, 0);
            // The owner partner holds the name cut to its own width.
            QCOMPARE(rows(Database::warehouse(dir, 1),
                         QStringLiteral("SELECT \"Nev\" FROM \"Partner\" WHERE \"PartAzon\" = '00001'")),
                (QList<QStringList> {{value.left(50)}}));
            QCOMPARE(rows(Database::shared(dir), QStringLiteral("SELECT \"CegNev\" FROM \"Tulajdonos\"")),
                (QList<QStringList> {{value}}));
            Database::closeAll(dir);
            return;
        }
        QCOMPARE(status, 1);
        QCOMPARE(errors, error + QLatin1Char('\n'));
        QVERIFY(!QFileInfo::exists(dir));
    }

    // A server that cannot be reached is named with libpq's reason; nothing is offered or made.
    void unreachableServerIsNamedWithItsReason()
    {
        const QString uri = QStringLiteral("postgresql://salvia@/nincs_ilyen?host=/nincs/ilyen/mappa&port=5999");
        const DatabaseCreator::Inspection found = DatabaseCreator::inspect(uri);
        QCOMPARE(found.state, DatabaseCreator::State::Unreachable);
        QVERIFY2(found.detail.contains(QLatin1String("/nincs/ilyen/mappa")), qPrintable(found.detail));
        QVERIFY(DatabaseCreator::holdsDatabase(uri));
        const QString text = DatabaseCreator::unreachableText(uri, found.detail);
        QVERIFY2(text.startsWith(QStringLiteral("Az adatbázis-kiszolgáló nem érhető el, a program nem indítható:\r"
                                                "/nincs/ilyen/mappa:5999/nincs_ilyen\r")),
            qPrintable(text));
        QString output;
        QString errors;
        QCOMPARE(runCommand(uri, "Konyha\n1111\nBudapest\nFő u. 1.\nadmin\ntitok\n", &output, &errors), 1);
        QVERIFY2(errors.startsWith(QStringLiteral("Az adatbázis-kiszolgáló nem érhető el, a program nem indítható:\n")),
            qPrintable(errors));
        QVERIFY(!QSqlDatabase::connectionNames().join(QLatin1Char(' ')).contains(QStringLiteral("salvia-create")));
    }

    // The command line on a server: the whole layout in an existing database, then a refusal that
    // changes nothing.
    void commandLineOnAServer()
    {
        if (!TestEngines::names().contains(TestEngines::postgresql()))
            QSKIP("no test server (SALVIA_TEST_PG)");
        const QString uri = TestEngines::createServerDatabase();
        QVERIFY(!uri.isEmpty());
        QCOMPARE(DatabaseCreator::inspect(uri).state, DatabaseCreator::State::Empty);
        QString output;
        QString errors;
        QCOMPARE(runCommand(uri, "Napsugár Óvoda\n7400\nKaposvár\nFő u. 2.\nGondnok\nSzép jelszó\n", &output, &errors),
            0);
        QCOMPARE(errors, QString());
        QCOMPARE(output, QStringLiteral("Az új adatbázis elkészült: ") + Database::serverName(uri) + QLatin1Char('\n'));
        QCOMPARE(DatabaseCreator::inspect(uri).state, DatabaseCreator::State::Complete);
        const QList<QStringList> users
            = rows(Database::shared(uri), QStringLiteral("SELECT \"LoginName\", \"Password\" FROM \"login\""));
        QCOMPARE(users.size(), 1);
        QVERIFY(PasswordHash::verify(users.first().at(1), QStringLiteral("Szép jelszó")));

        output.clear();
        QCOMPARE(runCommand(uri, "Más\n1\n2\n3\nmas\njelszo\n", &output, &errors), 1);
        QCOMPARE(errors,
            QStringLiteral("A megadott adatbázisban már van Salvia-adatbázis:\n") + Database::serverName(uri)
                + QStringLiteral("\nÚj adatbázist csak olyan adatbázisban lehet létrehozni, ahol még nincs.\n"));
        QCOMPARE(rows(Database::shared(uri), QStringLiteral("SELECT \"LoginName\", \"Password\" FROM \"login\"")), users);
        TestEngines::dropServerDatabase(uri);
    }

    // On a server the whole layout is made in one transaction: a failure at the seventh warehouse
    // leaves none of our schemas behind.
    void serverCreationIsAllOrNothing()
    {
        if (!TestEngines::names().contains(TestEngines::postgresql()))
            QSKIP("no test server (SALVIA_TEST_PG)");
        const QString uri = TestEngines::createServerDatabase();
        QVERIFY(!uri.isEmpty());
        const Checked<QString> result
            = DatabaseCreator::create(uri, TempDatabase::input(), QDate(2025, 1, 1), [&](int warehouse) {
                  // Another client takes the name of the seventh warehouse's schema meanwhile.
                  if (warehouse == 7)
                      QSqlQuery(Database::warehouse(uri, 1)).exec(QStringLiteral("CREATE SCHEMA raktar_7"));
              });
        QVERIFY(!result.ok());
        QVERIFY2(result.refusal.text.startsWith(QStringLiteral("Az adatbázis létrehozása nem sikerült:\r")
                     + Database::serverName(uri) + QStringLiteral("\r")),
            qPrintable(result.refusal.text));
        QVERIFY(result.refusal.text.endsWith(QStringLiteral("\rAz adatbázisban semmi nem változott.")));
        QCOMPARE(rows(Database::warehouse(uri, 1),
                     QStringLiteral("SELECT nspname FROM pg_namespace WHERE nspname = 'salvia' OR nspname LIKE 'raktar%' "
                                    "ORDER BY nspname")),
            (QList<QStringList> {{"raktar_7"}}));
        TestEngines::dropServerDatabase(uri);
    }

    // The logic reads the same values from both engines: every kind of field, row for row.
    void bothEnginesGiveTheSameValues()
    {
        if (!m_server)
            QSKIP("no test server (SALVIA_TEST_PG)");
        for (const QString &table : {QStringLiteral("Afa"), QStringLiteral("Allergen"), QStringLiteral("Anyagcsoport"),
                 QStringLiteral("Etelfeleseg"), QStringLiteral("EtkTip"), QStringLiteral("Mertegys"),
                 QStringLiteral("Mozgnem"), QStringLiteral("TapRendelet"), QStringLiteral("Munkaev"),
                 QStringLiteral("Napizaras"), QStringLiteral("Partner")}) {
            const TableDef *def = Catalogue::table(table);
            QVERIFY(def);
            const auto read = [def](QSqlDatabase db) {
                QSqlQuery query(db);
                QStringList order;
                for (const FieldDef &field : def->fields)
                    order << QLatin1Char('"') + field.name + QLatin1Char('"');
                if (!query.exec(QStringLiteral("SELECT %1 FROM \"%2\" ORDER BY %1").arg(order.join(QStringLiteral(", ")), def->name)))
                    qWarning() << query.lastError().text();
                QList<QStringList> result;
                while (query.next()) {
                    QStringList row;
                    for (int i = 0; i < def->fields.size(); ++i) {
                        const QVariant value = query.value(i);
                        switch (def->fields.at(i).type) {
                        case FieldType::Money:
                            row << Sql::toMoney(value).toString();
                            break;
                        case FieldType::Date:
                            row << Sql::toDate(value).toString(Qt::ISODate);
                            break;
                        case FieldType::Boolean:
                            row << QString::number(int(Sql::toFlag(value)));
                            break;
                        case FieldType::Float:
                            row << QString::number(value.toDouble(), 'g', 15);
                            break;
                        default:
                            row << value.toString();
                        }
                    }
                    result << row;
                }
                return result;
            };
            const QList<QStringList> local = read(m_db->warehouse(4));
            QVERIFY2(!local.isEmpty(), qPrintable(table));
            QCOMPARE(read(m_server->warehouse(4)), local);
        }
    }
};

QTEST_GUILESS_MAIN(TestStoreCreator)
#include "tst_creator.moc"
