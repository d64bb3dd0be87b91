#include "alacarte/ui/frmTallozasCartAr.h"

#include "alacarte/RowSearch.h"
#include "alacarte/ui/frmUjCartAr.h"
#include "core/Dates.h"
#include "core/Messenger.h"
#include "core/NumberFormat.h"
#include "exchange/ui/frmCsvExport.h"
#include "printing/ui/ListReport.h"
#include "session/Settings.h"
#include "widgets/UiControls.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QStringList Captions {QStringLiteral("Étel neve"), QStringLiteral("Egység"), QStringLiteral("Anyag nettó"),
    QStringLiteral("Haszonkulcs %"), QStringLiteral("Eladás bruttó"), QStringLiteral("Nyereség"),
    QStringLiteral("Anyag ÁFA"), QStringLiteral("Anyag bruttó"), QStringLiteral("Eladás nettó"),
    QStringLiteral("Eladás ÁFA"), QStringLiteral("ÁFA %"), QStringLiteral("Módosítás dátuma")};

QStandardItem *money(const Money &value)
{
    auto *item = new QStandardItem(NumberFormat::format(value, QStringLiteral("### ### ##0.00")));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QStandardItem *number(const QString &text)
{
    auto *item = new QStandardItem(text);
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

TfrmTallozasCartAr::TfrmTallozasCartAr(const Services &services, QSqlDatabase db, QWidget *parent)
    : UiBrowseScreen(services, QStringLiteral("frmTallozasCartAr"), QStringLiteral("A la Carte étel beárazás"),
        QStringLiteral("TallozasCartAr.htm"), parent)
    , m_db(db)
    , m_model(new QStandardItemModel(this))
{
    DBGrid1 = browseGrid(this, QStringLiteral("DBGrid1"), m_model);
    DBGrid1->verticalHeader()->hide();
    btnFelvitel = button(QStringLiteral("btnFelvitel"), QStringLiteral("&Új"), [this] { btnFelvitelClick(); });
    btnModosit = button(QStringLiteral("btnModosit"), QStringLiteral("&Módosít"), [this] { btnModositClick(); });
    btnTorol = button(QStringLiteral("btnTorol"), QStringLiteral("&Töröl"), [this] { btnTorolClick(); });
    btnPrint = button(QStringLiteral("btnPrint"), QStringLiteral("&Nyomtat"), [this] { btnPrintClick(); });
    btnExport = button(QStringLiteral("btnExport"), QStringLiteral("&Export"), [this] {
        TfrmCsvExport::run(
            this, m_services.files, m_services.messenger, m_model, QStringLiteral("CartArazas.csv"), DBGrid1);
    });
    auto *grid = new QVBoxLayout;
    grid->addWidget(DBGrid1);
    setBody(
        orderAndSearchRow({}, {QStringLiteral("Ételnév szerint rendez"), QStringLiteral("Dátum + ételnév rendezés")},
            {QStringLiteral("Ételnév"), QStringLiteral("Dátum")}),
        grid, {btnFelvitel, btnModosit, btnTorol, btnPrint, btnExport});
    edtSearch->setToolTip(QStringLiteral("Kereséshez üsse le az ENTER-t"));
    connect(DBGrid1, &QTableView::doubleClicked, this, [this] { btnModositClick(); });
    resize(1100, 560);
    rebuild();
}

void TfrmTallozasCartAr::start()
{
    if (m_services.settings.tapValt())
        Refusal::information(PriceList::staleCostsNotice()).show(m_services.messenger);
}

int TfrmTallozasCartAr::currentRow() const
{
    const int row = DBGrid1->currentIndex().isValid() ? DBGrid1->currentIndex().row() : 0;
    return row < m_rows.size() ? row : -1;
}

void TfrmTallozasCartAr::orderChanged(int)
{
    const int row = currentRow();
    rebuild(row >= 0 ? m_rows.at(row).key : DishKey());
}

void TfrmTallozasCartAr::rebuild(const DishKey &select)
{
    const auto list = PriceList::read(m_db, QDate::currentDate(), comOrder->currentIndex() == 1);
    if (list.refusal)
        list.refusal.show(m_services.messenger);
    m_rows = list.value;
    m_model->clear();
    m_model->setHorizontalHeaderLabels(Captions);
    int current = 0;
    for (const PriceListRow &row : std::as_const(m_rows)) {
        const bool rated = row.vatPercent.has_value();
        m_model->appendRow({new QStandardItem(row.name), new QStandardItem(row.unit), money(row.cost),
            number(NumberFormat::fixed(row.margin, 1)), money(row.gross),
            rated ? money(row.profit) : new QStandardItem(), money(row.costVat), money(row.costGross),
            rated ? money(row.net) : new QStandardItem(), rated ? money(row.vat) : new QStandardItem(),
            number(rated ? NumberFormat::format(*row.vatPercent, QStringLiteral("0.0")) : QString()),
            new QStandardItem(Dates::shortText(row.changed))});
        if (row.key == select)
            current = m_model->rowCount() - 1;
    }
    DBGrid1->setCurrentIndex(m_model->index(current, 0));
}

void TfrmTallozasCartAr::search()
{
    const Checked<int> found = RowSearch::find(m_rows, edtSearch->text(), comSearch->currentIndex() == 1,
        [](const auto &row) { return row.changed; }, [](const auto &row) { return row.name; });
    if (!found.ok()) {
        found.refusal.show(m_services.messenger);
        return;
    }
    DBGrid1->setCurrentIndex(m_model->index(found.value, 0));
}

void TfrmTallozasCartAr::btnFelvitelClick()
{
    TfrmUjCartAr edit(m_services, m_db, this);
    edit.exec();
    rebuild(edit.savedKey());
}

void TfrmTallozasCartAr::btnModositClick()
{
    const int row = currentRow();
    if (!hasRow(row >= 0))
        return;
    TfrmUjCartAr edit(m_services, m_db, this);
    edit.setChangeMode(m_rows.at(row).key);
    edit.exec();
    rebuild(edit.savedKey().dish.isEmpty() ? m_rows.at(row).key : edit.savedKey());
}

void TfrmTallozasCartAr::btnTorolClick()
{
    const int row = currentRow();
    if (!hasRow(row >= 0))
        return;
    const DishKey key = m_rows.at(row).key;
    if (const Refusal refusal = DishPrices::checkRemove(m_db, key)) {
        refusal.show(m_services.messenger);
        return;
    }
    if (!confirmDelete())
        return;
    if (const Refusal refusal = DishPrices::remove(m_db, key))
        refusal.show(m_services.messenger);
    rebuild();
}

void TfrmTallozasCartAr::btnPrintClick()
{
    QStandardItemModel printed;
    printed.setHorizontalHeaderLabels(
        {QStringLiteral("Étel neve"), QStringLiteral("Egység"), QStringLiteral("Anyag nettó"), QStringLiteral("H.k. %"),
            QStringLiteral("Elad. ár Br."), QStringLiteral("Áfa %"), QStringLiteral("Haszon")});
    for (int row = 0; row < m_model->rowCount(); ++row) {
        QList<QStandardItem *> items;
        for (const int column : {0, 1, 2, 3, 4, 10})
            items << m_model->item(row, column)->clone();
        const PriceListRow &price = m_rows.at(row);
        items << new QStandardItem(price.vatPercent
                ? NumberFormat::format(price.net - price.cost, QStringLiteral("### ### ##0.00 Ft"))
                : QString());
        printed.appendRow(items);
    }
    ListReport::print(m_services.settings, m_services.messenger, QStringLiteral("A la Carte étel árazás"),
        {{QStringLiteral("Étel neve"), QStringLiteral("Étel neve"), 60},
            {QStringLiteral("Egység"), QStringLiteral("Egység"), 18},
            {QStringLiteral("Anyag nettó"), QStringLiteral("Anyag nettó"), 24, Qt::AlignRight},
            {QStringLiteral("H.k. %"), QStringLiteral("H.k. %"), 16, Qt::AlignRight},
            {QStringLiteral("Elad. ár Br."), QStringLiteral("Elad. ár Br."), 24, Qt::AlignRight},
            {QStringLiteral("Áfa %"), QStringLiteral("Áfa %"), 14, Qt::AlignRight},
            {QStringLiteral("Haszon"), QStringLiteral("Haszon"), 28, Qt::AlignRight}},
        &printed, this, &m_services.files);
}
