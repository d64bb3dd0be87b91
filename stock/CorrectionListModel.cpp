#include "stock/CorrectionListModel.h"

#include "core/Dates.h"
#include "core/NumberFormat.h"

#include <QBrush>
#include <QColor>

namespace {

const QStringList &captions()
{
    static const QStringList list {QStringLiteral("Dátum"), QStringLiteral("Bizonylatszám"), QStringLiteral("Fők. sz."),
        QStringLiteral("Anyagkód"), QStringLiteral("Anyagnév"), QStringLiteral("Irány"), QStringLiteral("Mozgásnem"),
        QStringLiteral("Tétel"), QStringLiteral("Készlet"), QStringLiteral("Mértékegység"), QStringLiteral("Beszállító"),
        QStringLiteral("Ir. szám"), QStringLiteral("Település"), QStringLiteral("Cím"), QStringLiteral("Felhasználó")};
    return list;
}

QString text(const CorrectionList::Row &row, int column)
{
    switch (column) {
    case 0:
        return Dates::shortText(row.datum);
    case 1:
        return row.bizSzam;
    case 2:
        return row.fokSzla;
    case 3:
        return row.nyilvSzam;
    case 4:
        return row.anyagNev;
    case 5:
        return row.bk;
    case 6:
        return row.mozgnemNev;
    case 7:
        return NumberFormat::plain(row.tetelMenny);
    case 8:
        return NumberFormat::plain(row.keszletMenny);
    case 9:
        return row.mertekegyseg;
    case 10:
        return row.partnerNev;
    case 11:
        return row.irszam;
    case 12:
        return row.telepules;
    case 13:
        return row.utca;
    default:
        return row.user;
    }
}

} // namespace

void CorrectionListModel::setRows(const QList<CorrectionList::Row> &rows)
{
    beginResetModel();
    m_rows = rows;
    endResetModel();
}

QColor CorrectionListModel::colour(CorrectionList::Tint tint)
{
    switch (tint) {
    case CorrectionList::Tint::Ration:
        return QColor(Qt::blue);
    case CorrectionList::Tint::ALaCarte:
        return QColor(Qt::darkGreen);
    case CorrectionList::Tint::Plain:
        break;
    }
    return QColor();
}

int CorrectionListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int CorrectionListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(captions().size());
}

QVariant CorrectionListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_rows.size() || index.column() >= captions().size())
        return QVariant();
    const CorrectionList::Row &row = m_rows.at(index.row());
    if (role == Qt::DisplayRole)
        return text(row, index.column());
    if (role == Qt::ForegroundRole) {
        const QColor colour = CorrectionListModel::colour(CorrectionList::tint(row));
        return colour.isValid() ? QVariant(QBrush(colour)) : QVariant();
    }
    return QVariant();
}

QVariant CorrectionListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < captions().size())
        return captions().at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
