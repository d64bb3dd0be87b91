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
            QTest::addRow("%s, Á with A, before B", qPrintable(engine))
                << engine << QStringList {"Ábra", "alma", "Alma", "Ásó", "Bab"};
            QTest::addRow("%s, É with E", qPrintable(engine))
                << engine << QStringList {"Ecet", "Eper", "Étel", "Ezer", "Fánk"};
            QTest::addRow("%s, cs after c", qPrintable(engine))
                << engine << QStringList {"Cékla", "Cukor", "Csiga", "Csuka", "Dió"};
            QTest::addRow("%s, dz and dzs after d", qPrintable(engine))
                << engine << QStringList {"Dió", "Dúc", "Dzéta", "Dzsem", "Egres"};
            QTest::addRow("%s, gy after g", qPrintable(engine))
                << engine << QStringList {"Gúla", "Gulyás", "Gyöngy", "Gyümölcs", "Hagyma"};
            QTest::addRow("%s, ly after l", qPrintable(engine)) << engine << QStringList {"Lúd", "Luk", "Lyuk", "Mák"};
            QTest::addRow("%s, ny after n", qPrintable(engine))
                << engine << QStringList {"Nő", "Nudli", "Nyúl", "Olaj"};
            QTest::addRow("%s, sz after s", qPrintable(engine))
                << engine << QStringList {"Sütemény", "Szalonna", "Szilva", "Tea"};
            QTest::addRow("%s, ty after t", qPrintable(engine))
                << engine << QStringList {"Tök", "Túró", "Tyúk", "Uborka"};
            QTest::addRow("%s, zs after z", qPrintable(engine))
                << engine << QStringList {"Zab", "Zeller", "Zuhany", "Zsemle"};
            QTest::addRow("%s, Ö and Ő after O", qPrintable(engine))
                << engine << QStringList {"Olaj", "Orda", "Öntet", "Őz", "Paprika"};
            QTest::addRow("%s, Ü and Ű one letter after U", qPrintable(engine))
                << engine << QStringList {"Uborka", "Utó", "Űr", "Üveg", "Vaj"};
            QTest::addRow("%s, Á not after Z", qPrintable(engine)) << engine << QStringList {"Ánizs", "Zab"};
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
            QTest::addRow("%s, ASCII case", qPrintable(engine)) << engine << "ALM" << QStringList {"alma"};
            QTest::addRow("%s, accented capital typed small", qPrintable(engine))
                << engine << "étel" << QStringList {"ÉTEL", "Étel nélkül"};
            QTest::addRow("%s, accented small typed capital", qPrintable(engine))
                << engine << "ŐZ" << QStringList {"őzgerinc"};
            QTest::addRow("%s, double acute capital", qPrintable(engine)) << engine << "űr" << QStringList {"Űrtészta"};
            QTest::addRow("%s, percent is literal", qPrintable(engine))
                << engine << "100%" << QStringList {"100% gyümölcs"};
            QTest::addRow("%s, underscore is literal", qPrintable(engine)) << engine << "a_" << QStringList {"a_b"};
            QTest::addRow("%s, quote", qPrintable(engine)) << engine << "o'b" << QStringList {"O'Brien"};
            QTest::addRow("%s, double quote", qPrintable(engine)) << engine << "12\"" << QStringList {"12\" tálca"};
            QTest::addRow("%s, backslash", qPrintable(engine)) << engine << "c:\\" << QStringList {"C:\\út"};
            QTest::addRow("%s, nothing", qPrintable(engine)) << engine << "x" << QStringList {};
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
