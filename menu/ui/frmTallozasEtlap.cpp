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
#include "session/Settings.h"
#include "session/WarehouseNames.h"
#include "store/Database.h"
#include "widgets/UiControls.h"
#include "widgets/UiHelp.h"
#include "widgets/UiWheelAsArrowKeys.h"
#include "widgets/frmRaktarKiv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQueryModel>
#include <QTableView>

namespace {

const QString HelpPage = QStringLiteral("TallozasEtlap.htm");

} // namespace

TfrmTallozasEtlap::TfrmTallozasEtlap(const Services &services, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_db(Database::warehouse(services.settings.dbPath(), services.settings.aktivRaktar()))
    , m_model(new QSqlQueryModel(this))
{
    setObjectName(QStringLiteral("frmTallozasEtlap"));
    setWindowTitle(QStringLiteral("Étlap karbantartása  (étlap 1 főre)"));
    dtpEtlap = named(new QDateEdit(QDate::currentDate(), this), "dtpEtlap");
    dtpEtlap->setCalendarPopup(true);
    dtpEtlap->setDisplayFormat(QStringLiteral("yyyy.MM.dd."));
    chkDatum = named(new QCheckBox(QStringLiteral("Minden bejegyzést mutasson"), this), "chkDatum");
    DBGrid1 = browseGrid(this, QStringLiteral("DBGrid1"), m_model);
    DBGrid1->verticalHeader()->hide();
    comOrder = named(new QComboBox(this), "comOrder");
    comOrder->addItems({QStringLiteral("Dátum + étkezés + ételnév rendezés"), QStringLiteral("Ételnév szerint rendez"),
        QStringLiteral("Azonosító szerint rendez")});
    comSearch = named(new QComboBox(this), "comSearch");
    comSearch->addItems({QStringLiteral("Ételnév"), QStringLiteral("Dátum")});
    edtSearch = named(new QLineEdit(this), "edtSearch");
    edtSearch->setToolTip(QStringLiteral("Kereséshez üsse le az ENTER-t"));
    // Room for a dish name or a date however crowded the row gets.
    edtSearch->setMinimumWidth(edtSearch->fontMetrics().averageCharWidth() * 24);
    // No button presses itself on Enter, so the screen has no default button: Enter in the search
    // box searches and never opens an edit dialog.
    btnFelvitel = pushButton(this, QStringLiteral("btnFelvitel"), QStringLiteral("&Új"), false);
    btnModosit = pushButton(this, QStringLiteral("btnModosit"), QStringLiteral("&Módosít"), false);
    btnTorol = pushButton(this, QStringLiteral("btnTorol"), QStringLiteral("&Töröl"), false);
    btnMasol = pushButton(this, QStringLiteral("btnMasol"), QStringLiteral("Más&ol"), false);
    btnRaktMasol = pushButton(this, QStringLiteral("btnRaktMasol"), QStringLiteral("Raktárba átmáso&l"), false);
    btnPrint = pushButton(this, QStringLiteral("btnPrint"), QStringLiteral("&Nyomtat"), false);
    btnExport = pushButton(this, QStringLiteral("btnExport"), QStringLiteral("&Export"), false);
    btnSugo = pushButton(this, QStringLiteral("btnSugo"), QStringLiteral("&Súgó"), false);
    btnKilep = pushButton(this, QStringLiteral("btnKilep"), QStringLiteral("&Bezár"), false);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Étlap dátuma:"), this));
    top->addWidget(dtpEtlap);
    top->addWidget(chkDatum);
    top->addStretch();
    top->addWidget(new QLabel(QStringLiteral("Rendezés:"), this));
    top->addWidget(comOrder);
    top->addWidget(new QLabel(QStringLiteral("Keresés"), this));
    top->addWidget(comSearch);
    top->addWidget(edtSearch);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button :
        {btnFelvitel, btnModosit, btnTorol, btnMasol, btnRaktMasol, btnPrint, btnExport, btnSugo, btnKilep})
        buttons->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(DBGrid1);
    layout->addLayout(buttons);
    resize(900, 560);

    UiWheelAsArrowKeys::install(this);
    installHelpKey(this, services.settings, services.messenger, HelpPage);

    connect(dtpEtlap, &QDateEdit::dateChanged, this, [this] { rebuild(); });
    connect(chkDatum, &QCheckBox::toggled, this, [this](bool all) {
        btnMasol->setEnabled(!all);
        btnRaktMasol->setEnabled(!all);
        rebuild();
    });
    connect(comOrder, &QComboBox::currentIndexChanged, this, [this] { rebuild(currentId()); });
    connect(edtSearch, &QLineEdit::returnPressed, this, [this] { search(); });
    connect(btnFelvitel, &QPushButton::clicked, this, [this] { btnFelvitelClick(); });
    connect(btnModosit, &QPushButton::clicked, this, [this] { btnModositClick(); });
    connect(btnTorol, &QPushButton::clicked, this, [this] { btnTorolClick(); });
    connect(btnMasol, &QPushButton::clicked, this, [this] { btnMasolClick(); });
    connect(btnRaktMasol, &QPushButton::clicked, this, [this] { btnRaktMasolClick(); });
    connect(btnPrint, &QPushButton::clicked, this, [this] { btnPrintClick(); });
    connect(btnExport, &QPushButton::clicked, this, [this] {
        TfrmCsvExport::run(this, m_services.files, m_services.messenger, m_model, QStringLiteral("Etlap.csv"), DBGrid1);
    });
    connect(btnSugo, &QPushButton::clicked, this,
        [this] { showHelp(this, m_services.settings, m_services.messenger, HelpPage); });
    connect(btnKilep, &QPushButton::clicked, this, &QDialog::accept);

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
    const QStringList names = WarehouseNames::all(Database::shared(m_services.settings.dbPath()));
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
    const QSqlDatabase targetDb = same ? m_db : Database::warehouse(m_services.settings.dbPath(), warehouse->number);
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
