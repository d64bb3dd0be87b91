#include "exchange/CsvExport.h"

#include "core/Dates.h"
#include "core/NumberFormat.h"
#include "core/TextCodec.h"
#include "store/Catalogue.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QSaveFile>
#include <QSqlField>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QStringList>
#include <optional>

namespace CsvExport {

static const QString LineEnd = QStringLiteral("\r\n");

static QString quoted(const QString &text)
{
    QString result = text;
    result.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + result + QLatin1Char('"');
}

QString displayText(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return QString();
    switch (value.typeId()) {
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("Igaz") : QStringLiteral("Hamis");
    case QMetaType::Double:
    case QMetaType::Float:
        return NumberFormat::plain(value.toDouble());
    case QMetaType::QDate:
        return Dates::shortText(value.toDate());
    case QMetaType::QDateTime:
        return Dates::shortDateTimeText(value.toDateTime());
    case QMetaType::QTime:
        return value.toTime().toString(QStringLiteral("HH:mm:ss"));
    default:
        return value.toString();
    }
}

// A column read straight from a table field takes that field's kind from the catalogue: the
// database returns dates as their stored text and booleans as 0 and 1.
static QList<std::optional<FieldType>> columnKinds(const QAbstractItemModel &model)
{
    QList<std::optional<FieldType>> kinds(model.columnCount());
    const auto *query = qobject_cast<const QSqlQueryModel *>(&model);
    if (!query)
        return kinds;
    const QSqlRecord record = query->record();
    for (int column = 0; column < kinds.size() && column < record.count(); ++column) {
        const TableDef *table = Catalogue::table(record.field(column).tableName());
        const FieldDef *field = table ? table->field(record.fieldName(column)) : nullptr;
        if (field)
            kinds[column] = field->type;
    }
    return kinds;
}

static QString displayText(const QVariant &value, std::optional<FieldType> kind)
{
    if (kind == FieldType::Date && value.typeId() == QMetaType::QString) {
        const QDate date = Dates::fromIso(value.toString().left(10));
        if (date.isValid())
            return Dates::shortText(date);
    }
    if (kind == FieldType::Boolean && !value.isNull() && value.canConvert<qlonglong>())
        return displayText(QVariant(value.toLongLong() != 0));
    return displayText(value);
}

static QStringList headerNames(const QAbstractItemModel &model)
{
    QStringList names;
    const auto *query = qobject_cast<const QSqlQueryModel *>(&model);
    for (int column = 0; column < model.columnCount(); ++column) {
        if (query && column < query->record().count())
            names << query->record().fieldName(column);
        else
            names << model.headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    return names;
}

QByteArray toCsv(QAbstractItemModel &model, const Progress &progress)
{
    while (model.canFetchMore(QModelIndex()))
        model.fetchMore(QModelIndex());

    QString text;
    QStringList fields;
    for (const QString &name : headerNames(model))
        fields << quoted(name);
    text += fields.join(QLatin1Char(';')) + LineEnd;

    const QList<std::optional<FieldType>> kinds = columnKinds(model);
    const int rowCount = model.rowCount();
    const int columnCount = model.columnCount();
    for (int row = 0; row < rowCount; ++row) {
        fields.clear();
        for (int column = 0; column < columnCount; ++column)
            fields << quoted(displayText(model.data(model.index(row, column), Qt::DisplayRole), kinds.at(column)));
        text += fields.join(QLatin1Char(';')) + LineEnd;
        if (progress)
            progress(row, rowCount);
    }
    return TextCodec::toWindows1250(text);
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("A fájl nem írható:\r") + QDir::toNativeSeparators(path);
    return QString();
}

} // namespace CsvExport
