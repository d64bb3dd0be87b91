#include "reports/HeadcountSummaryReport.h"
#include "reports/MealMaterialsReport.h"
#include "reports/MonthlyHeadcountReport.h"
#include "store/Sql.h"
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

// The headcount reports and the materials per meal on the leap February of the fixture, on both
// engines.
class TestHeadcountReports : public QObject
{
    Q_OBJECT

    QSqlDatabase warehouse(const QString &engine)
    {
        auto &db = m_databases[engine];
        if (!db) {
            db = std::make_unique<TempDatabase>(QDate(2024, 6, 1), engine);
            if (!db->isValid())
                return QSqlDatabase();
            addFebruary(db->warehouse(1));
            // January: 500 lunches on each of 22 working days, issued.
            QSqlQuery query(db->warehouse(1));
            query.prepare("INSERT INTO \"Letszam\" (\"Datum\", \"Etkezesek\", \"Letszam\", \"Kiadva\", \"Mozgnem\") "
                          "VALUES (?, '01', 500, ?, '07')");
            for (int dayOfMonth = 1, days = 0; days < 22; ++dayOfMonth) {
                if (day(1, dayOfMonth).dayOfWeek() >= 6)
                    continue;
                query.addBindValue(Sql::date(day(1, dayOfMonth)));
                query.addBindValue(Sql::flag(true));
                if (!query.exec())
                    return QSqlDatabase();
                ++days;
            }
        }
        return db->warehouse(1);
    }

    static ReportParameters period(const QDate &from, const QDate &to, QVariantMap filters)
    {
        ReportParameters parameters;
        parameters.year = 2024;
        parameters.from = from;
        parameters.to = to;
        parameters.filters = std::move(filters);
        return parameters;
    }

    std::map<QString, std::unique_ptr<TempDatabase>> m_databases;

private slots:
    void headcountSummary_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<bool>("merge");
        QTest::addColumn<QStringList>("meals");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("budget");
        for (const QString &engine : TestEngines::names()) {
            // The lunch of 02-28 is not issued.
            TestEngines::newRow(engine, "per day")
                << day(2, 1) << false << QStringList {"01", "02"}
                << QStringList {"2024-02-29 01 Ebéd 100 50.0000 5000.0000", "2024-02-29 02 Vacsora 10 30.5000 305.0000"}
                << "5305";
            TestEngines::newRow(engine, "one meal") << day(2, 1) << false << QStringList {"02"}
                                                    << QStringList {"2024-02-29 02 Vacsora 10 30.5000 305.0000"}
                                                    << "305";
            // A period's sum goes beyond four digits.
            TestEngines::newRow(engine, "merged over two months")
                << day(1, 1) << true << QStringList {"01"} << QStringList {" 01 Ebéd 11100 50.0000 555000.0000"}
                << "555000";
            TestEngines::newRow(engine, "no meal") << day(1, 1) << false << QStringList() << QStringList() << "0";
        }
    }
    void headcountSummary()
    {
        QFETCH(QString, engine);
        QFETCH(QDate, from);
        QFETCH(bool, merge);
        QFETCH(QStringList, meals);
        QFETCH(QStringList, expected);
        QFETCH(QString, budget);
        const QSqlDatabase wh = warehouse(engine);
        QVERIFY(wh.isValid());
        HeadcountSummaryReport report(wh);
        const Refusal refusal = report.run(period(from, day(2, 29),
            {{HeadcountSummaryReport::Meals, meals}, {HeadcountSummaryReport::Merge, merge}}));
        QVERIFY2(refusal.isNull(), qPrintable(refusal.text));
        QStringList lines;
        for (const HeadcountSummaryReport::Line &line : report.lines())
            lines << QStringList {line.datum.toString(Qt::ISODate), line.etkKod, line.etkNev,
                         QString::number(line.letszam), line.norma.toString(), line.normakeret().toString()}
                         .join(' ');
        QCOMPARE(lines, expected);
        QCOMPARE(report.normBudget(), money(budget));
        QCOMPARE(report.rows()->rowCount(), expected.size());
    }

    void monthlyHeadcountGrid_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<bool>("issuedOnly");
        QTest::addColumn<QString>("day28");
        QTest::addColumn<QString>("total");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "issued only") << true << "- -" << "10 100";
            TestEngines::newRow(engine, "every headcount") << false << "- 20" << "10 120";
        }
    }
    void monthlyHeadcountGrid()
    {
        QFETCH(QString, engine);
        QFETCH(bool, issuedOnly);
        QFETCH(QString, day28);
        QFETCH(QString, total);
        const QSqlDatabase wh = warehouse(engine);
        QVERIFY(wh.isValid());
        MonthlyHeadcountReport report(wh);
        // Twelve meals, the supper first: a column each, in the order chosen.
        const QStringList meals {"02", "01", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12"};
        ReportParameters parameters;
        parameters.year = 2024;
        parameters.filters = {{MonthlyHeadcountReport::Month, 2}, {MonthlyHeadcountReport::Meals, meals},
            {MonthlyHeadcountReport::IssuedOnly, issuedOnly}};
        const Refusal refusal = report.run(parameters);
        QVERIFY2(refusal.isNull(), qPrintable(refusal.text));
        QCOMPARE(report.mealNames().mid(0, 3), (QStringList {"Vacsora", "Ebéd", "03"}));
        QCOMPARE(report.rows()->columnCount(), 13);
        QCOMPARE(report.rows()->headerData(2, Qt::Horizontal).toString(), "Ebéd");
        const auto &lines = report.lines();
        QCOMPARE(lines.size(), 30);
        QCOMPARE(lines.at(0).napok, "01. csütörtök");
        QCOMPARE(lines.at(3).napok, "04. vasárnap");
        QCOMPARE(lines.last().napok, "Össz:");
        auto firstTwo = [](const MonthlyHeadcountReport::Line &line) {
            QStringList cells;
            for (int column = 0; column < 2; ++column)
                cells << (line.counts.at(column) ? QString::number(*line.counts.at(column)) : QStringLiteral("-"));
            return cells.join(' ');
        };
        QCOMPARE(firstTwo(lines.at(28)), "10 100");
        QCOMPARE(firstTwo(lines.at(27)), day28);
        QCOMPARE(firstTwo(lines.last()), total);
        QVERIFY(!lines.last().counts.at(2));
        QCOMPARE(report.rows()->index(28, 2).data().toString(), "100");
        QCOMPARE(report.rows()->index(27, 1).data().toString(), QString());
    }

    void mealMaterials_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<bool>("detailed");
        QTest::addColumn<QStringList>("meals");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("totals");
        for (const QString &engine : TestEngines::names()) {
            // The sugar of the lunches costs nothing and is left out.
            TestEngines::newRow(engine, "detailed, two meals")
                << true << QStringList {"01", "02"}
                << QStringList {"01 Ebéd 0001 Liszt 30 3000.7500", "02 Vacsora 0001 Liszt 2.8 280.0001"}
                << "Normakeret: 6 305,00 Ft  Anyag használat: 3 280,75 Ft  Eltérés: -3 024,25 Ft  Beállás: 52,03 %";
            TestEngines::newRow(engine, "per material, two meals")
                << false << QStringList {"01", "02"} << QStringList {"  0001 Liszt 32.8 3280.7501"}
                << "Normakeret: 6 305,00 Ft  Anyag használat: 3 280,75 Ft  Eltérés: -3 024,25 Ft  Beállás: 52,03 %";
            TestEngines::newRow(engine, "no meal")
                << false << QStringList() << QStringList()
                << "Normakeret: 0,00 Ft  Anyag használat: 0,00 Ft  Eltérés: 0,00 Ft  Beállás: 0,00 %";
        }
    }
    void mealMaterials()
    {
        QFETCH(QString, engine);
        QFETCH(bool, detailed);
        QFETCH(QStringList, meals);
        QFETCH(QStringList, expected);
        QFETCH(QString, totals);
        const QSqlDatabase wh = warehouse(engine);
        QVERIFY(wh.isValid());
        MealMaterialsReport report(wh, detailed);
        const Refusal refusal = report.run(period(day(2, 1), day(2, 29), {{MealMaterialsReport::Meals, meals}}));
        QVERIFY2(refusal.isNull(), qPrintable(refusal.text));
        QStringList lines;
        for (const MealMaterialsReport::Line &line : report.lines())
            lines << QStringList {line.etkKod, line.etkTip, line.nyilvSzam, line.megnevezes,
                         QString::number(line.mennyiseg), line.netto.toString()}
                         .join(' ');
        QCOMPARE(lines, expected);
        QCOMPARE(report.totals(), totals);
        QCOMPARE(report.rows()->columnCount(), detailed ? 7 : 6);
    }

    void totalHeadcountOfChosenMeals_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QDate>("from");
        QTest::addColumn<QStringList>("meals");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<qint64>("total");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "February") << day(2, 1) << QStringList {"02", "01"}
                                                    << QStringList {"01 Ebéd 100", "02 Vacsora 10"} << qint64(110);
            TestEngines::newRow(engine, "two months beyond four digits")
                << day(1, 1) << QStringList {"01"} << QStringList {"01 Ebéd 11100"} << qint64(11100);
            TestEngines::newRow(engine, "no meal") << day(1, 1) << QStringList() << QStringList() << qint64(1);
        }
    }
    void totalHeadcountOfChosenMeals()
    {
        QFETCH(QString, engine);
        QFETCH(QDate, from);
        QFETCH(QStringList, meals);
        QFETCH(QStringList, expected);
        QFETCH(qint64, total);
        const QSqlDatabase wh = warehouse(engine);
        QVERIFY(wh.isValid());
        const auto headcounts = MealMaterialsReport::headcounts(wh, from, day(2, 29), meals);
        QVERIFY2(headcounts.ok(), qPrintable(headcounts.refusal.text));
        QStringList lines;
        for (const MealMaterialsReport::MealHeadcount &meal : headcounts.value)
            lines << meal.code + ' ' + meal.name + ' ' + QString::number(meal.headcount);
        QCOMPARE(lines, expected);
        QCOMPARE(MealMaterialsReport::totalHeadcount(headcounts.value), total);
    }
};

QTEST_GUILESS_MAIN(TestHeadcountReports)
#include "tst_headcountreports.moc"
