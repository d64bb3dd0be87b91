#include "master/BrowseModel.h"

#include "core/Dates.h"
#include "core/NumberFormat.h"
#include "store/Catalogue.h"
#include "store/WriteFailure.h"

#include <QColor>
#include <QSqlError>
#include <QSqlQuery>

// The stock quantities of a material, shown with its Kerekites decimals.
static const QStringList &quantityFields()
{
    static const QStringList names {QStringLiteral("KeszletMennyiseg"), QStringLiteral("KeszletMin"),
        QStringLiteral("KeszletMax")};
    return names;
}

BrowseModel::BrowseModel(QSqlDatabase db, const BrowseSpec &spec, QObject *parent)
    : QAbstractTableModel(parent)
    , m_query(db, spec)
{
}

Checked<int> BrowseModel::open(int order, const QStringList &keep)
{
    beginResetModel();
    m_order = order;
    m_pages.clear();
    m_rows = 0;
    QSqlQuery count(m_query.database());
    const bool counted = count.exec(m_query.countSql()) && count.next();
    const QSqlError countError = count.lastError();
    QSqlQuery empty(m_query.database());
    bool described = empty.prepare(m_query.pageSql(order));
    if (described) {
        empty.addBindValue(0);
        empty.addBindValue(0);
        described = empty.exec();
    }
    m_fields = empty.record();
    if (counted && described)
        m_rows = count.value(0).toInt();
    m_dateColumns.clear();
    m_moneyColumns.clear();
    m_numberColumns.clear();
    m_quantityColumns.clear();
    if (const TableDef *table = Catalogue::table(m_query.spec().table)) {
        for (int column = 0; column < m_fields.count(); ++column) {
            const FieldDef *field = table->field(m_fields.fieldName(column));
            if (field && field->type == FieldType::Date)
                m_dateColumns << column;
            if (field && field->type == FieldType::Money)
                m_moneyColumns << column;
            if (field && field->type == FieldType::Float)
                m_numberColumns << column;
            if (field && field->type == FieldType::Float && quantityFields().contains(field->name))
                m_quantityColumns << column;
        }
    }
    m_decimalsColumn = m_fields.indexOf(QStringLiteral("Kerekites"));
    m_keyColumn = m_query.spec().key.isEmpty() ? -1 : m_fields.indexOf(m_query.spec().key.first());
    endResetModel();
    if (!counted)
        return Checked<int>::refused(WriteFailure::readFailed(countError));
    if (!described)
        return Checked<int>::refused(WriteFailure::readFailed(empty.lastError()));
    return keep.isEmpty() ? Checked<int>::accepted(-1) : m_query.rowOf(order, keep);
}

Checked<int> BrowseModel::search(int search, const QString &typed)
{
    return m_query.locate(m_order, search, typed);
}

const QVariantList *BrowseModel::rowAt(int row) const
{
    if (row < 0 || row >= m_rows)
        return nullptr;
    const int page = row / PageSize;
    auto found = m_pages.find(page);
    if (found == m_pages.end()) {
        QList<QVariantList> rows;
        QSqlQuery query(m_query.database());
        query.setForwardOnly(true);
        // A statement the database refuses to prepare keeps that error, not the binding's.
        bool read = query.prepare(m_query.pageSql(m_order));
        if (read) {
            query.addBindValue(PageSize);
            query.addBindValue(page * PageSize);
            read = query.exec();
        }
        if (read) {
            while (query.next()) {
                QVariantList values;
                values.reserve(m_fields.count());
                for (int column = 0; column < m_fields.count(); ++column)
                    values << query.value(column);
                rows << values;
            }
        }
        // A refused page stays empty until the rows are read again; it is reported once.
        found = m_pages.insert(page, rows);
        if (!read)
            emit readRefused(WriteFailure::readFailed(query.lastError()));
    }
    const int index = row % PageSize;
    return index < found->size() ? &found->at(index) : nullptr;
}

QStringList BrowseModel::keyAt(int row) const
{
    QStringList key;
    if (!rowAt(row))
        return key;
    for (const QString &field : m_query.spec().key)
        key << value(row, field).toString();
    return key;
}

QVariant BrowseModel::value(int row, const QString &field) const
{
    const QVariantList *values = rowAt(row);
    const int column = m_fields.indexOf(field);
    return values && column >= 0 && column < values->size() ? values->at(column) : QVariant();
}

int BrowseModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int BrowseModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_fields.count();
}

QVariant BrowseModel::data(const QModelIndex &index, int role) const
{
    if (role == Qt::BackgroundRole && index.column() == m_keyColumn)
        return QColor(Qt::yellow);
    if (role == Qt::TextAlignmentRole
        && (m_moneyColumns.contains(index.column()) || m_numberColumns.contains(index.column())))
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    const QVariantList *values = rowAt(index.row());
    if (!values || index.column() < 0 || index.column() >= values->size())
        return QVariant();
    const QVariant value = values->at(index.column());
    if (role != Qt::DisplayRole || value.isNull())
        return value;
    if (m_moneyColumns.contains(index.column()))
        return NumberFormat::format(value.toDouble(), QStringLiteral("### ### ##0.00"));
    if (m_numberColumns.contains(index.column())) {
        // A material's quantities with its own decimals; other numbers in full.
        const QVariant decimals = m_decimalsColumn >= 0 && m_quantityColumns.contains(index.column())
            ? values->value(m_decimalsColumn)
            : QVariant();
        return decimals.isNull() ? NumberFormat::plain(value.toDouble())
                                 : NumberFormat::fixed(value.toDouble(), qBound(0, decimals.toInt(), 3));
    }
    if (!m_dateColumns.contains(index.column()))
        return value;
    const QDate date = value.typeId() == QMetaType::QDate ? value.toDate() : Dates::fromIso(value.toString());
    return date.isValid() ? QVariant(Dates::shortText(date)) : value;
}

QVariant BrowseModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    return m_captions.value(section, m_fields.fieldName(section));
}

bool BrowseModel::setHeaderData(int section, Qt::Orientation orientation, const QVariant &value, int role)
{
    if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::EditRole))
        return false;
    m_captions.insert(section, value.toString());
    emit headerDataChanged(orientation, section, section);
    return true;
}
