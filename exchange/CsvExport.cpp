#include "exchange/CsvExport.h"

#include "core/Dates.h"
#include "core/Messenger.h"
#include "core/NumberFormat.h"
#include "core/TextCodec.h"
#include "store/Catalogue.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QRegularExpression>
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

// A cell's value: a grid that shows its numbers formatted (grouped money) keeps the number itself
// in the edit role, and the file takes the number.
static QVariant cellValue(const QAbstractItemModel &model, int row, int column)
{
    const QModelIndex index = model.index(row, column);
    const QVariant edit = model.data(index, Qt::EditRole);
    if (!edit.isNull() && (edit.typeId() == QMetaType::Double || edit.typeId() == QMetaType::Float))
        return edit;
    return model.data(index, Qt::DisplayRole);
}

static bool isReal(const QVariant &value)
{
    return !value.isNull() && (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float);
}

// The decimals of each column: the most any of its numbers needs.
static QList<int> columnDecimals(const QAbstractItemModel &model)
{
    QList<int> decimals(model.columnCount(), 0);
    for (int row = 0; row < model.rowCount(); ++row) {
        for (int column = 0; column < decimals.size(); ++column) {
            const QVariant value = cellValue(model, row, column);
            if (isReal(value))
                decimals[column] = std::max(decimals[column], NumberFormat::plainDecimals(value.toDouble()));
        }
    }
    return decimals;
}

// A spreadsheet runs a cell that begins with one of these as a formula; an apostrophe in front
// makes it text. A text that is a plain number is left as it is.
static QString guarded(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[+-]?[0-9]+([.,][0-9]+)?$"));
    static const QString starts = QStringLiteral("=+-@\t\r");
    if (text.isEmpty() || !starts.contains(text.at(0)) || number.match(text).hasMatch())
        return text;
    return QLatin1Char('\'') + text;
}

Sheet read(QAbstractItemModel &model, const Progress &progress)
{
    while (model.canFetchMore(QModelIndex()))
        model.fetchMore(QModelIndex());

    Sheet sheet;
    sheet.header = headerNames(model);
    const QList<std::optional<FieldType>> kinds = columnKinds(model);
    const QList<int> decimals = columnDecimals(model);
    const int rowCount = model.rowCount();
    const int columnCount = model.columnCount();
    sheet.rows.reserve(rowCount);
    for (int row = 0; row < rowCount; ++row) {
        QStringList fields;
        for (int column = 0; column < columnCount; ++column) {
            const QVariant value = cellValue(model, row, column);
            if (isReal(value))
                fields << NumberFormat::fixed(value.toDouble(), decimals.at(column));
            else if (value.typeId() == QMetaType::QString)
                fields << guarded(displayText(value, kinds.at(column)));
            else
                fields << displayText(value, kinds.at(column));
        }
        sheet.rows << fields;
        if (progress)
            progress(row, rowCount);
    }
    return sheet;
}

Refusal unwritable(const Sheet &sheet)
{
    auto question = [&](const QString &row, int column, const QString &outside) {
        return Refusal {QStringLiteral("Kérdés"), Symbol::Question,
            QStringLiteral("A fájlba nem írható karakter: ") + outside + QStringLiteral("\rSor: ") + row
                + QStringLiteral(", oszlop: ") + sheet.header.value(column)
                + QStringLiteral("\rKérdőjellel helyettesítve menti?"),
            QString()};
    };
    for (int column = 0; column < sheet.header.size(); ++column) {
        const QString outside = TextCodec::outsideWindows1250(sheet.header.at(column));
        if (!outside.isEmpty())
            return question(QStringLiteral("fejléc"), column, outside);
    }
    for (int row = 0; row < sheet.rows.size(); ++row) {
        for (int column = 0; column < sheet.rows.at(row).size(); ++column) {
            const QString outside = TextCodec::outsideWindows1250(sheet.rows.at(row).at(column));
            if (!outside.isEmpty())
                return question(QString::number(row + 1), column, outside);
        }
    }
    return Refusal();
}

static QString line(const QStringList &values)
{
    QStringList fields;
    for (const QString &value : values)
        fields << quoted(value);
    return fields.join(QLatin1Char(';')) + LineEnd;
}

QByteArray encode(const Sheet &sheet)
{
    QString text = line(sheet.header);
    for (const QStringList &row : sheet.rows)
        text += line(row);
    return TextCodec::toWindows1250(text);
}

QByteArray toCsv(QAbstractItemModel &model, const Progress &progress)
{
    return encode(read(model, progress));
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("A fájl nem írható:\r") + QDir::toNativeSeparators(path);
    return QString();
}

} // namespace CsvExport
