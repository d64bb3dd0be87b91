#include "maintenance/NameConversion.h"

#include "core/TextCodec.h"
#include "support/SqlRows.h"
#include "support/TempDatabase.h"

#include <QSqlQuery>
#include <QtTest>

// The conversion of DOS code page names: only names with a byte that is no Hungarian
// Windows-1250 letter change, so a second run changes nothing.
class TestNameConversion : public QObject
{
    Q_OBJECT

private slots:
    void converts_data()
    {
        QTest::addColumn<QByteArray>("stored"); // the name's Windows-1250 bytes
        QTest::addColumn<QString>("expected");
        QTest::newRow("DOS bytes") << QByteArray("F\x8Bzel\x82k \x94ntet\x82s") << "Főzelék öntetés";
        QTest::newRow("every DOS letter")
            << QByteArray("\xA0\xA1\xFB\x8B\x81\x94\xA3\xA2\x82\xB5\xD6\xEB\x8A\x9A\x99\xE9\xE0\x90")
            << "áíűőüöúóéÁÍŰŐÜÖÚÓÉ";
        QTest::newRow("already converted") << QByteArray("F\xF5zel\xE9k \xD6ntet\xE9s") << "Főzelék Öntetés";
        QTest::newRow("plain") << QByteArray("Liszt") << "Liszt";
    }
    void converts()
    {
        QFETCH(QByteArray, stored);
        QFETCH(QString, expected);
        const QString name = TextCodec::fromWindows1250(stored);
        QCOMPARE(NameConversion::converted(name), expected);
        QCOMPARE(NameConversion::converted(expected), expected);
    }

    void refusesAnotherTable()
    {
        QVERIFY(NameConversion::checkTable(QStringLiteral("Raktar_1\\Anyag.DB")).isNull());
        QCOMPARE(NameConversion::checkTable(QStringLiteral("Partner")).text,
            QStringLiteral("Nincs megnyitva az Anyag.db a karakterkonverzióhoz!"));
    }

    void previewsAndWrites()
    {
        TempDatabase temp(QDate(2025, 6, 1));
        QSqlDatabase db = temp.warehouse(1);
        QSqlQuery q(db);
        q.prepare("INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\") VALUES ('100', ?, ?)");
        for (const auto &[key, bytes] : {std::pair("0001", QByteArray("T\x94lt\x94tt")), std::pair("0002", QByteArray("T\xE9szta"))}) {
            q.addBindValue(QString::fromLatin1(key));
            q.addBindValue(TextCodec::fromWindows1250(bytes));
            QVERIFY(q.exec());
        }
        const auto preview = NameConversion::preview(db);
        QVERIFY(preview.ok());
        QCOMPARE(preview.value.size(), 1);
        QCOMPARE(preview.value.first().after, QStringLiteral("Töltött"));
        QVERIFY(NameConversion::apply(db, preview.value).ok());
        QCOMPARE(sqlRows(db, "SELECT \"Megnevezes\" FROM \"Anyag\" ORDER BY \"NyilvSzam\""),
            QStringList({"Töltött", "Tészta"}));
        QVERIFY(NameConversion::preview(db).value.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestNameConversion)
#include "tst_nameconversion.moc"
