#include "master/BrowseModel.h"
#include "master/BrowseQuery.h"
#include "master/CodeTable.h"
#include "master/Materials.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

Q_DECLARE_METATYPE(CodeTableId)

// The browse screens' queries: orders, the row a search finds in the current order, and the
// refusals of a typed value.
class TestBrowseQuery : public QObject
{
    Q_OBJECT

    // One database per engine for the whole run, filled by fill().
    EngineDatabases m_databases {QDate::currentDate(), fill};
    TempDatabase &db() { return m_databases.current(); }

    QSqlDatabase wh() { return db().warehouse(1); }

    QStringList column(const QString &sql, int index)
    {
        QStringList values;
        QSqlQuery query(wh());
        if (!query.exec(sql))
            return {query.lastError().text()};
        while (query.next())
            values << query.value(index).toString();
        return values;
    }

    // The materials every test searches and orders.
    static void fill(const TempDatabase &db)
    {
        QSqlQuery query(db.warehouse(1));
        QVERIFY(query.exec(QStringLiteral("DELETE FROM \"Anyag\"")));
        query.prepare(QStringLiteral("INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Csoport\") "
                                     "VALUES (?, ?, ?, ?)"));
        const QStringList rows[] = {{"011", "0001", "Zsemle", "01"}, {"011", "0002", "Ásványvíz", "02"},
            {"012", "0003", "Alma", "03"}, {"012", "0004", "Csirke", "03"}, {"013", "0005", "Cukor", "04"},
            {"013", "0006", "100% lé", "05"}, {"013", "0007", "ÉTOLAJ", "05"}};
        for (const QStringList &row : rows) {
            for (const QString &value : row)
                query.addBindValue(value);
            QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
        }
    }

private slots:
    void init() { QVERIFY2(db().isValid(), qPrintable(db().errorText())); }

    void orders_data() { TestEngines::addRows(); }
    void orders()
    {
        BrowseQuery browse(wh(), Materials::browse());
        QCOMPARE(column(browse.selectSql(0), 1),
            QStringList({"0001", "0002", "0003", "0004", "0005", "0006", "0007"}));
        QCOMPARE(column(browse.selectSql(2), 2),
            QStringList({"100% lé", "Alma", "Ásványvíz", "Cukor", "Csirke", "ÉTOLAJ", "Zsemle"}));
        QCOMPARE(column(browse.selectSql(1), 2),
            QStringList({"Ásványvíz", "Zsemle", "Alma", "Csirke", "100% lé", "Cukor", "ÉTOLAJ"}));
        QVERIFY(!column(browse.reportSql(2), 0).first().contains(QLatin1String("rror")));
    }

    void locate_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<int>("order");
        QTest::addColumn<int>("search");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("refusal");
        for (const QString &engine : TestEngines::names()) {
            const QString notFound = QStringLiteral("A keresett elem nem található!");
            TestEngines::newRow(engine, "name prefix in name order") << 2 << 2 << "cs" << 4 << "";
            TestEngines::newRow(engine, "accented capital") << 2 << 2 << "étol" << 5 << "";
            TestEngines::newRow(engine, "accent is not case") << 0 << 2 << "a" << 2 << "";
            TestEngines::newRow(engine, "first in name order") << 2 << 2 << "a" << 1 << "";
            TestEngines::newRow(engine, "percent literal") << 2 << 2 << "100%" << 0 << "";
            TestEngines::newRow(engine, "underscore literal") << 2 << 2 << "_" << -1 << notFound;
            TestEngines::newRow(engine, "ledger padded exact") << 0 << 0 << "12" << 2 << "";
            TestEngines::newRow(engine, "ledger out of range")
                << 0 << 0 << "1000" << -1
                << "Hibás keresési értékadás!\rEz a mezőfajta csak 0..999 közötti számot tartalmazhat!";
            TestEngines::newRow(engine, "register padded") << 0 << 1 << "7" << 6 << "";
            TestEngines::newRow(engine, "register letters")
                << 0 << 1 << "x" << -1
                << "Hibás keresési értékadás!\rEz a mezőfajta csak 0..9999 közötti számot tartalmazhat!";
            TestEngines::newRow(engine, "group") << 0 << 3 << "3" << 2 << "";
            TestEngines::newRow(engine, "group missing") << 0 << 3 << "9" << -1 << notFound;
            TestEngines::newRow(engine, "group 100")
                << 0 << 3 << "100" << -1
                << "Hibás keresési értékadás!\rEz a mezőfajta csak 0..99 közötti számot tartalmazhat!";
        }
    }
    void locate()
    {
        QFETCH(int, order);
        QFETCH(int, search);
        QFETCH(QString, typed);
        QFETCH(int, row);
        QFETCH(QString, refusal);
        BrowseQuery browse(wh(), Materials::browse());
        const Checked<int> found = browse.locate(order, search, typed);
        QCOMPARE(found.refusal.text, refusal);
        if (refusal.isEmpty())
            QCOMPARE(found.value, row);
    }

    void codeSearches_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<CodeTableId>("id");
        QTest::addColumn<int>("search");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("refusal");
        for (const QString &engine : TestEngines::names()) {
            const QString numbers
                = QStringLiteral("Hibás keresési értékadás!\rEz a mezőfajta csak számot tartalmazhat!");
            TestEngines::newRow(engine, "movement prefix as typed") << CodeTableId::MovementTypes << 0 << "0"
                                                                    << "00"
                                                                    << "";
            TestEngines::newRow(engine, "movement prefix") << CodeTableId::MovementTypes << 0 << "07"
                                                           << "07"
                                                           << "";
            TestEngines::newRow(engine, "movement letters") << CodeTableId::MovementTypes << 0 << "a"
                                                            << "" << numbers;
            TestEngines::newRow(engine, "VAT code padded") << CodeTableId::VatRates << 0 << "3"
                                                           << "03"
                                                           << "";
            TestEngines::newRow(engine, "VAT date") << CodeTableId::VatRates << 1 << "2012.01.01."
                                                    << "01"
                                                    << "";
            TestEngines::newRow(engine, "VAT not a date") << CodeTableId::VatRates << 1 << "tegnap"
                                                          << ""
                                                          << "Hibás keresési értékadás!\rA megadott érték nem dátum!";
            TestEngines::newRow(engine, "VAT value comma") << CodeTableId::VatRates << 2 << "18,0"
                                                           << "02"
                                                           << "";
            TestEngines::newRow(engine, "VAT value 101")
                << CodeTableId::VatRates << 2 << "101"
                << ""
                << "Hibás keresési értékadás!\rEz a mezőfajta csak 0..100 közötti szám lehet!";
            for (const char *none : {"inf", "nan", "1e1", "18abc"})
                TestEngines::newRow(engine, (QByteArray("VAT value ") + none).constData())
                    << CodeTableId::VatRates << 2 << QString::fromLatin1(none) << ""
                    << "Hibás keresési értékadás!\rEz a mezőfajta csak 0..100 közötti szám lehet!";
            TestEngines::newRow(engine, "unit ignoring case") << CodeTableId::Units << 0 << "gr"
                                                              << "GRM"
                                                              << "";
            TestEngines::newRow(engine, "meal type whole value") << CodeTableId::MealTypes << 0 << "3"
                                                                 << ""
                                                                 << "A keresett elem nem található!";
            TestEngines::newRow(engine, "meal type name") << CodeTableId::MealTypes << 1 << "EBÉ"
                                                          << "03"
                                                          << "";
        }
    }
    void codeSearches()
    {
        QFETCH(CodeTableId, id);
        QFETCH(int, search);
        QFETCH(QString, typed);
        QFETCH(QString, key);
        QFETCH(QString, refusal);
        const CodeTable &member = CodeTables::member(id);
        BrowseQuery browse(wh(), member.browse);
        const Checked<int> found = browse.locate(0, search, typed);
        QCOMPARE(found.refusal.text, refusal);
        if (refusal.isEmpty())
            QCOMPARE(found.value, browse.rowOf(0, {key}).value);
    }

    void pagesFollowTheOrder_data() { TestEngines::addRows(); }
    void pagesFollowTheOrder()
    {
        QSqlQuery query(wh());
        QVERIFY(query.exec(QStringLiteral("DELETE FROM \"Anyag\" WHERE \"FokonyviSzam\" = '099'")));
        query.prepare(QStringLiteral("INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\") VALUES ('099', ?, ?)"));
        const QStringList words{"Őz", "Alma", "zab", "Ének", "Csiga", "cukor"};
        for (int i = 0; i < 2 * BrowseModel::PageSize + 50; ++i) {
            query.addBindValue(QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0')));
            query.addBindValue(words.at(i % words.size()) + QString::number(i % 7));
            QVERIFY(query.exec());
        }
        BrowseModel model(wh(), Materials::browse());
        for (int order = 0; order < Materials::browse().orders.size(); ++order) {
            model.open(order);
            const QStringList expected = column(model.query().selectSql(order), 1);
            QStringList paged;
            for (int row = model.rowCount() - 1; row >= 0; --row)
                paged.prepend(model.keyAt(row).at(1));
            QCOMPARE(paged, expected);
        }
        QVERIFY(query.exec(QStringLiteral("DELETE FROM \"Anyag\" WHERE \"FokonyviSzam\" = '099'")));
    }

    void rowOfKey_data() { TestEngines::addRows(); }
    void rowOfKey()
    {
        BrowseQuery browse(wh(), Materials::browse());
        QCOMPARE(browse.rowOf(2, {QStringLiteral("013"), QStringLiteral("0005")}).value, 3);
        QCOMPARE(browse.rowOf(2, {QStringLiteral("013"), QStringLiteral("0009")}).value, -1);
    }
};

QTEST_GUILESS_MAIN(TestBrowseQuery)
#include "tst_browsequery.moc"
