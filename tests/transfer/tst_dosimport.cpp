#include "transfer/DosImport.h"
#include "transfer/DosImportCommand.h"

#include "session/OwnerValues.h"
#include "session/Settings.h"
#include "store/Sql.h"
#include "support/DbaseWriter.h"
#include "support/EngineTools.h"
#include "support/SqlRows.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QtTest>

using DosSources::Part;

// The import from the DOS predecessor on both engines: what lands in each table, what is listed,
// and that a refusal or a failure leaves the warehouse as it was.
class TestDosImport : public QObject
{
    Q_OBJECT

    const QDate m_today {2025, 6, 1};

    // The predecessor's folder: file names in mixed case, codes as text and as numbers, deleted
    // records, code page 852 names, odd units, duplicates, and movements of every kind.
    static void writeSources(const QString &folder)
    {
        {
            DbaseWriter dbf(folder + QStringLiteral("/salt002.dbf"));
            dbf.text("FOKSZLA", 3).number("NYSZAM", 4).text("MEGNEV", 30).number("TCS", 2).text("ME", 5);
            dbf.number("MESZOR", 8, 3).number("AFAKOD", 1).number("NYAR", 12, 2).number("KMENNY", 12, 3);
            dbf.number("KERTEK", 12, 2).number("KEREK", 1).number("KMIN", 8, 2).number("KMAX", 8, 2);
            dbf.number("LELTMENNY", 10, 3).number("ENERGIA", 8, 2).number("FEHERJE", 8, 2).logical("ALLATI");
            for (const char *name : {"ZSIR", "CHIDRAT", "CUKOR", "HAMU", "ROST", "KOLESZT"})
                dbf.number(name, 8, 2);
            dbf.text("VKOD", 2);
            const auto material = [&dbf](const QString &fok, int nyilv, const QByteArray &name, const QString &unit,
                                      double kmenny, double feherje, bool allati, const QString &vkod) {
                dbf.row({fok, nyilv, name, 1, unit, 1.0, 1, 150.5, kmenny, kmenny * 100, 2, 1.0, 50.0, 0.0, 340.0,
                    feherje, allati, 1.5, 70.0, 0.5, 0.2, 3.0, 0.0, vkod});
            };
            material(QStringLiteral("100"), 1, QByteArray("Liszt"), QStringLiteral(" kilo"), 10, 10, false,
                QStringLiteral("05"));
            material(QStringLiteral("100"), 2, QByteArray("Csirkemell \x99sszes"), QStringLiteral("xy"), 0, 22, true,
                QStringLiteral("5"));
            material(QStringLiteral("100"), 3, QByteArray("Torolt"), QStringLiteral("kg"), 0, 0, false, QString());
            dbf.deleteLast();
            material(QStringLiteral("100"), 1, QByteArray("Liszt masodszor"), QStringLiteral("kg"), 0, 0, false,
                QString());
            material(QStringLiteral("20"), 7, QByteArray("\xA0\xA1\xFB\x8B\x81\x94\xA3\xA2\x82\xB5\xD6\xEB\x8A\x9A\x99\xE9\xE0\x90 \xFE"),
                QStringLiteral("GR"), 0, 0, false, QStringLiteral("12"));
            material(QStringLiteral("100"), 4, QByteArray("Tulkiadott"), QStringLiteral("db"), 0, 0, false, QString());
        }
        {
            DbaseWriter dbf(folder + QStringLiteral("/SALT004.DBF"));
            dbf.number("ETKOD", 4).text("FOKSZLA", 3).number("NYSZAM", 4).number("MENNY", 10, 4);
            dbf.row({12, QStringLiteral("100"), 1, 0.1234});
            dbf.row({12, QStringLiteral("100"), 2, 0.05});
        }
        {
            DbaseWriter dbf(folder + QStringLiteral("/SALT003.DBF"));
            dbf.number("ETKOD", 4).text("MEGNEV", 30);
            dbf.row({12, QByteArray("F\x8Bzel\x82k 2A")});
            dbf.row({13, QByteArray("Leves")});
            dbf.row({12, QByteArray("Ketszer")});
        }
        {
            DbaseWriter dbf(folder + QStringLiteral("/SALT005.DBF"));
            dbf.number("FSZLA", 5).text("NEV", 30).text("IRSZAM", 8).text("VAROS", 20).text("UTCA", 30);
            dbf.row({42, QByteArray("Gabona Kft."), QStringLiteral("6720"), QByteArray("Szeged"), QByteArray("Fo ut 1.")});
            dbf.row({1, QByteArray("R\x82gi saj\xA0t"), QStringLiteral("1111"), QByteArray("Budapest"), QByteArray("")});
            dbf.row({0, QByteArray("Egyeb"), QString(), QByteArray(), QByteArray()});
            dbf.row({7, QByteArray("Tej"), QString(), QByteArray(), QByteArray()});
        }
        {
            DbaseWriter dbf(folder + QStringLiteral("/SALK002.DBF"));
            dbf.number("FOKSZLA", 3).text("MEGNEV", 30);
            dbf.row({100, QByteArray("\x90lelmiszer")});
            dbf.row({200, QByteArray("Tej")});
        }
        {
            DbaseWriter dbf(folder + QStringLiteral("/SALR001.DBF"));
            dbf.text("FOKSZLA", 3).number("NYSZAM", 4).text("BK", 2).number("MENNY", 10, 3).number("ERTEK", 12, 2).date(
                "DATUM");
            dbf.row({QStringLiteral("100"), 1, QStringLiteral("BE"), 10.0, 1000.0, QDate(2025, 1, 5)});
            dbf.row({QStringLiteral("100"), 1, QStringLiteral("KI"), 4.0, 400.0, QDate(2025, 2, 1)});
            dbf.row({QStringLiteral("100"), 1, QStringLiteral("BE"), 2.0, 250.0, QDate(2024, 12, 31)});
            dbf.row({QStringLiteral("100"), 1, QStringLiteral("BE"), 99.0, 1.0, QDate(2025, 3, 1)});
            dbf.deleteLast();
            dbf.row({QStringLiteral("100"), 2, QStringLiteral("KI"), 1.0, 10.0, QDate(2025, 3, 1)});
            dbf.row({QStringLiteral("20"), 7, QStringLiteral("BE"), 5.0, 50.0, QDate(2025, 3, 1)});
            dbf.row({QStringLiteral("20"), 7, QStringLiteral("KI"), 5.0, 50.0, QDate(2025, 3, 2)});
            dbf.row({QStringLiteral("100"), 4, QStringLiteral("BE"), 1.0, 10.0, QDate(2025, 3, 1)});
            dbf.row({QStringLiteral("100"), 4, QStringLiteral("KI"), 3.0, 30.0, QDate(2025, 3, 2)});
        }
    }

    DosImport::Request request(const QString &folder, const Settings &settings) const
    {
        DosImport::Request r;
        r.folder = folder;
        r.parts = DosSources::allParts();
        r.openingDate = QDate(2025, 1, 1);
        r.workYear = 2025;
        r.user = QStringLiteral("admin");
        r.settings = &settings;
        r.today = m_today;
        r.lockKey = 1;
        return r;
    }

    static QStringList moneyRows(QSqlDatabase db, const QString &sql)
    {
        // The last column is money: its exact text is the same on both engines.
        QStringList rows;
        QSqlQuery query(db);
        if (!query.exec(sql))
            return {QStringLiteral("error")};
        while (query.next()) {
            QStringList fields;
            const int last = query.record().count() - 1;
            for (int i = 0; i < last; ++i)
                fields << query.value(i).toString();
            fields << Sql::toMoney(query.value(last)).toString();
            rows << fields.join(QLatin1Char('|'));
        }
        return rows;
    }

private slots:
    void importsEveryPart_data() { TestEngines::addRows(); }
    void importsEveryPart()
    {
        QFETCH(QString, engine);
        TempDatabase temp(m_today, engine);
        QVERIFY2(temp.isValid(), qPrintable(temp.errorText()));
        QTemporaryDir folder;
        writeSources(folder.path());
        Settings settings;
        QVERIFY(OwnerValues::read(temp.shared(), settings));
        QSqlDatabase db = temp.warehouse(1);

        const auto imported = DosImport::run(db, request(folder.path(), settings));
        QVERIFY2(imported.ok(), qPrintable(imported.refusal.text));
        const DosImport::Report &report = imported.value;

        QCOMPARE(sqlRows(db,
                     "SELECT \"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Csoport\", \"Mertekegyseg\", "
                     "\"AfaCsoport\", \"Feherje\", \"AllatiFeh\", \"Vkod\", \"KeszletMennyiseg\" FROM \"Anyag\" "
                     "ORDER BY 1, 2"),
            QStringList({"020|0007|áíűőüöúóéÁÍŰŐÜÖÚÓÉ ■|01|GRM|01|0|0|12|0", "100|0001|Liszt|01|KG|01|10|0|05|6",
                "100|0002|Csirkemell Összes|01|ISM!|01|22|22|05|0", "100|0004|Tulkiadott|01|DB|01|0|0|00|0"}));
        QCOMPARE(report.duplicates,
            QStringList({"Már létezik ilyen azonosítójú anyag: 100-0001", "Már létezik ilyen azonosítójú recept: 0012",
                "Már létezik ilyen azonosítójú partner: 00000"}));
        QVERIFY(report.unknownUnits);
        QCOMPARE(report.notEncodable.size(), 1);
        QVERIFY(report.notEncodable.first().startsWith(QStringLiteral("SALT002.DBF 5. rekord: ")));

        QCOMPARE(sqlRows(db, "SELECT \"EtelKod\", \"FokSzla\", \"NyilvSzam\", \"Mennyiseg\" FROM \"Recept\" ORDER BY 3"),
            QStringList({"0012|100|0001|12.34", "0012|100|0002|5"}));
        QCOMPARE(sqlRows(db, "SELECT \"EtelKod\", \"Megnevezes\", \"Enorma\" FROM \"ReceptFej\" ORDER BY 1"),
            QStringList({"0012|Főzelék 2A|2", "0013|Leves|A"}));
        QCOMPARE(sqlRows(db, "SELECT \"PartAzon\", \"Nev\", \"Adoszam\" FROM \"Partner\" ORDER BY 1"),
            QStringList({"00000|" + sqlRows(db, "SELECT \"Nev\" FROM \"Partner\" WHERE \"PartAzon\" = '00000'").value(0)
                    + "|" + sqlRows(db, "SELECT \"Adoszam\" FROM \"Partner\" WHERE \"PartAzon\" = '00000'").value(0),
                "00001|Teszt Konyha Kft.|", "00007|Tej|        - -", "00042|Gabona Kft.|        - -",
                "00043|Régi saját|        - -"}));
        QCOMPARE(sqlRows(db, "SELECT \"FokonyviSzam\", \"Megnevezes\" FROM \"Fokszam\" ORDER BY 1"),
            QStringList({"100|Élelmiszer", "200|Tej"}));

        // 10 received and 4 issued in the year; the receipt of the year before and the deleted one
        // do not count.
        QCOMPARE(moneyRows(db,
                     "SELECT \"FokSzla\", \"NyilvSzam\", \"BK\", \"Mozgnem\", \"BizSzam\", \"Datum\", \"Sorszam\", "
                     "\"PartAzon\", \"TetelMenny\", \"KeszletMenny\", \"TetelErtek\" FROM \"Raktar\""),
            QStringList({"100|0001|BE|00|00000000|2025-01-01|2025/00000|00001|6|6|600.0000"}));
        QCOMPARE(moneyRows(db, "SELECT \"KiAr\" FROM \"Raktar\""), QStringList({"100.0000"}));
        QCOMPARE(moneyRows(db, "SELECT \"KeszletErtek\" FROM \"Anyag\" WHERE \"NyilvSzam\" = '0001'"),
            QStringList({"600.0000"}));
        QCOMPARE(report.openingSkipped,
            QStringList({"020-0007: a készlete nulla", "100-0002: csak kiadása van az évben",
                "100-0004: a készlete negatív (-2,000)"}));
        QCOMPARE(report.stockDiffers, QStringList({"100-0001: a DOS-os törzsben 10, a tételek szerint 6"}));
        QCOMPARE(report.openingRows, 1);

        // A second run replaces, it does not add.
        const auto again = DosImport::run(db, request(folder.path(), settings));
        QVERIFY2(again.ok(), qPrintable(again.refusal.text));
        QCOMPARE(sqlRows(db, "SELECT COUNT(*) FROM \"Raktar\""), QStringList({"1"}));
        QCOMPARE(sqlRows(db, "SELECT COUNT(*) FROM \"Anyag\""), QStringList({"4"}));
    }

    void refusalsChangeNothing_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("message");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "missing file") << "missing" << "Nem található a(z) SALR001.DBF";
            TestEngines::newRow(engine, "missing field") << "field" << "hiányzik a(z) ERTEK mező";
            TestEngines::newRow(engine, "date outside the year") << "date" << "munkaévbe (2025)";
            TestEngines::newRow(engine, "other movements") << "movements" << "már 1 készletmozgás van";
            TestEngines::newRow(engine, "insert fails") << "insert" << "";
        }
    }
    void refusalsChangeNothing()
    {
        QFETCH(QString, engine);
        QFETCH(QString, fault);
        QFETCH(QString, message);
        TempDatabase temp(m_today, engine);
        QVERIFY2(temp.isValid(), qPrintable(temp.errorText()));
        QTemporaryDir folder;
        writeSources(folder.path());
        Settings settings;
        QVERIFY(OwnerValues::read(temp.shared(), settings));
        QSqlDatabase db = temp.warehouse(1);
        QSqlQuery q(db);
        QVERIFY(q.exec("INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\") VALUES ('900', '0001', 'Régi')"));
        DosImport::Request r = request(folder.path(), settings);
        if (fault == QLatin1String("missing")) {
            QVERIFY(QFile::remove(folder.filePath("SALR001.DBF")));
        } else if (fault == QLatin1String("field")) {
            DbaseWriter dbf(folder.filePath("SALR001.DBF"));
            dbf.text("FOKSZLA", 3).number("NYSZAM", 4).text("BK", 2).number("MENNY", 10, 3).date("DATUM");
        } else if (fault == QLatin1String("date")) {
            r.openingDate = QDate(2024, 12, 31);
        } else if (fault == QLatin1String("movements")) {
            QVERIFY(q.exec("INSERT INTO \"Raktar\" (\"BK\", \"Mozgnem\", \"BizSzam\", \"Datum\", \"FokSzla\", \"NyilvSzam\") "
                           "VALUES ('BE', '01', '00000001', '2025-02-01', '900', '0001')"));
        } else {
            QVERIFY(EngineTools::refuseInserts(db, QStringLiteral("Raktar")));
        }

        const auto imported = DosImport::run(db, r);
        QVERIFY(!imported.ok());
        QVERIFY2(imported.refusal.text.contains(message), qPrintable(imported.refusal.text));
        QCOMPARE(sqlRows(db, "SELECT \"FokonyviSzam\", \"Megnevezes\" FROM \"Anyag\""), QStringList({"900|Régi"}));
        QCOMPARE(sqlRows(db, "SELECT COUNT(*) FROM \"Fokszam\" WHERE \"Megnevezes\" = 'Élelmiszer'"), QStringList({"0"}));
        if (fault == QLatin1String("insert"))
            EngineTools::allowInserts(db, QStringLiteral("Raktar"));
    }

    void commandLine_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("says");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "materials only") << QStringList {"1", "@", "--only", "anyag"} << 0
                                                         << "Anyag: 4, recept: 0";
            TestEngines::newRow(engine, "everything") << QStringList {"1", "@", "--opening-date", "2025-01-01"} << 0
                                                     << "nyitótétel: 1.";
            TestEngines::newRow(engine, "opening stock without a date") << QStringList {"1", "@"} << 1
                                                                       << "--opening-date";
            TestEngines::newRow(engine, "date outside the year")
                << QStringList {"1", "@", "--opening-date", "2026-01-01"} << 1 << "munkaévbe (2025)";
            TestEngines::newRow(engine, "warehouse 21") << QStringList {"21", "@", "--only", "anyag"} << 1
                                                       << "1 és 20 közötti";
            TestEngines::newRow(engine, "unknown part") << QStringList {"1", "@", "--only", "anyag,keszlet"} << 1
                                                       << "Ismeretlen importálandó rész: keszlet";
        }
    }
    void commandLine()
    {
        QFETCH(QString, engine);
        QFETCH(QStringList, options);
        QFETCH(int, status);
        QFETCH(QString, says);
        TempDatabase temp(m_today, engine);
        QVERIFY2(temp.isValid(), qPrintable(temp.errorText()));
        QTemporaryDir folder;
        writeSources(folder.path());
        options.replace(options.indexOf("@"), folder.path());
        options.prepend(temp.path());
        QString outText;
        QString errText;
        QTextStream out(&outText);
        QTextStream err(&errText);
        QCOMPARE(runDosImportCommand(options, out, err, m_today), status);
        out.flush();
        err.flush();
        if (status == 0) {
            QVERIFY2(outText.contains(says), qPrintable(outText));
            QVERIFY(errText.isEmpty());
        } else {
            QVERIFY2(errText.contains(says), qPrintable(errText));
            QCOMPARE(errText.count(QLatin1Char('\n')), 1);
            QCOMPARE(sqlRows(temp.warehouse(1), "SELECT COUNT(*) FROM \"Anyag\""), QStringList({"0"}));
        }
    }

    void unitsAndMealNorms_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("mapped");
        QTest::newRow("kilo in lower case, padded") << " kilo " << "KG";
        QTest::newRow("gram") << "gr" << "GRM";
        QTest::newRow("litre") << "LI" << "LIT";
        QTest::newRow("piece") << "dar" << "DB";
        QTest::newRow("pack") << "Cs" << "CSOM";
        QTest::newRow("tin") << "DBZ" << "DOB";
        QTest::newRow("unknown") << "zsák" << "ISM!";
        QTest::newRow("empty") << "" << "ISM!";
    }
    void unitsAndMealNorms()
    {
        QFETCH(QString, unit);
        QFETCH(QString, mapped);
        QCOMPARE(DosSources::mappedUnit(unit), mapped);
        QCOMPARE(DosSources::mealNorm(QStringLiteral("Leves 4B")), QStringLiteral("4"));
        QCOMPARE(DosSources::mealNorm(QStringLiteral("Leves 5B")), QStringLiteral("A"));
        QCOMPARE(DosSources::mealNorm(QStringLiteral("2")), QStringLiteral("A"));
    }
};

QTEST_GUILESS_MAIN(TestDosImport)
#include "tst_dosimport.moc"
