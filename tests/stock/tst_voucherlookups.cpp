#include "stock/VoucherLookups.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlQuery>
#include <QtTest>

// The look-ups of the voucher screens: a read that the database refuses says so, with its cause,
// instead of answering with an empty list.
class TestVoucherLookups : public QObject
{
    Q_OBJECT

    // The table each look-up reads, and the look-up's refusal once that table is gone.
    static Refusal lookUp(const QString &lookup, const VoucherLookups &lookups)
    {
        const QDate date(2025, 3, 3);
        if (lookup == QLatin1String("movement types"))
            return lookups.movementTypes(QStringLiteral("BE")).refusal;
        if (lookup == QLatin1String("partners"))
            return lookups.partners().refusal;
        if (lookup == QLatin1String("ledger accounts"))
            return lookups.ledgerAccounts().refusal;
        if (lookup == QLatin1String("materials"))
            return lookups.materials(QStringLiteral("100")).refusal;
        if (lookup == QLatin1String("vat rows"))
            return lookups.vatRows().refusal;
        if (lookup == QLatin1String("items"))
            return lookups.items(QStringLiteral("00000001"), date, QStringLiteral("BE")).refusal;
        if (lookup == QLatin1String("totals"))
            return lookups.totals(QStringLiteral("00000001"), date, QStringLiteral("BE")).refusal;
        return lookups.runningNumber(QStringLiteral("00000001"), date, QStringLiteral("BE")).refusal;
    }

private slots:
    void failedLookUpNamesItsCause_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("lookup");
        QTest::addColumn<QString>("table");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "movement types") << "movement types" << "Mozgnem";
            TestEngines::newRow(engine, "partners") << "partners" << "Partner";
            TestEngines::newRow(engine, "ledger accounts") << "ledger accounts" << "Fokszam";
            TestEngines::newRow(engine, "materials") << "materials" << "Anyag";
            TestEngines::newRow(engine, "vat rows") << "vat rows" << "Afa";
            TestEngines::newRow(engine, "items") << "items" << "Raktar";
            TestEngines::newRow(engine, "totals") << "totals" << "Raktar";
            TestEngines::newRow(engine, "running number") << "running number" << "Raktar";
        }
    }
    void failedLookUpNamesItsCause()
    {
        QFETCH(QString, engine);
        QFETCH(QString, lookup);
        QFETCH(QString, table);
        TempDatabase db(QDate(2025, 3, 1), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlDatabase warehouse = db.warehouse(1);
        StockFixture::addMaterial(warehouse, QStringLiteral("100"), QStringLiteral("0001"), QStringLiteral("Liszt"));
        const VoucherLookups lookups(warehouse);
        QVERIFY2(lookUp(lookup, lookups).isNull(), qPrintable(lookUp(lookup, lookups).text));

        QVERIFY(QSqlQuery(warehouse).exec(QStringLiteral("DROP TABLE \"%1\"").arg(table)));
        const Refusal refused = lookUp(lookup, lookups);
        QCOMPARE(refused.text,
            QStringLiteral("Az adatbázis olvasása nem sikerült!\rOka: hiányzik egy tábla az adatbázisból."));
    }
};

QTEST_GUILESS_MAIN(TestVoucherLookups)
#include "tst_voucherlookups.moc"
