// Backup, restore and closing figures on one warehouse of N movement rows (1000 materials), each
// beside its floor measured in the same run:
//   backup rows N seconds S floor F      the warehouse archive (floor: bare VACUUM INTO and libzip
//                                        deflating the same file)
//   restore rows N seconds S floor F     a warehouse restore with its safety copy of the whole
//                                        database (floor: unpacking the archive and copying the file)
//   backup writer-wait-ms W              the longest wait of a second connection recording one row
//                                        every 100 ms during a backup
//   physclose rows N seconds S floor F   a physical closing at 30 June (floor: the bare delete in one
//                                        transaction)
//   yearclose rows N seconds S           the year closing with its stock list
// usage: bench_backup [--location FOLDER|postgresql://...] [ROWS]   (default 1000000)
// On a server the archive figures are left out (archives hold the embedded engine's files) and the
// closing's floor is the bare delete rolled back.
#include "maintenance/ArchiveLayout.h"
#include "maintenance/ArchiveZip.h"
#include "maintenance/Backup.h"
#include "maintenance/MonthClosing.h"
#include "maintenance/PhysicalClosing.h"
#include "maintenance/Restore.h"
#include "maintenance/YearClosing.h"
#include "store/Database.h"
#include "store/Sql.h"
#include "store/TransactionGuard.h"

#include "BenchLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <atomic>
#include <cstdio>
#include <sqlite3.h>
#include <thread>

namespace {

const QDate Today(2025, 12, 31);

int fail(const QString &what)
{
    std::fprintf(stderr, "%s\n", qPrintable(what));
    return 1;
}

QString code(int value, int width)
{
    return QString::number(value).rightJustified(width, QLatin1Char('0'));
}

// A database whose warehouse 1 holds 1000 materials and `rows` movement rows over the year.
bool build(const QString &dir, int rows)
{
    QSqlDatabase db = Database::warehouse(dir, 1);
    TransactionGuard guard(db);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", "
                                 "\"Mertekegyseg\", \"Kerekites\") VALUES ('100', ?, ?, 'KG', 2)"));
    for (int m = 1; m <= 1000; ++m) {
        query.addBindValue(code(m, 4));
        query.addBindValue(QStringLiteral("Anyag %1").arg(m));
        if (!query.exec())
            return fail(query.lastError().text()) == 0;
    }
    query.prepare(QStringLiteral(
        "INSERT INTO \"Raktar\" (\"BK\", \"Mozgnem\", \"BizSzam\", \"Datum\", \"FokSzla\", \"NyilvSzam\", \"PartAzon\", "
        "\"User\", \"AfaKod\", \"TetelMenny\", \"TetelErtek\", \"AfaErtek\", \"Brutto\", \"KeszletMenny\", "
        "\"KeszletErtek\", \"Stat\") VALUES (?, ?, ?, ?, '100', ?, '00000', 'bench', '01', ?, ?, 0, 0, 0, 0, ?)"));
    for (int r = 0; r < rows; ++r) {
        const bool receipt = (r / 1000) % 2 == 0;
        query.addBindValue(receipt ? QStringLiteral("BE") : QStringLiteral("KI"));
        query.addBindValue(receipt ? QStringLiteral("01") : QStringLiteral("03"));
        query.addBindValue(code(r + 1, 8));
        query.addBindValue(Sql::date(QDate(2025, 1, 2).addDays(qint64(r) * 360 / rows)));
        query.addBindValue(code(r % 1000 + 1, 4));
        query.addBindValue(receipt ? 10.0 : 5.0);
        query.addBindValue(receipt ? 1000.0 : 500.0);
        query.addBindValue(Sql::flag(false));
        if (!query.exec())
            return fail(query.lastError().text()) == 0;
    }
    return guard.commit();
}

// One row every 100 ms on a connection of its own while `running`; the longest wait in ms.
void recordWhile(const QString &file, const std::atomic<bool> &running, std::atomic<qint64> &longest)
{
    sqlite3 *db = nullptr;
    sqlite3_open(QFile::encodeName(file).constData(), &db);
    sqlite3_busy_timeout(db, 30000);
    while (running) {
        QElapsedTimer timer;
        timer.start();
        sqlite3_exec(db, "INSERT INTO \"Lock\" (\"User\", \"Datum\") VALUES ('iro', '2025-12-01')", nullptr, nullptr, nullptr);
        longest = qMax(longest.load(), timer.elapsed());
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    sqlite3_close(db);
}

// The backup and restore figures of the warehouse in the folder `dir`; files in `work`.
int archives(const QString &dir, int rows, const QTemporaryDir &work)
{
    const QString archive = work.filePath(QStringLiteral("raktar.zip"));
    QElapsedTimer timer;

    // Backup, with a writer on another connection.
    std::atomic<bool> running {true};
    std::atomic<qint64> longest {0};
    std::thread writer(recordWhile, Database::warehouseFile(dir, 1), std::cref(running), std::ref(longest));
    timer.start();
    const Refusal written = Backup::write(dir, 1, archive);
    const double backupSeconds = timer.elapsed() / 1000.0;
    running = false;
    writer.join();
    if (written)
        return fail(written.text);
    {
        const QString floorDir = work.filePath(QStringLiteral("floor"));
        QDir().mkpath(floorDir);
        timer.start();
        QSqlQuery query(Database::warehouse(dir, 1));
        query.prepare(QStringLiteral("VACUUM INTO ?"));
        query.addBindValue(QDir(floorDir).filePath(QStringLiteral("raktar.sqlite")));
        QString error;
        if (!query.exec() || !ArchiveZip::pack(floorDir, {QStringLiteral("raktar.sqlite")}, work.filePath("floor.zip"), {}, &error))
            return fail(query.lastError().text() + error);
        std::printf("backup rows %d seconds %.2f floor %.2f\n", rows, backupSeconds, timer.elapsed() / 1000.0);
    }
    std::printf("backup writer-wait-ms %lld\n", static_cast<long long>(longest.load()));

    // Restore with its safety copy.
    {
        Restore::Request request;
        request.location = dir;
        request.warehouse = 1;
        request.archive = archive;
        request.safetyArchive = work.filePath(QStringLiteral("Backup/DBBackup.zip"));
        timer.start();
        if (const Refusal refused = Restore::run(request))
            return fail(refused.text);
        const double seconds = timer.elapsed() / 1000.0;
        const QString floorDir = work.filePath(QStringLiteral("unpacked"));
        QDir().mkpath(floorDir);
        timer.start();
        QStringList names;
        QString error;
        if (!ArchiveZip::extract(archive, floorDir, {}, &names, &error))
            return fail(error);
        QFile::copy(QDir(floorDir).filePath(QStringLiteral("raktar.sqlite")), work.filePath(QStringLiteral("copy.sqlite")));
        std::printf("restore rows %d seconds %.2f floor %.2f\n", rows, seconds, timer.elapsed() / 1000.0);
    }
    return 0;
}

// The bare delete of the physical closing in one transaction: on a copy of the file, or on the
// server rolled back.
double closingFloor(const QString &dir, const QTemporaryDir &work, bool server)
{
    QElapsedTimer timer;
    if (server) {
        QSqlDatabase db = Database::warehouse(dir, 1);
        timer.start();
        {
            TransactionGuard guard(db); // never committed: rolled back when it goes
            QSqlQuery(db).exec(QStringLiteral("DELETE FROM \"Raktar\" WHERE \"Datum\" <= '2025-06-30'"));
        }
        return timer.elapsed() / 1000.0;
    }
    Database::closeAll(dir);
    const QString floorFile = work.filePath(QStringLiteral("floor.sqlite"));
    QFile::copy(Database::warehouseFile(dir, 1), floorFile);
    sqlite3 *bare = nullptr;
    sqlite3_open(QFile::encodeName(floorFile).constData(), &bare);
    timer.start();
    sqlite3_exec(bare, "BEGIN IMMEDIATE; DELETE FROM \"Raktar\" WHERE \"Datum\" <= '2025-06-30'; COMMIT;", nullptr,
        nullptr, nullptr);
    const double seconds = timer.elapsed() / 1000.0;
    sqlite3_close(bare);
    return seconds;
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments();
    BenchLocation location(BenchLocation::take(arguments));
    bool ok = true;
    const int rows = arguments.size() > 1 ? arguments.at(1).toInt(&ok) : 1000000;
    if (!ok || rows < 1 || arguments.size() > 2 || !location.errorText().isEmpty()) {
        std::fprintf(stderr, "usage: bench_backup %s [ROWS] %s\n", qPrintable(BenchLocation::usage()),
            qPrintable(location.errorText()));
        return 2;
    }
    QTemporaryDir work;
    const QString dir = location.create(Today);
    if (dir.isEmpty())
        return fail(location.errorText());
    if (!build(dir, rows))
        return 1;
    if (!location.isServer()) {
        if (const int failed = archives(dir, rows, work))
            return failed;
    }

    // Physical closing at 30 June, beside its floor.
    if (!MonthClosing::close(Database::warehouse(dir, 1), 2025, 6, QStringLiteral("bench")).ok())
        return fail(QStringLiteral("havi zárás"));
    const double floor = closingFloor(dir, work, location.isServer());
    QSqlDatabase db = Database::warehouse(dir, 1);
    QElapsedTimer timer;
    timer.start();
    const Checked<PhysicalClosing::Outcome> closed = PhysicalClosing::close(db, QDate(2025, 6, 30), QStringLiteral("bench"), false);
    const double closeSeconds = timer.elapsed() / 1000.0;
    if (!closed.ok())
        return fail(closed.refusal.text);
    std::printf("physclose rows %d seconds %.2f floor %.2f\n", rows, closeSeconds, floor);

    if (!MonthClosing::close(db, 2025, 12, QStringLiteral("bench")).ok())
        return fail(QStringLiteral("havi zárás"));
    timer.start();
    if (const Refusal refused = YearClosing::close(db, 2025, QStringLiteral("bench")))
        return fail(refused.text);
    std::printf("yearclose rows %d seconds %.2f\n", rows, timer.elapsed() / 1000.0);
    return 0;
}
