#include "reports/InventoryDifferenceReport.h"
#include "reports/InventoryListReport.h"
#include "reports/MaterialCardReport.h"
#include "support/StockFixture.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QAbstractItemModel>
#include <QSqlQuery>
#include <QtTest>

using namespace StockFixture;

namespace {

QStringList column(QAbstractItemModel *model, int index)
{
    QStringList texts;
    for (int row = 0; row < model->rowCount(); ++row)
        texts << model->index(row, index).data().toString();
    return texts;
}

} // namespace

// The stock reports as the report screens run them: parameters in, grid rows and totals out,
// on both engines, without a window.
class TestReportQueries : public QObject
{
    Q_OBJECT

    struct Warehouse
    {
        TempDatabase db;
        QSqlDatabase wh;
        explicit Warehouse(const QString &engine)
            : db(QDate(2025, 6, 1), engine)
        {
            wh = db.warehouse(1);
            addReportStock(wh);
        }
    };

    static ReportParameters atDate(const QDate &date, QVariantMap filters)
    {
        ReportParameters parameters;
        parameters.year = date.year();
        parameters.date = date;
        parameters.filters = std::move(filters);
        return parameters;
    }

private slots:
    void materialCard_data() { TestEngines::addRows(); }
    void materialCard()
    {
        QFETCH(QString, engine);
        Warehouse w(engine);
        MaterialCardReport report(w.wh);
        ReportParameters parameters;
        parameters.from = QDate(2025, 1, 1);
        parameters.to = QDate(2025, 6, 30);
        parameters.filters = {{MaterialCardReport::LedgerAccount, "100"}, {MaterialCardReport::RegisterNumber, "0001"}};
        QVERIFY(report.run(parameters).isNull());
        QAbstractItemModel *rows = report.rows();
        QCOMPARE(rows->columnCount(), 16);
        QCOMPARE(rows->headerData(0, Qt::Horizontal).toString(), QString("Dátum"));
        QCOMPARE(column(rows, 1), QStringList({"00000001", "00000002"}));
        QCOMPARE(column(rows, 2), QStringList({"BE", "KI"}));
        QCOMPARE(column(rows, 8), QStringList({"10", "8"}));
        QVERIFY(report.totals().startsWith("Össz:\nBE: "));
        QCOMPARE(report.card().material().megnevezes, QString("Liszt"));

        // Another period: the rows of the first run are gone.
        parameters.from = QDate(2025, 5, 1);
        QVERIFY(report.run(parameters).isNull());
        QCOMPARE(rows->rowCount(), 0);
    }

    void inventoryListFilters_data() { TestEngines::addRows(); }
    void inventoryListFilters()
    {
        QFETCH(QString, engine);
        Warehouse w(engine);
        InventoryListReport report(w.wh);
        QCOMPARE(report.totals(), QString("Összesítés:"));
        QVariantMap filters {{InventoryListReport::WorkYear, 2025}, {InventoryListReport::ShowZero, false},
            {InventoryListReport::LedgerAccount, QString()}, {InventoryListReport::ByName, false}};
        // A view change before the first run computes nothing.
        report.applyView(atDate(QDate(2025, 6, 30), filters));
        QCOMPARE(report.rows()->rowCount(), 0);

        QVERIFY(report.run(atDate(QDate(2025, 6, 30), filters)).isNull());
        QCOMPARE(column(report.rows(), 1), QStringList({"0001", "0003"}));
        QCOMPARE(column(report.rows(), 3), QStringList({"8,000", "3,000"}));
        QCOMPARE(report.totals(), QString("Napi készletérték: 1 500,00 Ft"));

        // The view follows the filters on the same stock: zero rows, one account, name order.
        filters[InventoryListReport::ShowZero] = true;
        filters[InventoryListReport::LedgerAccount] = "100";
        filters[InventoryListReport::ByName] = true;
        report.applyView(atDate(QDate(2025, 6, 30), filters));
        QCOMPARE(column(report.rows(), 2), QStringList({"Cukor", "Liszt"}));
        QCOMPARE(report.totals(), QString("Napi készletérték: 1 200,00 Ft"));
        QCOMPARE(report.lines().size(), 2);
    }

    void inventoryDifferenceSheet_data() { TestEngines::addRows(); }
    void inventoryDifferenceSheet()
    {
        QFETCH(QString, engine);
        Warehouse w(engine);
        InventoryDifferenceReport report(w.wh, {"anna", "konyha-1"}, false);
        const ReportParameters parameters = atDate(QDate(2025, 6, 30),
            {{InventoryDifferenceReport::WorkYear, 2025}, {InventoryDifferenceReport::ByName, false},
                {InventoryDifferenceReport::OnlyDifferences, false}});
        QVERIFY(report.run(parameters).isNull());
        const int liszt = int(column(report.rows(), 1).indexOf("0001"));
        QVERIFY(liszt >= 0);
        QVERIFY(report.rows()->flags(report.rows()->index(liszt, InventoryDifferenceReport::RealStockColumn))
            & Qt::ItemIsEditable);
        QVERIFY(!(report.rows()->flags(report.rows()->index(liszt, 2)) & Qt::ItemIsEditable));

        // A malformed number is refused and changes nothing.
        const QString before = report.totals();
        const Refusal bad = report.setRealStock(liszt, "nyolc", parameters);
        QCOMPARE(bad.text, QString("Hibás számot adott meg!"));
        QCOMPARE(report.totals(), before);

        // 6 of the 8 kg of flour found: the row shows the difference and is marked, the totals follow.
        QVERIFY(report.setRealStock(liszt, "6", parameters).isNull());
        const int row = int(column(report.rows(), 1).indexOf("0001"));
        QCOMPARE(report.rows()->index(row, 7).data().toString(), QString("2,000"));
        QCOMPARE(report.rows()->index(row, 0).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::red));
        QVERIFY(report.totals() != before);

        // Alma counted as stored; only the rows with a difference remain.
        QVERIFY(report.setRealStock(int(column(report.rows(), 1).indexOf("0003")), "3", parameters).isNull());
        ReportParameters onlyDifferences = parameters;
        onlyDifferences.filters[InventoryDifferenceReport::OnlyDifferences] = true;
        report.show(onlyDifferences);
        QCOMPARE(column(report.rows(), 1), QStringList({"0001"}));
    }

    // The stock comparison shows the stored stock as the real one, and nothing can be typed.
    void comparisonSheetIsReadOnly_data() { TestEngines::addRows(); }
    void comparisonSheetIsReadOnly()
    {
        QFETCH(QString, engine);
        Warehouse w(engine);
        InventoryDifferenceReport report(w.wh, {"anna", "konyha-1"}, true);
        const ReportParameters parameters = atDate(QDate(2025, 6, 30), {{InventoryDifferenceReport::WorkYear, 2025}});
        QVERIFY(report.run(parameters).isNull());
        QVERIFY(report.rows()->rowCount() > 0);
        for (int row = 0; row < report.rows()->rowCount(); ++row)
            QVERIFY(!(report.rows()->flags(report.rows()->index(row, InventoryDifferenceReport::RealStockColumn))
                & Qt::ItemIsEditable));
        QVERIFY(report.setRealStock(0, "1", parameters).isNull());
        QCOMPARE(column(report.rows(), 7), QStringList(report.rows()->rowCount(), "0,000"));
    }

    // A database that fails under the query gives the database's reason, not an empty success.
    void databaseErrorIsRefused()
    {
        Warehouse w(TestEngines::sqlite());
        QSqlQuery(w.wh).exec("DROP TABLE Raktar");
        MaterialCardReport card(w.wh);
        ReportParameters parameters;
        parameters.from = QDate(2025, 1, 1);
        parameters.to = QDate(2025, 6, 30);
        parameters.filters = {{MaterialCardReport::LedgerAccount, "100"}, {MaterialCardReport::RegisterNumber, "0001"}};
        const Refusal refused = card.run(parameters);
        QVERIFY(refused.text.startsWith("Az adatbázis olvasása nem sikerült!\rOka: "));
        QCOMPARE(card.rows()->rowCount(), 0);
        InventoryListReport list(w.wh);
        QVERIFY(!list.run(atDate(QDate(2025, 6, 30), {{InventoryListReport::WorkYear, 2025}})).isNull());
    }
};

QTEST_GUILESS_MAIN(TestReportQueries)
#include "tst_reportqueries.moc"
