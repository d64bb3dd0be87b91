#include "StockFixture.h"

#include "stock/ItemPrices.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

namespace StockFixture {

void addMaterial(QSqlDatabase db, const QString &fokSzla, const QString &nyilvSzam, const QString &name,
    int kerekites, double keszletMin, double keszletMax)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "INSERT INTO Anyag (FokonyviSzam, NyilvSzam, Megnevezes, Csoport, Mertekegyseg, MenySzorzo, AfaCsoport, "
        "NyilvAr, Kerekites, KeszletMin, KeszletMax, KeszletMennyiseg, KeszletErtek) "
        "VALUES (?, ?, ?, '01', 'kg', 10, '01', 0, ?, ?, ?, 0, 0)"));
    const QVariantList values{fokSzla, nyilvSzam, name, kerekites, keszletMin, keszletMax};
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

} // namespace StockFixture
