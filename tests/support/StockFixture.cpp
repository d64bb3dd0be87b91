#include "StockFixture.h"

#include "stock/ItemPrices.h"
#include "stock/StockLedger.h"
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
        "INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", \"Csoport\", \"Mertekegyseg\", "
        "\"MenySzorzo\", \"AfaCsoport\", "
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
            QStringLiteral("Sorszam"), QStringLiteral("FokSzla"), QStringLiteral("NyilvSzam"),
            QStringLiteral("PartAzon"), QStringLiteral("User"), QStringLiteral("AfaKod"), QStringLiteral("TetelMenny"),
            QStringLiteral("BeAr"), QStringLiteral("KiAr"), QStringLiteral("TetelErtek"), QStringLiteral("AfaErtek"),
            QStringLiteral("Brutto"), QStringLiteral("KeszletMenny"), QStringLiteral("KeszletErtek"),
            QStringLiteral("Lejarat"), QStringLiteral("Stat")},
        {row.bk, row.mozgnem, row.bizSzam, Sql::date(row.datum), row.sorszam, row.fokSzla, row.nyilvSzam, row.partAzon,
            row.user, row.afaKod, row.tetelMenny, Sql::money(row.beAr), Sql::money(row.kiAr),
            Sql::money(row.tetelErtek), Sql::money(row.afaErtek), Sql::money(row.brutto), row.keszletMenny,
            Sql::money(row.keszletErtek), Sql::date(row.lejarat), Sql::flag(row.stat)},
        QStringLiteral("RaktAzon"), &error);
    if (id < 0)
        QTest::qFail(qPrintable(error), __FILE__, __LINE__);
    return id;
}

MovementRow voucherItem(const QString &bk, const QString &mozgnem, const QString &bizSzam, const QDate &datum,
    const QString &fokSzla, const QString &nyilvSzam, const QString &partAzon, const QString &afaKod,
    const QString &netto, const QString &afa, const QString &brutto)
{
    MovementRow row;
    row.bk = bk;
    row.mozgnem = mozgnem;
    row.bizSzam = bizSzam;
    row.datum = datum;
    row.sorszam = QStringLiteral("2025/000") + bizSzam.right(2);
    row.fokSzla = fokSzla;
    row.nyilvSzam = nyilvSzam;
    row.partAzon = partAzon;
    row.user = QStringLiteral("anna");
    row.afaKod = afaKod;
    row.tetelMenny = 2.5;
    row.kiAr = money(QStringLiteral("400.0004"));
    row.tetelErtek = money(netto);
    row.afaErtek = money(afa);
    row.brutto = money(brutto);
    row.keszletMenny = 7.125;
    return row;
}

void addExampleVouchers(QSqlDatabase db)
{
    auto day = [](int month, int dayOfMonth) { return QDate(2025, month, dayOfMonth); };
    addMaterial(db, "100", "0001", "Liszt");
    addMaterial(db, "100", "0002", "Cukor");
    addMaterial(db, "200", "0001", "Tej");
    addPartner(db, "00010", "Gabona Kft.", "1111", "Budapest", "Malom u. 2.");
    addPartner(db, "00011", "Tejüzem Zrt.", "2000", "Szentendre", "Fő tér 1.");
    addRow(db,
        voucherItem("BE", "01", "00000010", day(1, 2), "100", "0002", "00010", "01", "1000.0001", "270", "1270.0001"));
    addRow(db, voucherItem("BE", "01", "00000010", day(1, 2), "100", "0001", "00010", "01", "0.1", "0.03", "0.13"));
    addRow(db, voucherItem("BE", "02", "00000009", day(1, 3), "200", "0001", "00011", "03", "200", "10", "210"));
    addRow(db, voucherItem("BE", "01", "00000011", day(1, 20), "100", "0009", "99999", "01", "50", "13.5", "63.5"));
    addRow(db, voucherItem("BE", "01", "00000010", day(2, 5), "100", "0001", "00010", "01", "10", "2.7", "12.7"));
    addRow(db, voucherItem("KI", "03", "00000010", day(1, 2), "100", "0001", "00001", "01", "40", "10.8", "50.8"));
}

void addReportStock(QSqlDatabase db)
{
    addMaterial(db, "100", "0001", "Liszt", 3);
    addMaterial(db, "100", "0002", "Cukor", 3);
    addMaterial(db, "200", "0003", "Alma", 3);
    StockLedger ledger(db, StockOptions {"anna", false});
    ledger.record(receipt("00000001", QDate(2025, 3, 1), "0001", 10, "150"));
    ledger.record(issue("00000002", QDate(2025, 3, 2), "0001", 2));
    ledger.record(receipt("00000003", QDate(2025, 3, 1), "0002", 5, "10"));
    ledger.record(issue("00000004", QDate(2025, 3, 5), "0002", 5));
    ledger.record(receipt("00000005", QDate(2025, 4, 1), "0003", 3, "100", "200"));
}

} // namespace StockFixture
