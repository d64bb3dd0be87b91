#include "store/Database.h"
#include "store/HungarianCollation.h"
#include "store/Sql.h"
#include "support/TestEngines.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// Hungarian alphabetical order and case-blind prefix search on a connection as the program
// opens it, on both engines.
class TestHungarian : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_server; // a database on the test server, when there is one

    QSqlDatabase db() const
    {
        QFETCH(QString, engine);
        return Database::warehouse(engine == TestEngines::postgresql() ? m_server : m_dir.path(), 1);
    }

    void fill(const QStringList &names)
    {
        QSqlQuery query(db());
        QVERIFY(query.exec(QStringLiteral("DELETE FROM words")));
        query.prepare(QStringLiteral("INSERT INTO words (name) VALUES (?)"));
        for (const QString &name : names) {
            query.addBindValue(name);
            QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
        }
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir(m_dir.path()).mkpath(Database::warehouseFolderName(1)));
        QSqlQuery query(Database::warehouse(m_dir.path(), 1));
        QVERIFY(query.exec(QStringLiteral("CREATE TABLE words (name TEXT)")));
        if (TestEngines::names().contains(TestEngines::postgresql())) {
            m_server = TestEngines::createServerDatabase();
            QVERIFY(!m_server.isEmpty());
            QSqlQuery server(Database::shared(m_server));
            QVERIFY2(server.exec(QStringLiteral("CREATE SCHEMA raktar_1")), qPrintable(server.lastError().text()));
            // Texts compare by code point on the server, as the catalogue makes them.
            QSqlQuery words(Database::warehouse(m_server, 1));
            QVERIFY2(words.exec(QStringLiteral("CREATE TABLE words (name TEXT COLLATE \"C\")")),
                qPrintable(words.lastError().text()));
        }
    }

    void cleanupTestCase()
    {
        Database::closeAll(m_dir.path());
        if (!m_server.isEmpty()) {
            Database::closeAll(m_server);
            TestEngines::dropServerDatabase(m_server);
        }
    }

    void order_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QStringList>("sorted");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "Á with A, before B") << QStringList {"Ábra", "alma", "Alma", "Ásó", "Bab"};
            TestEngines::newRow(engine, "É with E") << QStringList {"Ecet", "Eper", "Étel", "Ezer", "Fánk"};
            TestEngines::newRow(engine, "cs after c") << QStringList {"Cékla", "Cukor", "Csiga", "Csuka", "Dió"};
            TestEngines::newRow(engine, "dz and dzs after d") << QStringList {"Dió", "Dúc", "Dzéta", "Dzsem", "Egres"};
            TestEngines::newRow(engine, "gy after g") << QStringList {"Gúla", "Gulyás", "Gyöngy", "Gyümölcs", "Hagyma"};
            TestEngines::newRow(engine, "ly after l") << QStringList {"Lúd", "Luk", "Lyuk", "Mák"};
            TestEngines::newRow(engine, "ny after n") << QStringList {"Nő", "Nudli", "Nyúl", "Olaj"};
            TestEngines::newRow(engine, "sz after s") << QStringList {"Sütemény", "Szalonna", "Szilva", "Tea"};
            TestEngines::newRow(engine, "ty after t") << QStringList {"Tök", "Túró", "Tyúk", "Uborka"};
            TestEngines::newRow(engine, "zs after z") << QStringList {"Zab", "Zeller", "Zuhany", "Zsemle"};
            TestEngines::newRow(engine, "Ö and Ő after O") << QStringList {"Olaj", "Orda", "Öntet", "Őz", "Paprika"};
            TestEngines::newRow(engine, "Ü and Ű one letter after U")
                << QStringList {"Uborka", "Utó", "Űr", "Üveg", "Vaj"};
            TestEngines::newRow(engine, "Á not after Z") << QStringList {"Ánizs", "Zab"};
        }
    }
    void order()
    {
        QFETCH(QStringList, sorted);
        QStringList shuffled = sorted;
        std::reverse(shuffled.begin(), shuffled.end());
        fill(shuffled);
        QSqlQuery query(db());
        QVERIFY2(query.exec(QStringLiteral("SELECT name FROM words ORDER BY ")
                     + HungarianCollation::orderTerm(QStringLiteral("name"))),
            qPrintable(query.lastError().text()));
        QStringList read;
        while (query.next())
            read << query.value(0).toString();
        QCOMPARE(read, sorted);
    }

    void prefixSearch_data()
    {
        TestEngines::addColumn();
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("found");
        for (const QString &engine : TestEngines::names()) {
            TestEngines::newRow(engine, "ASCII case") << "ALM" << QStringList {"alma"};
            TestEngines::newRow(engine, "accented capital typed small")
                << "étel" << QStringList {"ÉTEL", "Étel nélkül"};
            TestEngines::newRow(engine, "accented small typed capital") << "ŐZ" << QStringList {"őzgerinc"};
            TestEngines::newRow(engine, "double acute capital") << "űr" << QStringList {"Űrtészta"};
            TestEngines::newRow(engine, "percent is literal") << "100%" << QStringList {"100% gyümölcs"};
            TestEngines::newRow(engine, "underscore is literal") << "a_" << QStringList {"a_b"};
            TestEngines::newRow(engine, "quote") << "o'b" << QStringList {"O'Brien"};
            TestEngines::newRow(engine, "double quote") << "12\"" << QStringList {"12\" tálca"};
            TestEngines::newRow(engine, "backslash") << "c:\\" << QStringList {"C:\\út"};
            TestEngines::newRow(engine, "nothing") << "x" << QStringList {};
        }
    }
    void prefixSearch()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, found);
        fill({"alma", "ÉTEL", "őzgerinc", "Űrtészta", "100% gyümölcs", "100 g", "a_b", "ab", "O'Brien",
            "12\" tálca", "C:\\út", "Étel nélkül"});
        QSqlQuery query(db());
        query.prepare(QStringLiteral("SELECT name FROM words WHERE ")
            + Sql::prefixCondition(db(), QStringLiteral("name")) + QStringLiteral(" ORDER BY name"));
        query.addBindValue(Sql::prefixPattern(typed));
        QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
        QStringList read;
        while (query.next())
            read << query.value(0).toString();
        QCOMPARE(read, found);
    }

    void wholeValueIgnoringCase_data() { TestEngines::addRows(); }
    void wholeValueIgnoringCase()
    {
        fill({"Ab", "ab", "Abc", "ÁB"});
        QSqlQuery query(db());
        query.prepare(QStringLiteral("SELECT COUNT(*) FROM words WHERE ")
            + Sql::equalNoCaseCondition(db(), QStringLiteral("name")));
        query.addBindValue(QStringLiteral("áb"));
        QVERIFY(query.exec() && query.next());
        QCOMPARE(query.value(0).toInt(), 1);
    }
};

QTEST_GUILESS_MAIN(TestHungarian)
#include "tst_hungarian.moc"
