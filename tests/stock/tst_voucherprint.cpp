#include "stock/VoucherPrintRows.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlQuery>
#include <QtTest>
#include <map>
#include <memory>

using namespace StockFixture;

Q_DECLARE_METATYPE(VoucherPrintRows::Filter)

// The rows of printed vouchers: which items belong to a voucher, how they group, what they show
// and what they add up to, on both engines.
class TestVoucherPrint : public QObject
{
    Q_OBJECT

    static QDate day(int month, int dayOfMonth) { return QDate(2025, month, dayOfMonth); }

    // One filled warehouse per engine, shared by the cases that only read it.
    QSqlDatabase warehouse(const QString &engine)
    {
        auto &db = m_databases[engine];
        if (!db) {
            db = std::make_unique<TempDatabase>(QDate(2025, 6, 1), engine);
            if (!db->isValid())
                return QSqlDatabase();
            addExampleVouchers(db->warehouse(1));
        }
        return db->warehouse(1);
    }

    // "number date count" per voucher.
    static QStringList groups(const VoucherPrintRows &rows)
    {
        QStringList list;
        for (const VoucherPrintRows::Voucher &voucher : rows.vouchers())
            list << voucher.first().bizSzam + ' ' + voucher.first().datum.toString(Qt::ISODate) + ' '
                    + QString::number(voucher.rows.size());
        return list;
    }

    std::map<QString, std::unique_ptr<TempDatabase>> m_databases;

private slots:
    void oneVoucherHasItsItemsWithEveryColumnAndExactTotals_data() { TestEngines::addRows(); }
    void oneVoucherHasItsItemsWithEveryColumnAndExactTotals()
    {
        QFETCH(QString, engine);
        const QSqlDatabase wh = warehouse(engine);
        QVERIFY(wh.isValid());

        // The issue with the same number and date and the receipt with the same number on another
        // day are other vouchers.
        const VoucherPrintRows rows = VoucherPrintRows::ofVoucher(wh, "BE", "00000010", day(1, 2));
        QVERIFY2(rows.error().isEmpty(), qPrintable(rows.error()));
        QCOMPARE(groups(rows), QStringList {"00000010 2025-01-02 2"});
        const VoucherPrintRows::Voucher &voucher = rows.vouchers().first();

        const VoucherPrintRows::Row &first = voucher.rows.at(0);
        QCOMPARE(first.nyilvSzam, "0001");
        QCOMPARE(first.anyagNev, "Liszt");
        QCOMPARE(first.mertekegyseg, "KG");
        QCOMPARE(first.fokSzla, "100");
        QCOMPARE(first.mozgnem, "01");
        QCOMPARE(first.mozgnemNev, "Bevételezés szállítótól");
        QCOMPARE(first.partAzon, "00010");
        QCOMPARE(first.partnerNev, "Gabona Kft.");
        QCOMPARE(first.telepules, "Budapest");
        QCOMPARE(first.sorszam, "2025/00010");
        QCOMPARE(first.afaSzazalek, 27.0);
        QCOMPARE(first.kiAr, money("400.0004"));
        QCOMPARE(first.tetelMenny, 2.5);
        QCOMPARE(first.keszletMenny, 7.125);
        QCOMPARE(voucher.rows.at(1).anyagNev, "Cukor");

        QCOMPARE(voucher.totals.netto, money("1000.1001"));
        QCOMPARE(voucher.totals.afa, money("270.03"));
        QCOMPARE(voucher.totals.brutto, money("1270.1301"));
        QCOMPARE(voucher.totals.count, 2);
        QCOMPARE(rows.totals(), voucher.totals);

        const VoucherPrintRows issue = VoucherPrintRows::ofVoucher(wh, "KI", "00000010", day(1, 2));
        QCOMPARE(groups(issue), QStringList {"00000010 2025-01-02 1"});
        QCOMPARE(issue.vouchers().first().first().mozgnemNev, "Kiadás");

        QVERIFY(VoucherPrintRows::ofVoucher(wh, "BE", "00000010", day(1, 3)).isEmpty());
    }

    void listGroupsPerVoucher_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<VoucherPrintRows::Filter>("filter");
        QTest::addColumn<QStringList>("expected");
        using Order = VoucherPrintRows::Order;
        const VoucherPrintRows::Filter january {"BE", day(1, 1), day(1, 31)};
        for (const QString &engine : TestEngines::names()) {
            auto row = [&](const char *name, VoucherPrintRows::Filter filter, const QStringList &expected) {
                QTest::addRow("%s, %s", qPrintable(engine), name) << engine << filter << expected;
            };
            row("period in date order", january,
                {"00000010 2025-01-02 2", "00000009 2025-01-03 1", "00000011 2025-01-20 1"});
            VoucherPrintRows::Filter filter = january;
            filter.from = day(1, 3);
            filter.to = day(1, 20);
            row("both ends of the period count", filter, {"00000009 2025-01-03 1", "00000011 2025-01-20 1"});
            filter = {"BE", day(1, 1), day(12, 31)};
            filter.order = Order::VoucherDate;
            row("number order keeps one number's dates apart", filter,
                {"00000009 2025-01-03 1", "00000010 2025-01-02 2", "00000010 2025-02-05 1", "00000011 2025-01-20 1"});
            filter = {"BE", day(1, 1), day(12, 31)};
            filter.numberPart = "10";
            row("part of the number", filter, {"00000010 2025-01-02 2", "00000010 2025-02-05 1"});
            filter.numberPart = "%";
            row("a percent sign is no wildcard", filter, {});
            filter.numberPart = "0_";
            row("an underscore is no wildcard", filter, {});
            filter = january;
            filter.fokSzla = "200";
            row("ledger account", filter, {"00000009 2025-01-03 1"});
            filter = january;
            filter.partAzon = "00010";
            row("supplier", filter, {"00000010 2025-01-02 2"});
            filter = january;
            filter.mozgnemFrom = "02";
            filter.mozgnemTo = "05";
            row("range of movement types", filter, {"00000009 2025-01-03 1"});
            row("issue vouchers", {"KI", day(1, 1), day(12, 31)}, {"00000010 2025-01-02 1"});
        }
    }
    void listGroupsPerVoucher()
    {
        QFETCH(QString, engine);
        QFETCH(VoucherPrintRows::Filter, filter);
        QFETCH(QStringList, expected);
        const QSqlDatabase wh = warehouse(engine);
        QVERIFY(wh.isValid());
        const VoucherPrintRows rows = VoucherPrintRows::ofList(wh, filter);
        QVERIFY2(rows.error().isEmpty(), qPrintable(rows.error()));
        QCOMPARE(groups(rows), expected);

        // Each voucher adds up its own items; the printout adds up every voucher.
        VoucherPrintRows::Totals all;
        for (const VoucherPrintRows::Voucher &voucher : rows.vouchers()) {
            VoucherPrintRows::Totals own;
            for (const VoucherPrintRows::Row &item : voucher.rows) {
                QCOMPARE(item.bizSzam, voucher.first().bizSzam);
                QCOMPARE(item.datum, voucher.first().datum);
                own.add(item);
                all.add(item);
            }
            QCOMPARE(voucher.totals, own);
        }
        QCOMPARE(rows.totals(), all);
    }

    void itemWithoutMaterialOrPartnerStillCounts_data() { TestEngines::addRows(); }
    void itemWithoutMaterialOrPartnerStillCounts()
    {
        QFETCH(QString, engine);
        const QSqlDatabase wh = warehouse(engine);
        QVERIFY(wh.isValid());
        const VoucherPrintRows rows = VoucherPrintRows::ofVoucher(wh, "BE", "00000011", day(1, 20));
        QCOMPARE(groups(rows), QStringList {"00000011 2025-01-20 1"});
        const VoucherPrintRows::Row &row = rows.vouchers().first().first();
        QCOMPARE(row.nyilvSzam, "0009");
        QVERIFY(row.anyagNev.isEmpty());
        QCOMPARE(row.partAzon, "99999");
        QVERIFY(row.partnerNev.isEmpty());
        QCOMPARE(rows.totals().brutto, money("63.5"));
    }

    void unreadableRowsGiveTheReason_data() { TestEngines::addRows(); }
    void unreadableRowsGiveTheReason()
    {
        QFETCH(QString, engine);
        TempDatabase db(day(6, 1), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlQuery drop(db.warehouse(1));
        QVERIFY(drop.exec("DROP TABLE \"Partner\""));
        const VoucherPrintRows rows = VoucherPrintRows::ofVoucher(db.warehouse(1), "BE", "00000010", day(1, 2));
        QVERIFY(rows.isEmpty());
        QVERIFY(!rows.error().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestVoucherPrint)
#include "tst_voucherprint.moc"
