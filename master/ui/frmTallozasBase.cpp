#include "master/ui/frmTallozasBase.h"

#include "core/Messenger.h"
#include "exchange/ui/frmCsvExport.h"
#include "printing/ui/ListReport.h"
#include "session/ProgramFiles.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "widgets/ShownLookup.h"
#include "widgets/UiControls.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQueryModel>
#include <QSqlRecord>
#include <QTableView>
#include <QVBoxLayout>

TfrmTallozasBase::TfrmTallozasBase(const Services &services, QSqlDatabase db, const BrowseSpec &spec, QWidget *parent)
    : UiBrowseScreen(services, spec.screen, spec.caption, spec.helpPage, parent)
    , m_db(db)
    , m_spec(spec)
    , m_model(db, spec)
{
    setModal(true);
    resize(860, 560);

    DBGrid1 = browseGrid(this, QStringLiteral("DBGrid1"), &m_model);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 6);
    btnFelvitel = button(QStringLiteral("btnFelvitel"), QStringLiteral("&Új"), [this] { newRow(); });
    btnModosit = button(QStringLiteral("btnModosit"), QStringLiteral("&Módosít"), [this] {
        if (hasRow())
            modifyRow(currentKey());
    });
    btnTorol = button(QStringLiteral("btnTorol"), QStringLiteral("&Töröl"), [this] {
        if (hasRow())
            deleteRow(currentKey());
    });
    btnPrint = button(QStringLiteral("btnPrint"), QStringLiteral("&Nyomtat"), [this] { btnPrintClick(); });
    btnExport = button(QStringLiteral("btnExport"), QStringLiteral("&Export"), [this] { btnExportClick(); });

    QStringList orders;
    for (const SortOrder &order : spec.orders)
        orders << order.caption;
    QStringList searches;
    for (const SearchField &search : spec.searches)
        searches << search.caption;
    auto *grid = new QVBoxLayout;
    grid->addWidget(DBGrid1);
    setBody(orderAndSearchRow({}, orders, searches), grid, {btnFelvitel, btnModosit, btnTorol, btnPrint, btnExport});

    // A page that the database refuses while the grid scrolls is reported after the painting.
    connect(&m_model, &BrowseModel::readRefused, this,
        [this](const Refusal &refusal) { refusal.show(m_services.messenger); }, Qt::QueuedConnection);
    const int initial = spec.orders.isEmpty() ? 0 : spec.initialOrder;
    shownLookup(m_model.open(initial), m_services.messenger);
    {
        const QSignalBlocker blocker(comOrder);
        comOrder->setCurrentIndex(spec.orders.isEmpty() ? -1 : initial);
    }
    // The grid's columns with their captions in the grid's order; the other fields are hidden.
    const QSqlRecord &fields = m_model.fields();
    for (int column = 0; column < fields.count(); ++column)
        DBGrid1->setColumnHidden(column, true);
    QHeaderView *header = DBGrid1->horizontalHeader();
    for (int position = 0; position < spec.grid.size(); ++position) {
        const int column = fields.indexOf(spec.grid.at(position).field);
        if (column < 0)
            continue;
        DBGrid1->setColumnHidden(column, false);
        m_model.setHeaderData(column, Qt::Horizontal, spec.grid.at(position).caption);
        header->moveSection(header->visualIndex(column), position);
    }
    selectRow(0);
    DBGrid1->setFocus();
}

QStringList TfrmTallozasBase::currentKey() const
{
    return m_model.keyAt(DBGrid1->currentIndex().row());
}

void TfrmTallozasBase::refresh(const QStringList &key)
{
    const int row = shownLookup(m_model.open(m_model.order(), key), m_services.messenger);
    selectRow(row < 0 ? 0 : row);
}

void TfrmTallozasBase::selectRow(int row)
{
    if (row < 0 || row >= m_model.rowCount())
        return;
    const int column = DBGrid1->horizontalHeader()->logicalIndex(0);
    const QModelIndex index = m_model.index(row, column);
    DBGrid1->setCurrentIndex(index);
    DBGrid1->scrollTo(index);
}

bool TfrmTallozasBase::hasRow()
{
    return UiBrowseScreen::hasRow(!currentKey().isEmpty());
}

void TfrmTallozasBase::hideSearchAndOrder()
{
    edtSearch->hide();
    comSearch->hide();
    comOrder->hide();
    // The only labels of the screen are those of the search box and the order choice.
    for (QLabel *label : findChildren<QLabel *>())
        label->hide();
}

void TfrmTallozasBase::btnPrintClick()
{
    QSqlQueryModel rows;
    rows.setQuery(m_model.query().reportSql(m_model.order()), m_db);
    while (rows.canFetchMore())
        rows.fetchMore();
    QList<ListColumn> columns;
    const QString pictures
        = ProgramFiles::folder(ProgramFiles::picturesFolderName(), m_services.settings.programPath());
    for (const PrintColumn &print : m_spec.report) {
        ListColumn column {
            print.caption, print.field, print.width, print.right ? Qt::AlignRight : Qt::AlignLeft, print.format};
        if (print.date)
            column.dateFormat = QStringLiteral("yyyy.MM.dd.");
        if (print.picture)
            column.pictureFolder = pictures;
        columns << column;
    }
    ListReportOptions options;
    options.landscape = m_spec.reportLandscape;
    ListReport::print(m_services.settings, m_services.messenger, m_spec.reportTitle, columns, &rows, this,
        &m_services.files, options, m_previewer);
}

void TfrmTallozasBase::btnExportClick()
{
    // The data set with its field names and kinds, in the grid's order.
    QSqlQueryModel rows;
    rows.setQuery(m_model.query().selectSql(m_model.order()), m_db);
    TfrmCsvExport::run(this, m_services.files, m_services.messenger, &rows, m_spec.csvName);
    selectRow(0);
}

void TfrmTallozasBase::orderChanged(int order)
{
    const int row = shownLookup(m_model.open(order, currentKey()), m_services.messenger);
    selectRow(row < 0 ? 0 : row);
}

void TfrmTallozasBase::search()
{
    const Checked<int> found = m_model.search(comSearch->currentIndex(), edtSearch->text());
    if (!found.ok()) {
        found.refusal.show(m_services.messenger);
        return;
    }
    selectRow(found.value);
}
