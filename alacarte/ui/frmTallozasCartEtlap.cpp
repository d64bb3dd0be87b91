#include "alacarte/ui/frmTallozasCartEtlap.h"

#include "alacarte/CartMenuRows.h"
#include "alacarte/RowSearch.h"
#include "alacarte/ui/frmUjCartEtlap.h"
#include "core/DatePrompt.h"
#include "core/Dates.h"
#include "core/HungarianOrder.h"
#include "core/Messenger.h"
#include "core/NumberFormat.h"
#include "exchange/ui/frmCsvExport.h"
#include "master/TypedQuantity.h"
#include "printing/ui/ListReport.h"
#include "session/Settings.h"
#include "widgets/UiControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

TfrmTallozasCartEtlap::TfrmTallozasCartEtlap(const Services &services, QSqlDatabase db, QWidget *parent)
    : UiBrowseScreen(services, QStringLiteral("frmTallozasCartEtlap"),
        QStringLiteral("A la Carte étlap karbantartása  (étlap 1 főre)"), QStringLiteral("TallozasCartEtlap.htm"),
        parent)
    , m_db(db)
    , m_model(new QStandardItemModel(this))
{
    dtpEtlap = named(new QDateEdit(QDate::currentDate(), this), "dtpEtlap");
    dtpEtlap->setCalendarPopup(true);
    dtpEtlap->setDisplayFormat(QStringLiteral("yyyy.MM.dd."));
    chkDatum = named(new QCheckBox(QStringLiteral("Minden bejegyzést mutasson"), this), "chkDatum");
    DBGrid1 = browseGrid(this, QStringLiteral("DBGrid1"), m_model);
    DBGrid1->verticalHeader()->hide();
    btnFelvitel = button(QStringLiteral("btnFelvitel"), QStringLiteral("&Új"), [this] { btnFelvitelClick(); });
    btnModosit = button(QStringLiteral("btnModosit"), QStringLiteral("&Módosít"), [this] { btnModositClick(); });
    btnTorol = button(QStringLiteral("btnTorol"), QStringLiteral("&Töröl"), [this] { btnTorolClick(); });
    btnMasol = button(QStringLiteral("btnMasol"), QStringLiteral("Más&ol"), [this] { btnMasolClick(); });
    btnPrint = button(QStringLiteral("btnPrint"), QStringLiteral("&Nyomtat"), [this] { btnPrintClick(); });
    btnExport = button(QStringLiteral("btnExport"), QStringLiteral("&Export"), [this] {
        TfrmCsvExport::run(
            this, m_services.files, m_services.messenger, m_model, QStringLiteral("CartEtlap.csv"), DBGrid1);
    });
    auto *grid = new QVBoxLayout;
    grid->addWidget(DBGrid1);
    setBody(orderAndSearchRow({new QLabel(QStringLiteral("Étlap dátuma:"), this), dtpEtlap, chkDatum},
                {QStringLiteral("Dátum + csoport + ételnév rendezés"), QStringLiteral("Ételnév szerint rendez"),
                    QStringLiteral("Csoport + ételnév szerint rendez")},
                {QStringLiteral("Ételnév"), QStringLiteral("Dátum")}),
        grid, {btnFelvitel, btnModosit, btnTorol, btnMasol, btnPrint, btnExport});
    resize(900, 560);
    connect(dtpEtlap, &QDateEdit::dateChanged, this, [this] { rebuild(); });
    connect(chkDatum, &QCheckBox::toggled, this, [this](bool all) {
        btnMasol->setEnabled(!all);
        rebuild();
    });
    rebuild();
}

qint64 TfrmTallozasCartEtlap::currentId() const
{
    const int row = DBGrid1->currentIndex().isValid() ? DBGrid1->currentIndex().row() : 0;
    return row < m_rows.size() ? m_rows.at(row).id : 0;
}

void TfrmTallozasCartEtlap::rebuild(qint64 select)
{
    const QDate day = chkDatum->isChecked() ? QDate() : dtpEtlap->date();
    const auto list = CartMenuList::read(m_db, day, day);
    if (list.refusal)
        list.refusal.show(m_services.messenger);
    m_rows = list.value;
    const int order = comOrder->currentIndex();
    if (order == 1)
        std::stable_sort(m_rows.begin(), m_rows.end(), [](const CartMenuListRow &a, const CartMenuListRow &b) {
            return HungarianOrder::less(a.dishName, b.dishName);
        });
    if (order == 2)
        std::stable_sort(m_rows.begin(), m_rows.end(), [](const CartMenuListRow &a, const CartMenuListRow &b) {
            return a.group != b.group ? a.group < b.group : HungarianOrder::less(a.dishName, b.dishName);
        });
    m_model->clear();
    m_model->setHorizontalHeaderLabels({QStringLiteral("Dátum"), QStringLiteral("Csoport"), QStringLiteral("Ételnév"),
        QStringLiteral("Mennyiség"), QStringLiteral("M.e."), QStringLiteral("Létszám")});
    int current = 0;
    for (const CartMenuListRow &row : std::as_const(m_rows)) {
        auto *quantity = new QStandardItem(TypedQuantity::shown(row.quantity, 2));
        quantity->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto *headcount = new QStandardItem(QString::number(row.headcount));
        headcount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        m_model->appendRow({new QStandardItem(Dates::shortText(row.date)), new QStandardItem(row.groupName),
            new QStandardItem(row.dishName), quantity, new QStandardItem(row.unit), headcount});
        if (row.id == select)
            current = m_model->rowCount() - 1;
    }
    DBGrid1->setCurrentIndex(m_model->index(current, 0));
}

void TfrmTallozasCartEtlap::search()
{
    const Checked<int> found = RowSearch::find(m_rows, edtSearch->text(), comSearch->currentIndex() == 1,
        [](const auto &row) { return row.date; }, [](const auto &row) { return row.dishName; });
    if (!found.ok()) {
        found.refusal.show(m_services.messenger);
        return;
    }
    DBGrid1->setCurrentIndex(m_model->index(found.value, 0));
}

void TfrmTallozasCartEtlap::btnFelvitelClick()
{
    if (const Refusal refusal = CartMenuRows::checkAdd(dtpEtlap->date(), m_services.settings.lezartHoDat())) {
        refusal.show(m_services.messenger);
        return;
    }
    TfrmUjCartEtlap edit(m_services, m_db, this);
    edit.setNewMode(dtpEtlap->date());
    edit.exec();
    rebuild(edit.savedId() ? edit.savedId() : currentId());
}

void TfrmTallozasCartEtlap::btnModositClick()
{
    const qint64 id = currentId();
    if (const Refusal refusal
        = CartMenuRows::checkChange(m_db, id, dtpEtlap->date(), m_services.settings.lezartHoDat())) {
        refusal.show(m_services.messenger);
        return;
    }
    TfrmUjCartEtlap edit(m_services, m_db, this);
    edit.setChangeMode(id);
    edit.exec();
    rebuild(id);
}

void TfrmTallozasCartEtlap::btnTorolClick()
{
    const qint64 id = currentId();
    const QDate closedThrough = m_services.settings.lezartHoDat();
    if (const Refusal refusal = CartMenuRows::checkRemove(m_db, id, dtpEtlap->date(), closedThrough)) {
        refusal.show(m_services.messenger);
        return;
    }
    if (!confirmDelete())
        return;
    if (const Refusal refusal = CartMenuRows::remove(m_db, id, dtpEtlap->date(), closedThrough))
        refusal.show(m_services.messenger);
    rebuild();
}

void TfrmTallozasCartEtlap::btnMasolClick()
{
    const QDate target = m_services.dates.askDate(QStringLiteral("Cél dátum:"));
    if (const Refusal refusal
        = CartMenuRows::copyDay(m_db, dtpEtlap->date(), target, m_services.settings.lezartHoDat())) {
        refusal.show(m_services.messenger);
        return;
    }
    rebuild();
    Refusal::information(CartMenuRows::copied()).show(m_services.messenger);
}

void TfrmTallozasCartEtlap::btnPrintClick()
{
    const bool single = !chkDatum->isChecked();
    QList<ListColumn> columns {{QStringLiteral("Dátum"), QStringLiteral("Dátum"), single ? 0.0 : 22.0},
        {QStringLiteral("Étkezés típusa"), QStringLiteral("Csoport"), 40},
        {QStringLiteral("Ételnév"), QStringLiteral("Ételnév"), 60},
        {QStringLiteral("Mennyiség"), QStringLiteral("Mennyiség"), 22, Qt::AlignRight},
        {QStringLiteral("M.e."), QStringLiteral("M.e."), 15},
        {QStringLiteral("Létszám"), QStringLiteral("Létszám"), 18, Qt::AlignRight}};
    ListReportOptions options;
    options.parameters = {single ? Dates::shortText(dtpEtlap->date()) : QStringLiteral("összes dátum")};
    ListReport::print(m_services.settings, m_services.messenger, QStringLiteral("A la Carte étlap"), columns, m_model,
        this, &m_services.files, options);
}
