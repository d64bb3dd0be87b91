#include "master/RecipeCards.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

// The values the recipe printouts show, read without a window, on both engines.
class TestRecipeCards : public QObject
{
    Q_OBJECT

    static void exec(QSqlDatabase db, const QString &sql)
    {
        QSqlQuery query(db);
        QVERIFY2(query.exec(sql), qPrintable(sql + QStringLiteral(": ") + query.lastError().text()));
    }

    // Two recipes; the soup's lines are stored out of name order, one names a missing material.
    static void seed(QSqlDatabase db)
    {
        exec(db, "INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mertekegyseg\") VALUES "
                 "('211', '0001', 'Zab', 'kg'), ('211', '0002', 'Élesztő', 'kg'), ('211', '0003', 'Csiga', 'kg'), "
                 "('211', '0004', 'Cukor', 'kg'), ('211', '0005', 'Alma', 'kg')");
        exec(db, "INSERT INTO \"ReceptFej\" (\"EtelKod\", \"Megnevezes\", \"Enorma\", \"Netto\", \"Afa\", "
                 "\"LetrDat\", \"ModDat\", \"Leiras\", \"Energia\", \"HSo\") VALUES ('0001', 'Zabkása', '01', "
                 "1234.5678, 10.25, '2026-01-05', '2026-02-01', 'Főzni.', 2800, 1.5), ('0002', 'Almás csiga', '01', "
                 "0, 0, '2026-01-06', NULL, '', 0, 0)");
        exec(db, "INSERT INTO \"Recept\" (\"EtelKod\", \"FokSzla\", \"NyilvSzam\", \"Mennyiseg\") VALUES "
                 "('0001', '211', '0001', 5), ('0001', '211', '0002', 0.125), ('0001', '211', '0004', 2), "
                 "('0001', '211', '0003', 1), ('0002', '211', '0005', 3)");
    }

private slots:
    void cardHoldsHeaderValuesAndLinesInHungarianOrder_data() { TestEngines::addRows(); }
    void cardHoldsHeaderValuesAndLinesInHungarianOrder()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2026, 3, 10), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        seed(db.warehouse(1));

        const RecipeCards::Card card = RecipeCards::card(db.warehouse(1), QStringLiteral("0001"));
        QCOMPARE(card.name, QStringLiteral("Zabkása"));
        QCOMPARE(card.created, QDate(2026, 1, 5));
        QCOMPARE(card.modified, QDate(2026, 2, 1));
        QVERIFY(!card.ended.isValid());
        QCOMPARE(card.text, QStringLiteral("Főzni."));
        QCOMPARE(card.values.value(QStringLiteral("Energia")), 2800.0);
        QCOMPARE(card.values.value(QStringLiteral("HSo")), 1.5);
        QStringList lines;
        for (const RecipeCards::Line &line : card.lines)
            lines << line.material + QLatin1Char('|') + QString::number(line.quantity) + QLatin1Char('|') + line.unit;
        QCOMPARE(lines, (QStringList {"Cukor|2|kg", "Csiga|1|kg", "Élesztő|0.125|kg", "Zab|5|kg"}));

        const RecipeCards::Card unknown = RecipeCards::card(db.warehouse(1), QStringLiteral("0099"));
        QVERIFY(unknown.name.isEmpty());
        QVERIFY(unknown.lines.isEmpty());
    }

    void listOrdersRecipesAndMaterialsByName_data() { TestEngines::addRows(); }
    void listOrdersRecipesAndMaterialsByName()
    {
        QFETCH(QString, engine);
        TempDatabase db(QDate(2026, 3, 10), engine);
        QVERIFY2(db.isValid(), qPrintable(db.errorText()));
        seed(db.warehouse(1));

        QStringList rows;
        for (const RecipeCards::ListRow &row : RecipeCards::list(db.warehouse(1)))
            rows << row.code + QLatin1Char('|') + row.line.material + QLatin1Char('|') + row.net.toString();
        QCOMPARE(rows,
            (QStringList {"0002|Alma|0.0000", "0001|Cukor|1234.5678", "0001|Csiga|1234.5678",
                "0001|Élesztő|1234.5678", "0001|Zab|1234.5678"}));
    }
};

QTEST_GUILESS_MAIN(TestRecipeCards)
#include "tst_recipecards.moc"
