// The table tools against their floors:
//   bench_tools [--location FOLDER|postgresql://...] [MATERIALS RECIPELINES MOVEMENTS ROWS]
//               (defaults 20000 100000 1000000 1000000)
// prints
//   dosimport materials M recipelines R movements N seconds S floor F
//     (floor: a bare shapelib read of the files plus bare prepared inserts in one transaction)
//   uvi rows N seconds S floor F          (floor: the bare grouped query, read to its end)
//   repair rows N seconds S floor F       (floor: integrity check, REINDEX and VACUUM through bare SQL;
//                                          on a server a full read, REINDEX and VACUUM of each table)
//   editor rows 10000 open-ms O / editor rows N open-ms O   (opening Raktar in the editor's model)
#include "maintenance/RepairDatabase.h"
#include "exchange/DbaseTable.h"
#include "session/OwnerValues.h"
#include "session/Settings.h"
#include "support/DbaseWriter.h"
#include "store/Database.h"
#include "transfer/DosImport.h"
#include "transfer/UviExport.h"

#include "BenchLocation.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QSqlQuery>
#include <QSqlTableModel>
#include <QTemporaryDir>
#include <QTextStream>

#include <cstdio>

namespace {

const QDate Today(2025, 6, 1);

double seconds(const QElapsedTimer &clock)
{
    return clock.nsecsElapsed() / 1e9;
}

void writeSources(const QString &folder, int materials, int recipeLines, int movements)
{
    {
        DbaseWriter dbf(folder + QStringLiteral("/SALT002.DBF"));
        dbf.text("FOKSZLA", 3).number("NYSZAM", 4).text("MEGNEV", 30).number("TCS", 2).text("ME", 5);
        dbf.number("MESZOR", 8, 3).number("AFAKOD", 1).number("NYAR", 12, 2).number("KMENNY", 12, 3);
        dbf.number("KERTEK", 12, 2).number("KEREK", 1).number("KMIN", 8, 2).number("KMAX", 8, 2);
        dbf.number("LELTMENNY", 10, 3).number("ENERGIA", 8, 2).number("FEHERJE", 8, 2).logical("ALLATI");
        for (const char *name : {"ZSIR", "CHIDRAT", "CUKOR", "HAMU", "ROST", "KOLESZT"})
            dbf.number(name, 8, 2);
        dbf.text("VKOD", 2);
        for (int i = 0; i < materials; ++i) {
            dbf.row({QString::number(100 + i / 9999), i % 9999 + 1, QByteArray("Anyag ") + QByteArray::number(i), 1,
                QStringLiteral("kg"), 1.0, 1, 150.5, 0.0, 0.0, 2, 0.0, 0.0, 0.0, 340.0, 10.0, i % 2 == 0, 1.5, 70.0,
                0.5, 0.2, 3.0, 0.0, QStringLiteral("01")});
        }
    }
    {
        DbaseWriter lines(folder + QStringLiteral("/SALT004.DBF"));
        lines.number("ETKOD", 4).text("FOKSZLA", 3).number("NYSZAM", 4).number("MENNY", 10, 4);
        for (int i = 0; i < recipeLines; ++i)
            lines.row({i / 10 % 9999 + 1, QString::number(100 + i % materials / 9999), i % materials % 9999 + 1, 0.1});
        DbaseWriter heads(folder + QStringLiteral("/SALT003.DBF"));
        heads.number("ETKOD", 4).text("MEGNEV", 30);
        for (int i = 0; i < std::min(9999, recipeLines / 10); ++i)
            heads.row({i + 1, QByteArray("Etel ") + QByteArray::number(i)});
    }
    {
        DbaseWriter dbf(folder + QStringLiteral("/SALT005.DBF"));
        dbf.number("FSZLA", 5).text("NEV", 30).text("IRSZAM", 8).text("VAROS", 20).text("UTCA", 30);
        for (int i = 2; i < 200; ++i)
            dbf.row({i, QByteArray("Partner"), QStringLiteral("1111"), QByteArray("Budapest"), QByteArray("Fo ut")});
        DbaseWriter accounts(folder + QStringLiteral("/SALK002.DBF"));
        accounts.number("FOKSZLA", 3).text("MEGNEV", 30);
        for (int i = 100; i < 110; ++i)
            accounts.row({i, QByteArray("Szamla")});
    }
    DbaseWriter dbf(folder + QStringLiteral("/SALR001.DBF"));
    dbf.text("FOKSZLA", 3).number("NYSZAM", 4).text("BK", 2).number("MENNY", 10, 3).number("ERTEK", 12, 2).date("DATUM");
    for (int i = 0; i < movements; ++i) {
        const int m = i % materials;
        dbf.row({QString::number(100 + m / 9999), m % 9999 + 1, i % 3 == 2 ? QStringLiteral("KI") : QStringLiteral("BE"),
            1.0, 10.0, QDate(2025, 1, 1).addDays(i % 300)});
    }
}

double dosImportFloor(const QString &folder, QSqlDatabase db)
{
    QElapsedTimer clock;
    clock.start();
    QSqlQuery query(db);
    db.transaction();
    query.prepare(QStringLiteral("INSERT INTO \"Fokszam\" (\"FokonyviSzam\", \"Megnevezes\") VALUES (?, ?)"));
    for (const QString &name : {"SALT002.DBF", "SALT004.DBF", "SALT003.DBF", "SALT005.DBF", "SALK002.DBF", "SALR001.DBF"}) {
        auto table = DbaseTable::open(folder + QLatin1Char('/') + name).value;
        const bool inserts = name != QLatin1String("SALR001.DBF");
        while (table->next()) {
            const QString first = table->text(0);
            if (inserts) {
                query.addBindValue(first);
                query.addBindValue(table->text(1));
                query.exec();
            }
        }
    }
    db.rollback();
    return seconds(clock);
}

// The last `width` digits of a zero-padded integer expression, on either engine.
QString padded(const QString &expression, int width)
{
    const QString zeros = QStringLiteral("'%1' || (%2)").arg(QString(width, QLatin1Char('0')), expression);
    return QStringLiteral("substr(%1, length(%1) - %2)").arg(zeros).arg(width - 1);
}

void addMovementRows(QSqlDatabase db, int rows)
{
    const bool server = Database::engineOf(db) == Database::Engine::PostgreSQL;
    const QString day = server ? QStringLiteral("DATE '2025-01-01' + i % 300")
                               : QStringLiteral("date('2025-01-01', '+' || (i % 300) || ' days')");
    QSqlQuery query(db);
    query.exec(QStringLiteral(
        "INSERT INTO \"Raktar\" (\"BK\", \"Mozgnem\", \"BizSzam\", \"Datum\", \"FokSzla\", \"NyilvSzam\", \"PartAzon\", "
        "\"TetelMenny\", \"TetelErtek\", \"AfaErtek\", \"Brutto\", \"KeszletMenny\", \"KeszletErtek\") "
        "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i + 1 < %1) "
        "SELECT CASE WHEN i % 3 = 2 THEN 'KI' ELSE 'BE' END, '01', %2, %3, '100', %4, '00010', 1, 10.5, "
        "2.5, 13, 1, 10.5 FROM n")
                   .arg(rows)
                   .arg(padded(QStringLiteral("i / 4"), 8), day, padded(QStringLiteral("i % 9999 + 1"), 4)));
    query.exec(QStringLiteral("INSERT INTO \"Tablo\" (\"Tabloszam\", \"NyitoDatum\", \"ZaroDatum\") VALUES ('001', "
                              "'2025-01-01', '2025-12-31')"));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments();
    BenchLocation location(BenchLocation::take(args));
    if (args.size() > 5 || !location.errorText().isEmpty()) {
        std::fprintf(stderr, "usage: bench_tools %s [MATERIALS RECIPELINES MOVEMENTS ROWS] %s\n",
            qPrintable(BenchLocation::usage()), qPrintable(location.errorText()));
        return 2;
    }
    const int materials = args.value(1, QStringLiteral("20000")).toInt();
    const int recipeLines = args.value(2, QStringLiteral("100000")).toInt();
    const int movements = args.value(3, QStringLiteral("1000000")).toInt();
    const int rows = args.value(4, QStringLiteral("1000000")).toInt();
    QTextStream out(stdout);

    {
        const QString imported = location.create(Today);
        if (imported.isEmpty())
            return out << location.errorText() << Qt::endl, 1;
        QTemporaryDir folder;
        writeSources(folder.path(), materials, recipeLines, movements);
        Settings settings;
        OwnerValues::read(Database::shared(imported), settings);
        const double floor = dosImportFloor(folder.path(), Database::warehouse(imported, 1));
        DosImport::Request request;
        request.folder = folder.path();
        request.parts = DosSources::allParts();
        request.openingDate = QDate(2025, 1, 1);
        request.workYear = 2025;
        request.user = QStringLiteral("bench");
        request.settings = &settings;
        request.today = Today;
        QElapsedTimer clock;
        clock.start();
        const auto outcome = DosImport::run(Database::warehouse(imported, 1), request);
        const double spent = seconds(clock);
        if (!outcome.ok())
            out << "dosimport failed: " << outcome.refusal.text << Qt::endl;
        out << "dosimport materials " << materials << " recipelines " << recipeLines << " movements " << movements
            << " seconds " << spent << " floor " << floor << Qt::endl;
    }

    const QString path = location.create(Today);
    if (path.isEmpty())
        return out << location.errorText() << Qt::endl, 1;
    QSqlDatabase db = Database::warehouse(path, 1);
    addMovementRows(db, rows);
    {
        QElapsedTimer clock;
        clock.start();
        QSqlQuery query(db);
        query.setForwardOnly(true);
        query.exec(QStringLiteral("SELECT \"BizSzam\", \"Datum\", \"Mozgnem\", \"PartAzon\", \"BK\", SUM(\"TetelErtek\"), "
                                  "SUM(\"AfaErtek\"), SUM(\"Brutto\") FROM \"Raktar\" WHERE \"Datum\" >= '2025-01-01' AND "
                                  "\"Datum\" <= '2025-12-31' AND \"BizSzam\" <> '00000000' GROUP BY \"BizSzam\", "
                                  "\"Datum\", \"Mozgnem\", \"PartAzon\", \"BK\" ORDER BY \"Datum\", \"BizSzam\""));
        while (query.next()) {
        }
        const double floor = seconds(clock);
        QTemporaryDir folder;
        UviExport::Request request;
        request.identity = {QStringLiteral("A"), QStringLiteral("H"), QStringLiteral("0000"), QString(), QStringLiteral("001")};
        request.period = UviExport::Period {QStringLiteral("001"), QDate(2025, 1, 1), QDate(2025, 12, 31)};
        request.folder = folder.path();
        request.today = Today;
        clock.restart();
        const auto exported = UviExport::run(db, request);
        const double spent = seconds(clock);
        if (!exported.ok())
            out << "uvi failed: " << exported.refusal.text << Qt::endl;
        out << "uvi rows " << rows << " seconds " << spent << " floor " << floor << Qt::endl;
    }
    {
        QElapsedTimer clock;
        clock.start();
        QSqlQuery query(db);
        const bool server = location.isServer();
        for (const QString &table : {"Raktar", "Anyag"}) {
            query.exec(server ? QStringLiteral("SELECT * FROM \"%1\"").arg(table)
                              : QStringLiteral("PRAGMA integrity_check(\"%1\")").arg(table));
            while (query.next()) {
            }
            query.exec((server ? QStringLiteral("REINDEX TABLE \"%1\"") : QStringLiteral("REINDEX \"%1\"")).arg(table));
            if (server)
                query.exec(QStringLiteral("VACUUM \"%1\"").arg(table));
        }
        if (!server)
            query.exec(QStringLiteral("VACUUM"));
        const double floor = seconds(clock);
        clock.restart();
        const auto repaired = RepairDatabase::run(db, 1, 3600 * 1000);
        const double spent = seconds(clock);
        if (!repaired.ok())
            out << "repair failed: " << repaired.refusal.text << Qt::endl;
        out << "repair rows " << rows << " seconds " << spent << " floor " << floor << Qt::endl;
    }
    {
        const auto openMs = [](QSqlDatabase database) {
            QElapsedTimer clock;
            clock.start();
            QSqlTableModel model(nullptr, database);
            model.setTable(QStringLiteral("Raktar"));
            model.select();
            return clock.nsecsElapsed() / 1e6;
        };
        const QString small = location.create(Today);
        if (small.isEmpty())
            return out << location.errorText() << Qt::endl, 1;
        addMovementRows(Database::warehouse(small, 1), 10000);
        out << "editor rows 10000 open-ms " << openMs(Database::warehouse(small, 1)) << Qt::endl;
        out << "editor rows " << rows << " open-ms " << openMs(db) << Qt::endl;
    }
    return 0;
}
