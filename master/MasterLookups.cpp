#include "master/MasterLookups.h"

#include "store/HungarianCollation.h"
#include "store/RowReader.h"

#include <QSqlQuery>
#include <QVariant>

namespace {

// The rows of a query whose first column is the key and whose second is the text shown.
Checked<LookupList> entries(QSqlDatabase db, const QString &sql, const QVariantList &values = {})
{
    return readRows<LookupEntry>(db, sql, values, [](const QSqlQuery &query) {
        return LookupEntry {query.value(0).toString(), query.value(1).toString()};
    });
}

QString name()
{
    return HungarianCollation::orderTerm(QStringLiteral("\"Megnevezes\""));
}

} // namespace

namespace MasterLookups {

Checked<LookupList> ledgerAccounts(QSqlDatabase db)
{
    return entries(db,
        QStringLiteral("SELECT \"FokonyviSzam\", \"FokonyviSzam\" || ' - ' || COALESCE(\"Megnevezes\", '') FROM "
                       "\"Fokszam\" ORDER BY \"FokonyviSzam\""));
}

Checked<LookupList> materialGroups(QSqlDatabase db)
{
    return entries(db, QStringLiteral("SELECT \"Kod\", \"Megnevezes\" FROM \"Anyagcsoport\" ORDER BY \"Kod\""));
}

Checked<LookupList> lossCodes(QSqlDatabase db)
{
    return entries(db, QStringLiteral("SELECT \"Vkod\", \"ElelmiAnyag\" FROM \"Veszteseg\" ORDER BY \"Vkod\""));
}

Checked<LookupList> units(QSqlDatabase db)
{
    return entries(db,
        QStringLiteral("SELECT \"MertKod\", \"MertKod\" || ' - ' || COALESCE(\"Megnevezes\", '') FROM \"Mertegys\" "
                       "ORDER BY \"MertKod\""));
}

Checked<LookupList> vatRows(QSqlDatabase db)
{
    return entries(db,
        QStringLiteral("SELECT \"AfaCsoport\", \"AfaCsoport\" || ' - ' || CAST(\"AfaErtek\" AS VARCHAR(20)) || '% - ' "
                       "|| CAST(\"Datum\" AS VARCHAR(20)) FROM \"Afa\" ORDER BY \"AfaCsoport\", \"Datum\", \"Afakod\""));
}

Checked<LookupList> allergens(QSqlDatabase db)
{
    return entries(db,
        QStringLiteral("SELECT \"AzonAl\", \"AzonAl\" || ' - ' || COALESCE(\"Allergen\", '') FROM \"Allergen\" "
                       "ORDER BY \"AzonAl\""));
}

Checked<LookupList> mealNorms(QSqlDatabase db)
{
    return entries(db,
        QStringLiteral(
            "SELECT \"Enorma\", \"Megnevezes\" || ' (' || \"Enorma\" || ')' FROM \"Etknorma\" ORDER BY \"Enorma\""));
}

Checked<LookupList> dishKinds(QSqlDatabase db)
{
    return entries(db,
        QStringLiteral("SELECT \"ValtAzon\", \"Etelfeleseg\" || ' (' || \"ValtAzon\" || ')' FROM \"Etelfeleseg\" "
                       "ORDER BY \"ValtAzon\""));
}

Checked<LookupList> meals(QSqlDatabase db)
{
    return entries(db,
        QStringLiteral("SELECT \"EtkTip\", \"EtkTip\" || ' - ' || \"Megnevezes\" FROM \"Etkezesek\" "
                       "ORDER BY \"Tip\", \"Enorma\", \"EtkTip\""));
}

Checked<LookupList> recipes(QSqlDatabase db)
{
    return entries(db,
        QStringLiteral("SELECT \"EtelKod\", \"Megnevezes\" FROM \"ReceptFej\" ORDER BY %1, \"Enorma\", \"EtelKod\"")
            .arg(name()));
}

Checked<LookupList> materialsOf(QSqlDatabase db, const QString &account)
{
    return entries(db,
        QStringLiteral("SELECT \"NyilvSzam\", \"Megnevezes\" FROM \"Anyag\" WHERE \"FokonyviSzam\" = ? "
                       "ORDER BY %1, \"NyilvSzam\"")
            .arg(name()),
        {account});
}

Checked<LookupList> codeTableRows(QSqlDatabase db, const QString &table, const QString &keyField, const QString &textField)
{
    return entries(db, QStringLiteral("SELECT \"%1\", \"%2\" FROM \"%3\" ORDER BY \"%1\"").arg(keyField, textField, table));
}

Checked<std::optional<MaterialUnit>> materialUnit(QSqlDatabase db, const QString &account, const QString &registerNumber)
{
    const Checked<QList<MaterialUnit>> read = readRows<MaterialUnit>(db,
        QStringLiteral("SELECT a.\"Mertekegyseg\", m.\"Megnevezes\", a.\"Kerekites\" FROM \"Anyag\" a LEFT JOIN "
                       "\"Mertegys\" m ON m.\"MertKod\" = a.\"Mertekegyseg\" WHERE a.\"FokonyviSzam\" = ? "
                       "AND a.\"NyilvSzam\" = ?"),
        {account, registerNumber}, [](const QSqlQuery &query) {
            return MaterialUnit {query.value(0).toString(), query.value(1).toString(), query.value(2).toInt()};
        });
    using Answer = Checked<std::optional<MaterialUnit>>;
    if (!read.ok())
        return Answer::refused(read.refusal);
    return Answer::accepted(read.value.isEmpty() ? std::nullopt : std::optional(read.value.first()));
}

} // namespace MasterLookups
