#include "reports/MovementSummaryReport.h"
#include "reports/StoredPeriods.h"
#include "reports/VoucherListReport.h"
#include "support/MovementReportFixture.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlQuery>
#include <QtTest>
#include <map>
#include <memory>

using namespace MovementReportFixture;
using StockFixture::money;

// The voucher lists, the movement summary and its stored periods on small warehouses of receipts
// only, issues only and both, on both engines.
class TestMovementReports : public QObject
{
    Q_OBJECT

    // One filled warehouse per engine and content, shared by the cases that only read it.
    QSqlDatabase warehouse(const QString &engine, const QString &content)
    {
        auto &db = m_databases[engine + content];
        if (!db) {
            db = std::make_unique<TempDatabase>(QDate(2024, 6, 1), engine);
            if (!db->isValid())
                return QSqlDatabase();
            if (content != QLatin1String("issues"))
                addMarchReceipts(db->warehouse(1));
            if (content != QLatin1String("receipts"))
                addMarchIssue(db->warehouse(1));
        }
        return db->warehouse(1);
    }

    static ReportParameters march(QVariantMap filters = {})
    {
        ReportParameters parameters;
        parameters.year = 2024;
        parameters.from = day(3, 1);
        parameters.to = day(3, 31);
        parameters.filters = std::move(filters);
        return parameters;
    }

    static QStringList groups(const VoucherPrintRows &rows)
    {
        QStringList list;
        for (const VoucherPrintRows::Voucher &voucher : rows.vouchers())
            list << voucher.first().bizSzam + ' ' + voucher.first().datum.toString("MM-dd") + ' '
                    + voucher.totals.netto.toString();
        return list;
    }

    std::map<QString, std::unique_ptr<TempDatabase>> m_databases;

private slots:
    void voucherListGroupsAndTotals_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("direction");
        QTest::addColumn<QVariantMap>("filters");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("netto");
        QTest::addColumn<QString>("afa");
        QTest::addColumn<QString>("brutto");
        for (const QString &engine : TestEngines::names()) {
            const QStringList receipts {"00000000 03-01 7.0007", "00000013 03-04 200.0002", "00000012 03-05 100.0004"};
            // 12 + 3 + 5 and 13 + 3 + 4 are both 20: the vouchers stay apart all the same.
            TestEngines::newRow(engine, "receipts, two vouchers of one sum of number, month and day")
                << "receipts" << "BE" << QVariantMap() << receipts << "307.0013" << "81.0003"
                << "388.0016";
            TestEngines::newRow(engine, "receipts among issues") << "both" << "BE" << QVariantMap()
                                                                 << receipts << "307.0013" << "81.0003" << "388.0016";
            TestEngines::newRow(engine, "issues only") << "issues" << "KI" << QVariantMap()
                                                       << QStringList {"00000014 03-06 30.1234"} << "30.1234"
                                                       << "0.0000" << "30.1234";
            TestEngines::newRow(engine, "issue list without issues")
                << "receipts" << "KI" << QVariantMap() << QStringList() << "0.0000" << "0.0000" << "0.0000";
            TestEngines::newRow(engine, "number order")
                << "both" << "BE" << QVariantMap {{VoucherListReport::NumberFirst, true}}
                << QStringList {"00000000 03-01 7.0007", "00000012 03-05 100.0004", "00000013 03-04 200.0002"}
                << "307.0013" << "81.0003" << "388.0016";
            TestEngines::newRow(engine, "movement-type range leaves out the opening row")
                << "both" << "BE"
                << QVariantMap {{VoucherListReport::MovementFrom, "01"}, {VoucherListReport::MovementTo, "02"}}
                << QStringList {"00000013 03-04 200.0002", "00000012 03-05 100.0004"} << "300.0006" << "81.0003"
                << "381.0009";
            TestEngines::newRow(engine, "part of the number")
                << "both" << "BE" << QVariantMap {{VoucherListReport::NumberPart, "12"}}
                << QStringList {"00000012 03-05 100.0004"} << "100.0004" << "27.0002" << "127.0006";
            for (const char *literal : {"%", "0_", "'", "0%1", "\\"}) {
                TestEngines::newRow(engine, qPrintable(QStringLiteral("search text %1 taken literally").arg(literal)))
                    << "both" << "BE" << QVariantMap {{VoucherListReport::NumberPart, literal}}
                    << QStringList() << "0.0000" << "0.0000" << "0.0000";
            }
            TestEngines::newRow(engine, "supplier") << "both" << "BE"
                                                    << QVariantMap {{VoucherListReport::Partner, "99999"}}
                                                    << QStringList {"00000012 03-05 0.0003"} << "0.0003" << "0.0001"
                                                    << "0.0004";
            TestEngines::newRow(engine, "no supplier filter on the issue list")
                << "both" << "KI" << QVariantMap {{VoucherListReport::Partner, "99999"}}
                << QStringList {"00000014 03-06 30.1234"} << "30.1234" << "0.0000" << "30.1234";
        }
    }
    void voucherListGroupsAndTotals()
    {
        QFETCH(QString, engine);
        QFETCH(QString, content);
        QFETCH(QString, direction);
        QFETCH(QVariantMap, filters);
        QFETCH(QStringList, expected);
        const QSqlDatabase wh = warehouse(engine, content);
        QVERIFY(wh.isValid());
        VoucherListReport report(wh, direction);
        const Refusal refusal = report.run(march(filters));
        QVERIFY2(refusal.isNull(), qPrintable(refusal.text));
        QCOMPARE(groups(report.vouchers()), expected);
        QFETCH(QString, netto);
        QFETCH(QString, afa);
        QFETCH(QString, brutto);
        QCOMPARE(report.vouchers().totals().netto, money(netto));
        QCOMPARE(report.vouchers().totals().afa, money(afa));
        QCOMPARE(report.vouchers().totals().brutto, money(brutto));
        // Every grid row belongs to the voucher whose items it shows.
        int rows = 0;
        for (const VoucherPrintRows::Voucher &voucher : report.vouchers().vouchers())
            rows += voucher.rows.size();
        QCOMPARE(report.rows()->rowCount(), rows);
        if (rows > 0)
            QCOMPARE(report.voucherOfRow(rows - 1), report.vouchers().vouchers().size() - 1);
        QCOMPARE(report.voucherOfRow(rows), -1);
    }

    void voucherListItemWithoutMaterialOrPartnerCounts_data() { TestEngines::addRows(); }
    void voucherListItemWithoutMaterialOrPartnerCounts()
    {
        QFETCH(QString, engine);
        const QSqlDatabase wh = warehouse(engine, "both");
        QVERIFY(wh.isValid());
        VoucherListReport report(wh, "BE");
        QVERIFY(report.run(march()).isNull());
        const QAbstractItemModel *rows = report.rows();
        QStringList materials;
        for (int row = 0; row < rows->rowCount(); ++row)
            materials << rows->index(row, 4).data().toString() + '/' + rows->index(row, 5).data().toString() + '/'
                    + rows->index(row, 19).data().toString();
        QCOMPARE(materials, (QStringList {"0002/Cukor/Gabona Kft.", "0002/Cukor/Gabona Kft.", "0001/Liszt/Gabona Kft.",
                                "0009//"}));
        QCOMPARE(report.totals(), "Összesítés: Nettó: 307,00 Ft  Áfa: 81,00 Ft  Bruttó: 388,00 Ft");
    }

    void movementSummaryTotals_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("content");
        QTest::addColumn<bool>("opening");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QStringList>("receipts");
        QTest::addColumn<QStringList>("issues");
        for (const QString &engine : TestEngines::names()) {
            const QStringList none {"0.0000", "0.0000", "0.0000"};
            const QStringList received {"300.0006", "81.0003", "381.0009"};
            const QStringList issued {"30.1234", "0.0000", "30.1234"};
            TestEngines::newRow(engine, "receipts only") << "receipts" << false << 3 << received << none;
            TestEngines::newRow(engine, "issues only") << "issues" << false << 1 << none << issued;
            TestEngines::newRow(engine, "both") << "both" << false << 4 << received << issued;
            TestEngines::newRow(engine, "both with the opening row")
                << "both" << true << 5 << QStringList {"307.0013", "81.0003", "388.0016"} << issued;
        }
    }
    void movementSummaryTotals()
    {
        QFETCH(QString, engine);
        QFETCH(QString, content);
        QFETCH(bool, opening);
        QFETCH(int, lines);
        QFETCH(QStringList, receipts);
        QFETCH(QStringList, issues);
        const QSqlDatabase wh = warehouse(engine, content);
        QVERIFY(wh.isValid());
        MovementSummaryReport report(wh);
        const Refusal refusal = report.run(march({{MovementSummaryReport::IncludeOpening, opening}}));
        QVERIFY2(refusal.isNull(), qPrintable(refusal.text));
        QCOMPARE(report.lines().size(), lines);
        QCOMPARE(report.rows()->rowCount(), lines);
        const auto &sums = report.sums();
        QCOMPARE((QStringList {sums.receipts.netto.toString(), sums.receipts.afa.toString(),
                     sums.receipts.brutto.toString()}),
            receipts);
        QCOMPARE((QStringList {sums.issues.netto.toString(), sums.issues.afa.toString(), sums.issues.brutto.toString()}),
            issues);
        QCOMPARE(sums.balance().netto, money(receipts.at(0)) - money(issues.at(0)));
        QCOMPARE(sums.balance().brutto, money(receipts.at(2)) - money(issues.at(2)));
    }

    // The voucher number with another partner is its own line; the summary and the voucher lists
    // add up to the same amounts.
    void movementSummaryAgreesWithTheVoucherLists_data() { TestEngines::addRows(); }
    void movementSummaryAgreesWithTheVoucherLists()
    {
        QFETCH(QString, engine);
        const QSqlDatabase wh = warehouse(engine, "both");
        QVERIFY(wh.isValid());
        MovementSummaryReport summary(wh);
        QVERIFY(summary.run(march({{MovementSummaryReport::IncludeOpening, true}})).isNull());
        QStringList lines;
        for (const MovementSummaryReport::Line &line : summary.lines())
            lines << line.bizSzam + ' ' + line.partAzon + ' ' + line.bk + ' ' + line.brutto.toString();
        QCOMPARE(lines, (QStringList {"00000000 00010 BE 7.0007", "00000013 00010 BE 254.0003",
                            "00000012 00010 BE 127.0002", "00000012 99999 BE 0.0004", "00000014 00010 KI 30.1234"}));
        // The grid shows each line in its order, the amounts formatted on the right.
        const QAbstractItemModel *rows = summary.rows();
        QCOMPARE(rows->rowCount(), 5);
        QStringList last;
        for (int column = 0; column < rows->columnCount(); ++column)
            last << rows->index(4, column).data().toString();
        QCOMPARE(last.mid(1, 4), (QStringList {"00000014", "03", "00010", "KI"}));
        QCOMPARE(last.at(7), "30,12 Ft");
        QCOMPARE(rows->index(4, 7).data(Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
        QVERIFY(!(rows->index(4, 1).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight));
        QCOMPARE(rows->headerData(5, Qt::Horizontal).toString(), "Nettó érték");
        VoucherListReport receipts(wh, "BE");
        VoucherListReport issues(wh, "KI");
        QVERIFY(receipts.run(march()).isNull());
        QVERIFY(issues.run(march()).isNull());
        QCOMPARE(summary.sums().receipts.brutto, receipts.vouchers().totals().brutto);
        QCOMPARE(summary.sums().issues.netto, issues.vouchers().totals().netto);
        const auto amounts = summary.statusAmounts();
        QCOMPARE(amounts.size(), 9);
        QCOMPARE(amounts.at(2), qMakePair(QStringLiteral("Nettó össz:"), QStringLiteral("276,88 Ft")));
    }

    void storedPeriods_data() { TestEngines::addRows(); }
    void storedPeriods()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2024, 6, 1), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        const QSqlDatabase wh = db.warehouse(1);

        auto loaded = StoredPeriods::load(wh);
        QVERIFY(loaded.ok());
        QVERIFY(loaded.value.isEmpty());
        StoredPeriods::Open open = StoredPeriods::openPeriod(loaded.value, 2024, day(5, 10));
        QCOMPARE(open.from, day(1, 1));
        QCOMPARE(open.to, day(5, 10));

        const Checked<QString> first = StoredPeriods::save(wh, day(1, 1), day(3, 31));
        QVERIFY2(first.ok(), qPrintable(first.refusal.text));
        QCOMPARE(first.value, "001");
        QCOMPARE(StoredPeriods::save(wh, day(4, 1), day(4, 30)).value, "002");
        loaded = StoredPeriods::load(wh);
        QCOMPARE(loaded.value.size(), 2);
        QCOMPARE(loaded.value.last().from, day(4, 1));
        QCOMPARE(loaded.value.last().to, day(4, 30));

        // The next period starts the day after the last one, and not before it even when today does.
        open = StoredPeriods::openPeriod(loaded.value, 2024, day(5, 10));
        QCOMPARE(open.from, day(5, 1));
        QCOMPARE(open.minimum, day(5, 1));
        QCOMPARE(open.to, day(5, 10));
        QCOMPARE(StoredPeriods::openPeriod(loaded.value, 2024, day(4, 10)).to, day(5, 1));

        // A period that ends before it starts is no period: nothing is stored.
        const Checked<QString> backwards = StoredPeriods::save(wh, day(5, 2), day(5, 1));
        QCOMPARE(backwards.refusal.text, StoredPeriods::backwardsPeriodText());
        QCOMPARE(StoredPeriods::load(wh).value.size(), 2);

        // Numbers go on from the highest, past nine.
        QSqlQuery insert(wh);
        QVERIFY(insert.exec("INSERT INTO \"Tablo\" (\"Tabloszam\", \"NyitoDatum\", \"ZaroDatum\") "
                            "VALUES ('009', '2024-05-01', '2024-05-31')"));
        QCOMPARE(StoredPeriods::save(wh, day(6, 1), day(6, 30)).value, "010");
        QCOMPARE(StoredPeriods::load(wh).value.last().number, "010");
    }

    void storedPeriodThatCannotBeWrittenSaysWhy_data() { TestEngines::addRows(); }
    void storedPeriodThatCannotBeWrittenSaysWhy()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2024, 6, 1), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        QSqlQuery drop(db.warehouse(1));
        QVERIFY(drop.exec("DROP TABLE \"Tablo\""));
        const Checked<QString> saved = StoredPeriods::save(db.warehouse(1), day(1, 1), day(1, 31));
        QVERIFY(!saved.ok());
        QVERIFY(!saved.refusal.text.isEmpty());
        QVERIFY(!StoredPeriods::load(db.warehouse(1)).ok());
    }

    void periodEndingAfterTheLastClosingWarns_data()
    {
        QTest::addColumn<QDate>("to");
        QTest::addColumn<QDate>("closing");
        QTest::addColumn<bool>("warns");
        QTest::newRow("inside the closed months") << day(2, 29) << day(2, 29) << false;
        QTest::newRow("after the closing") << day(3, 1) << day(2, 29) << true;
        QTest::newRow("nothing closed yet") << day(1, 31) << QDate() << true;
    }
    void periodEndingAfterTheLastClosingWarns()
    {
        QFETCH(QDate, to);
        QFETCH(QDate, closing);
        QFETCH(bool, warns);
        const Refusal warning = StoredPeriods::openEndWarning(to, closing);
        QCOMPARE(!warning.isNull(), warns);
        if (warns)
            QCOMPARE(warning.caption, "Figyelmeztetés");
    }
};

QTEST_GUILESS_MAIN(TestMovementReports)
#include "tst_movementreports.moc"
