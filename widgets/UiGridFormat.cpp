#include "widgets/UiGridFormat.h"

#include "core/Dates.h"
#include "core/NumberFormat.h"

#include <QAbstractItemModel>
#include <QDate>
#include <QHeaderView>
#include <QRegularExpression>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QTableView>

namespace {

bool isNumber(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

class FormattedCells : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    QString displayText(const QVariant &value, const QLocale &locale) const override
    {
        if (value.typeId() == QMetaType::QDate)
            return Dates::shortText(value.toDate());
        if (value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Float)
            return NumberFormat::plain(value.toDouble());
        if (value.typeId() == QMetaType::QString) {
            static const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
            const QString text = value.toString();
            if (iso.match(text).hasMatch()) {
                const QDate date = Dates::fromIso(text);
                if (date.isValid())
                    return Dates::shortText(date);
            }
        }
        return QStyledItemDelegate::displayText(value, locale);
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (!index.data(Qt::TextAlignmentRole).isValid() && isNumber(index.data(Qt::DisplayRole)))
            option->displayAlignment = Qt::AlignRight | Qt::AlignVCenter;
    }
};

} // namespace

namespace UiGridFormat {

void install(QTableView *grid)
{
    grid->setItemDelegate(new FormattedCells(grid));
    fitColumns(grid);
    if (QAbstractItemModel *model = grid->model()) {
        // Rows appended one by one are fitted once, when the appending is done.
        const auto fitLater = [grid] {
            if (grid->property("fitPending").toBool())
                return;
            grid->setProperty("fitPending", true);
            QMetaObject::invokeMethod(
                grid,
                [grid] {
                    grid->setProperty("fitPending", false);
                    fitColumns(grid);
                },
                Qt::QueuedConnection);
        };
        QObject::connect(model, &QAbstractItemModel::modelReset, grid, fitLater);
        QObject::connect(model, &QAbstractItemModel::rowsInserted, grid, fitLater);
        QObject::connect(model, &QAbstractItemModel::headerDataChanged, grid, fitLater);
    }
}

void fitColumns(QTableView *grid)
{
    if (!grid->model())
        return;
    const QScreen *screen = grid->screen();
    const int widest = qMax(120, (screen ? screen->availableGeometry().width() : 1024) / 3);
    grid->resizeColumnsToContents();
    QHeaderView *header = grid->horizontalHeader();
    for (int column = 0; column < header->count(); ++column) {
        if (header->sectionSize(column) > widest)
            header->resizeSection(column, widest);
    }
}

} // namespace UiGridFormat
