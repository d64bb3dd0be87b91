#include "reports/VoucherListModel.h"

#include "core/Dates.h"
#include "core/NumberFormat.h"
#include "stock/StockFormat.h"

namespace {

const QStringList Captions {QStringLiteral("Sorszám"), QStringLiteral("Kiállítási dátum"),
    QStringLiteral("Bizonylatszám"), QStringLiteral("Fők. sz."), QStringLiteral("Anyagkód"),
    QStringLiteral("Anyag neve"), QStringLiteral("B/K"), QStringLiteral("MN kód"), QStringLiteral("Mozgásnem"),
    QStringLiteral("Nyilv. ár"), QStringLiteral("Nettó ár"), QStringLiteral("Áfa érték"), QStringLiteral("Áfa %"),
    QStringLiteral("Bruttó ár"), QStringLiteral("Tétel mennyiség"), QStringLiteral("Készlet mennyiség"),
    QStringLiteral("Mértékegység"), QStringLiteral("Lejárat"), QStringLiteral("Parnerkód"), QStringLiteral("Név"),
    QStringLiteral("Irsz."), QStringLiteral("Település"), QStringLiteral("Cím"), QStringLiteral("Felhasználó")};

// Prices, amounts and quantities: columns 9 to 15.
bool isNumber(int column)
{
    return column >= 9 && column <= 15;
}

} // namespace

void VoucherListModel::reset(const VoucherPrintRows *rows)
{
    beginResetModel();
    m_rows = rows;
    m_lines.clear();
    if (rows) {
        for (int voucher = 0; voucher < rows->vouchers().size(); ++voucher) {
            for (int item = 0; item < rows->vouchers().at(voucher).rows.size(); ++item)
                m_lines.append({voucher, item});
        }
    }
    endResetModel();
}

int VoucherListModel::voucherOf(int row) const
{
    return row >= 0 && row < m_lines.size() ? m_lines.at(row).first : -1;
}

int VoucherListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

int VoucherListModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(Captions.size());
}

QVariant VoucherListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return Captions.value(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

QVariant VoucherListModel::data(const QModelIndex &index, int role) const
{
    if (!m_rows || !index.isValid() || index.row() >= m_lines.size())
        return QVariant();
    if (role == Qt::TextAlignmentRole)
        return isNumber(index.column()) ? QVariant(Qt::AlignRight | Qt::AlignVCenter) : QVariant();
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return QVariant();
    const auto &[voucher, item] = m_lines.at(index.row());
    return text(m_rows->vouchers().at(voucher).rows.at(item), index.column());
}

QString VoucherListModel::text(const VoucherPrintRows::Row &row, int column) const
{
    switch (column) {
    case 0: return row.sorszam;
    case 1: return Dates::shortText(row.datum);
    case 2: return row.bizSzam;
    case 3: return row.fokSzla;
    case 4: return row.nyilvSzam;
    case 5: return row.anyagNev;
    case 6: return row.bk;
    case 7: return row.mozgnem;
    case 8: return row.mozgnemNev;
    case 9: return StockFormat::price(row.kiAr);
    case 10: return StockFormat::price(row.tetelErtek);
    case 11: return StockFormat::price(row.afaErtek);
    case 12: return NumberFormat::plain(row.afaSzazalek);
    case 13: return StockFormat::price(row.brutto);
    case 14: return NumberFormat::plain(row.tetelMenny);
    case 15: return NumberFormat::plain(row.keszletMenny);
    case 16: return row.mertekegyseg;
    case 17: return Dates::shortText(row.lejarat);
    case 18: return row.partAzon;
    case 19: return row.partnerNev;
    case 20: return row.irszam;
    case 21: return row.telepules;
    case 22: return row.utca;
    case 23: return row.user;
    default: return QString();
    }
}
