#include "RationFixture.h"

#include "store/Sql.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

bool RationFixture::exec(const QString &sql, const QVariantList &values)
{
    QSqlQuery query(m_db);
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(value);
    if (query.exec())
        return true;
    qWarning("%s: %s", qPrintable(sql), qPrintable(query.lastError().text()));
    return false;
}

bool RationFixture::clear()
{
    for (const char *table : {"Etkezesek", "Anyag", "ReceptFej", "Recept", "Etlap", "Letszam", "TmpKiszabat",
             "TmpKiszabat_2", "Kiszabat", "Raktar", "Sorszam"})
        if (!exec(QStringLiteral("DELETE FROM \"%1\"").arg(QLatin1String(table)), {}))
            return false;
    return true;
}

bool RationFixture::meal(const QString &code, const QString &name, double norm)
{
    return exec(QStringLiteral("INSERT INTO \"Etkezesek\" (\"EtkTip\", \"Megnevezes\", \"Norma\") VALUES (?, ?, ?)"),
        {code, name, Sql::money(Money::fromDouble(norm))});
}

bool RationFixture::material(const QString &account, const QString &number, const QString &name, const QString &unit,
    int decimals, double price, double stock)
{
    return exec(QStringLiteral("INSERT INTO \"Anyag\" (\"FokonyviSzam\", \"NyilvSzam\", \"Megnevezes\", "
                               "\"Mertekegyseg\", \"Kerekites\", \"NyilvAr\", \"KeszletMennyiseg\", \"KeszletErtek\", "
                               "\"AfaCsoport\") VALUES (?, ?, ?, ?, ?, ?, ?, ?, '01')"),
        {account, number, name, unit, decimals, Sql::money(Money::fromDouble(price)), stock,
            Sql::money(Money::fromDouble(price).multiplied(stock))});
}

bool RationFixture::recipe(const QString &code, const QString &name, const QList<Ingredient> &ingredients)
{
    if (!exec(QStringLiteral("INSERT INTO \"ReceptFej\" (\"EtelKod\", \"Megnevezes\") VALUES (?, ?)"), {code, name}))
        return false;
    for (const Ingredient &ingredient : ingredients)
        if (!exec(QStringLiteral("INSERT INTO \"Recept\" (\"EtelKod\", \"FokSzla\", \"NyilvSzam\", \"Mennyiseg\") "
                                 "VALUES (?, ?, ?, ?)"),
                {code, ingredient.account, ingredient.number, ingredient.per100}))
            return false;
    return true;
}

bool RationFixture::menu(
    const QDate &date, const QString &meal, const QString &account, const QString &code, double perPerson)
{
    return exec(QStringLiteral("INSERT INTO \"Etlap\" (\"Datum\", \"EtkTip\", \"FokSzam\", \"EtelKod\", \"Mennyiseg\") "
                               "VALUES (?, ?, ?, ?, ?)"),
        {Sql::date(date), meal, account, code, perPerson});
}

bool RationFixture::headcount(const QDate &date, const QString &meal, int count, bool issued)
{
    return exec(
        QStringLiteral("INSERT INTO \"Letszam\" (\"Datum\", \"Etkezesek\", \"Letszam\", \"Kiadva\", \"Mozgnem\") "
                       "VALUES (?, ?, ?, ?, ?)"),
        {Sql::date(date), meal, count, Sql::flag(issued), issued ? QStringLiteral("07") : QString()});
}

void FixedStock::set(const QString &account, const QString &number, double quantity, double price)
{
    m_values.insert(MaterialKey {account, number}, RationStockValue {quantity, Money::fromDouble(price)});
}

Checked<QHash<MaterialKey, RationStockValue>> FixedStock::stockAt(const QDate &date)
{
    askedFor = date;
    return Checked<QHash<MaterialKey, RationStockValue>>::accepted(m_values);
}
