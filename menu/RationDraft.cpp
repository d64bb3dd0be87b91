#include "menu/RationDraft.h"

#include "menu/RationInput.h"
#include "menu/RationSql.h"
#include "session/Settings.h"
#include "store/HungarianCollation.h"
#include "store/Sql.h"
#include "store/WriteTransaction.h"
#include "store/WriteFailure.h"

#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

RationDraft::RationDraft(QSqlDatabase db, Settings &settings, const QString &user, RationDraftPlace place)
    : m_db(db)
    , m_settings(settings)
    , m_user(user)
    , m_place(std::move(place))
{
    if (!m_place.openUnits)
        m_place.openUnits = RationInput::meals;
}

QString RationDraft::section() const
{
    return m_place.sectionPrefix + m_user;
}

QDate RationDraft::storedDate() const
{
    return m_settings.readDate(section(), QStringLiteral("KezdDat"), QDate());
}

QStringList RationDraft::storedMeals() const
{
    QStringList codes;
    const int count = m_settings.readInt(section(), QStringLiteral("Count"), 0);
    for (int i = 0; i < count; ++i)
        codes << m_settings.readString(section(), m_place.codeKey + QString::number(i));
    return codes;
}

static bool run(QSqlQuery &query, Refusal *refusal)
{
    if (query.exec())
        return true;
    *refusal = WriteFailure::failed(query.lastError());
    return false;
}

Refusal RationDraft::removeRows(QSqlDatabase db, const QString &user, const RationDraftPlace &place)
{
    for (const QString &table : {place.linesTable, place.totalsTable}) {
        QSqlQuery query(db);
        query.prepare(QStringLiteral("DELETE FROM \"%1\" WHERE \"Felhasznalo\" = ?").arg(table));
        query.addBindValue(user);
        if (!query.exec())
            return WriteFailure::failed(query.lastError());
    }
    return Refusal();
}

void RationDraft::forgetSection()
{
    m_settings.writeInt(section(), QStringLiteral("Count"), 0);
}

static bool insertLine(
    QSqlDatabase db, const QString &table, const QString &user, const RationLine &line, Refusal *refusal)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "INSERT INTO \"%1\" (\"FokSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mennyiseg\", \"Mertekegyseg\", "
        "\"Datum\", \"EtkKod\", \"EtkTip\", \"Letszam\", \"Norma_fo\", \"Norma_etk\", \"NyilvAr\", \"Anyagar\", "
        "\"Felhasznalo\") VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)")
            .arg(table));
    QVariantList values = RationSql::lineValues(line);
    values << user;
    for (const QVariant &value : std::as_const(values))
        query.addBindValue(value);
    return run(query, refusal);
}

static bool insertTotal(
    QSqlDatabase db, const QString &table, const QString &user, const RationTotal &total, Refusal *refusal)
{
    QSqlQuery query(db);
    query.prepare(
        QStringLiteral("INSERT INTO \"%1\" (\"FokSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mennyiseg\", "
                       "\"KeszletMennyiseg\", \"Mertekegyseg\", \"Felhasznalo\") VALUES (?, ?, ?, ?, ?, ?, ?)")
            .arg(table));
    for (const QVariant &value : {QVariant(total.account), QVariant(total.number), QVariant(total.name),
             QVariant(total.quantity), QVariant(total.stock), QVariant(total.unit), QVariant(user)})
        query.addBindValue(value);
    return run(query, refusal);
}

Refusal RationDraft::save(const RationSheet &sheet)
{
    const WriteResult written = WriteTransaction::run(m_db, [&] {
        Refusal refusal = removeRows(m_db, m_user, m_place);
        for (qsizetype i = 0; refusal.isNull() && i < sheet.lines().size(); ++i)
            insertLine(m_db, m_place.linesTable, m_user, sheet.lines().at(i), &refusal);
        for (qsizetype i = 0; refusal.isNull() && i < sheet.totals().size(); ++i)
            insertTotal(m_db, m_place.totalsTable, m_user, sheet.totals().at(i), &refusal);
        return refusal;
    });
    if (!written.ok())
        return written.refusal;
    const QStringList codes = sheet.mealCodes();
    m_settings.writeDate(section(), QStringLiteral("KezdDat"), sheet.date());
    for (int i = 0; i < codes.size(); ++i)
        m_settings.writeString(section(), m_place.codeKey + QString::number(i), codes.at(i));
    m_settings.writeInt(section(), QStringLiteral("Count"), int(codes.size()));
    return Refusal();
}

Refusal RationDraft::clear()
{
    const WriteResult written = WriteTransaction::run(m_db, [&] { return removeRows(m_db, m_user, m_place); });
    if (!written.ok())
        return written.refusal;
    forgetSection();
    return Refusal();
}

static Checked<QList<RationTotal>> readTotals(QSqlDatabase db, const QString &table, const QString &user)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "SELECT \"FokSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mennyiseg\", \"KeszletMennyiseg\", \"Mertekegyseg\" "
        "FROM \"%1\" WHERE \"Felhasznalo\" = ? ORDER BY ").arg(table)
        + HungarianCollation::orderTerm(QStringLiteral("\"Megnevezes\"")) + QStringLiteral(", \"FokSzam\", \"NyilvSzam\""));
    query.addBindValue(user);
    if (!query.exec())
        return Checked<QList<RationTotal>>::refused(WriteFailure::readFailed(query.lastError()));
    QList<RationTotal> totals;
    while (query.next())
        totals << RationTotal {query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
            query.value(3).toDouble(), query.value(4).toDouble(), query.value(5).toString()};
    return Checked<QList<RationTotal>>::accepted(totals);
}

static Checked<QList<RationLine>> readLines(QSqlDatabase db, const QString &table, const QString &user)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral(
        "SELECT \"FokSzam\", \"NyilvSzam\", \"Megnevezes\", \"Mennyiseg\", \"Mertekegyseg\", \"Datum\", \"EtkKod\", "
        "\"EtkTip\", \"Letszam\", \"Norma_fo\", \"Norma_etk\", \"NyilvAr\", \"Anyagar\" "
        "FROM \"%1\" WHERE \"Felhasznalo\" = ? ORDER BY \"Azon\"")
            .arg(table));
    query.addBindValue(user);
    if (!query.exec())
        return Checked<QList<RationLine>>::refused(WriteFailure::readFailed(query.lastError()));
    QList<RationLine> lines;
    while (query.next()) {
        RationLine line;
        line.account = query.value(0).toString();
        line.number = query.value(1).toString();
        line.dishName = query.value(2).toString();
        line.quantity = query.value(3).toDouble();
        line.unit = query.value(4).toString();
        line.date = Sql::toDate(query.value(5));
        line.mealCode = query.value(6).toString();
        line.mealName = query.value(7).toString();
        line.headcount = query.value(8).toInt();
        line.normPerPerson = Sql::toMoney(query.value(9));
        line.normMeal = Sql::toMoney(query.value(10));
        line.price = Sql::toMoney(query.value(11));
        line.value = Sql::toMoney(query.value(12));
        lines << line;
    }
    return Checked<QList<RationLine>>::accepted(lines);
}

Checked<bool> RationDraft::offerable(const QDate &closedThrough)
{
    const auto totals = readTotals(m_db, m_place.totalsTable, m_user);
    if (!totals.ok())
        return Checked<bool>::refused(totals.refusal);
    if (totals.value.isEmpty())
        return Checked<bool>::accepted(false);
    const QDate date = storedDate();
    const QStringList codes = storedMeals();
    bool fits = date.isValid() && date > closedThrough && !codes.isEmpty() && !codes.contains(QString());
    if (fits) {
        const auto meals = m_place.openUnits(m_db, date, codes);
        if (!meals.ok())
            return Checked<bool>::refused(meals.refusal);
        fits = meals.value.size() == QSet<QString>(codes.begin(), codes.end()).size();
    }
    if (fits) {
        const auto lines = readLines(m_db, m_place.linesTable, m_user);
        if (!lines.ok())
            return Checked<bool>::refused(lines.refusal);
        for (const RationLine &line : lines.value)
            fits = fits && line.date == date && codes.contains(line.mealCode);
    }
    if (fits)
        return Checked<bool>::accepted(true);
    if (const Refusal refusal = clear())
        return Checked<bool>::refused(refusal);
    return Checked<bool>::accepted(false);
}

Checked<RationSheet> RationDraft::restore(RationStockSource &stock)
{
    const QDate date = storedDate();
    const auto meals = m_place.openUnits(m_db, date, storedMeals());
    if (!meals.ok())
        return Checked<RationSheet>::refused(meals.refusal);
    const auto materials = RationInput::materials(m_db);
    if (!materials.ok())
        return Checked<RationSheet>::refused(materials.refusal);
    const auto stockAt = stock.stockAt(date);
    if (!stockAt.ok())
        return Checked<RationSheet>::refused(stockAt.refusal);
    const auto lines = readLines(m_db, m_place.linesTable, m_user);
    if (!lines.ok())
        return Checked<RationSheet>::refused(lines.refusal);
    RationSheet sheet(date, meals.value, materials.value, stockAt.value, m_place.policy);
    sheet.restore(lines.value);
    return Checked<RationSheet>::accepted(sheet);
}
