#include "menu/ui/frmTallozasEtlap.h"

#include "core/DatePrompt.h"
#include "core/Dates.h"
#include "core/Messenger.h"
#include "exchange/ui/frmCsvExport.h"
#include "menu/MenuCopy.h"
#include "menu/MenuList.h"
#include "menu/MenuRows.h"
#include "menu/ui/frmUjEtlap.h"
#include "printing/ui/ListReport.h"
#include "session/Connections.h"
#include "session/Settings.h"
#include "session/WarehouseNames.h"
#include "widgets/UiControls.h"
#include "widgets/frmRaktarKiv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQueryModel>
#include <QTableView>
#include <QVBoxLayout>

TfrmTallozasEtlap::TfrmTallozasEtlap(const Services &services, QWidget *parent)
    : UiBrowseScreen(services, QStringLiteral("frmTallozasEtlap"),
          QStringLiteral("Étlap karbantartása  (étlap 1 főre)"), QStringLiteral("TallozasEtlap.htm"), parent)
    , m_db(Connections::activeWarehouse(services))
    , m_model(new QSqlQueryModel(this))
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
    btnRaktMasol = button(
        QStringLiteral("btnRaktMasol"), QStringLiteral("Raktárba átmáso&l"), [this] { btnRaktMasolClick(); });
    btnPrint = button(QStringLiteral("btnPrint"), QStringLiteral("&Nyomtat"), [this] { btnPrintClick(); });
    btnExport = button(QStringLiteral("btnExport"), QStringLiteral("&Export"), [this] {
        TfrmCsvExport::run(this, m_services.files, m_services.messenger, m_model, QStringLiteral("Etlap.csv"), DBGrid1);
    });

    auto *grid = new QVBoxLayout;
    grid->addWidget(DBGrid1);
    setBody(orderAndSearchRow({new QLabel(QStringLiteral("Étlap dátuma:"), this), dtpEtlap, chkDatum},
                {QStringLiteral("Dátum + étkezés + ételnév rendezés"), QStringLiteral("Ételnév szerint rendez"),
                    QStringLiteral("Azonosító szerint rendez")},
                {QStringLiteral("Ételnév"), QStringLiteral("Dátum")}),
        grid, {btnFelvitel, btnModosit, btnTorol, btnMasol, btnRaktMasol, btnPrint, btnExport});
    resize(900, 560);

    connect(dtpEtlap, &QDateEdit::dateChanged, this, [this] { rebuild(); });
    connect(chkDatum, &QCheckBox::toggled, this, [this](bool all) {
        btnMasol->setEnabled(!all);
        btnRaktMasol->setEnabled(!all);
        rebuild();
    });

    rebuild();
}

qint64 TfrmTallozasEtlap::currentId() const
{
    const int row = DBGrid1->currentIndex().isValid() ? DBGrid1->currentIndex().row() : 0;
    return row < m_model->rowCount() ? m_model->index(row, 0).data().toLongLong() : 0;
}

void TfrmTallozasEtlap::rebuild(qint64 select)
{
    QString error;
    if (!MenuList::rebuild(m_db, {dtpEtlap->date(), chkDatum->isChecked(), true}, &error))
        Refusal::error(error).show(m_services.messenger);
    m_model->setQuery(MenuList::selectSql(MenuList::Order(comOrder->currentIndex())), m_db);
    while (m_model->canFetchMore())
        m_model->fetchMore();
    const QStringList captions {QStringLiteral("Azonosító"), QStringLiteral("Dátum"), QStringLiteral("Étkezés típusa"),
        QStringLiteral("Kód"), QStringLiteral("Ételnév"), QStringLiteral("Mennyiség"), QStringLiteral("Mértékegység")};
    for (int i = 0; i < captions.size(); ++i)
        m_model->setHeaderData(i, Qt::Horizontal, captions.at(i));
    DBGrid1->setColumnHidden(0, true);
    DBGrid1->setColumnHidden(7, true);
    int row = 0;
    for (int i = 0; select != 0 && i < m_model->rowCount(); ++i) {
        if (m_model->index(i, 0).data().toLongLong() == select)
            row = i;
    }
    DBGrid1->setCurrentIndex(m_model->index(row, 1));
}

void TfrmTallozasEtlap::search()
{
    const QString text = edtSearch->text().trimmed();
    const bool byDate = comSearch->currentIndex() == 1;
    const QDate date = Dates::parse(text);
    if (byDate && !date.isValid()) {
        Refusal::error(QStringLiteral("Hibás keresési értékadás!\rA megadott érték nem dátum!"))
            .show(m_services.messenger);
        return;
    }
    for (int row = 0; row < m_model->rowCount(); ++row) {
        const bool found = byDate ? m_model->index(row, 1).data().toDate() == date
                                  : m_model->index(row, 4).data().toString().startsWith(text, Qt::CaseInsensitive);
        if (found) {
            DBGrid1->setCurrentIndex(m_model->index(row, 1));
            return;
        }
    }
    Refusal::warning(QStringLiteral("A keresett elem nem található!")).show(m_services.messenger);
}

void TfrmTallozasEtlap::btnFelvitelClick()
{
    if (const Refusal refusal = MenuRows::checkAdd(dtpEtlap->date(), m_services.settings.lezartHoDat())) {
        refusal.show(m_services.messenger);
        return;
    }
    const qint64 before = currentId();
    TfrmUjEtlap edit(m_services, m_db, this);
    edit.setNewMode(dtpEtlap->date());
    edit.setOnAdded([this, before](qint64) { rebuild(before); });
    edit.exec();
    rebuild(before);
}

void TfrmTallozasEtlap::btnModositClick()
{
    const qint64 id = currentId();
    if (const Refusal refusal = MenuRows::checkChange(m_db, id, dtpEtlap->date(), m_services.settings.lezartHoDat())) {
        refusal.show(m_services.messenger);
        return;
    }
    TfrmUjEtlap edit(m_services, m_db, this);
    edit.setChangeMode(id);
    edit.exec();
    rebuild(id);
}

void TfrmTallozasEtlap::btnTorolClick()
{
    const qint64 id = currentId();
    const QDate closedThrough = m_services.settings.lezartHoDat();
    if (const Refusal refusal = MenuRows::checkRemove(m_db, id, dtpEtlap->date(), closedThrough)) {
        refusal.show(m_services.messenger);
        return;
    }
    if (m_services.messenger.showMessage(QStringLiteral("Figyelmeztetés"), Symbol::Warning, MenuRows::removeQuestion(),
            QStringLiteral("Mégse"), QStringLiteral("OK"))
        != MsgResult::Ok)
        return;
    if (const Refusal refusal = MenuRows::remove(m_db, id, dtpEtlap->date(), closedThrough)) {
        refusal.show(m_services.messenger);
        return;
    }
    rebuild();
}

void TfrmTallozasEtlap::copied(const Refusal &refusal)
{
    if (refusal) {
        refusal.show(m_services.messenger);
        return;
    }
    rebuild();
    Refusal::information(QStringLiteral("Az étlap másolása megtörtént.")).show(m_services.messenger);
}

void TfrmTallozasEtlap::btnMasolClick()
{
    const QDate target = m_services.dates.askDate(QStringLiteral("Cél dátum:"));
    copied(MenuCopy::copyDay(m_db, dtpEtlap->date(), {m_db, true, target, m_services.settings.lezartHoDat()}));
}

std::optional<TfrmTallozasEtlap::Warehouse> TfrmTallozasEtlap::chooseWarehouse()
{
    // The start-up's warehouse dialog, here only to name a warehouse: the active one stays.
    const QStringList names = WarehouseNames::all(Connections::shared(m_services));
    if (names.isEmpty())
        return std::nullopt;
    TfrmRaktarKiv dialog(this);
    dialog.setNames(names);
    const int chosen = dialog.choose();
    if (chosen < 0 || chosen >= names.size())
        return std::nullopt;
    return Warehouse {chosen + 1, names.at(chosen)};
}

void TfrmTallozasEtlap::btnRaktMasolClick()
{
    const std::optional<Warehouse> warehouse = chooseWarehouse();
    if (!warehouse)
        return;
    const QDate target = m_services.dates.askDate(QStringLiteral("Cél dátum:"));
    const QString question = QStringLiteral("Valóban másolja az étlapot a\r") + warehouse->name + QStringLiteral("\r")
        + QStringLiteral("raktárba a ") + Dates::shortText(target) + QStringLiteral("dáumra?");
    if (m_services.messenger.showMessage(
            QStringLiteral("Megerősítés"), Symbol::Question, question, QStringLiteral("Nem"), QStringLiteral("Igen"))
        != MsgResult::Yes)
        return;
    const bool same = warehouse->number == m_services.settings.aktivRaktar();
    const QSqlDatabase targetDb = same ? m_db : Connections::warehouse(m_services, warehouse->number);
    copied(MenuCopy::copyDay(
        m_db, dtpEtlap->date(), {targetDb, same, target, same ? m_services.settings.lezartHoDat() : QDate()}));
}

void TfrmTallozasEtlap::btnPrintClick()
{
    const bool single = !chkDatum->isChecked();
    QList<ListColumn> columns {{QStringLiteral("Azonosító"), QStringLiteral("EtlapAzon"), 20, Qt::AlignRight},
        {single ? QString() : QStringLiteral("Dátum"), QStringLiteral("Datum"), 22}};
    columns[1].printValue = !single;
    columns[1].dateFormat = QStringLiteral("yyyy.MM.dd.");
    columns << ListColumn {QStringLiteral("Étkezés típusa"), QStringLiteral("EtkTip"), 35}
            << ListColumn {QStringLiteral("Ételnév"), QStringLiteral("Megnevezes"), 60}
            << ListColumn {QStringLiteral("Mennyiség"), QStringLiteral("Mennyiseg"), 22, Qt::AlignRight,
                   QStringLiteral("0.00")}
            << ListColumn {QStringLiteral("Mértékegység"), QStringLiteral("Mertekegyseg"), 25};
    ListReportOptions options;
    options.parameters = {single ? Dates::shortText(dtpEtlap->date()) : QStringLiteral("összes dátum")};
    ListReport::print(m_services.settings, m_services.messenger, QStringLiteral("Étlap"), columns, m_model, this,
        &m_services.files, options);
}
