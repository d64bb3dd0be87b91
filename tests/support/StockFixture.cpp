#include "StockFixture.h"

#include "stock/ItemPrices.h"
#include "store/Sql.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace StockFixture {

void addMaterial(QSqlDatabase db, const QString &fokSzla, const QString &nyilvSzam, const QString &name, int kerekites,
    double keszletMin, double keszletMax)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Csoport\", \"Mertekegyseg\", \"MenySzorzo\", \"AfaCsoport\", "
        "\"NyilvAr\", \"Kerekites\", \"KeszletMin\", \"KeszletMax\", \"KeszletMennyiseg\", \"KeszletErtek\") "
        "VALUES (?, ?, ?, '01', 'KG', 10, '01', 0, ?, ?, ?, 0, 0)"));
    const QVariantList values {fokSzla, nyilvSzam, name, kerekites, keszletMin, keszletMax};
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!query.exec())
        QTest::qFail(qPrintable(query.lastError().text()), __FILE__, __LINE__);
}

Money money(const QString &text)
{
    return Money::fromText(text).value_or(Money());
}

StockItem receipt(const QString &bizSzam, const QDate &datum, const QString &nyilvSzam, double quantity,
    const QString &netUnit, const QString &fokSzla)
{
    StockItem item;
    item.mozgnem = QStringLiteral("01");
    item.bizSzam = bizSzam;
    item.datum = datum;
    item.fokSzla = fokSzla;
    item.nyilvSzam = nyilvSzam;
    item.partAzon = QStringLiteral("00000");
    item.afaKod = QStringLiteral("01");
    item.quantity = quantity;
    ItemPrices typed;
    typed.netUnit = money(netUnit);
    const ItemPrices prices = ItemPrices::compute(ItemPrices::Typed::NetUnit, typed, quantity, 27);
    item.netUnit = prices.netUnit;
    item.netTotal = prices.netTotal;
    item.vatTotal = prices.vatTotal;
    item.grossTotal = prices.grossTotal;
    item.lejarat = datum.addMonths(6);
    return item;
}

StockItem issue(const QString &bizSzam, const QDate &datum, const QString &nyilvSzam, double quantity,
    const QString &typedValue, const QString &fokSzla)
{
    StockItem item;
    item.mozgnem = QStringLiteral("03");
    item.bizSzam = bizSzam;
    item.datum = datum;
    item.fokSzla = fokSzla;
    item.nyilvSzam = nyilvSzam;
    item.partAzon = QStringLiteral("00001");
    item.afaKod = QStringLiteral("01");
    item.quantity = quantity;
    item.netTotal = money(typedValue);
    return item;
}

QVariant value(QSqlDatabase db, const QString &sql)
{
    QSqlQuery query(db);
    if (!query.exec(sql)) {
        QTest::qFail(qPrintable(sql + QStringLiteral(": ") + query.lastError().text()), __FILE__, __LINE__);
        return QVariant();
    }
    return query.next() ? query.value(0) : QVariant();
}

void addPartner(QSqlDatabase db, const QString &partAzon, const QString &nev, const QString &irszam,
    const QString &telepules, const QString &utca)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("INSERT INTO \"Partner\" (\"PartAzon\", \"Nev\", \"Irszam\", \"Telepules\", \"Utca\") "
                                 "VALUES (?, ?, ?, ?, ?)"));
    const QVariantList values {partAzon, nev, irszam, telepules, utca};
    for (int i = 0; i < values.size(); ++i)
        query.bindValue(i, values.at(i));
    if (!query.exec())
        QTest::qFail(qPrintable(query.lastError().text()), __FILE__, __LINE__);
}

qint64 addRow(QSqlDatabase db, const MovementRow &row)
{
    QString error;
    const qint64 id = Sql::insertReturningId(db, QStringLiteral("Raktar"),
        {QStringLiteral("BK"), QStringLiteral("Mozgnem"), QStringLiteral("BizSzam"), QStringLiteral("Datum"),
            QStringLiteral("Sorszam"), QStringLiteral("FokSzla"), QStringLiteral("NyilvSzam"), QStringLiteral("PartAzon"),
            QStringLiteral("User"), QStringLiteral("AfaKod"), QStringLiteral("TetelMenny"), QStringLiteral("BeAr"),
            QStringLiteral("KiAr"), QStringLiteral("TetelErtek"), QStringLiteral("AfaErtek"), QStringLiteral("Brutto"),
            QStringLiteral("KeszletMenny"), QStringLiteral("KeszletErtek"), QStringLiteral("Lejarat"),
            QStringLiteral("Stat")},
        {row.bk, row.mozgnem, row.bizSzam, Sql::date(row.datum), row.sorszam, row.fokSzla, row.nyilvSzam, row.partAzon,
            row.user, row.afaKod, row.tetelMenny, Sql::money(row.beAr), Sql::money(row.kiAr), Sql::money(row.tetelErtek),
            Sql::money(row.afaErtek), Sql::money(row.brutto), row.keszletMenny, Sql::money(row.keszletErtek),
            Sql::date(row.lejarat), Sql::flag(row.stat)},
        QStringLiteral("RaktAzon"), &error);
    if (id < 0)
        QTest::qFail(qPrintable(error), __FILE__, __LINE__);
    return id;
}

} // namespace StockFixture
