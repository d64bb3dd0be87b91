#include "maintenance/ArchiveLayout.h"
#include "maintenance/ArchiveZip.h"
#include "maintenance/Backup.h"
#include "maintenance/Restore.h"
#include "store/ArchiveSnapshot.h"
#include "store/Database.h"
#include "store/TableDump.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QDirIterator>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

// Backup archives: the round trip on each engine and across them, and the archives a restore
// must refuse without changing anything or writing anywhere but its staging folder.
class TestArchive : public QObject
{
    Q_OBJECT

    // One entry of a hand-made archive, for the hostile cases libzip would not write.
    struct Entry
    {
        QByteArray name;
        QByteArray data;
        quint32 mode = S_IFREG | 0600;
        bool wrongCrc = false;
    };

    static quint32 crc32(const QByteArray &data)
    {
        quint32 crc = 0xFFFFFFFFu;
        for (const char byte : data) {
            crc ^= quint8(byte);
            for (int bit = 0; bit < 8; ++bit)
                crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
        return ~crc;
    }

    // A ZIP file of stored entries, written byte by byte.
    static void writeZip(const QString &path, const QList<Entry> &entries)
    {
        QByteArray out;
        QByteArray central;
        auto u16 = [](QByteArray &to, quint16 v) { to.append(char(v & 0xFF)).append(char(v >> 8)); };
        auto u32 = [&](QByteArray &to, quint32 v) { u16(to, quint16(v & 0xFFFF)); u16(to, quint16(v >> 16)); };
        for (const Entry &entry : entries) {
            const quint32 offset = quint32(out.size());
            const quint32 crc = crc32(entry.data) ^ (entry.wrongCrc ? 1u : 0u);
            u32(out, 0x04034b50); u16(out, 20); u16(out, 0x0800); u16(out, 0); u16(out, 0); u16(out, 0x21);
            u32(out, crc); u32(out, quint32(entry.data.size())); u32(out, quint32(entry.data.size()));
            u16(out, quint16(entry.name.size())); u16(out, 0);
            out += entry.name + entry.data;
            u32(central, 0x02014b50); u16(central, (3 << 8) | 20); u16(central, 20); u16(central, 0x0800);
            u16(central, 0); u16(central, 0); u16(central, 0x21); u32(central, crc);
            u32(central, quint32(entry.data.size())); u32(central, quint32(entry.data.size()));
            u16(central, quint16(entry.name.size())); u16(central, 0); u16(central, 0); u16(central, 0);
            u16(central, 0); u32(central, entry.mode << 16); u32(central, offset);
            central += entry.name;
        }
        const quint32 centralOffset = quint32(out.size());
        out += central;
        u32(out, 0x06054b50); u16(out, 0); u16(out, 0); u16(out, quint16(entries.size()));
        u16(out, quint16(entries.size())); u32(out, quint32(central.size())); u32(out, centralOffset); u16(out, 0);
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(out);
    }

    static QByteArray read(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // Every file under `folder`, relative.
    static QStringList filesUnder(const QString &folder)
    {
        QStringList found;
        QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
            QDirIterator::Subdirectories);
        while (it.hasNext())
            found << QDir(folder).relativeFilePath(it.next());
        found.sort();
        return found;
    }

    static QByteArray dump(const TempDatabase &db, int warehouse)
    {
        QString error;
        const QByteArray text = TableDump::dump(db.path(), warehouse, &error);
        if (text.isEmpty())
            qWarning() << error;
        return text;
    }

    static void recordVoucher(const TempDatabase &db)
    {
        QSqlQuery query(db.warehouse(1));
        QVERIFY2(query.exec(QStringLiteral(
                     "INSERT INTO \"Napizaras\" (\"Datum\", \"Megjegyzes\", \"User\") VALUES ('2026-01-31', "
                     "'Havi zárás', 'tab\tés\núj sor')")),
            qPrintable(query.lastError().text()));
        StockFixture::addMaterial(db.warehouse(1), QStringLiteral("300"), QStringLiteral("0009"), QStringLiteral("Új anyag"));
    }

    static void fill(const TempDatabase &db)
    {
        StockFixture::addExampleVouchers(db.warehouse(1));
        StockFixture::addExampleVouchers(db.warehouse(3));
    }

private slots:
    void roundTrip_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<int>("warehouse");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "warehouse") << 1;
            TestEngines::newRow(engine, "whole database") << 0;
        }
    }

    // Back up, record, restore: the tables are as they were at the backup, the safety archive holds
    // what the restore replaced, and the archive is readable by its owner only.
    void roundTrip()
    {
        QFETCH(QString, engine);
        QFETCH(int, warehouse);
        TempDatabase db(QDate(2026, 3, 10), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        fill(db);
        QTemporaryDir backups;
        const QString archive = backups.filePath(QStringLiteral("mentes.zip"));
        const QByteArray before = dump(db, warehouse);
        QVERIFY(!before.isEmpty());

        const Refusal written = Backup::write(db.path(), warehouse, archive);
        QVERIFY2(written.isNull(), qPrintable(written.text));
        const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther
            | QFile::WriteOther | QFile::ExeOther;
        QCOMPARE(QFile::permissions(archive) & others, QFile::Permissions());
        QVERIFY(!QFile::exists(Backup::partFile(archive)));
        QVERIFY(Backup::check(archive).isNull());

        recordVoucher(db);
        const QByteArray changed = dump(db, warehouse);
        QVERIFY(changed != before);

        Restore::Request request;
        request.location = db.path();
        request.warehouse = warehouse;
        request.archive = archive;
        request.safetyArchive = backups.filePath(QStringLiteral("Backup/DBBackup.zip"));
        const Refusal restored = Restore::run(request);
        QVERIFY2(restored.isNull(), qPrintable(restored.text));
        QCOMPARE(dump(db, warehouse), before);

        // The safety archive holds the state the restore replaced.
        request.archive = request.safetyArchive;
        request.safetyArchive = backups.filePath(QStringLiteral("Backup/DBBackup2.zip"));
        request.warehouse = 0;
        QVERIFY(Restore::run(request).isNull());
        QCOMPARE(dump(db, warehouse), changed);
        // Nothing of the staging is left.
        QCOMPARE(filesUnder(backups.filePath(QStringLiteral("Backup"))),
            QStringList({QStringLiteral("DBBackup.zip"), QStringLiteral("DBBackup2.zip")}));
    }

    // A warehouse moves between the engines: its dump is the same after the move, both ways.
    void acrossEngines()
    {
        if (!TestEngines::names().contains(QStringLiteral("postgresql")))
            QSKIP("no server configured (SALVIA_TEST_PG)");
        TempDatabase lite(QDate(2026, 3, 10), QStringLiteral("sqlite"));
        TempDatabase server(QDate(2026, 3, 10), QStringLiteral("postgresql"));
        QVERIFY(lite.isValid() && server.isValid());
        fill(lite);
        recordVoucher(lite);
        QTemporaryDir backups;
        const QString archive = backups.filePath(QStringLiteral("raktar.zip"));
        QVERIFY(Backup::write(lite.path(), 1, archive).isNull());

        Restore::Request request {server.path(), 1, archive, backups.filePath(QStringLiteral("DBBackup.zip")), {}, {}};
        const Refusal toServer = Restore::run(request);
        QVERIFY2(toServer.isNull(), qPrintable(toServer.text));
        QCOMPARE(dump(server, 1), dump(lite, 1));
        // The server gives the next row id past the restored ones.
        StockFixture::addMaterial(server.warehouse(1), QStringLiteral("300"), QStringLiteral("0010"), QStringLiteral("Még egy"));

        QFile::remove(archive);
        QVERIFY(Backup::write(server.path(), 1, archive).isNull());
        request = {lite.path(), 1, archive, backups.filePath(QStringLiteral("DBBackup.zip")), {}, {}};
        const Refusal toLite = Restore::run(request);
        QVERIFY2(toLite.isNull(), qPrintable(toLite.text));
        QCOMPARE(dump(lite, 1), dump(server, 1));

        // The whole database as well.
        QFile::remove(archive);
        QVERIFY(Backup::write(lite.path(), 0, archive).isNull());
        request = {server.path(), 0, archive, backups.filePath(QStringLiteral("DBBackup.zip")), {}, {}};
        QVERIFY(Restore::run(request).isNull());
        QCOMPARE(dump(server, 0), dump(lite, 0));
    }

    void hostileArchive_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("kind");
        for (const QString &engine : TestEngines::names()) {
            for (const char *kind : {"parent path", "absolute path", "drive path", "backslash", "link", "directory",
                     "duplicate", "unknown entry", "missing entry", "empty", "not a zip", "wrong crc", "entry too big",
                     "total too big", "damaged database", "foreign table", "trigger", "wrong kind", "bad version"})
                TestEngines::newRow(engine, kind) << QString::fromLatin1(kind);
        }
    }

    // Each archive is refused with the damaged-archive message (or the wrong-kind one), the
    // database is unchanged, and nothing is written outside the staging folder, which is gone.
    void hostileArchive()
    {
        QFETCH(QString, engine);
        QFETCH(QString, kind);
        static std::map<QString, std::unique_ptr<TempDatabase>> databases;
        auto &db = databases[engine];
        if (!db) {
            db = std::make_unique<TempDatabase>(QDate(2026, 3, 10), engine);
            fill(*db);
        }
        QVERIFY2(db->isValid(), qPrintable(db->errorText()));

        QTemporaryDir work;
        const QString good = work.filePath(QStringLiteral("jo.zip"));
        QVERIFY(Backup::write(db->path(), 1, good).isNull());
        const QString stage = work.filePath(QStringLiteral("kibontas"));
        QDir().mkpath(stage);
        ArchiveZip::Limits limits;
        QTemporaryDir unpacked;
        QStringList names;
        QString error;
        QVERIFY2(ArchiveZip::extract(good, unpacked.path(), limits, &names, &error), qPrintable(error));
        const QByteArray database = read(unpacked.filePath(QStringLiteral("raktar.sqlite")));
        const QByteArray version = read(unpacked.filePath(QStringLiteral("db_version.txt")));
        const Entry version1 {"db_version.txt", version};

        const QString hostile = work.filePath(QStringLiteral("rossz.zip"));
        auto withDatabase = [&](const QByteArray &name) { return Entry {name, database}; };
        auto changedDatabase = [&](const QString &sql) {
            const QString copy = work.filePath(QStringLiteral("masolat.sqlite"));
            QFile::copy(unpacked.filePath(QStringLiteral("raktar.sqlite")), copy);
            {
                QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("hostile"));
                other.setDatabaseName(copy);
                QVERIFY(other.open());
                QSqlQuery query(other);
                QVERIFY2(query.exec(sql), qPrintable(query.lastError().text()));
                other.close();
            }
            QSqlDatabase::removeDatabase(QStringLiteral("hostile"));
            writeZip(hostile, {Entry {"raktar.sqlite", read(copy)}, version1});
        };
        QString expected = Restore::damagedText();
        if (kind == "parent path")
            writeZip(hostile, {withDatabase("../raktar.sqlite"), version1});
        else if (kind == "absolute path")
            writeZip(hostile, {withDatabase(QFile::encodeName(work.filePath(QStringLiteral("raktar.sqlite")))), version1});
        else if (kind == "drive path")
            writeZip(hostile, {withDatabase("C:/raktar.sqlite"), version1});
        else if (kind == "backslash")
            writeZip(hostile, {withDatabase("Raktar_1\\raktar.sqlite"), version1});
        else if (kind == "link")
            writeZip(hostile, {Entry {"raktar.sqlite", "/etc/passwd", S_IFLNK | 0777}, version1});
        else if (kind == "directory")
            writeZip(hostile, {withDatabase("raktar.sqlite"), Entry {"db_version.txt", "", S_IFDIR | 0700}});
        else if (kind == "duplicate")
            writeZip(hostile, {withDatabase("raktar.sqlite"), version1, Entry {"raktar.sqlite", "x"}});
        else if (kind == "unknown entry")
            writeZip(hostile, {withDatabase("raktar.sqlite"), version1, Entry {"autorun.sh", "rm -rf ~"}});
        else if (kind == "missing entry")
            writeZip(hostile, {withDatabase("raktar.sqlite")});
        else if (kind == "empty")
            writeZip(hostile, {});
        else if (kind == "not a zip")
            [&] { QFile file(hostile); QVERIFY(file.open(QIODevice::WriteOnly)); file.write("PK nem zip"); }();
        else if (kind == "wrong crc")
            writeZip(hostile, {Entry {"raktar.sqlite", database, S_IFREG | 0600, true}, version1});
        else if (kind == "entry too big")
            QFile::copy(good, hostile), limits.entryBytes = database.size() - 1;
        else if (kind == "total too big")
            QFile::copy(good, hostile), limits.totalBytes = database.size();
        else if (kind == "damaged database")
            writeZip(hostile, {Entry {"raktar.sqlite", database.left(database.size() / 2)}, version1});
        else if (kind == "foreign table")
            changedDatabase(QStringLiteral("CREATE TABLE \"Idegen\" (x)"));
        else if (kind == "trigger")
            changedDatabase(QStringLiteral("CREATE TRIGGER t AFTER INSERT ON \"Anyag\" BEGIN DELETE FROM \"Raktar\"; END"));
        else if (kind == "bad version")
            writeZip(hostile, {withDatabase("raktar.sqlite"), Entry {"db_version.txt", "'; DROP TABLE x; --"}});
        else if (kind == "wrong kind") {
            QVERIFY(Backup::write(db->path(), 0, hostile).isNull());
            expected = Restore::wrongKindText(ArchiveKind::Full);
        }

        const QByteArray before = dump(*db, 0);
        const QStringList workBefore = filesUnder(work.path());
        Restore::Request request {db->path(), 1, hostile, work.filePath(QStringLiteral("DBBackup.zip")), stage, limits};
        const Refusal refused = Restore::run(request);
        QVERIFY(!refused.isNull());
        QCOMPARE(refused.caption, QStringLiteral("HIBA!"));
        QVERIFY2(refused.text.startsWith(expected), qPrintable(refused.text));
        QCOMPARE(dump(*db, 0), before);
        QCOMPARE(filesUnder(work.path()), workBefore);
        QVERIFY(filesUnder(stage).isEmpty());
        if (kind != "wrong kind")
            QVERIFY(!Restore::check(hostile, stage, limits).ok());
    }
};

QTEST_GUILESS_MAIN(TestArchive)
#include "tst_archive.moc"
