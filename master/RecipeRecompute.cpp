#include "master/RecipeRecompute.h"

#include "core/Messenger.h"
#include "master/RecipeValues.h"
#include "master/RecipeVatRates.h"
#include "session/Settings.h"
#include "store/Sql.h"
#include "store/WriteFailure.h"
#include "store/WriteTransaction.h"

#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace RecipeRecompute {

// The lines of one recipe (code given) or of every recipe, with their materials, by recipe code.
static bool readIngredients(QSqlDatabase db, const QString &code, QHash<QString, QList<RecipeIngredient>> *byCode)
{
    QStringList materialColumns;
    for (const QString &field : RecipeValues::materialFields())
        materialColumns << QStringLiteral("a.\"%1\"").arg(field);
    QString sql
        = QStringLiteral("SELECT r.\"EtelKod\", r.\"Mennyiseg\", a.\"NyilvAr\", a.\"AfaCsoport\", a.\"Hcukor\", "
                         "a.\"Hso\", ")
        + materialColumns.join(QStringLiteral(", "))
        + QStringLiteral(" FROM \"Recept\" r JOIN \"Anyag\" a ON a.\"FokonyviSzam\" = r.\"FokSzla\" "
                         "AND a.\"NyilvSzam\" = r.\"NyilvSzam\"");
    if (!code.isNull())
        sql += QStringLiteral(" WHERE r.\"EtelKod\" = ?");
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.prepare(sql);
    if (!code.isNull())
        query.addBindValue(code);
    if (!query.exec())
        return false;
    const int count = RecipeValues::materialFields().size();
    while (query.next()) {
        RecipeIngredient line;
        line.quantity = query.value(1).toDouble();
        line.price = Sql::toMoney(query.value(2));
        line.vatGroup = query.value(3).toString();
        line.addedSugar = Sql::toFlag(query.value(4));
        line.addedSalt = Sql::toFlag(query.value(5));
        line.nutrients.reserve(count);
        for (int i = 0; i < count; ++i)
            line.nutrients << query.value(6 + i).toDouble();
        (*byCode)[query.value(0).toString()] << line;
    }
    return true;
}

static QString updateStatement()
{
    QStringList sets {QStringLiteral("\"Netto\" = ?"), QStringLiteral("\"Afa\" = ?")};
    for (const QString &field : RecipeValues::headerFields())
        sets << QStringLiteral("\"%1\" = ?").arg(field);
    sets << QStringLiteral("\"HCukor\" = ?") << QStringLiteral("\"HSo\" = ?");
    return QStringLiteral("UPDATE \"ReceptFej\" SET ") + sets.join(QStringLiteral(", "))
        + QStringLiteral(" WHERE \"EtelKod\" = ?");
}

static bool write(QSqlQuery &update, const QString &code, const RecipeValues &values)
{
    update.addBindValue(Sql::money(values.netto));
    update.addBindValue(Sql::money(values.afa));
    for (double total : values.nutrients)
        update.addBindValue(total);
    update.addBindValue(values.addedSugar);
    update.addBindValue(values.addedSalt);
    update.addBindValue(code);
    return update.exec();
}

bool one(QSqlDatabase db, const QString &code, const QDate &today)
{
    QHash<QString, QList<RecipeIngredient>> byCode;
    if (!readIngredients(db, code, &byCode))
        return false;
    const Checked<RecipeVatRates> rates = RecipeVatRates::read(db, today);
    if (!rates.ok())
        return false;
    QSqlQuery update(db);
    update.prepare(updateStatement());
    return write(update, code, RecipeValues::compute(byCode.value(code), rates.value));
}

bool all(QSqlDatabase db, const QDate &today, const std::function<void(int, int)> &step)
{
    return WriteTransaction::run(db, [&] {
        QStringList codes;
        QSqlQuery list(db);
        list.setForwardOnly(true);
        if (!list.exec(QStringLiteral("SELECT \"EtelKod\" FROM \"ReceptFej\" ORDER BY \"EtelKod\"")))
            return WriteFailure::failed(list.lastError());
        while (list.next())
            codes << list.value(0).toString();
        list.finish();

        QHash<QString, QList<RecipeIngredient>> byCode;
        if (!readIngredients(db, QString(), &byCode))
            return WriteFailure::failed(QString());
        const Checked<RecipeVatRates> rates = RecipeVatRates::read(db, today);
        if (!rates.ok())
            return rates.refusal;

        QSqlQuery update(db);
        update.prepare(updateStatement());
        for (int i = 0; i < codes.size(); ++i) {
            if (!write(update, codes.at(i), RecipeValues::compute(byCode.value(codes.at(i)), rates.value)))
                return WriteFailure::failed(update.lastError());
            if (step)
                step(i + 1, codes.size());
        }
        return Refusal();
    }).ok();
}

bool allWithNotice(QSqlDatabase db, Settings &settings, Messenger &messenger, const QDate &today,
    const std::function<void(int, int)> &step)
{
    settings.setTapValt(false);
    messenger.showProgress(
        QStringLiteral("Kérem várjon, tápanyagszámítás folyamatban...\rEz nagyon hosszú időt is igénybevehet!"));
    const bool done = all(db, today, step);
    messenger.hideProgress();
    // Nothing was written: the values are still stale.
    if (!done)
        settings.setTapValt(true);
    return done;
}

} // namespace RecipeRecompute
