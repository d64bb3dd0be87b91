#include "store/TableDump.h"

#include "store/Catalogue.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "store/Sql.h"
#include "store/VersionCheck.h"

#include <QSqlError>
#include <QSqlQuery>

#include <algorithm>

namespace TableDump {

namespace {

QByteArray escaped(const QString &text)
{
    QByteArray out;
    for (const char c : text.toUtf8()) {
        switch (c) {
        case '\\': out += "\\\\"; break;
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        default: out += c;
        }
    }
    return out;
}

QByteArray field(const QVariant &value, FieldType type)
{
    if (value.isNull())
        return "\\N";
    switch (type) {
    case FieldType::Boolean:
        return Sql::toFlag(value) ? "1" : "0";
    case FieldType::Integer:
    case FieldType::AutoIncrement:
        return QByteArray::number(value.toLongLong());
    case FieldType::Float:
        return QByteArray::number(value.toDouble(), 'g', 15);
    case FieldType::Money:
        return Sql::toMoney(value).toString().toLatin1();
    case FieldType::Date:
        return Sql::toDate(value).toString(Qt::ISODate).toLatin1();
    case FieldType::Text:
    case FieldType::Memo:
        break;
    }
    return escaped(value.toString());
}

bool dumpTable(QSqlDatabase db, const TableDef &table, QByteArray &out, QString *error)
{
    QStringList fields;
    for (const FieldDef &def : table.fields)
        fields << QLatin1Char('"') + def.name + QLatin1Char('"');
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT ") + fields.join(QStringLiteral(", ")) + QStringLiteral(" FROM \"")
            + table.name + QLatin1Char('"'))) {
        if (error)
            *error = table.name + QStringLiteral(": ") + EngineError::cause(query.lastError());
        return false;
    }
    QList<int> keyColumns;
    for (const QString &key : table.key)
        keyColumns << int(table.fieldNames().indexOf(key));
    // Rows sorted here by their key fields' text, then the whole line: the engines' own orders of
    // case-blind keys differ.
    QList<QPair<QByteArrayList, QByteArray>> rows;
    while (query.next()) {
        QByteArrayList values;
        for (int column = 0; column < table.fields.size(); ++column)
            values << field(query.value(column), table.fields.at(column).type);
        QByteArrayList key;
        for (const int column : keyColumns)
            key << values.value(column);
        rows.append({key, values.join('\t')});
    }
    std::sort(rows.begin(), rows.end());
    out += "# " + table.name.toUtf8() + '\n';
    for (const auto &row : rows)
        out += row.second + '\n';
    return true;
}

bool dumpWarehouse(const QString &location, int warehouse, QByteArray &out, QString *error)
{
    out += "## " + Database::warehouseFolderName(warehouse).toUtf8() + '\n';
    out += "# db_version\n" + VersionCheck::warehouseVersion(location, warehouse).toUtf8() + '\n';
    QSqlDatabase db = Database::warehouse(location, warehouse);
    for (const TableDef &table : Catalogue::warehouseTables())
        if (!dumpTable(db, table, out, error))
            return false;
    return true;
}

} // namespace

QByteArray dump(const QString &location, int warehouse, QString *error)
{
    QByteArray out;
    if (warehouse > 0)
        return dumpWarehouse(location, warehouse, out, error) ? out : QByteArray();
    QSqlDatabase shared = Database::shared(location);
    for (const TableDef &table : Catalogue::sharedTables())
        if (!dumpTable(shared, table, out, error))
            return QByteArray();
    for (int n = 1; n <= Database::WarehouseCount; ++n)
        if (!dumpWarehouse(location, n, out, error))
            return QByteArray();
    return out;
}

} // namespace TableDump
