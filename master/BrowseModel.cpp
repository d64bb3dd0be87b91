#include "master/BrowseModel.h"

#include "core/Dates.h"
#include "store/Catalogue.h"

#include <QColor>
#include <QSqlError>
#include <QSqlRecord>

BrowseModel::BrowseModel(QSqlDatabase db, const BrowseSpec &spec, QObject *parent)
    : QSqlQueryModel(parent)
    , m_query(db, spec)
{
}

int BrowseModel::open(int order, const QStringList &keep)
{
    m_order = order;
    setQuery(m_query.selectSql(order), m_query.database());
    m_dateColumns.clear();
    m_keyColumn = m_query.spec().key.isEmpty() ? -1 : record().indexOf(m_query.spec().key.first());
    if (const TableDef *table = Catalogue::table(m_query.spec().table)) {
        const QSqlRecord fields = record();
        for (int column = 0; column < fields.count(); ++column) {
            const FieldDef *field = table->field(fields.fieldName(column));
            if (field && field->type == FieldType::Date)
                m_dateColumns << column;
        }
    }
    if (keep.isEmpty())
        return -1;
    const int row = m_query.rowOf(order, keep);
    return reach(row) ? row : -1;
}

Checked<int> BrowseModel::search(int search, const QString &typed)
{
    const Checked<int> found = m_query.locate(m_order, search, typed);
    if (found.ok() && !reach(found.value))
        return Checked<int>::refused(Refusal::warning(SearchTexts::notFound()));
    return found;
}

QStringList BrowseModel::keyAt(int row) const
{
    if (row < 0 || row >= rowCount())
        return {};
    const QSqlRecord values = record(row);
    QStringList key;
    for (const QString &field : m_query.spec().key)
        key << values.value(field).toString();
    return key;
}

bool BrowseModel::reach(int row)
{
    if (row < 0)
        return false;
    while (rowCount() <= row && canFetchMore())
        fetchMore();
    return row < rowCount();
}

QVariant BrowseModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::BackgroundRole && index.column() == m_keyColumn)
        return QColor(Qt::yellow);
    const QVariant value = QSqlQueryModel::data(index, role);
    if (role != Qt::DisplayRole || !m_dateColumns.contains(index.column()) || value.isNull())
        return value;
    const QDate date = value.typeId() == QMetaType::QDate ? value.toDate() : Dates::fromIso(value.toString());
    return date.isValid() ? QVariant(Dates::shortText(date)) : value;
}
