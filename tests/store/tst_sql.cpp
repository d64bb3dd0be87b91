#include "store/Database.h"
#include "store/Sql.h"
#include "support/TempDatabase.h"
#include "support/TestEngines.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>
#include <map>
#include <memory>

// The one SQL surface of both engines: values in and out, upsert, inserted ids, prefix search.
class TestStoreSql : public QObject
{
    Q_OBJECT
private:
    std::map<QString, std::unique_ptr<TempDatabase>> m_databases;

    QSqlDatabase warehouse() const
    {
        QFETCH(QString, engine);
        return m_databases.at(engine)->warehouse(2);
    }

    static bool exec(QSqlQuery &query)
    {
        if (query.exec())
            return true;
        qWarning("%s", qPrintable(query.lastError().text()));
        return false;
    }

private slots:
    void initTestCase()
    {
        for (const QString &engine : TestEngines::names()) {
            auto db = std::make_unique<TempDatabase>(QDate(2025, 1, 10), engine);
            QVERIFY2(db->isValid(), qPrintable(db->errorText()));
            m_databases[engine] = std::move(db);
        }
    }

    void cleanup()
    {
        for (const auto &[engine, db] : m_databases) {
            QSqlQuery query(db->warehouse(2));
            query.exec(QStringLiteral("DELETE FROM \"Raktar\""));
            query.exec(QStringLiteral("DELETE FROM \"Partner\" WHERE \"PartAzon\" NOT IN ('00000', '00001')"));
        }
    }

    // Money goes into a money column and comes back to the ten-thousandth, on both engines.
    void moneyRoundTrip_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("amount");
        for (const QString &engine : TestEngines::names()) {
            for (const char *amount : {"0.0000", "0.0001", "-0.0001", "0.1000", "1234.5678", "-98765.4321",
                     "99999999999.9999", "-99999999999.9999", "0.3000"})
                QTest::addRow("%s %s", qPrintable(engine), amount) << engine << QString::fromLatin1(amount);
        }
    }
    void moneyRoundTrip()
    {
        QFETCH(QString, amount);
        const Money money = Money::fromText(amount).value();
        QSqlQuery query(warehouse());
        query.prepare(QStringLiteral("INSERT INTO \"Raktar\" (\"BeAr\", \"Datum\", \"Stat\") VALUES (?, ?, ?)"));
        query.addBindValue(Sql::money(money));
        query.addBindValue(Sql::date(QDate(2025, 2, 28)));
        query.addBindValue(Sql::flag(true));
        QVERIFY(exec(query));
        // Read back, also through arithmetic and a comparison in SQL.
        query.prepare(QStringLiteral("SELECT \"BeAr\", \"BeAr\" + \"BeAr\", \"Datum\", \"Stat\" FROM \"Raktar\" "
                                     "WHERE \"BeAr\" = ? AND \"Stat\" = TRUE"));
        query.addBindValue(Sql::money(money));
        QVERIFY(exec(query));
        QVERIFY(query.next());
        bool ok = false;
        QCOMPARE(Sql::toMoney(query.value(0), &ok), money);
        QVERIFY(ok);
        QCOMPARE(Sql::toMoney(query.value(1)), money + money);
        QCOMPARE(Sql::toDate(query.value(2)), QDate(2025, 2, 28));
        QVERIFY(Sql::toFlag(query.value(3)));
        QVERIFY(!query.next());
    }

    void moneyFromWhatAnEngineHandsBack_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QString>("money");
        QTest::addColumn<bool>("ok");
        QTest::newRow("null") << QVariant() << "0.0000" << true;
        QTest::newRow("double rounded halves to even") << QVariant(0.00005) << "0.0000" << true;
        QTest::newRow("double of a sum") << QVariant(0.1 + 0.2) << "0.3000" << true;
        QTest::newRow("numeric text") << QVariant(QStringLiteral("12.3400")) << "12.3400" << true;
        QTest::newRow("integer") << QVariant(qint64(42)) << "42.0000" << true;
        QTest::newRow("not an amount") << QVariant(QStringLiteral("sok")) << "0.0000" << false;
        QTest::newRow("not finite") << QVariant(qInf()) << "0.0000" << false;
    }
    void moneyFromWhatAnEngineHandsBack()
    {
        QFETCH(QVariant, value);
        QFETCH(QString, money);
        QFETCH(bool, ok);
        bool read = !ok;
        QCOMPARE(Sql::toMoney(value, &read).toString(), money);
        QCOMPARE(read, ok);
    }

    // The same upsert statement inserts a row, then updates it; no duplicate key, no other row.
    void upsertInsertsThenUpdates_data() { TestEngines::addRows(); }
    void upsertInsertsThenUpdates()
    {
        const QString sql = Sql::upsertStatement(QStringLiteral("Partner"),
            {QStringLiteral("PartAzon"), QStringLiteral("Nev"), QStringLiteral("Irszam")}, {QStringLiteral("PartAzon")});
        for (const char *name : {"Első Kft.", "Második Kft."}) {
            QSqlQuery query(warehouse());
            QVERIFY(query.prepare(sql));
            query.addBindValue(QStringLiteral("00077"));
            query.addBindValue(QString::fromUtf8(name));
            query.addBindValue(QStringLiteral("1111"));
            QVERIFY(exec(query));
        }
        QSqlQuery query(warehouse());
        QVERIFY(query.exec(QStringLiteral("SELECT \"PartAzon\", \"Nev\" FROM \"Partner\" ORDER BY \"PartAzon\"")));
        QStringList rows;
        while (query.next())
            rows << query.value(0).toString() + QLatin1Char(' ') + query.value(1).toString();
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows.last(), QStringLiteral("00077 Második Kft."));
    }

    // The id the table gives an inserted row, without last_insert_rowid().
    void insertedRowsTellTheirIds_data() { TestEngines::addRows(); }
    void insertedRowsTellTheirIds()
    {
        QList<qint64> ids;
        for (int i = 0; i < 3; ++i) {
            QString error;
            ids << Sql::insertReturningId(warehouse(), QStringLiteral("Raktar"), {QStringLiteral("BizSzam")},
                {QStringLiteral("0000000%1").arg(i)}, QStringLiteral("RaktAzon"), &error);
            QVERIFY2(ids.last() > 0, qPrintable(error));
        }
        QVERIFY(ids.at(0) < ids.at(1) && ids.at(1) < ids.at(2));
        QSqlQuery query(warehouse());
        query.prepare(QStringLiteral("SELECT \"BizSzam\" FROM \"Raktar\" WHERE \"RaktAzon\" = ?"));
        query.addBindValue(ids.at(1));
        QVERIFY(exec(query) && query.next());
        QCOMPARE(query.value(0).toString(), QStringLiteral("00000001"));

        QString error;
        QCOMPARE(Sql::insertReturningId(warehouse(), QStringLiteral("Nincs"), {QStringLiteral("x")}, {1},
                     QStringLiteral("Azon"), &error),
            qint64(-1));
        QVERIFY(!error.isEmpty());
    }

    // Case-insensitive prefix search for every letter, with what the user types taken literally.
    void prefixSearch_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("found");
        for (const QString &engine : TestEngines::names()) {
            const auto row = [&engine](const char *name, const char *typed, const QStringList &found) {
                QTest::addRow("%s, %s", qPrintable(engine), name) << engine << QString::fromUtf8(typed) << found;
            };
            row("accented capital typed small", "ár", {"Árpa kása", "árvíztűrő"});
            row("small typed capital", "ÁRV", {"árvíztűrő"});
            row("ő and Ő", "TŐK", {"tőkehal"});
            row("percent sign taken literally", "50%", {"50% kakaó"});
            row("underscore taken literally", "a_b", {"a_b kód"});
            row("backslash taken literally", "c\\d", {"c\\d jel"});
            row("nothing typed finds all", "",
                {"50% kakaó", "Árpa kása", "a_b kód", "axb kód", "c\\d jel", "tőkehal", "árvíztűrő"});
            row("no match", "zz", {});
        }
    }
    void prefixSearch()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, found);
        int code = 100;
        for (const char *name : {"Árpa kása", "árvíztűrő", "tőkehal", "50% kakaó", "a_b kód", "axb kód", "c\\d jel"}) {
            QSqlQuery insert(warehouse());
            insert.prepare(QStringLiteral("INSERT INTO \"Partner\" (\"PartAzon\", \"Nev\") VALUES (?, ?)"));
            insert.addBindValue(QString::number(++code).rightJustified(5, QLatin1Char('0')));
            insert.addBindValue(QString::fromUtf8(name));
            QVERIFY(exec(insert));
        }
        QSqlQuery query(warehouse());
        QVERIFY(query.prepare(QStringLiteral("SELECT \"Nev\" FROM \"Partner\" WHERE \"PartAzon\" > '00099' AND ")
            + Sql::prefixCondition(warehouse(), QStringLiteral("\"Nev\"")) + QStringLiteral(" ORDER BY \"Nev\"")));
        query.addBindValue(Sql::prefixPattern(typed));
        QVERIFY(exec(query));
        QStringList names;
        while (query.next())
            names << query.value(0).toString();
        QStringList expected = found;
        // Code-point order on both engines.
        std::sort(expected.begin(), expected.end());
        QCOMPARE(names, expected);
    }
};

QTEST_GUILESS_MAIN(TestStoreSql)
#include "tst_sql.moc"
