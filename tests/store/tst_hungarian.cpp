#include "store/Database.h"
#include "store/HungarianCollation.h"
#include "store/TextSearch.h"

#include <QDir>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

// Hungarian alphabetical order and case-blind prefix search on a connection as the program
// opens it.
class TestHungarian : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QSqlDatabase m_db;

    void fill(const QStringList &names)
    {
        QSqlQuery query(m_db);
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
        m_db = Database::warehouse(m_dir.path(), 1);
        QVERIFY(m_db.isOpen());
        QSqlQuery query(m_db);
        QVERIFY(query.exec(QStringLiteral("CREATE TABLE words (name TEXT)")));
    }

    void cleanupTestCase()
    {
        m_db = QSqlDatabase();
        Database::closeAll(m_dir.path());
    }

    void order_data()
    {
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("Á with A, before B") << QStringList{"Ábra", "alma", "Alma", "Ásó", "Bab"};
        QTest::newRow("É with E") << QStringList{"Ecet", "Eper", "Étel", "Ezer", "Fánk"};
        QTest::newRow("cs after c") << QStringList{"Cékla", "Cukor", "Csiga", "Csuka", "Dió"};
        QTest::newRow("dz and dzs after d") << QStringList{"Dió", "Dúc", "Dzéta", "Dzsem", "Egres"};
        QTest::newRow("gy after g") << QStringList{"Gúla", "Gulyás", "Gyöngy", "Gyümölcs", "Hagyma"};
        QTest::newRow("ly after l") << QStringList{"Lúd", "Luk", "Lyuk", "Mák"};
        QTest::newRow("ny after n") << QStringList{"Nő", "Nudli", "Nyúl", "Olaj"};
        QTest::newRow("sz after s") << QStringList{"Sütemény", "Szalonna", "Szilva", "Tea"};
        QTest::newRow("ty after t") << QStringList{"Tök", "Túró", "Tyúk", "Uborka"};
        QTest::newRow("zs after z") << QStringList{"Zab", "Zeller", "Zuhany", "Zsemle"};
        QTest::newRow("Ö and Ő after O") << QStringList{"Olaj", "Orda", "Öntet", "Őz", "Paprika"};
        QTest::newRow("Ü and Ű one letter after U") << QStringList{"Uborka", "Utó", "Űr", "Üveg", "Vaj"};
        QTest::newRow("Á not after Z") << QStringList{"Ánizs", "Zab"};
    }
    void order()
    {
        QFETCH(QStringList, sorted);
        QStringList shuffled = sorted;
        std::reverse(shuffled.begin(), shuffled.end());
        fill(shuffled);
        QSqlQuery query(m_db);
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
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("found");
        QTest::newRow("ASCII case") << "ALM" << QStringList{"alma"};
        QTest::newRow("accented capital typed small") << "étel" << QStringList{"ÉTEL", "Étel nélkül"};
        QTest::newRow("accented small typed capital") << "ŐZ" << QStringList{"őzgerinc"};
        QTest::newRow("double acute capital") << "űr" << QStringList{"Űrtészta"};
        QTest::newRow("percent is literal") << "100%" << QStringList{"100% gyümölcs"};
        QTest::newRow("underscore is literal") << "a_" << QStringList{"a_b"};
        QTest::newRow("quote") << "o'b" << QStringList{"O'Brien"};
        QTest::newRow("double quote") << "12\"" << QStringList{"12\" tálca"};
        QTest::newRow("backslash") << "c:\\" << QStringList{"C:\\út"};
        QTest::newRow("nothing") << "x" << QStringList{};
    }
    void prefixSearch()
    {
        QFETCH(QString, typed);
        QFETCH(QStringList, found);
        fill({"alma", "ÉTEL", "őzgerinc", "Űrtészta", "100% gyümölcs", "100 g", "a_b", "ab", "O'Brien",
            "12\" tálca", "C:\\út", "Étel nélkül"});
        QSqlQuery query(m_db);
        query.prepare(QStringLiteral("SELECT name FROM words WHERE ")
            + TextSearch::prefixCondition(m_db, QStringLiteral("name")) + QStringLiteral(" ORDER BY name"));
        query.addBindValue(TextSearch::prefixPattern(typed));
        QVERIFY2(query.exec(), qPrintable(query.lastError().text()));
        QStringList read;
        while (query.next())
            read << query.value(0).toString();
        QCOMPARE(read, found);
    }

    void wholeValueIgnoringCase()
    {
        fill({"Ab", "ab", "Abc", "ÁB"});
        QSqlQuery query(m_db);
        query.prepare(QStringLiteral("SELECT COUNT(*) FROM words WHERE ")
            + TextSearch::equalNoCaseCondition(m_db, QStringLiteral("name")));
        query.addBindValue(TextSearch::noCaseValue(QStringLiteral("áb")));
        QVERIFY(query.exec() && query.next());
        QCOMPARE(query.value(0).toInt(), 1);
    }
};

QTEST_GUILESS_MAIN(TestHungarian)
#include "tst_hungarian.moc"
