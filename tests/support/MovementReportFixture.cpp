#include "support/MovementReportFixture.h"

#include "store/Sql.h"
#include "support/StockFixture.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QtTest>

namespace MovementReportFixture {

namespace {

void exec(QSqlDatabase db, const QString &sql, const QVariantList &values)
{
    QSqlQuery query(db);
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (!query.exec())
        QTest::qFail(qPrintable(query.lastError().text()), __FILE__, __LINE__);
}

void materials(QSqlDatabase db)
{
    QSqlQuery query(db);
    query.exec(QStringLiteral("SELECT COUNT(*) FROM \"Anyag\" WHERE \"FokonyviSzam\" = '100'"));
    if (query.next() && query.value(0).toInt() > 0)
        return;
    StockFixture::addMaterial(db, QStringLiteral("100"), QStringLiteral("0001"), QStringLiteral("Liszt"), 3);
    StockFixture::addMaterial(db, QStringLiteral("100"), QStringLiteral("0002"), QStringLiteral("Cukor"), 3);
    StockFixture::addPartner(db, QStringLiteral("00010"), QStringLiteral("Gabona Kft."));
}

void row(QSqlDatabase db, const QString &bk, const QString &mozgnem, const QString &bizSzam, const QDate &datum,
    const QString &nyilvSzam, const QString &partAzon, double quantity, const QString &netto, const QString &afa,
    bool stat = false)
{
    const Money net = StockFixture::money(netto);
    const Money vat = StockFixture::money(afa);
    MovementRow item = StockFixture::voucherItem(bk, mozgnem, bizSzam, datum, QStringLiteral("100"), nyilvSzam,
        partAzon, QStringLiteral("01"), netto, afa, (net + vat).toString());
    item.tetelMenny = quantity;
    item.stat = stat;
    StockFixture::addRow(db, item);
}

void rationLine(QSqlDatabase db, const QDate &datum, const QString &meal, const QString &mealName,
    const QString &nyilvSzam, double quantity, const QString &budget, const QString &cost)
{
    exec(db,
        QStringLiteral("INSERT INTO \"Kiszabat\" (\"FokSzam\", \"NyilvSzam\", \"Mennyiseg\", \"Datum\", \"EtkKod\", "
                       "\"EtkTip\", \"Norma_etk\", \"Anyagar\") VALUES ('100', ?, ?, ?, ?, ?, ?, ?)"),
        {nyilvSzam, quantity, Sql::date(datum), meal, mealName, Sql::money(StockFixture::money(budget)),
            Sql::money(StockFixture::money(cost))});
}

void headcount(QSqlDatabase db, const QDate &datum, const QString &meal, int count, bool issued, const QString &mozgnem)
{
    exec(db,
        QStringLiteral("INSERT INTO \"Letszam\" (\"Datum\", \"Etkezesek\", \"Letszam\", \"Kiadva\", \"Mozgnem\") "
                       "VALUES (?, ?, ?, ?, ?)"),
        {Sql::date(datum), meal, count, Sql::flag(issued), mozgnem});
}

} // namespace

void addMarchReceipts(QSqlDatabase db)
{
    materials(db);
    row(db, "BE", "01", "00000012", day(3, 5), "0001", "00010", 10, "100.0001", "27.0001");
    row(db, "BE", "01", "00000012", day(3, 5), "0009", "99999", 1, "0.0003", "0.0001");
    row(db, "BE", "01", "00000013", day(3, 4), "0002", "00010", 5, "200.0002", "54.0001");
    row(db, "BE", "00", "00000000", day(3, 1), "0002", "00010", 1, "7.0007", "0");
}

void addMarchIssue(QSqlDatabase db)
{
    materials(db);
    row(db, "KI", "03", "00000014", day(3, 6), "0001", "00010", 3.3333, "30.1234", "0");
}

void addFebruary(QSqlDatabase db)
{
    materials(db);
    row(db, "KI", "07", "00000020", day(2, 29), "0001", "00010", 35, "5250", "0", true);
    row(db, "KI", "08", "00000021", day(2, 29), "0002", "00010", 2, "999.0001", "0", true);
    row(db, "KI", "07", "00000022", day(2, 29), "0001", "00010", 1, "11", "0");
    exec(db, QStringLiteral("INSERT INTO \"Etkezesek\" (\"EtkTip\", \"Megnevezes\", \"Norma\") VALUES (?, ?, ?)"),
        {QStringLiteral("01"), QStringLiteral("Ebéd"), Sql::money(StockFixture::money("50"))});
    exec(db, QStringLiteral("INSERT INTO \"Etkezesek\" (\"EtkTip\", \"Megnevezes\", \"Norma\") VALUES (?, ?, ?)"),
        {QStringLiteral("02"), QStringLiteral("Vacsora"), Sql::money(StockFixture::money("30.5"))});
    headcount(db, day(2, 29), "01", 100, true, "07");
    headcount(db, day(2, 29), "02", 10, true, "08");
    headcount(db, day(2, 28), "01", 20, false, QString());
    rationLine(db, day(2, 28), "01", "Ebéd", "0001", 4, "1000", "400.25");
    rationLine(db, day(2, 28), "01", "Ebéd", "0002", 0.5, "1000", "0");
    rationLine(db, day(2, 29), "01", "Ebéd", "0001", 26, "5000", "2600.5");
    rationLine(db, day(2, 29), "01", "Ebéd", "0002", 1.5, "5000", "0");
    rationLine(db, day(2, 29), "02", "Vacsora", "0001", 2.8, "305", "280.0001");
}

void addAll(QSqlDatabase db)
{
    addMarchReceipts(db);
    addMarchIssue(db);
    addFebruary(db);
}

} // namespace MovementReportFixture
