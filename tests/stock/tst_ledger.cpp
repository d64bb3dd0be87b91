#include "core/Messenger.h"
#include "stock/StockLedger.h"
#include "stock/StockRecalculator.h"
#include "stock/VoucherNumbers.h"
#include "store/Sql.h"
#include "support/StatementCount.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlQuery>
#include <QtTest>
#include <limits>

using namespace StockFixture;

// Recording, changing and deleting voucher items through the stock engine, on a real warehouse.
class TestLedger : public QObject
{
    Q_OBJECT

    static QDate day(int month, int dayOfMonth) { return QDate(2025, month, dayOfMonth); }

    struct Warehouse
    {
        TempDatabase db;
        QSqlDatabase wh;
        explicit Warehouse(const QString &engine)
            : db(QDate(2025, 6, 1), engine)
        {
            if (!db.isValid())
                QTest::qFail(qPrintable(db.errorText()), __FILE__, __LINE__);
            wh = db.warehouse(1);
            addMaterial(wh, "100", "0001", "Liszt", 2, 5, 50);
            addMaterial(wh, "100", "0002", "Cukor", 3);
            addMaterial(wh, "100", "0003", "Tojás", 0);
        }
        StockLedger ledger(bool kiadAr = false) const { return StockLedger(wh, StockOptions {"anna", kiadAr}); }
        QVariant value(const QString &sql) const { return StockFixture::value(wh, sql); }
        int rows() const { return value("SELECT COUNT(*) FROM \"Raktar\"").toInt(); }
        // Every stored field of every row, for "nothing changed" comparisons.
        QStringList snapshot() const
        {
            QStringList lines;
            QSqlQuery query(wh);
            query.exec("SELECT * FROM \"Raktar\" ORDER BY \"RaktAzon\"");
            while (query.next()) {
                QStringList fields;
                for (int i = 0; i < 21; ++i)
                    fields << query.value(i).toString();
                lines << fields.join('|');
            }
            query.exec("SELECT \"FokonyviSzam\", \"NyilvSzam\", \"KeszletMennyiseg\", \"KeszletErtek\", \"NyilvAr\" "
                       "FROM \"Anyag\" "
                       "ORDER BY \"FokonyviSzam\", \"NyilvSzam\"");
            while (query.next())
                lines << QStringList {query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
                    query.value(3).toString(), query.value(4).toString()}
                             .join('|');
            query.exec("SELECT \"Ev\", \"Sorsz\" FROM \"Sorszam\" ORDER BY \"Ev\"");
            while (query.next())
                lines << query.value(0).toString() + '|' + query.value(1).toString();
            return lines;
        }
        qint64 record(const StockItem &item, bool kiadAr = false) const
        {
            const StockOutcome outcome = ledger(kiadAr).record(item);
            if (!outcome.ok())
                qWarning() << outcome.refusal.text;
            return outcome.raktAzon;
        }
    };

    static void compareMaterial(
        const Warehouse &w, const QString &nyilvSzam, double quantity, const QString &value, const QString &price)
    {
        QSqlQuery query(w.wh);
        query.prepare(
            "SELECT \"KeszletMennyiseg\", \"KeszletErtek\", \"NyilvAr\" FROM \"Anyag\" WHERE \"NyilvSzam\" = ?");
        query.addBindValue(nyilvSzam);
        QVERIFY(query.exec() && query.next());
        QCOMPARE(query.value(0).toDouble(), quantity);
        QCOMPARE(Sql::toMoney(query.value(1)), money(value));
        QCOMPARE(Sql::toMoney(query.value(2)), money(price));
    }

private slots:
    void receiptWritesTheRowTheMaterialAndTheRunningNumber_data() { TestEngines::addRows(); }
    void receiptWritesTheRowTheMaterialAndTheRunningNumber()
    {
        QFETCH(QString, engine);
        Warehouse w(engine);
        const StockOutcome first = w.ledger().record(receipt("00000001", day(3, 1), "0001", 10, "100"));
        QVERIFY2(first.ok(), qPrintable(first.refusal.text));
        QCOMPARE(first.sorszam, QString("2025/00001"));
        QSqlQuery row(w.wh);
        QVERIFY(
            row.exec("SELECT \"BK\", \"Mozgnem\", \"BizSzam\", \"Datum\", \"Sorszam\", \"User\", \"TetelMenny\", "
                     "\"BeAr\", \"TetelErtek\", "
                     "\"AfaErtek\", \"Brutto\", \"KeszletMenny\", \"KeszletErtek\", \"KiAr\", \"Stat\" FROM \"Raktar\"")
            && row.next());
        QCOMPARE(row.value(0).toString(), QString("BE"));
        QCOMPARE(row.value(1).toString(), QString("01"));
        QCOMPARE(row.value(2).toString(), QString("00000001"));
        QCOMPARE(row.value(3).toString(), QString("2025-03-01"));
        QCOMPARE(row.value(4).toString(), QString("2025/00001"));
        QCOMPARE(row.value(5).toString(), QString("anna"));
        QCOMPARE(row.value(6).toDouble(), 10.0);
        QCOMPARE(row.value(7).toDouble(), 100.0);
        QCOMPARE(row.value(8).toDouble(), 1000.0);
        QCOMPARE(row.value(9).toDouble(), 270.0);
        QCOMPARE(row.value(10).toDouble(), 1270.0);
        QCOMPARE(row.value(11).toDouble(), 10.0);
        QCOMPARE(row.value(12).toDouble(), 1000.0);
        QCOMPARE(row.value(13).toDouble(), 100.0);
        QCOMPARE(row.value(14).toInt(), 0);
        compareMaterial(w, "0001", 10, "1000", "100");
        QCOMPARE(w.value("SELECT \"Sorsz\" FROM \"Sorszam\" WHERE \"Ev\" = '2025'").toString(), QString("00002"));

        // A further item of the same voucher keeps its running number; a new voucher takes the next.
        QCOMPARE(w.ledger().record(receipt("00000001", day(3, 1), "0002", 1, "50")).sorszam, QString("2025/00001"));
        QCOMPARE(w.value("SELECT \"Sorsz\" FROM \"Sorszam\" WHERE \"Ev\" = '2025'").toString(), QString("00002"));
        QCOMPARE(w.ledger().record(receipt("00000002", day(3, 2), "0002", 1, "50")).sorszam, QString("2025/00002"));
        QCOMPARE(w.value("SELECT \"Sorsz\" FROM \"Sorszam\" WHERE \"Ev\" = '2025'").toString(), QString("00003"));
        QCOMPARE(VoucherNumbers(w.wh).propose(), QString("00000003"));
        QCOMPARE(VoucherNumbers(w.wh).nextRunningNumber(2026), QString("2026/00001"));
        QCOMPARE(w.value("SELECT COUNT(*) FROM \"Raktar\" WHERE \"KeszletErtek\" = -101010").toInt(), 0);
    }

    // Every refusal leaves the tables as they were: no row, no marker, no counter step.
    void refusals_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("symbol");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focus");
        for (const QString &engine : TestEngines::names()) {

            const QString warning = "Figyelmeztetés!";
            TestEngines::newRow(engine, "closed day")
                << "closed" << warning << 1 << "Már lezárta ezt a hónapot!\rErre a hónapra anyagmozgást nem vihet fel!"
                << "dtpBizDatum";
            TestEngines::newRow(engine, "no material") << "material"
                                                       << "HIBA!" << 2 << "Hibás értékadás!\rNem adott meg anyagnevet!"
                                                       << "dbcAnyag";
            TestEngines::newRow(engine, "voucher number")
                << "number"
                << "HIBA!" << 2 << "Hibás értékadás!\rA bizonylat sorszáma csak pozitív egész szám lehet!"
                << "edtBizSorsz";
            TestEngines::newRow(engine, "same material twice")
                << "twice"
                << "HIBA!" << 2
                << "Ezen a bizonylaton már létezik ilyen anyag!\rEgy bizonylaton nem lehetnek azonos anyagok!"
                << "dbcAnyag";
            TestEngines::newRow(engine, "another partner")
                << "partner"
                << "HIBA!" << 2
                << "Nem írt be szállítót, vagy ez a bizonylat már létezik!\rLétező "
                   "bizonylatnál nem változtathat szállítót!"
                << "dbcPartner";
            TestEngines::newRow(engine, "before the opening")
                << "beforeOpening" << warning << 1
                << "A nyitótétel előtti dátumra nem vihet fel\ranyagot! Kérem válasszon későbbi dátumot!"
                << "dtpBizDatum";
            TestEngines::newRow(engine, "second opening")
                << "secondOpening" << warning << 1
                << "Már van nyitótétel ebből az anyagból!\rKérem válasszon más mozgásnemet!"
                << "dbcMozgnem";
            TestEngines::newRow(engine, "zero quantity") << "zero"
                                                         << "HIBA!" << 2 << "Nem lehet 0 mennyiség, vagy érték!"
                                                         << "edtMennyiseg";
            TestEngines::newRow(engine, "negative price") << "negativePrice"
                                                          << "HIBA!" << 2 << "Nem lehet 0 mennyiség, vagy érték!"
                                                          << "edtMennyiseg";
            TestEngines::newRow(engine, "issue above the stock")
                << "tooMuch" << warning << 1 << "A készletek negatívba fordulnának, így\ra rekord nem lett rögzítve!"
                << "edtMennyiseg";
            TestEngines::newRow(engine, "negative receipt")
                << "negativeReceipt" << warning << 1
                << "A készletek negatívba fordulnának, így\ra rekord nem lett rögzítve!"
                << "edtMennyiseg";
            TestEngines::newRow(engine, "issue before the receipt")
                << "early" << warning << 1 << "A készletek negatívba fordulnának, így\ra rekord nem lett rögzítve!"
                << "edtMennyiseg";
            // Whatever the caller, the engine records only numbers that the fields and Money hold,
            // a known movement type and a VAT row.
            const QString badQuantity
                = "Hibás mennyiség!\rA mennyiség csak -1 000 000 000 és 1 000 000 000 közötti szám lehet!";
            const QString badAmount = "Hibás összeg!\rEgy tétel egységára és értéke legfeljebb 10 000 000 000 Ft "
                                      "lehet!\rA tétel nem lett rögzítve.";
            TestEngines::newRow(engine, "infinite quantity") << "inf" << "HIBA!" << 2 << badQuantity << "edtMennyiseg";
            TestEngines::newRow(engine, "quantity not a number")
                << "nan" << "HIBA!" << 2 << badQuantity << "edtMennyiseg";
            TestEngines::newRow(engine, "quantity beyond the limit")
                << "hugeQuantity" << "HIBA!" << 2 << badQuantity << "edtMennyiseg";
            TestEngines::newRow(engine, "infinite issue")
                << "infIssue" << "HIBA!" << 2 << badQuantity << "edtMennyiseg";
            TestEngines::newRow(engine, "price beyond the limit")
                << "hugePrice" << "HIBA!" << 2 << badAmount << "fleNEar";
            TestEngines::newRow(engine, "value beyond the limit")
                << "hugeValue" << "HIBA!" << 2 << badAmount << "fleNEar";
            TestEngines::newRow(engine, "unknown movement type")
                << "movementType" << "HIBA!" << 2 << "Hibás értékadás!\rNem létező mozgásnemet adott meg!"
                << "dbcMozgnem";
            const QString noVat = "A(z) Liszt anyag ÁFA csoportjának (09) nincs a bizonylat dátumán érvényes ÁFA "
                                  "kulcsa!\rVegye fel az ÁFA kódok között, a tétel nem lett rögzítve.";
            TestEngines::newRow(engine, "VAT group without a VAT row") << "noVat" << "HIBA!" << 2 << noVat << "dbcAfa";
            TestEngines::newRow(engine, "issue of a VAT group without a VAT row")
                << "noVatIssue" << "HIBA!" << 2 << noVat << "dbcAfa";
            TestEngines::newRow(engine, "unknown VAT code")
                << "vatCode" << "HIBA!" << 2
                << "A(z) Liszt anyag ÁFA csoportjának (01) nincs a bizonylat dátumán érvényes ÁFA kulcsa!\rVegye fel "
                   "az ÁFA kódok között, a tétel nem lett rögzítve."
                << "dbcAfa";
        }
    }

    void refusals()
    {
        QFETCH(QString, engine);
        QFETCH(QString, kind);
        QFETCH(QString, caption);
        QFETCH(int, symbol);
        QFETCH(QString, text);
        QFETCH(QString, focus);

        Warehouse w(engine);
        w.record(receipt("00000001", day(3, 1), "0001", 10, "100"));
        StockItem opening = receipt("00000002", day(2, 1), "0002", 5, "10");
        opening.mozgnem = "00";
        w.record(opening);
        w.record(issue("00000003", day(3, 5), "0001", 4));
        if (kind.startsWith("noVat")) {
            // The group has a VAT row from a later date only: the screen preselects none.
            QSqlQuery query(w.wh);
            QVERIFY(query.exec("UPDATE \"Anyag\" SET \"AfaCsoport\" = '09' WHERE \"NyilvSzam\" = '0001'"));
            QVERIFY(query.exec("INSERT INTO \"Afa\" (\"Afakod\", \"AfaCsoport\", \"Datum\", \"AfaErtek\") "
                               "VALUES ('09', '09', '2025-12-01', 5)"));
        }
        const QStringList before = w.snapshot();

        StockItem item = receipt("00000009", day(3, 10), "0001", 1, "100");
        if (kind == "closed")
            item.datum = QDate(2024, 12, 31);
        else if (kind == "material")
            item.nyilvSzam = "0099";
        else if (kind == "number")
            item.bizSzam = "123";
        else if (kind == "twice")
            item.bizSzam = "00000001", item.datum = day(3, 1);
        else if (kind == "partner")
            item = receipt("00000001", day(3, 1), "0002", 1, "10"), item.partAzon = "00042";
        else if (kind == "beforeOpening")
            item = receipt("00000009", day(1, 15), "0002", 1, "10");
        else if (kind == "secondOpening")
            item = opening, item.bizSzam = "00000009", item.datum = day(4, 1);
        else if (kind == "zero")
            item.quantity = 0;
        else if (kind == "negativePrice")
            item.netUnit = money("-1");
        else if (kind == "tooMuch")
            item = issue("00000009", day(3, 10), "0001", 6.01);
        else if (kind == "negativeReceipt")
            item = receipt("00000009", day(3, 2), "0001", -7, "100");
        else if (kind == "early")
            item = issue("00000009", day(3, 1), "0001", 7);
        else if (kind == "inf")
            item.quantity = std::numeric_limits<double>::infinity();
        else if (kind == "nan")
            item.quantity = std::numeric_limits<double>::quiet_NaN();
        else if (kind == "hugeQuantity")
            item = receipt("00000009", day(3, 10), "0001", 1000000000.01, "0.01");
        else if (kind == "infIssue")
            item = issue("00000009", day(3, 10), "0001", std::numeric_limits<double>::infinity());
        else if (kind == "hugePrice")
            item = receipt("00000009", day(3, 10), "0001", 2, "900000000000000");
        else if (kind == "hugeValue")
            item = receipt("00000009", day(3, 10), "0001", 1000000, "10000.01");
        else if (kind == "movementType")
            item.mozgnem = "99";
        else if (kind == "noVat")
            item.afaKod.clear();
        else if (kind == "noVatIssue")
            item = issue("00000009", day(3, 10), "0001", 1), item.afaKod.clear();
        else if (kind == "vatCode")
            item.afaKod = "77";

        const StockOutcome outcome = w.ledger().record(item);
        QCOMPARE(outcome.refusal.caption, caption);
        QCOMPARE(outcome.refusal.symbol, symbol);
        QCOMPARE(outcome.refusal.text, text);
        QCOMPARE(outcome.refusal.focus, focus);
        QCOMPARE(w.snapshot(), before);
        if (kind == "partner")
            QCOMPARE(outcome.partAzon, QString("00000"));
    }

    // The negative and zero quantities that pass: a negative receipt within the stock, an issue of 0.
    void quantitiesThatPass_data() { TestEngines::addRows(); }
    void quantitiesThatPass()
    {
        QFETCH(QString, engine);
        Warehouse w(engine);
        w.record(receipt("00000001", day(3, 1), "0001", 10, "100"));
        QVERIFY(w.record(receipt("00000002", day(3, 2), "0001", -4, "100")) > 0);
        QVERIFY(w.record(issue("00000003", day(3, 3), "0001", 0)) > 0);
        compareMaterial(w, "0001", 6, "600", "100");
        // The largest quantity at a price that makes the largest value.
        QVERIFY(w.record(receipt("00000004", day(3, 4), "0002", 1000000000, "10")) > 0);
        compareMaterial(w, "0002", 1000000000, "10000000000", "10");
    }

    void backDatedReceiptRepricesLaterIssues_data() { TestEngines::addRows(); }
    void backDatedReceiptRepricesLaterIssues()
    {
        QFETCH(QString, engine);
        Warehouse w(engine);
        w.record(receipt("00000001", day(3, 1), "0001", 10, "100"));
        const qint64 issued = w.record(issue("00000002", day(3, 10), "0001", 4));
        QCOMPARE(
            w.value(QString("SELECT \"TetelErtek\" FROM \"Raktar\" WHERE \"RaktAzon\" = %1").arg(issued)).toDouble(),
            400.0);
        w.record(receipt("00000003", day(3, 5), "0001", 10, "150"));

        QSqlQuery row(w.wh);
        QVERIFY(row.exec(QString("SELECT \"KiAr\", \"BeAr\", \"TetelErtek\", \"AfaErtek\", \"Brutto\", "
                                 "\"KeszletMenny\", \"KeszletErtek\" "
                                 "FROM \"Raktar\" WHERE \"RaktAzon\" = %1")
                             .arg(issued))
            && row.next());
        QCOMPARE(row.value(0).toDouble(), 125.0);
        QCOMPARE(row.value(1).toDouble(), 125.0);
        QCOMPARE(row.value(2).toDouble(), 500.0);
        QCOMPARE(row.value(3).toDouble(), 135.0);
        QCOMPARE(row.value(4).toDouble(), 635.0);
        QCOMPARE(row.value(5).toDouble(), 16.0);
        QCOMPARE(row.value(6).toDouble(), 2000.0);
        compareMaterial(w, "0001", 16, "2000", "125");
    }

    // Within a day: opening rows, then receipts, then issues, each in the order of recording.
    void orderWithinTheDay_data() { TestEngines::addRows(); }
    void orderWithinTheDay()
    {
        QFETCH(QString, engine);
        Warehouse w(engine);
        QCOMPARE(w.record(issue("00000001", day(3, 1), "0002", 3)), 0);
        w.record(receipt("00000002", day(3, 1), "0002", 5, "10"));
        const qint64 issued = w.record(issue("00000001", day(3, 1), "0002", 3));
        QVERIFY(issued > 0);
        // A receipt recorded later on the same day comes before the issue.
        w.record(receipt("00000003", day(3, 1), "0002", 2, "20"));
        QCOMPARE(w.value(QString("SELECT \"KiAr\" FROM \"Raktar\" WHERE \"RaktAzon\" = %1").arg(issued)).toDouble(),
            12.8571);
        QCOMPARE(
            w.value(QString("SELECT \"TetelErtek\" FROM \"Raktar\" WHERE \"RaktAzon\" = %1").arg(issued)).toDouble(),
            38.5713);
        // An opening row of the same day comes first and resets the balance.
        StockItem opening = receipt("00000004", day(3, 1), "0002", 10, "5");
        opening.mozgnem = "00";
        QVERIFY(w.record(opening) > 0);
        QCOMPARE(
            w.value(QString("SELECT \"KiAr\" FROM \"Raktar\" WHERE \"RaktAzon\" = %1").arg(issued)).toDouble(), 8.2353);
        compareMaterial(w, "0002", 14, "115.2941", "8.2353");
    }

    void closingIsReadInsideTheTransaction_data() { TestEngines::addRows(); }
    void closingIsReadInsideTheTransaction()
    {
        QFETCH(QString, engine);
        Warehouse w(engine);
        StockLedger ledger = w.ledger();
        const StockOutcome first = ledger.record(receipt("00000001", day(3, 1), "0001", 10, "100"));
        QVERIFY(first.ok());
        // Another computer closes March meanwhile.
        QSqlQuery(w.wh).exec(
            "INSERT INTO \"Napizaras\" (\"Datum\", \"Megjegyzes\", \"User\") VALUES ('2025-03-31', 'Havi "
            "zárás', 'bela')");
        const StockOutcome outcome = ledger.record(receipt("00000001", day(3, 1), "0002", 1, "10"));
        QCOMPARE(
            outcome.refusal.text, QString("Már lezárta ezt a hónapot!\rErre a hónapra anyagmozgást nem vihet fel!"));
        QCOMPARE(ledger.remove(first.raktAzon).refusal.text, outcome.refusal.text);
        QCOMPARE(w.rows(), 1);
    }

    void proposedNumberTakenMeanwhileIsProposedAfresh_data() { TestEngines::addRows(); }
    void proposedNumberTakenMeanwhileIsProposedAfresh()
    {
        QFETCH(QString, engine);
        Warehouse w(engine);
        const QString proposal = VoucherNumbers(w.wh).propose();
        QCOMPARE(proposal, QString("00000001"));
        // Another computer records a voucher with the same number first.
        w.record(receipt(proposal, day(3, 1), "0001", 10, "100"));

        StockItem mine = receipt(proposal, day(3, 2), "0002", 1, "10");
        mine.numberProposed = true;
        const StockOutcome outcome = w.ledger().record(mine);
        QVERIFY(outcome.ok());
        QCOMPARE(outcome.bizSzam, QString("00000002"));
        QCOMPARE(outcome.sorszam, QString("2025/00002"));
        // A typed number joins its voucher.
        StockItem typed = receipt(proposal, day(3, 1), "0003", 1, "10");
        QCOMPARE(w.ledger().record(typed).bizSzam, proposal);
        QCOMPARE(w.value("SELECT COUNT(*) FROM \"Raktar\" WHERE \"BizSzam\" = '00000001'").toInt(), 2);
    }

    // Each check of an item is read in one statement: the closed day, the material, the movement
    // type, the voucher's number, rows and running number, the VAT code. On the server every
    // statement is a round trip, so the count is what decides the speed across a network.
    void recordingAnItemRunsFewStatements_data() { TestEngines::addRows(); }
    void recordingAnItemRunsFewStatements()
    {
        QFETCH(QString, engine);
        Warehouse w(engine);
        // The first item prepares the connection's statements.
        QVERIFY(w.record(receipt("00000001", day(3, 1), "0001", 10, "100")));
        qint64 newVoucher = 0;
        qint64 sameVoucher = 0;
        {
            StatementCount count(w.wh);
            QVERIFY(w.record(receipt("00000002", day(3, 2), "0002", 10, "100")));
            newVoucher = count.count();
        }
        {
            StatementCount count(w.wh);
            QVERIFY(w.record(receipt("00000002", day(3, 2), "0003", 10, "100")));
            sameVoucher = count.count();
        }
        // Begin with the lock, the facts, the insert, the counter (a new voucher only), the
        // recalculation's start, walk and writes, commit.
        QVERIFY2(newVoucher <= 9, qPrintable(QString::number(newVoucher)));
        QVERIFY2(sameVoucher <= 8, qPrintable(QString::number(sameVoucher)));
    }

    void changeInPlaceKeepsTheRunningNumber_data() { TestEngines::addRows(); }
    void changeInPlaceKeepsTheRunningNumber()
    {
        QFETCH(QString, engine);
        Warehouse w(engine);
        const qint64 id = w.record(receipt("00000001", day(3, 1), "0001", 10, "100"));
        w.record(issue("00000002", day(3, 5), "0001", 4));
        StockItem changed = receipt("00000001", day(3, 1), "0001", 12, "110");
        changed.partAzon = "00007";
        const StockOutcome outcome = w.ledger().change(id, changed);
        QVERIFY2(outcome.ok(), qPrintable(outcome.refusal.text));
        QCOMPARE(outcome.raktAzon, id);
        QCOMPARE(w.value(QString("SELECT \"Sorszam\" FROM \"Raktar\" WHERE \"RaktAzon\" = %1").arg(id)).toString(),
            QString("2025/00001"));
        compareMaterial(w, "0001", 8, "880", "110");
    }

    // A correction that would leave a later issue without stock is refused and changes nothing.
    void changesRefused_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("kind");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "receipt lowered below the issues") << "lower";
            TestEngines::newRow(engine, "receipt moved past the issue") << "later";
            TestEngines::newRow(engine, "receipt moved to another material") << "material";
            TestEngines::newRow(engine, "issue raised above the stock") << "issue";
        }
    }

    void changesRefused()
    {
        QFETCH(QString, engine);
        QFETCH(QString, kind);
        Warehouse w(engine);
        const qint64 id = w.record(receipt("00000001", day(3, 1), "0001", 10, "100"));
        const qint64 issued = w.record(issue("00000002", day(3, 5), "0001", 8));
        const QStringList before = w.snapshot();

        StockOutcome outcome;
        if (kind == "lower")
            outcome = w.ledger().change(id, receipt("00000001", day(3, 1), "0001", 5, "100"));
        else if (kind == "later")
            outcome = w.ledger().change(id, receipt("00000001", day(3, 6), "0001", 10, "100"));
        else if (kind == "material")
            outcome = w.ledger().change(id, receipt("00000001", day(3, 1), "0002", 10, "100"));
        else
            outcome = w.ledger().change(issued, issue("00000002", day(3, 5), "0001", 10.5));
        QCOMPARE(
            outcome.refusal.text, QString("A készletek negatívba fordulnának, így\ra módosítás nem lett végrehajtva!"));
        QCOMPARE(outcome.refusal.caption, QString("Figyelmeztetés!"));
        QCOMPARE(w.snapshot(), before);
    }

    void movingRecalculatesBothMaterials_data() { TestEngines::addRows(); }
    void movingRecalculatesBothMaterials()
    {
        QFETCH(QString, engine);
        Warehouse w(engine);
        const qint64 id = w.record(receipt("00000001", day(3, 1), "0001", 10, "100"));
        w.record(receipt("00000002", day(3, 2), "0002", 2, "50"));
        const qint64 issued = w.record(issue("00000003", day(3, 5), "0002", 2));
        QCOMPARE(
            w.value(QString("SELECT \"TetelErtek\" FROM \"Raktar\" WHERE \"RaktAzon\" = %1").arg(issued)).toDouble(),
            100.0);

        // The receipt moves to the other material, a day earlier than that material's issue.
        const StockOutcome outcome = w.ledger().change(id, receipt("00000001", day(3, 1), "0002", 10, "100"));
        QVERIFY2(outcome.ok(), qPrintable(outcome.refusal.text));
        QVERIFY(outcome.raktAzon != id);
        QCOMPARE(w.value(QString("SELECT COUNT(*) FROM \"Raktar\" WHERE \"RaktAzon\" = %1").arg(id)).toInt(), 0);
        compareMaterial(w, "0001", 0, "0", "0");
        // 12 units worth 1100 before the issue of 2: average 91.6667.
        QCOMPARE(w.value(QString("SELECT \"KiAr\" FROM \"Raktar\" WHERE \"RaktAzon\" = %1").arg(issued)).toDouble(),
            91.6667);
        compareMaterial(w, "0002", 10, "916.6666", "91.6667");

        // A receipt moved before the issue reprices it: 22 units worth 3100.
        const qint64 late = w.record(receipt("00000004", day(3, 20), "0002", 10, "200"));
        QVERIFY(w.ledger().change(late, receipt("00000004", day(3, 3), "0002", 10, "200")).ok());
        QCOMPARE(w.value(QString("SELECT \"KiAr\" FROM \"Raktar\" WHERE \"RaktAzon\" = %1").arg(issued)).toDouble(),
            140.9091);
    }

    // Deleting an item prices the remaining issues as the recalculation does: KiAr the average
    // before the issue, BeAr the typed value per unit.
    void deletionWithTypedIssueValues_data() { TestEngines::addRows(); }
    void deletionWithTypedIssueValues()
    {
        QFETCH(QString, engine);
        Warehouse w(engine);
        const qint64 first = w.record(receipt("00000001", day(3, 1), "0001", 10, "100"), true);
        w.record(receipt("00000002", day(3, 2), "0001", 10, "140"), true);
        const qint64 issued = w.record(issue("00000003", day(3, 5), "0001", 4, "480"), true);
        QCOMPARE(
            w.value(QString("SELECT \"KiAr\" FROM \"Raktar\" WHERE \"RaktAzon\" = %1").arg(issued)).toDouble(), 120.0);
        QCOMPARE(
            w.value(QString("SELECT \"BeAr\" FROM \"Raktar\" WHERE \"RaktAzon\" = %1").arg(issued)).toDouble(), 120.0);

        const StockOutcome outcome = w.ledger(true).remove(first);
        QVERIFY2(outcome.ok(), qPrintable(outcome.refusal.text));
        QSqlQuery row(w.wh);
        QVERIFY(row.exec(QString(
                    "SELECT \"KiAr\", \"BeAr\", \"TetelErtek\", \"KeszletMenny\", \"KeszletErtek\" FROM \"Raktar\" "
                    "WHERE \"RaktAzon\" = %1")
                             .arg(issued))
            && row.next());
        QCOMPARE(row.value(0).toDouble(), 140.0);
        QCOMPARE(row.value(1).toDouble(), 120.0);
        QCOMPARE(row.value(2).toDouble(), 480.0);
        QCOMPARE(row.value(3).toDouble(), 6.0);
        QCOMPARE(row.value(4).toDouble(), 920.0);
        compareMaterial(w, "0001", 6, "920", "140");
    }

    void deletions_data() { TestEngines::addRows(); }
    void deletions()
    {
        QFETCH(QString, engine);
        Warehouse w(engine);
        const qint64 onlyReceipt = w.record(receipt("00000001", day(3, 1), "0001", 10, "100"));
        const qint64 issued = w.record(issue("00000002", day(3, 5), "0001", 4));
        const QStringList before = w.snapshot();
        const StockOutcome refused = w.ledger().remove(onlyReceipt);
        QCOMPARE(refused.refusal.text, QString("A készletek negatívba fordulnának, így\ra rekord nem lett törölve!"));
        QCOMPARE(w.snapshot(), before);

        QVERIFY(w.ledger().remove(issued).ok());
        compareMaterial(w, "0001", 10, "1000", "100");
        QVERIFY(w.ledger().remove(onlyReceipt).ok());
        compareMaterial(w, "0001", 0, "0", "0");
        QCOMPARE(w.ledger().remove(onlyReceipt).refusal.text,
            QString("A tételt időközben törölték vagy módosították!\rFrissítse a listát!"));
    }

    // The register price is that of the material's last remaining row (0 with none), also when
    // the latest rows are deleted or moved to another material and no row is walked.
    void registerPriceAfterTheLatestRowGoes_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("priceBefore");
        QTest::addColumn<double>("quantity");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("price");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "latest receipt deleted") << "receipt" << "550" << 10.0 << "1000" << "100";
            TestEngines::newRow(engine, "issue left last") << "issue" << "250" << 5.0 << "500" << "100";
            TestEngines::newRow(engine, "latest receipt moved away") << "moved" << "550" << 10.0 << "1000" << "100";
            TestEngines::newRow(engine, "only row deleted") << "only" << "100" << 0.0 << "0" << "0";
        }
    }

    void registerPriceAfterTheLatestRowGoes()
    {
        QFETCH(QString, engine);
        QFETCH(QString, kind);
        QFETCH(QString, priceBefore);
        QFETCH(double, quantity);
        QFETCH(QString, value);
        QFETCH(QString, price);
        Warehouse w(engine);
        const qint64 first = w.record(receipt("00000001", day(3, 1), "0001", 10, "100"));
        qint64 latest = first;
        if (kind == "issue") {
            w.record(issue("00000002", day(3, 2), "0001", 5));
            latest = w.record(receipt("00000003", day(3, 3), "0001", 5, "400"));
        } else if (kind != "only") {
            latest = w.record(receipt("00000002", day(3, 2), "0001", 10, "1000"));
        }
        QCOMPARE(Sql::toMoney(w.value("SELECT \"NyilvAr\" FROM \"Anyag\" WHERE \"NyilvSzam\" = '0001'")),
            money(priceBefore));

        const StockOutcome outcome = kind == "moved"
            ? w.ledger().change(latest, receipt("00000002", day(3, 2), "0002", 10, "1000"))
            : w.ledger().remove(latest);
        QVERIFY2(outcome.ok(), qPrintable(outcome.refusal.text));
        compareMaterial(w, "0001", quantity, value, price);
        if (kind == "moved")
            compareMaterial(w, "0002", 10, "10000", "1000");
    }

    // An issue row still holding the in-progress marker as its value (as the issue by menu writes
    // it) is priced at the average price also with typed issue values, and stores that value.
    void markedIssueIsPricedAtTheAverage_data() { TestEngines::addRows(); }
    void markedIssueIsPricedAtTheAverage()
    {
        QFETCH(QString, engine);
        Warehouse w(engine);
        w.record(receipt("00000001", day(3, 1), "0001", 10, "100"), true);
        const Money marker = Money::fromUnits(qint64(MovementRow::InProgress) * Money::Scale);
        MovementRow row = voucherItem("KI", "07", "00000002", day(3, 5), "100", "0001", "00001", "01", "0", "0", "0");
        row.tetelMenny = 3;
        row.stat = true;
        row.keszletMenny = MovementRow::InProgress;
        row.keszletErtek = row.kiAr = row.beAr = row.afaErtek = row.brutto = row.tetelErtek = marker;
        const qint64 id = addRow(w.wh, row);
        QVERIFY2(!StockRecalculator(w.wh, true).run("100", "0001", QDate(), true).negative, "stock went negative");
        QSqlQuery stored(w.wh);
        QVERIFY(stored.exec(QString("SELECT \"TetelErtek\", \"KiAr\", \"BeAr\", \"AfaErtek\", \"Brutto\", "
                                    "\"KeszletMenny\", \"KeszletErtek\" FROM \"Raktar\" WHERE \"RaktAzon\" = %1")
                                .arg(id))
            && stored.next());
        QCOMPARE(Sql::toMoney(stored.value(0)), money("300"));
        QCOMPARE(Sql::toMoney(stored.value(1)), money("100"));
        QCOMPARE(Sql::toMoney(stored.value(2)), money("100"));
        QCOMPARE(Sql::toMoney(stored.value(3)), money("81"));
        QCOMPARE(Sql::toMoney(stored.value(4)), money("381"));
        QCOMPARE(stored.value(5).toDouble(), 7.0);
        QCOMPARE(Sql::toMoney(stored.value(6)), money("700"));
        compareMaterial(w, "0001", 7, "700", "100");
    }

    // A change passes the same engine checks as a new item: numbers the fields hold, a known
    // movement type; a typed issue value beyond the limit is refused too.
    void changesAndTypedValuesBeyondTheLimits_data() { TestEngines::addRows(); }
    void changesAndTypedValuesBeyondTheLimits()
    {
        QFETCH(QString, engine);
        Warehouse w(engine);
        const qint64 id = w.record(receipt("00000001", day(3, 1), "0001", 10, "100"));
        const QStringList before = w.snapshot();

        StockItem changed = receipt("00000001", day(3, 1), "0001", 10, "100");
        changed.quantity = std::numeric_limits<double>::quiet_NaN();
        QCOMPARE(w.ledger().change(id, changed).refusal.focus, QString("edtMennyiseg"));
        changed = receipt("00000001", day(3, 1), "0001", 10, "100");
        changed.mozgnem = "99";
        QCOMPARE(w.ledger().change(id, changed).refusal.text,
            QString("Hibás értékadás!\rNem létező mozgásnemet adott meg!"));
        changed = receipt("00000001", day(3, 1), "0001", 10, "100");
        changed.afaKod.clear();
        QCOMPARE(w.ledger().change(id, changed).refusal.focus, QString("dbcAfa"));
        const StockOutcome typed = w.ledger(true).record(issue("00000002", day(3, 2), "0001", 1, "10000000000.01"));
        QCOMPARE(typed.refusal.focus, QString("fleKiadAr"));
        QCOMPARE(w.snapshot(), before);
        QVERIFY(w.ledger(true).record(issue("00000002", day(3, 2), "0001", 1, "10000000000")).ok());
    }

    void wholeIssueVoucherIsDeletedAllOrNothing_data() { TestEngines::addRows(); }
    void wholeIssueVoucherIsDeletedAllOrNothing()
    {
        QFETCH(QString, engine);
        Warehouse w(engine);
        w.record(receipt("00000001", day(3, 1), "0001", 10, "100"));
        w.record(receipt("00000001", day(3, 1), "0002", 10, "10"));
        // Voucher 2 returns 5 of material 1 and issues 2 of material 2; a later issue needs the return.
        w.record(issue("00000002", day(3, 2), "0001", -5));
        w.record(issue("00000002", day(3, 2), "0002", 2));
        w.record(issue("00000003", day(3, 3), "0001", 12));
        const QStringList before = w.snapshot();
        const StockOutcome refused = w.ledger().removeIssueVoucher(day(3, 2), "00000002");
        QCOMPARE(refused.refusal.text, QString("A készletek negatívba fordulnának, így\ra rekord nem lett törölve!"));
        QCOMPARE(w.snapshot(), before);

        // A ration-sheet item of the voucher stays.
        StockItem ration = issue("00000003", day(3, 3), "0002", 1);
        ration.stat = true;
        ration.mozgnem = "07";
        QVERIFY(w.record(ration) > 0);
        const StockOutcome deleted = w.ledger().removeIssueVoucher(day(3, 3), "00000003");
        QVERIFY2(deleted.ok(), qPrintable(deleted.refusal.text));
        QCOMPARE(deleted.rows, 1);
        QCOMPARE(w.value("SELECT COUNT(*) FROM \"Raktar\" WHERE \"BizSzam\" = '00000003'").toInt(), 1);
        compareMaterial(w, "0001", 15, "1500", "100");

        const StockOutcome none = w.ledger().removeIssueVoucher(day(3, 4), "00000003");
        QCOMPARE(none.refusal.text, QString("A megadott paraméterekkel nem található kiadási bizonylat!"));
        QCOMPARE(none.refusal.caption, QString("Figyelmeztetés"));
        QCOMPARE(w.ledger().removeIssueVoucher(day(3, 3), "3").refusal.text, none.refusal.text);
    }

    void stockLimitNotices_data() { TestEngines::addRows(); }
    void stockLimitNotices()
    {
        QFETCH(QString, engine);
        Warehouse w(engine);
        const StockOutcome low = w.ledger().record(receipt("00000001", day(3, 1), "0001", 4, "100"));
        QCOMPARE(low.notices.size(), 1);
        QCOMPARE(low.notices.first().text, QString("A Liszt\ranyag mennyisége a minimum alatt van!"));
        QCOMPARE(low.notices.first().caption, QString("Információ"));
        const StockOutcome high = w.ledger().record(receipt("00000002", day(3, 1), "0001", 50, "100"));
        QCOMPARE(high.notices.size(), 1);
        QCOMPARE(high.notices.first().text, QString("A Liszt\ranyag mennyisége a maximum fölött van!"));
        QVERIFY(w.ledger().record(receipt("00000003", day(3, 1), "0002", 50, "1")).notices.isEmpty());
    }

    void workYearWarning()
    {
        QVERIFY(StockLedger::workYearWarning(day(5, 1), 2025).isNull());
        const Refusal warning = StockLedger::workYearWarning(QDate(2026, 1, 2), 2025);
        QCOMPARE(warning.text, QString("A megadott dátum kívül esik a munkaéven!\rFolytathatja a munkát."));
        QCOMPARE(warning.caption, QString("Figyelmeztetés!"));
        QCOMPARE(warning.symbol, 1);
    }
};

QTEST_GUILESS_MAIN(TestLedger)
#include "tst_ledger.moc"
