#include "reports/MonthlyUsageReport.h"
#include "reports/NormComparison.h"
#include "reports/UsageByMovementReport.h"
#include "reports/UsageDetailReport.h"
#include "reports/UsageFilter.h"
#include "support/MovementReportFixture.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QtTest>
#include <map>
#include <memory>

using namespace MovementReportFixture;
using StockFixture::money;

// The usage reports and the norm comparisons on small warehouses of receipts only, issues only
// and both, and a leap February with a ration-sheet ("07") and an a-la-carte ("08") issue on one
// day, on both engines.
class TestUsageReports : public QObject
{
    Q_OBJECT

    QSqlDatabase warehouse(const QString &engine, const QString &content)
    {
        auto &db = m_databases[engine + content];
        if (!db) {
            db = std::make_unique<TempDatabase>(QDate(2024, 6, 1), engine);
            if (!db->isValid())
                return QSqlDatabase();
            if (content == QLatin1String("receipts"))
                addMarchReceipts(db->warehouse(1));
            else if (content == QLatin1String("issues"))
                addMarchIssue(db->warehouse(1));
            else
                addAll(db->warehouse(1));
        }
        return db->warehouse(1);
    }

    static ReportParameters year(QVariantMap filters = {})
    {
        ReportParameters parameters;
        parameters.year = 2024;
        parameters.from = day(1, 1);
        parameters.to = day(12, 31);
        parameters.filters = std::move(filters);
        return parameters;
    }

    std::map<QString, std::unique_ptr<TempDatabase>> m_databases;

private slots:
    void usageByMovementType_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QVariantMap>("filters");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("received");
        QTest::addColumn<QString>("issued");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "receipts only")
                << "receipts" << QVariantMap() << QStringList {"00 7.0007 0.0000", "01 300.0006 0.0000"} << "307.0013"
                << "0.0000";
            TestEngines::newRow(engine, "issues only")
                << "issues" << QVariantMap() << QStringList {"03 0.0000 30.1234"} << "0.0000" << "30.1234";
            TestEngines::newRow(engine, "both")
                << "all" << QVariantMap()
                << QStringList {"00 7.0007 0.0000", "01 300.0006 0.0000", "03 0.0000 30.1234", "07 0.0000 5261.0000",
                       "08 0.0000 999.0001"}
                << "307.0013" << "6290.1235";
            // The item of the gone material counts until a material group is chosen.
            TestEngines::newRow(engine, "material group")
                << "all" << QVariantMap {{UsageFilter::Group, "01"}, {UsageFilter::MovementFrom, "01"},
                                            {UsageFilter::MovementTo, "03"}}
                << QStringList {"01 300.0003 0.0000", "03 0.0000 30.1234"} << "300.0003" << "30.1234";
            TestEngines::newRow(engine, "register-number range")
                << "all" << QVariantMap {{UsageFilter::MaterialFrom, "0002"}, {UsageFilter::MaterialTo, "0002"}}
                << QStringList {"00 7.0007 0.0000", "01 200.0002 0.0000", "08 0.0000 999.0001"} << "207.0009"
                << "999.0001";
            TestEngines::newRow(engine, "partner range and VAT code")
                << "all" << QVariantMap {{UsageFilter::PartnerFrom, "99999"}, {UsageFilter::PartnerTo, "99999"},
                                            {UsageFilter::Vat, "01"}}
                << QStringList {"01 0.0003 0.0000"} << "0.0003" << "0.0000";
            TestEngines::newRow(engine, "a quoted range bound is a value")
                << "all" << QVariantMap {{UsageFilter::MovementTo, "\"Mozgnem\""}} << QStringList() << "0.0000"
                << "0.0000";
        }
    }
    void usageByMovementType()
    {
        QFETCH(QString, engine);
        QFETCH(QString, content);
        QFETCH(QVariantMap, filters);
        QFETCH(QStringList, expected);
        QFETCH(QString, received);
        QFETCH(QString, issued);
        const QSqlDatabase wh = warehouse(engine, content);
        QVERIFY(wh.isValid());
        UsageByMovementReport report(wh);
        const Refusal refusal = report.run(year(filters));
        QVERIFY2(refusal.isNull(), qPrintable(refusal.text));
        QStringList lines;
        for (const UsageByMovementReport::Line &line : report.lines())
            lines << line.mozgnemKod + ' ' + line.beErt.toString() + ' ' + line.kiErt.toString();
        QCOMPARE(lines, expected);
        QCOMPARE(report.received(), money(received));
        QCOMPARE(report.issued(), money(issued));
        QCOMPARE(report.rows()->rowCount(), expected.size());
    }

    void usageDetail_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QStringList>("expected");
        for (const QString &engine : TestEngines::names()) {
            // Receipts of 10 and issues of 3.3333 leave 6.667; receipts alone keep their quantity.
            TestEngines::newRow(engine, "both")
                << "all"
                << QStringList {"0001 Liszt 10 3.3333 6.667 100.0001 30.1234 10.4810", "0002 Cukor 5 0 5 200.0002 0.0000 40.0000",
                       "0009  1 0 1 0.0003 0.0000 0.0003"};
            TestEngines::newRow(engine, "receipts only")
                << "receipts"
                << QStringList {"0001 Liszt 10 0 10 100.0001 0.0000 10.0000", "0002 Cukor 5 0 5 200.0002 0.0000 40.0000",
                       "0009  1 0 1 0.0003 0.0000 0.0003"};
            TestEngines::newRow(engine, "issues only")
                << "issues" << QStringList {"0001 Liszt 0 3.3333 -3.3333 0.0000 30.1234 0.0000"};
        }
    }
    void usageDetail()
    {
        QFETCH(QString, engine);
        QFETCH(QString, content);
        QFETCH(QStringList, expected);
        const QSqlDatabase wh = warehouse(engine, content);
        QVERIFY(wh.isValid());
        UsageDetailReport report(wh);
        const Refusal refusal
            = report.run(year({{UsageFilter::MovementFrom, "01"}, {UsageFilter::MovementTo, "03"}}));
        QVERIFY2(refusal.isNull(), qPrintable(refusal.text));
        QStringList lines;
        for (const UsageDetailReport::Line &line : report.lines())
            lines << QStringList {line.nyilvSzam, line.anyagNev, QString::number(line.beMenny),
                         QString::number(line.kiMenny), QString::number(line.menny), line.beErt.toString(),
                         line.kiErt.toString(), line.nyilvAr().toString()}
                         .join(' ');
        QCOMPARE(lines, expected);
        Money received, issued;
        for (const UsageDetailReport::Line &line : report.lines()) {
            received += line.beErt;
            issued += line.kiErt;
        }
        QCOMPARE(report.received(), received);
        QCOMPARE(report.issued(), issued);
        QCOMPARE(report.totals(), UsageFilter::totalsText(received, issued));
    }

    void monthlyUsageOfALeapFebruary_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<bool>("aLaCarte");
        QTest::addColumn<QString>("usage");
        QTest::addColumn<QString>("norm");
        QTest::addColumn<double>("percent");
        for (const QString &engine : TestEngines::names()) {
            // Only the ration-sheet issue and its headcount: the hand issue is no ration sheet, and
            // the a-la-carte issue has no norm budget.
            TestEngines::newRow(engine, "ration sheets") << false << "5250.0000" << "5000.0000" << 105.0;
            TestEngines::newRow(engine, "a-la-carte counted on purpose")
                << true << "6249.0001" << "5305.0000" << 117.79;
        }
    }
    void monthlyUsageOfALeapFebruary()
    {
        QFETCH(QString, engine);
        QFETCH(bool, aLaCarte);
        QFETCH(QString, usage);
        QFETCH(QString, norm);
        QFETCH(double, percent);
        const QSqlDatabase wh = warehouse(engine, "all");
        QVERIFY(wh.isValid());
        MonthlyUsageReport report(wh);
        ReportParameters parameters;
        parameters.year = 2024;
        parameters.filters = {{MonthlyUsageReport::Month, 2}, {MonthlyUsageReport::MovementFrom, "00"},
            {MonthlyUsageReport::MovementTo, "08"}, {MonthlyUsageReport::WithALaCarte, aLaCarte}};
        const Refusal refusal = report.run(parameters);
        QVERIFY2(refusal.isNull(), qPrintable(refusal.text));
        const QList<MonthlyUsageReport::Line> &lines = report.lines();
        QCOMPARE(lines.size(), 30);
        QCOMPARE(lines.first().napok, "01 csütörtök");
        QCOMPARE(lines.at(28).napok, "29 csütörtök");
        QCOMPARE(lines.last().napok, "Összesen");
        QCOMPARE(report.rows()->rowCount(), 30);
        // A day without headcounts or issues has zeros.
        QCOMPARE(lines.at(27).anyagfelh, Money());
        QCOMPARE(lines.at(27).normakeret, Money());
        QCOMPARE(lines.at(27).beSzazalek(), 0.0);
        for (const MonthlyUsageReport::Line &line : {lines.at(28), lines.last()}) {
            QCOMPARE(line.anyagfelh, money(usage));
            QCOMPARE(line.normakeret, money(norm));
            QCOMPARE(line.beallas(), money(usage) - money(norm));
            QCOMPARE(line.beSzazalek(), percent);
        }
        QCOMPARE(report.rows()->index(28, 4).data().toString(), QString::number(percent, 'f', 2).replace('.', ','));
    }

    void normComparisonForMeals_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QStringList>("meals");
        QTest::addColumn<QStringList>("texts");
        for (const QString &engine : TestEngines::names()) {
            // Each meal's day counts its budget once, however many lines it has.
            TestEngines::newRow(engine, "one meal on two days")
                << QStringList {"01"} << QStringList {"6 000,00 Ft", "3 000,75 Ft", "-2 999,25 Ft", "50,01 %"};
            TestEngines::newRow(engine, "two meals")
                << QStringList {"01", "02"} << QStringList {"6 305,00 Ft", "3 280,75 Ft", "-3 024,25 Ft", "52,03 %"};
            TestEngines::newRow(engine, "no meal")
                << QStringList() << QStringList {"0,00 Ft", "0,00 Ft", "0,00 Ft", "0,00 %"};
        }
    }
    void normComparisonForMeals()
    {
        QFETCH(QString, engine);
        QFETCH(QStringList, meals);
        QFETCH(QStringList, texts);
        const QSqlDatabase wh = warehouse(engine, "all");
        QVERIFY(wh.isValid());
        const Checked<NormComparison> comparison = NormComparison::forMeals(wh, day(2, 1), day(2, 29), meals);
        QVERIFY2(comparison.ok(), qPrintable(comparison.refusal.text));
        QCOMPARE(comparison.value.texts(), texts);
    }

    void normComparisonForMovementTypes_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("aLaCarte");
        QTest::addColumn<QString>("norm");
        QTest::addColumn<QString>("usage");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "every type, ration sheets only") << "00" << "08" << false << "5000" << "5250";
            TestEngines::newRow(engine, "every type with a-la-carte") << "00" << "08" << true << "5305" << "6249.0001";
            TestEngines::newRow(engine, "a-la-carte type alone") << "08" << "08" << true << "305" << "999.0001";
            TestEngines::newRow(engine, "a range without issues") << "01" << "03" << false << "0" << "0";
        }
    }
    void normComparisonForMovementTypes()
    {
        QFETCH(QString, engine);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, aLaCarte);
        QFETCH(QString, norm);
        QFETCH(QString, usage);
        const QSqlDatabase wh = warehouse(engine, "all");
        QVERIFY(wh.isValid());
        const Checked<NormComparison> comparison
            = NormComparison::forMovementTypes(wh, day(1, 1), day(12, 31), from, to, aLaCarte);
        QVERIFY2(comparison.ok(), qPrintable(comparison.refusal.text));
        QCOMPARE(comparison.value.normBudget, money(norm));
        QCOMPARE(comparison.value.usage, money(usage));
    }
};

QTEST_GUILESS_MAIN(TestUsageReports)
#include "tst_usagereports.moc"
