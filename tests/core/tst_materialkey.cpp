#include "core/MaterialKey.h"

#include <QHash>
#include <QMap>
#include <QtTest>

// The material key: its text form read back, its order (account first, then number) and its use
// as a hash and map key, where equal keys meet and different ones stay apart.
class TestMaterialKey : public QObject
{
    Q_OBJECT
private slots:
    void textReadsBack_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("account");
        QTest::addColumn<QString>("number");
        QTest::newRow("material") << "042/0001" << "042" << "0001";
        QTest::newRow("empty number") << "042/" << "042" << "";
        QTest::newRow("no slash") << "0420001" << "" << "";
    }
    void textReadsBack()
    {
        QFETCH(QString, text);
        QFETCH(QString, account);
        QFETCH(QString, number);
        const MaterialKey key = MaterialKey::fromText(text);
        QCOMPARE(key.account, account);
        QCOMPARE(key.number, number);
        if (!key.isEmpty())
            QCOMPARE(key.text(), text);
    }

    void orderAndHashing()
    {
        const MaterialKey flour {QStringLiteral("042"), QStringLiteral("0002")};
        const MaterialKey sugar {QStringLiteral("042"), QStringLiteral("0010")};
        const MaterialKey milk {QStringLiteral("100"), QStringLiteral("0001")};
        // The pieces are kept apart: "04" + "20001" is not "042" + "0001".
        const MaterialKey shifted {QStringLiteral("04"), QStringLiteral("20002")};
        QVERIFY(flour < sugar);
        QVERIFY(sugar < milk);
        QVERIFY(shifted < flour);
        QVERIFY(!(flour < flour));

        QHash<MaterialKey, int> counts;
        for (const MaterialKey &key : {flour, sugar, milk, shifted, MaterialKey {QStringLiteral("042"), QStringLiteral("0002")}})
            ++counts[key];
        QCOMPARE(counts.size(), 4);
        QCOMPARE(counts.value(flour), 2);
        QCOMPARE(counts.value(shifted), 1);

        const QMap<MaterialKey, QString> ordered {{milk, "milk"}, {sugar, "sugar"}, {flour, "flour"}};
        QCOMPARE(ordered.values(), (QList<QString> {"flour", "sugar", "milk"}));
    }
};

QTEST_GUILESS_MAIN(TestMaterialKey)
#include "tst_materialkey.moc"
