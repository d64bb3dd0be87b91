#include "store/ReferenceRows.h"

#include "store/Catalogue.h"
#include "store/Sql.h"

#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

QStringList ReferenceRows::tables()
{
    return {QStringLiteral("Afa"), QStringLiteral("Allergen"), QStringLiteral("Anyagcsoport"),
        QStringLiteral("Etelfeleseg"), QStringLiteral("EtkTip"), QStringLiteral("Mertegys"), QStringLiteral("Mozgnem"),
        QStringLiteral("TapRendelet")};
}

QStringList ReferenceRows::splitLine(const QString &line)
{
    QStringList values;
    QString value;
    bool inQuotes = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (inQuotes) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < line.size() && line.at(i + 1) == QLatin1Char('"')) {
                    value += c;
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                value += c;
            }
        } else if (c == QLatin1Char('"')) {
            inQuotes = true;
        } else if (c == QLatin1Char(';')) {
            values << value;
            value.clear();
        } else {
            value += c;
        }
    }
    values << value;
    return values;
}

bool ReferenceRows::read(const QString &table, Rows *rows, QString *error)
{
    QFile file(QStringLiteral(":/reference/") + table + QStringLiteral(".csv"));
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("Hiányzik a(z) %1 tábla alapadat-fájlja.").arg(table);
        return false;
    }
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList lines = text.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (lines.isEmpty()) {
        *error = QStringLiteral("Üres a(z) %1 tábla alapadat-fájlja.").arg(table);
        return false;
    }
    rows->fields = splitLine(lines.first());
    rows->rows.clear();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringList values = splitLine(lines.at(i));
        if (values.size() != rows->fields.size()) {
            *error = QStringLiteral("Hibás sor a(z) %1 tábla alapadat-fájljában: %2").arg(table).arg(i + 1);
            return false;
        }
        rows->rows << values;
    }
    return true;
}

static QVariant converted(const QString &value, FieldType type)
{
    switch (type) {
    case FieldType::Integer:
        return value.toLongLong();
    case FieldType::Boolean:
        return Sql::flag(value.trimmed().toLongLong() != 0);
    case FieldType::Float:
        return QString(value).replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
    case FieldType::Money:
        return Sql::money(Money::fromText(value).value_or(Money()));
    case FieldType::Date:
        return value.trimmed().isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(value.trimmed());
    default:
        return value;
    }
}

bool ReferenceRows::insert(QSqlDatabase db, const QString &table, QString *error)
{
    const TableDef *def = Catalogue::table(table);
    if (!def) {
        *error = QStringLiteral("Ismeretlen tábla: %1").arg(table);
        return false;
    }
    Rows rows;
    if (!read(table, &rows, error))
        return false;

    QStringList columns;
    QStringList placeholders;
    QList<FieldType> types;
    for (const QString &name : rows.fields) {
        const FieldDef *field = def->field(name);
        if (!field) {
            *error = QStringLiteral("A(z) %1 táblának nincs %2 mezője.").arg(table, name);
            return false;
        }
        columns << QLatin1Char('"') + field->name + QLatin1Char('"');
        placeholders << QStringLiteral("?");
        types << field->type;
    }

    QSqlQuery query(db);
    if (!query.prepare(
            QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
                .arg(def->name, columns.join(QStringLiteral(", ")), placeholders.join(QStringLiteral(", "))))) {
        *error = table + QStringLiteral(": ") + query.lastError().text();
        return false;
    }
    for (const QStringList &row : rows.rows) {
        for (qsizetype i = 0; i < row.size(); ++i)
            query.bindValue(int(i), converted(row.at(i), types.at(i)));
        if (!query.exec()) {
            *error = table + QStringLiteral(": ") + query.lastError().text();
            return false;
        }
    }
    return true;
}
