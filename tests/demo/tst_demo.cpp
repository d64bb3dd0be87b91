#include "core/PasswordHash.h"
#include "demo/DemoCommand.h"
#include "demo/DemoDatabase.h"
#include "store/Database.h"
#include "store/DatabaseCreator.h"
#include "store/Sql.h"
#include "support/SqlRows.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>

namespace {

// A demo kitchen in a temporary place of the engine: a folder, or a new database on the server.
class Place
{
public:
    explicit Place(const QString &engine)
        : m_server(engine == TestEngines::postgresql())
        , m_location(m_server ? TestEngines::createServerDatabase() : m_dir.filePath(QStringLiteral("bemutato")))
    {
    }
    ~Place()
    {
        Database::closeAll(m_location);
        if (m_server)
            TestEngines::dropServerDatabase(m_location);
    }
    QString location() const { return m_location; }
    QString parent() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    bool m_server;
    QString m_location;
};

struct Run
{
    int status = -1;
    QString out;
    QString err;
};

Run runDemo(const QString &location, const DemoKitchen::Size &size, const QDate &today)
{
    Run run;
    QTextStream out(&run.out);
    QTextStream err(&run.err);
    run.status = runDemoCommand(location, out, err, size, today);
    return run;
}

QString single(QSqlDatabase db, const QString &sql)
{
    const QStringList rows = sqlRows(db, sql);
    return rows.isEmpty() ? QString() : rows.first();
}

// What a refused run must leave as it was.
QStringList fingerprint(const QString &location)
{
    QStringList prints;
    {
        QSqlDatabase db = Database::warehouse(location, 1);
        for (const char *table : {"Anyag", "ReceptFej", "Etlap", "Letszam", "Kiszabat", "Partner"})
            prints << single(db, QStringLiteral("SELECT COUNT(*) FROM \"%1\"").arg(QLatin1String(table)));
        prints << single(db, QStringLiteral("SELECT COUNT(*), MAX(\"RaktAzon\") FROM \"Raktar\""));
        prints << single(Database::shared(location), QStringLiteral("SELECT \"CegNev\" FROM \"Tulajdonos\""));
    }
    Database::closeAll(location);
    return prints;
}

// Every material's stored stock (quantity and value) against the sum of its movement rows, and
// against the running stock of its last row; the findings, empty when all agree.
QStringList stockFindings(QSqlDatabase db, const QString &fromDate)
{
    QStringList findings;
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "SELECT a.\"NyilvSzam\", a.\"KeszletMennyiseg\", a.\"KeszletErtek\", "
        "(SELECT SUM(CASE WHEN r.\"BK\" = 'BE' THEN r.\"TetelMenny\" ELSE -r.\"TetelMenny\" END) FROM \"Raktar\" r "
        " WHERE r.\"FokSzla\" = a.\"FokonyviSzam\" AND r.\"NyilvSzam\" = a.\"NyilvSzam\" AND r.\"Datum\" >= ?), "
        "(SELECT SUM(CASE WHEN r.\"BK\" = 'BE' THEN r.\"TetelErtek\" ELSE -r.\"TetelErtek\" END) FROM \"Raktar\" r "
        " WHERE r.\"FokSzla\" = a.\"FokonyviSzam\" AND r.\"NyilvSzam\" = a.\"NyilvSzam\" AND r.\"Datum\" >= ?), "
        "(SELECT r.\"KeszletMenny\" FROM \"Raktar\" r WHERE r.\"FokSzla\" = a.\"FokonyviSzam\" "
        " AND r.\"NyilvSzam\" = a.\"NyilvSzam\" ORDER BY r.\"Datum\" DESC, r.\"RaktAzon\" DESC LIMIT 1) "
        "FROM \"Anyag\" a"));
    query.addBindValue(fromDate);
    query.addBindValue(fromDate);
    if (!query.exec())
        return {query.lastError().text()};
    int moved = 0;
    while (query.next()) {
        const double stored = query.value(1).toDouble();
        const double summed = query.value(3).toDouble();
        if (std::abs(stored - summed) > 1e-6)
            findings << QStringLiteral("%1: stored %2, rows %3").arg(query.value(0).toString()).arg(stored).arg(summed);
        if (Sql::toMoney(query.value(2)) != Sql::toMoney(query.value(4)))
            findings << QStringLiteral("%1: stored value %2, rows %3")
                            .arg(query.value(0).toString(), query.value(2).toString(), query.value(4).toString());
        if (!query.value(5).isNull()) {
            ++moved;
            if (std::abs(query.value(5).toDouble() - stored) > 1e-6)
                findings << QStringLiteral("%1: last row %2, stored %3")
                                .arg(query.value(0).toString())
                                .arg(query.value(5).toDouble())
                                .arg(stored);
        }
        if (stored < 0)
            findings << QStringLiteral("%1: negative stock %2").arg(query.value(0).toString()).arg(stored);
    }
    if (moved == 0)
        findings << QStringLiteral("no material has moved");
    return findings;
}

// Every issued ration sheet against its voucher: per day and material the issued quantity is the
// sum of the sheet's lines rounded to the material's decimals; the findings.
QStringList voucherFindings(QSqlDatabase db)
{
    QStringList findings = sqlRows(db,
        QStringLiteral("SELECT \"Datum\", \"BizSzam\" FROM \"Kiszabat\" k WHERE \"BizSzam\" = '' OR NOT EXISTS ("
                       "SELECT 1 FROM \"Raktar\" r WHERE r.\"BizSzam\" = k.\"BizSzam\" AND r.\"Datum\" = k.\"Datum\" "
                       "AND r.\"Mozgnem\" = '07') GROUP BY \"Datum\", \"BizSzam\""));
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral(
            "SELECT k.\"Datum\", k.\"FokSzam\", k.\"NyilvSzam\", SUM(k.\"Mennyiseg\"), MIN(a.\"Kerekites\"), "
            "(SELECT SUM(r.\"TetelMenny\") FROM \"Raktar\" r WHERE r.\"Datum\" = k.\"Datum\" AND r.\"Mozgnem\" = '07' "
            " AND r.\"FokSzla\" = k.\"FokSzam\" AND r.\"NyilvSzam\" = k.\"NyilvSzam\") "
            "FROM \"Kiszabat\" k JOIN \"Anyag\" a ON a.\"FokonyviSzam\" = k.\"FokSzam\" AND a.\"NyilvSzam\" = "
            "k.\"NyilvSzam\" "
            "GROUP BY k.\"Datum\", k.\"FokSzam\", k.\"NyilvSzam\"")))
        return {query.lastError().text()};
    while (query.next()) {
        const double lines = query.value(3).toDouble();
        const double scale = std::pow(10.0, query.value(4).toInt());
        const double expected = std::round(lines * scale) / scale;
        if (std::abs(query.value(5).toDouble() - expected) > 1e-6)
            findings << QStringLiteral("%1 %2: lines %3, issued %4")
                            .arg(query.value(0).toString(), query.value(2).toString())
                            .arg(lines)
                            .arg(query.value(5).toDouble());
    }
    return findings;
}

} // namespace

class TestDemo : public QObject
{
    Q_OBJECT

    // The owner, the login, and a consistent week of the small kitchen.
    static void checkKitchen(const QString &location)
    {
        QSqlDatabase shared = Database::shared(location);
        QCOMPARE(single(shared, QStringLiteral("SELECT \"CegNev\" FROM \"Tulajdonos\"")),
            QStringLiteral("Bemutató Iskolakonyha (demó adatok)"));
        QVERIFY(PasswordHash::verify(
            single(shared, QStringLiteral("SELECT \"Password\" FROM \"login\" WHERE \"LoginName\" = 'admin'")),
            QStringLiteral("admin")));

        QSqlDatabase db = Database::warehouse(location, 1);
        QCOMPARE(single(db, QStringLiteral("SELECT COUNT(*) FROM \"ReceptFej\"")), QStringLiteral("15"));
        QVERIFY(single(db, QStringLiteral("SELECT COUNT(*) FROM \"Anyag\"")).toInt() >= 60);
        // Four meals on each of the five days, every one issued; the next school day (Monday after
        // the Saturday of the run) is planned with its morning receipts, and left for the user.
        QCOMPARE(sqlRows(db,
                     QStringLiteral("SELECT MIN(\"Datum\"), MAX(\"Datum\"), COUNT(DISTINCT \"Datum\"), COUNT(*), "
                                    "SUM(CASE WHEN \"Kiadva\" THEN 1 ELSE 0 END) FROM \"Letszam\"")),
            QStringList {"2026-10-12|2026-10-19|6|24|20"});
        QCOMPARE(sqlRows(db, QStringLiteral("SELECT COUNT(DISTINCT \"Datum\") FROM \"Etlap\"")), QStringList {"6"});
        QVERIFY(single(db,
                    QStringLiteral("SELECT COUNT(*) FROM \"Raktar\" WHERE \"Datum\" = '2026-10-19' "
                                   "AND \"Mozgnem\" = '01'"))
                    .toInt()
            > 0);
        QCOMPARE(single(db,
                     QStringLiteral("SELECT COUNT(*) FROM \"Raktar\" WHERE \"Datum\" = '2026-10-19' "
                                    "AND \"BK\" = 'KI'")),
            QStringLiteral("0"));
        // One issue voucher a day, after the day's receipts.
        QCOMPARE(sqlRows(db,
                     QStringLiteral("SELECT \"Datum\", COUNT(DISTINCT \"BizSzam\") FROM \"Raktar\" WHERE "
                                    "\"Mozgnem\" = '07' GROUP BY \"Datum\" ORDER BY \"Datum\"")),
            (QStringList {"2026-10-12|1", "2026-10-13|1", "2026-10-14|1", "2026-10-15|1", "2026-10-16|1"}));
        // The staff buffet: one a-la-carte voucher a day, its menu rows locked; the planned day's open.
        QCOMPARE(sqlRows(db,
                     QStringLiteral("SELECT \"Datum\", COUNT(DISTINCT \"BizSzam\") FROM \"Raktar\" WHERE "
                                    "\"Mozgnem\" = '08' GROUP BY \"Datum\" ORDER BY \"Datum\"")),
            (QStringList {"2026-10-12|1", "2026-10-13|1", "2026-10-14|1", "2026-10-15|1", "2026-10-16|1"}));
        QCOMPARE(sqlRows(db,
                     QStringLiteral("SELECT \"Datum\", COUNT(*) FROM \"CartEtlap\" WHERE \"NettoAnyag\" = -1 "
                                    "GROUP BY \"Datum\"")),
            QStringList {"2026-10-19|2"});
        QVERIFY(single(db, QStringLiteral("SELECT COUNT(*) FROM \"CartBear\"")).toInt() >= 4);
        QVERIFY(single(db, QStringLiteral("SELECT COUNT(*) FROM \"CartKiszabat\"")).toInt() > 0);
        QVERIFY(single(db, QStringLiteral("SELECT COUNT(*) FROM \"Raktar\" WHERE \"Mozgnem\" = '01'")).toInt() > 0);
        QCOMPARE(sqlRows(db,
                     QStringLiteral("SELECT \"BizSzam\" FROM \"Raktar\" GROUP BY \"BizSzam\" "
                                    "HAVING COUNT(DISTINCT \"PartAzon\") > 1")),
            QStringList());
        QCOMPARE(single(db,
                     QStringLiteral("SELECT COUNT(*) FROM \"Raktar\" WHERE \"KeszletErtek\" = -101010 "
                                    "OR \"KeszletMenny\" < 0")),
            QStringLiteral("0"));
        QCOMPARE(stockFindings(db, QStringLiteral("2026-01-01")), QStringList());
        QCOMPARE(voucherFindings(db), QStringList());
    }

private slots:
    // A week of a small kitchen: five school days, every one issued through the engines, every
    // stock and voucher consistent; a second run on the same place is refused and changes nothing.
    void buildsAConsistentKitchen_data() { TestEngines::addRows(); }
    void buildsAConsistentKitchen()
    {
        QFETCH(QString, engine);
        Place place(engine);
        QVERIFY(!place.location().isEmpty());
        const Run run = runDemo(place.location(), {7, 60, 15}, QDate(2026, 10, 17));
        QVERIFY2(run.status == 0, qPrintable(run.err));
        const QString where
            = engine == TestEngines::postgresql() ? Database::serverName(place.location()) : place.location();
        QCOMPARE(run.out,
            QStringLiteral("A bemutató adatbázis elkészült: ") + where
                + QStringLiteral("\nBelépés: felhasználónév \"admin\", jelszó \"admin\"\n"));
        QVERIFY2(run.err.contains(QStringLiteral("Bemutató adatok: 2026.10.12 ... 0/5 nap")), qPrintable(run.err));
        QVERIFY2(run.err.contains(QStringLiteral("Bemutató adatok: 2026.10.16 ... 5/5 nap")), qPrintable(run.err));

        checkKitchen(place.location());
        if (QTest::currentTestFailed())
            return;

        const QStringList before = fingerprint(place.location());
        const Run again = runDemo(place.location(), {7, 60, 15}, QDate(2026, 10, 17));
        QCOMPARE(again.status, 1);
        QVERIFY2(again.err.contains(QStringLiteral("már van")), qPrintable(again.err));
        QCOMPARE(again.out, QString());
        QCOMPARE(fingerprint(place.location()), before);
        QCOMPARE(QDir(place.parent()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            engine == TestEngines::postgresql() ? QStringList() : QStringList {"bemutato"});
    }

    // A period across New Year: the year is closed at 31 December and the new one opened with the
    // stock of that day, as the closing and the next start would do.
    void carriesTheStockIntoTheNewYear_data() { TestEngines::addRows(); }
    void carriesTheStockIntoTheNewYear()
    {
        QFETCH(QString, engine);
        Place place(engine);
        QVERIFY(!place.location().isEmpty());
        const Run run = runDemo(place.location(), {30, 60, 15}, QDate(2027, 1, 13));
        QVERIFY2(run.status == 0, qPrintable(run.err));
        QSqlDatabase db = Database::warehouse(place.location(), 1);
        QCOMPARE(sqlRows(db,
                     QStringLiteral("SELECT \"MunkaEv\", CASE WHEN \"AktivEv\" THEN 1 ELSE 0 END FROM \"Munkaev\" "
                                    "ORDER BY \"MunkaEv\"")),
            (QStringList {"2026|0", "2027|1"}));
        QCOMPARE(sqlRows(db, QStringLiteral("SELECT MAX(\"Datum\") FROM \"Napizaras\"")), QStringList {"2026-12-31"});
        // School stops for the winter break and starts again on 4 January.
        QCOMPARE(sqlRows(db, QStringLiteral("SELECT MAX(\"Datum\") FROM \"Letszam\" WHERE \"Datum\" < '2027-01-01'")),
            QStringList {"2026-12-21"});
        QCOMPARE(sqlRows(db, QStringLiteral("SELECT MIN(\"Datum\") FROM \"Letszam\" WHERE \"Datum\" > '2026-12-31'")),
            QStringList {"2027-01-04"});
        // Each material's opening row holds what its 2026 rows left.
        QCOMPARE(sqlRows(db,
                     QStringLiteral(
                         "SELECT o.\"NyilvSzam\", o.\"TetelMenny\", (SELECT SUM(CASE WHEN r.\"BK\" = 'BE' THEN "
                         "r.\"TetelMenny\" ELSE -r.\"TetelMenny\" END) FROM \"Raktar\" r WHERE r.\"NyilvSzam\" = "
                         "o.\"NyilvSzam\" AND r.\"Datum\" < '2027-01-01') FROM \"Raktar\" o WHERE o.\"Mozgnem\" = "
                         "'00' AND ABS(o.\"TetelMenny\" - (SELECT SUM(CASE WHEN r.\"BK\" = 'BE' THEN "
                         "r.\"TetelMenny\" ELSE -r.\"TetelMenny\" END) FROM \"Raktar\" r WHERE r.\"NyilvSzam\" = "
                         "o.\"NyilvSzam\" AND r.\"Datum\" < '2027-01-01')) > 0.000001")),
            QStringList());
        QVERIFY(single(db,
                    QStringLiteral("SELECT COUNT(*) FROM \"Raktar\" WHERE \"Mozgnem\" = '00' "
                                   "AND \"Datum\" = '2027-01-01'"))
                    .toInt()
            > 0);
        QCOMPARE(stockFindings(db, QStringLiteral("2027-01-01")), QStringList());
        QCOMPARE(voucherFindings(db), QStringList());
        // Only the day of the run, a school day, waits for its issue.
        QCOMPARE(sqlRows(db, QStringLiteral("SELECT DISTINCT \"Datum\" FROM \"Letszam\" WHERE NOT \"Kiadva\"")),
            QStringList {"2027-01-13"});
    }

    // The seed alone decides the kitchen: two runs for the same day, in processes whose hash
    // orders differ, give the same rows.
    void sameSeedGivesTheSameKitchen()
    {
        const QString sql = QStringLiteral(
            "SELECT 'R', \"Mozgnem\", \"BizSzam\", \"Datum\", \"NyilvSzam\", \"TetelMenny\", \"TetelErtek\" FROM "
            "\"Raktar\" "
            "UNION ALL SELECT 'E', \"EtkTip\", \"EtelKod\", \"Datum\", \"FokSzam\", \"Mennyiseg\", NULL FROM \"Etlap\" "
            "UNION ALL SELECT 'L', \"Etkezesek\", '', \"Datum\", '', \"Letszam\", NULL FROM \"Letszam\" "
            "ORDER BY 1, 4, 2, 3, 5");
        QList<QStringList> kitchens;
        for (int run = 0; run < 2; ++run) {
            if (run == 0)
                QHashSeed::setDeterministicGlobalSeed();
            else
                QHashSeed::resetRandomGlobalSeed();
            Place place(TestEngines::sqlite());
            const Run demo = runDemo(place.location(), {7, 60, 15}, QDate(2026, 10, 17));
            QVERIFY2(demo.status == 0, qPrintable(demo.err));
            kitchens << sqlRows(Database::warehouse(place.location(), 1), sql);
        }
        QVERIFY(kitchens.first().size() > 100);
        QCOMPARE(kitchens.last(), kitchens.first());
    }

    // Where a database already is, the demo is refused before anything is written, with the
    // creator's own message.
    void refusedWhereADatabaseIs_data() { TestEngines::addRows(); }
    void refusedWhereADatabaseIs()
    {
        QFETCH(QString, engine);
        TempDatabase existing(QDate(2026, 10, 17), engine);
        QVERIFY2(existing.isValid(), qPrintable(existing.errorText()));
        const QStringList before = fingerprint(existing.path());
        const Run run = runDemo(existing.path(), {7, 60, 15}, QDate(2026, 10, 17));
        QCOMPARE(run.status, 1);
        QCOMPARE(run.out, QString());
        QCOMPARE(run.err,
            QString(DatabaseCreator::checkDirectory(existing.path()).text).replace(QLatin1Char('\r'), QLatin1Char('\n'))
                + QLatin1Char('\n'));
        QCOMPARE(fingerprint(existing.path()), before);
    }
};

QTEST_GUILESS_MAIN(TestDemo)
#include "tst_demo.moc"
