#include "reports/MonthlyHeadcountReport.h"

#include "reports/ReportDays.h"
#include "reports/ReportSums.h"
#include "reports/TextRows.h"
#include "store/RowReader.h"
#include "store/Sql.h"

#include <QHash>

namespace {

struct Count
{
    QDate day;
    QString meal;
    qint64 count = 0;
};

QString cell(const std::optional<qint64> &count)
{
    return count ? QString::number(*count) : QString();
}

} // namespace

Refusal MonthlyHeadcountReport::tooManyMeals()
{
    return Refusal::warning(QStringLiteral("Maximum 10 étkezést jelölhet meg egyszerre!"));
}

Refusal MonthlyHeadcountReport::printsFirstTen()
{
    return Refusal::warning(
        QStringLiteral("Ennél a lekérdezésnél maximum 10 kategória lesz nyomtatva terjedelmi okok miatt!"));
}

MonthlyHeadcountReport::MonthlyHeadcountReport(QSqlDatabase warehouse)
    : m_db(warehouse)
{
    TextRows::reset(m_model, {QStringLiteral("Napok")});
}

Refusal MonthlyHeadcountReport::run(const ReportParameters &parameters)
{
    m_lines.clear();
    m_codes = parameters.filters.value(Meals).toStringList();
    m_names = m_codes;
    TextRows::reset(m_model, QStringList {QStringLiteral("Napok")} + m_names);
    const QList<QDate> days = ReportDays::daysOfMonth(parameters.year, parameters.filters.value(Month).toInt());
    if (days.isEmpty())
        return Refusal::error(QStringLiteral("Érvénytelen hónap."));

    const auto names = readRows<QPair<QString, QString>>(m_db,
        QStringLiteral("SELECT \"EtkTip\", \"Megnevezes\" FROM \"Etkezesek\""), {},
        [](const QSqlQuery &query) { return qMakePair(query.value(0).toString(), query.value(1).toString()); });
    if (!names.ok())
        return names.refusal;
    for (const auto &[code, name] : names.value) {
        const int column = m_codes.indexOf(code);
        if (column >= 0)
            m_names[column] = name;
    }

    QVariantList values {Sql::date(days.first()), Sql::date(days.last())};
    for (const QString &code : m_codes)
        values << code;
    QString sql = QStringLiteral("SELECT \"Datum\", \"Etkezesek\", \"Letszam\" FROM \"Letszam\" WHERE \"Datum\" >= ? "
                                 "AND \"Datum\" <= ? AND ")
        + ReportSums::inList(QStringLiteral("\"Etkezesek\""), m_codes.size());
    if (parameters.filters.value(IssuedOnly).toBool())
        sql += QStringLiteral(" AND \"Kiadva\" = TRUE");
    const auto counts = readRows<Count>(m_db, sql, values, [](const QSqlQuery &query) {
        return Count {Sql::toDate(query.value(0)), query.value(1).toString(), query.value(2).toLongLong()};
    });
    if (!counts.ok())
        return counts.refusal;

    QHash<QDate, int> rowOfDay;
    for (const QDate &day : days) {
        rowOfDay.insert(day, m_lines.size());
        m_lines << Line {day,
            QStringLiteral("%1. %2").arg(day.day(), 2, 10, QLatin1Char('0')).arg(ReportDays::weekdayName(day)),
            QList<std::optional<qint64>>(m_codes.size())};
    }
    Line total {QDate(), TotalText, QList<std::optional<qint64>>(m_codes.size())};
    for (const Count &count : counts.value) {
        const int column = m_codes.indexOf(count.meal);
        if (column < 0 || !rowOfDay.contains(count.day))
            continue;
        m_lines[rowOfDay.value(count.day)].counts[column] = count.count;
        total.counts[column] = total.counts.at(column).value_or(0) + count.count;
    }
    m_lines << total;

    TextRows::reset(m_model, QStringList {QStringLiteral("Napok")} + m_names);
    QList<int> numbers;
    for (int column = 1; column <= m_codes.size(); ++column)
        numbers << column;
    for (const Line &line : m_lines) {
        QStringList texts {line.napok};
        for (const auto &count : line.counts)
            texts << cell(count);
        TextRows::append(m_model, texts, numbers);
    }
    return Refusal();
}
