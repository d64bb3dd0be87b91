#include "master/RecipeCodes.h"

#include "core/Codes.h"

#include <QSet>
#include <QSqlQuery>

namespace RecipeCodes {

static constexpr int Width = 4;
static constexpr int Highest = 9999;

std::optional<QString> parse(const QString &typed)
{
    const Checked<QString> padded = Codes::pad(Width, typed);
    if (!padded.ok())
        return std::nullopt;
    return padded.value;
}

bool exists(QSqlDatabase db, const QString &code)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM \"ReceptFej\" WHERE \"EtelKod\" = ?"));
    query.addBindValue(code);
    return query.exec() && query.next() && query.value(0).toInt() > 0;
}

// The numbers of the codes in use; a code that is not a number takes no place.
static QSet<int> usedNumbers(QSqlDatabase db)
{
    QSet<int> numbers;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT \"EtelKod\" FROM \"ReceptFej\"")))
        return numbers;
    while (query.next()) {
        bool isNumber = false;
        const int number = query.value(0).toString().trimmed().toInt(&isNumber);
        if (isNumber)
            numbers.insert(number);
    }
    return numbers;
}

QString proposeNew(QSqlDatabase db)
{
    int highest = 0;
    for (int number : usedNumbers(db))
        highest = qMax(highest, number);
    if (highest >= Highest)
        return QString();
    return Codes::pad(Width, highest + 1).value_or(QString());
}

QString lowestFree(QSqlDatabase db)
{
    const QSet<int> used = usedNumbers(db);
    for (int number = 0; number <= Highest; ++number) {
        if (!used.contains(number))
            return Codes::pad(Width, number).value_or(QString());
    }
    return QString();
}

} // namespace RecipeCodes
