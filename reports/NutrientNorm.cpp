#include "reports/NutrientNorm.h"

#include "core/Rounding.h"
#include "reports/NutrientKinds.h"
#include "store/EngineError.h"
#include "store/HungarianCollation.h"
#include "store/RowReader.h"
#include "store/WriteFailure.h"
#include "store/WriteTransaction.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

double NormRange::deviation(double daily, int decimals) const
{
    double result = 0;
    if (minimum && *minimum > daily)
        result = daily - *minimum;
    if (maximum && *maximum > 0 && daily > *maximum)
        result = daily - *maximum;
    return Rounding::round(result, decimals);
}

namespace NutrientNorms {

namespace {

QString minimumColumn(const QString &suffix)
{
    return QStringLiteral("E") + suffix;
}

QString maximumColumn(const QString &suffix)
{
    return QStringLiteral("M") + suffix;
}

std::optional<double> bound(const QSqlRecord &record, const QString &column)
{
    const int index = record.indexOf(column);
    if (index < 0 || record.isNull(index))
        return std::nullopt;
    return record.value(index).toDouble();
}

QVariant boundValue(const std::optional<double> &value)
{
    return value ? QVariant(*value) : QVariant(QMetaType(QMetaType::Double));
}

} // namespace

Checked<QStringList> suffixes(QSqlDatabase db)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("SELECT * FROM \"TapRendelet\" WHERE 1 = 0")))
        return Checked<QStringList>::refused(WriteFailure::readFailed(query.lastError()));
    const QSqlRecord record = query.record();
    QStringList groups;
    for (int i = 0; i < record.count(); ++i) {
        const QString name = record.fieldName(i);
        const QString suffix = name.mid(1);
        if (name.startsWith(QLatin1Char('E')) && !suffix.isEmpty() && suffix.at(0).isDigit()
            && record.indexOf(maximumColumn(suffix)) >= 0)
            groups << suffix;
    }
    for (const NutrientKinds::Row &row : NutrientKinds::rows())
        if (record.indexOf(minimumColumn(row.normSuffix)) >= 0 && record.indexOf(maximumColumn(row.normSuffix)) >= 0)
            groups << row.normSuffix;
    return Checked<QStringList>::accepted(groups);
}

Checked<QStringList> ageGroups(QSqlDatabase db)
{
    return readRows<QString>(db,
        QStringLiteral("SELECT \"Megnevezes\" FROM \"TapRendelet\" ORDER BY ")
            + HungarianCollation::orderTerm(QStringLiteral("\"Megnevezes\"")),
        {}, [](const QSqlQuery &q) { return q.value(0).toString(); });
}

Checked<NutrientNorm> load(QSqlDatabase db, const QString &ageGroup)
{
    NutrientNorm norm;
    norm.ageGroup = ageGroup;
    if (ageGroup.isEmpty())
        return Checked<NutrientNorm>::accepted(norm);
    const Checked<QStringList> names = suffixes(db);
    if (!names.ok())
        return Checked<NutrientNorm>::refused(names.refusal);
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(QStringLiteral("SELECT * FROM \"TapRendelet\" WHERE \"Megnevezes\" = ?")))
        return Checked<NutrientNorm>::refused(WriteFailure::readFailed(query.lastError()));
    query.addBindValue(ageGroup);
    if (!query.exec())
        return Checked<NutrientNorm>::refused(WriteFailure::readFailed(query.lastError()));
    if (!query.next())
        return Checked<NutrientNorm>::accepted(norm);
    const QSqlRecord record = query.record();
    for (const QString &suffix : names.value)
        norm.ranges.insert(suffix, {bound(record, minimumColumn(suffix)), bound(record, maximumColumn(suffix))});
    return Checked<NutrientNorm>::accepted(norm);
}

Refusal check(QSqlDatabase db, const NutrientNorm &norm, const QString &previousName)
{
    const QString name = norm.ageGroup.trimmed();
    if (name.isEmpty())
        return Refusal::error(QStringLiteral("A korcsoport nevét meg kell adni!"), QStringLiteral("edtMegnevezes"));
    if (name != previousName) {
        const Checked<QStringList> existing = ageGroups(db);
        if (!existing.ok())
            return existing.refusal;
        if (existing.value.contains(name))
            return Refusal::error(
                QStringLiteral("Ilyen nevű korcsoport már van: %1").arg(name), QStringLiteral("edtMegnevezes"));
    }
    for (auto it = norm.ranges.begin(); it != norm.ranges.end(); ++it) {
        const NormRange &range = it.value();
        if ((range.minimum && *range.minimum < 0) || (range.maximum && *range.maximum < 0))
            return Refusal::error(QStringLiteral("Az előírás nem lehet negatív (%1)!").arg(it.key()));
        if (range.minimum && range.maximum && *range.maximum > 0 && *range.maximum < *range.minimum)
            return Refusal::error(QStringLiteral("A maximum nem lehet kisebb a minimumnál (%1)!").arg(it.key()));
    }
    return {};
}

Refusal save(QSqlDatabase db, const NutrientNorm &norm, const QString &previousName)
{
    if (const Refusal refusal = check(db, norm, previousName))
        return refusal;
    const Checked<QStringList> names = suffixes(db);
    if (!names.ok())
        return names.refusal;
    const WriteResult result = WriteTransaction::run(db, [&]() -> Refusal {
        QSqlQuery query(db);
        if (!previousName.isEmpty()) {
            query.prepare(QStringLiteral("DELETE FROM \"TapRendelet\" WHERE \"Megnevezes\" = ?"));
            query.addBindValue(previousName);
            if (!query.exec())
                throw DatabaseFailure {EngineError::cause(query.lastError())};
        }
        QStringList columns {QStringLiteral("\"Megnevezes\"")};
        QVariantList values {norm.ageGroup.trimmed()};
        for (const QString &suffix : names.value) {
            const NormRange range = norm.range(suffix);
            columns << QStringLiteral("\"%1\"").arg(minimumColumn(suffix))
                    << QStringLiteral("\"%1\"").arg(maximumColumn(suffix));
            values << boundValue(range.minimum) << boundValue(range.maximum);
        }
        QStringList marks;
        for (qsizetype i = 0; i < columns.size(); ++i)
            marks << QStringLiteral("?");
        query.prepare(QStringLiteral("INSERT INTO \"TapRendelet\" (%1) VALUES (%2)")
                          .arg(columns.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
        for (const QVariant &value : values)
            query.addBindValue(value);
        if (!query.exec())
            throw DatabaseFailure {EngineError::cause(query.lastError())};
        return {};
    });
    return result.refusal;
}

Refusal remove(QSqlDatabase db, const QString &ageGroup)
{
    QSqlQuery query(db);
    query.prepare(QStringLiteral("DELETE FROM \"TapRendelet\" WHERE \"Megnevezes\" = ?"));
    query.addBindValue(ageGroup);
    if (!query.exec())
        return WriteFailure::failed(query.lastError());
    return {};
}

} // namespace NutrientNorms
