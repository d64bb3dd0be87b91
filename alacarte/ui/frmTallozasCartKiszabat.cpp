#include "alacarte/ui/frmTallozasCartKiszabat.h"

#include "alacarte/CartDraft.h"
#include "alacarte/CartIssue.h"
#include "alacarte/CartSheetBuilder.h"
#include "alacarte/ui/frmUjCartKiszabat.h"
#include "core/Messenger.h"
#include "exchange/ui/frmCsvExport.h"
#include "menu/RationInput.h"
#include "menu/RationIssue.h"
#include "menu/RationViews.h"
#include "menu/RationVoucherHeader.h"
#include "menu/ui/RationModels.h"
#include "menu/ui/RationSheetPrintout.h"
#include "menu/ui/frmRaktarAutoKivetel.h"
#include "menu/ui/frmUjKiszabat_mod.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "stock/ui/VoucherPrintout.h"
#include "widgets/UiControls.h"
#include "widgets/UiHelp.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString ShortageLabel = QStringLiteral("Nincs elég készlet a kiadáshoz!");
const QString HelpPage = QStringLiteral("TallozasCartKiszabat.htm");

} // namespace

TfrmTallozasCartKiszabat::TfrmTallozasCartKiszabat(const Services &services, QSqlDatabase db,
    std::shared_ptr<RationStockSource> stock, StockOptions options, QWidget *parent)
    : QDialog(parent)
    , DBGrid1(new QTableView(this))
    , btnFelvitel(pushButton(this, QStringLiteral("btnFelvitel"), QStringLiteral("Né&zet"), true))
    , btnTorol(pushButton(this, QStringLiteral("btnTorol"), QStringLiteral("&Kiszabat"), true))
    , btnModosit(pushButton(this, QStringLiteral("btnModosit"), QStringLiteral("&Módosít"), true))
    , btnUj(pushButton(this, QStringLiteral("btnUj"), QStringLiteral("Új an&yag"), true))
    , btnKiadas(pushButton(this, QStringLiteral("btnKiadas"), QStringLiteral("Ki&adás"), true))
    , btnPrint(pushButton(this, QStringLiteral("btnPrint"), QStringLiteral("&Nyomtat"), true))
    , btnExport(pushButton(this, QStringLiteral("btnExport"), QStringLiteral("&Export"), true))
    , btnSugo(pushButton(this, QStringLiteral("btnSugo"), QStringLiteral("&Súgó"), true))
    , btnKilep(pushButton(this, QStringLiteral("btnKilep"), QStringLiteral("&Bezár"), true))
    , grpInfo(new QGroupBox(QStringLiteral("Kiszabat információ"), this))
    , lblDatumTart(named(new QLabel(grpInfo), "lblDatumTart"))
    , lblEtkezesek(named(new QLabel(grpInfo), "lblEtkezesek"))
    , lblHiany(named(new QLabel(grpInfo), "lblHiany"))
    , lblNorma(named(new QLabel(QStringLiteral("Norma (3. nézet számítja)"), this), "lblNorma"))
    , m_services(services)
    , m_db(db)
    , m_stock(std::move(stock))
    , m_options(std::move(options))
    , m_model(new QStandardItemModel(this))
{
    setObjectName(QStringLiteral("frmTallozasCartKiszabat"));
    setWindowTitle(QStringLiteral("A la Carte kiszabat, kiadás"));
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(m_model);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    lblHiany->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    btnModosit->setEnabled(false);
    btnUj->setEnabled(false);
    btnKiadas->setEnabled(false);

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {btnFelvitel, btnTorol, btnModosit, btnUj, btnKiadas, btnPrint, btnExport, btnSugo, btnKilep})
        buttons->addWidget(b);
    auto *info = new QVBoxLayout(grpInfo);
    info->addWidget(lblDatumTart);
    info->addWidget(lblEtkezesek);
    info->addWidget(lblHiany);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(grpInfo);
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(lblNorma);
    layout->addLayout(buttons);
    resize(900, 600);

    connect(btnFelvitel, &QPushButton::clicked, this, &TfrmTallozasCartKiszabat::btnFelvitelClick);
    connect(btnTorol, &QPushButton::clicked, this, &TfrmTallozasCartKiszabat::btnTorolClick);
    connect(btnModosit, &QPushButton::clicked, this, &TfrmTallozasCartKiszabat::btnModositClick);
    connect(btnUj, &QPushButton::clicked, this, &TfrmTallozasCartKiszabat::btnUjClick);
    connect(btnKiadas, &QPushButton::clicked, this, &TfrmTallozasCartKiszabat::btnKiadasClick);
    connect(btnPrint, &QPushButton::clicked, this, &TfrmTallozasCartKiszabat::btnPrintClick);
    connect(btnExport, &QPushButton::clicked, this, &TfrmTallozasCartKiszabat::btnExportClick);
    connect(btnKilep, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSugo, &QPushButton::clicked, this,
        [this] { showHelp(this, m_services.settings, m_services.messenger, HelpPage); });
    connect(DBGrid1, &QTableView::doubleClicked, this, [this] {
        if (btnModosit->isEnabled())
            btnModositClick();
    });
    installHelpKey(this, m_services.settings, m_services.messenger, HelpPage);
}

bool TfrmTallozasCartKiszabat::showRefusal(const Refusal &refusal)
{
    if (refusal.isNull())
        return false;
    refusal.show(m_services.messenger);
    return true;
}

bool TfrmTallozasCartKiszabat::start()
{
    CartDraft draft(m_db, m_services.settings, m_services.settings.loginUser());
    const auto offerable = draft.offerable(m_services.settings.lezartHoDat());
    if (showRefusal(offerable.refusal))
        return false;
    if (offerable.value) {
        const int answer = m_services.messenger.showMessage(QStringLiteral("Kérdés"), Symbol::Question,
            QStringLiteral("Találtam egy megkezdett A la Carte kiszabatot, ami nem lett kiadva. Visszatöltsem?"),
            QStringLiteral("Nem"), QStringLiteral("Igen"));
        if (answer == MsgResult::Yes)
            return restore();
        if (showRefusal(draft.clear()))
            return false;
    }
    QSqlDatabase db = m_db;
    TfrmUjCartKiszabat parameters(
        m_services, [db](const QDate &from, const QDate &) { return CartSheetBuilder::offeredGroups(db, from).value; },
        this);
    const QDate closed = m_services.settings.lezartHoDat();
    if (closed.isValid())
        parameters.setEarliest(closed.addDays(1));
    if (parameters.exec() != QDialog::Accepted || parameters.chosenCodes().isEmpty())
        return false;
    return open(parameters.date(), parameters.chosenCodes());
}

bool TfrmTallozasCartKiszabat::compute()
{
    const auto computed = CartSheetBuilder::compute(m_db, m_date, m_groups, *m_stock);
    if (showRefusal(computed.refusal))
        return false;
    m_menu = computed.value.dishes;
    m_sheet = computed.value.sheet;
    m_covered = computed.value.covered;
    return true;
}

bool TfrmTallozasCartKiszabat::open(const QDate &date, const QStringList &groups)
{
    m_date = date;
    m_groups = groups;
    if (!compute())
        return false;
    m_rationMode = false;
    m_shortageWarned = false;
    setLabels();
    showView(1);
    return true;
}

bool TfrmTallozasCartKiszabat::restore()
{
    CartDraft draft(m_db, m_services.settings, m_services.settings.loginUser());
    const auto restored = draft.restore(*m_stock);
    if (showRefusal(restored.refusal))
        return false;
    m_sheet = restored.value.sheet;
    m_covered = restored.value.covered;
    m_date = m_sheet.date();
    m_groups = m_sheet.mealCodes();
    m_menu.clear();
    setLabels();
    enterRationMode();
    m_view = 3;
    showTotals();
    return true;
}

void TfrmTallozasCartKiszabat::setLabels()
{
    lblDatumTart->setText(QStringLiteral("Kiszabat dátum: ") + m_date.toString(QStringLiteral("yyyy.MM.dd.")));
    QString groups = QStringLiteral("Étkezések: ");
    for (const QString &code : std::as_const(m_groups))
        groups += code + QStringLiteral(", ");
    lblEtkezesek->setText(groups);
}

void TfrmTallozasCartKiszabat::showView(int view)
{
    static const QStringList titles {QStringLiteral("Étlap részletes nézet (1. nézet)"),
        QStringLiteral("Ételek szerinti összesítés (2. nézet)"),
        QStringLiteral("Anyagok szerinti összesítés (3. nézet)"),
        QStringLiteral("Nyersanyagok részletes bontásban (4. nézet)")};
    m_view = view;
    switch (view) {
    case 1:
        RationModels::fillMenu(*m_model, m_menu, false);
        break;
    case 2:
        RationModels::fillDishes(*m_model, RationViews::dishes(m_menu));
        break;
    case 3:
        // Built afresh from the menu every time it is shown.
        if (!m_rationMode && compute())
            m_sheet.buildTotals();
        showTotals();
        break;
    default:
        RationModels::fillDetails(*m_model, RationViews::details(m_sheet));
        break;
    }
    setWindowTitle(QStringLiteral("A la Carte kiszabat, kiadás - ") + titles.at(view - 1));
    DBGrid1->resizeColumnsToContents();
    if (m_model->rowCount() > 0)
        DBGrid1->selectRow(0);
}

void TfrmTallozasCartKiszabat::showTotals()
{
    QHash<MaterialKey, int> decimals;
    for (const RationTotal &total : m_sheet.totals())
        if (const RationMaterial *material = m_sheet.material(total.key()))
            decimals.insert(total.key(), material->decimals);
    RationModels::fillTotals(*m_model, m_sheet.totals(), decimals, QStringLiteral("Mért. egys."));
    DBGrid1->resizeColumnsToContents();
    afterChange();
}

// After the totals are built or changed: warnings, the shortage and the stored sheet.
void TfrmTallozasCartKiszabat::afterChange()
{
    for (const QString &warning : m_sheet.takeWarnings())
        m_services.messenger.showMessage(
            QStringLiteral("Figyelmeztetés"), Symbol::Warning, warning, QStringLiteral("OK"));
    const bool shortage = m_sheet.hasShortage();
    lblHiany->setText(shortage ? ShortageLabel : QString());
    showRefusal(CartDraft(m_db, m_services.settings, m_services.settings.loginUser()).save(m_sheet, m_covered));
    if (shortage && !m_shortageWarned) {
        m_shortageWarned = true;
        m_services.messenger.showMessage(QStringLiteral("Figyelmeztetés"), Symbol::Warning,
            QStringLiteral("Figyelem! A raktárban nincs elég anyag a kiadáshoz!\rA hiányt a piros sorok mutatják"),
            QStringLiteral("OK"));
    }
}

void TfrmTallozasCartKiszabat::btnFelvitelClick()
{
    showView(m_view % 4 + 1);
}

void TfrmTallozasCartKiszabat::enterRationMode()
{
    m_rationMode = true;
    btnFelvitel->setEnabled(false);
    btnTorol->setEnabled(false);
    btnModosit->setEnabled(true);
    btnUj->setEnabled(true);
    btnKiadas->setEnabled(true);
    btnPrint->setEnabled(true);
}

void TfrmTallozasCartKiszabat::btnTorolClick()
{
    if (compute())
        m_sheet.buildTotals();
    enterRationMode();
    showView(3);
}

void TfrmTallozasCartKiszabat::selectKey(const MaterialKey &key)
{
    for (int row = 0; row < m_model->rowCount(); ++row)
        if (RationModels::keyAt(*m_model, row) == key)
            DBGrid1->selectRow(row);
    DBGrid1->setFocus();
}

void TfrmTallozasCartKiszabat::btnModositClick()
{
    const int row = DBGrid1->currentIndex().row();
    if (m_model->rowCount() == 0 || row < 0) {
        Refusal::warning(QStringLiteral("Nincs kiválasztott adatsor!")).show(m_services.messenger);
        return;
    }
    const auto accounts = RationInput::accounts(m_db);
    if (showRefusal(accounts.refusal))
        return;
    const MaterialKey key = RationModels::keyAt(*m_model, row);
    double quantity = 0;
    for (const RationTotal &total : m_sheet.totals())
        if (total.key() == key)
            quantity = total.quantity;
    TfrmUjKiszabat_mod dialog(
        m_services, m_sheet, accounts.value,
        [this](const MaterialKey &chosen, double value) { return m_sheet.changeTotal(chosen, value); }, this);
    dialog.setObjectName(QStringLiteral("frmUjCartKiszabat_mod"));
    dialog.setHelpPage(QStringLiteral("UjCartKiszabat_mod.htm"));
    dialog.editExisting(key, quantity);
    if (dialog.exec() != QDialog::Accepted)
        return;
    noticeModified(m_services);
    showTotals();
    selectKey(key);
}

void TfrmTallozasCartKiszabat::btnUjClick()
{
    TfrmUjCartKiszabat chooser(m_services, {}, this);
    chooser.chooseAmong(m_date, m_sheet.meals(), false);
    if (chooser.exec() != QDialog::Accepted || chooser.chosenCodes().isEmpty())
        return;
    const QStringList groups = chooser.chosenCodes();
    const auto accounts = RationInput::accounts(m_db);
    if (showRefusal(accounts.refusal))
        return;
    MaterialKey added;
    TfrmUjKiszabat_mod dialog(
        m_services, m_sheet, accounts.value,
        [this, &groups, &added](const MaterialKey &key, double quantity) {
            added = key;
            return m_sheet.addMaterial(key, quantity, groups);
        },
        this);
    dialog.setObjectName(QStringLiteral("frmUjCartKiszabat_mod"));
    dialog.setHelpPage(QStringLiteral("UjCartKiszabat_mod.htm"));
    dialog.editNew();
    if (dialog.exec() != QDialog::Accepted)
        return;
    noticeAdded(m_services);
    showTotals();
    selectKey(added);
}

void TfrmTallozasCartKiszabat::btnKiadasClick()
{
    Messenger &messenger = m_services.messenger;
    if (showRefusal(RationIssue::shortage(m_sheet)))
        return;
    if (messenger.showMessage(QStringLiteral("Kérdés"), Symbol::Question, RationIssue::question(),
            QStringLiteral("Nem"), QStringLiteral("Igen"))
        != MsgResult::Yes)
        return;
    RationIssue numbers(m_db, m_options);
    TfrmRaktarAutoKivetel header(m_services, m_db, m_date, numbers.proposeNumber(),
        numbers.nextRunningNumber(m_date.year()), this, RationVoucherHeader::aLaCarteType());
    if (RationIssue::postsItems(m_sheet) && header.exec() != QDialog::Accepted) {
        RationIssue::failure().show(messenger);
        return;
    }
    const RationIssueHeader voucher {header.number(), header.numberProposed(), header.movementType(), header.partner()};
    const StockOutcome outcome
        = CartIssue(m_db, m_options)
              .issue(m_sheet, m_covered, voucher, m_services.settings.loginUser(), QDate::currentDate());
    if (!outcome.ok()) {
        outcome.refusal.show(messenger);
        if (outcome.refusal != RationIssue::failure())
            RationIssue::failure().show(messenger);
        return;
    }
    CartDraft(m_db, m_services.settings, m_services.settings.loginUser()).forgetSection();
    if (m_services.settings.displayTetelWarning())
        for (const Refusal &notice : outcome.notices)
            notice.show(messenger);
    Refusal::information(CartIssue::success()).show(messenger);
    if (!outcome.bizSzam.isEmpty()
        && messenger.showMessage(QStringLiteral("Kérdés"), Symbol::Question, RationIssue::printQuestion(),
               QStringLiteral("Nem"), QStringLiteral("Igen"))
            == MsgResult::Yes)
        VoucherPrintout::printVoucher(m_services.settings, m_services.messenger, m_db, QStringLiteral("KI"),
            outcome.bizSzam, m_date, this, &m_services.files);
    accept();
}

void TfrmTallozasCartKiszabat::btnPrintClick()
{
    static const QStringList titles {QStringLiteral("Kiszabat, étkezések"), QStringLiteral("Kiszabat, receptek"),
        QStringLiteral("Kiszabat, kiadás"), QStringLiteral("Kiszabat, anyagok")};
    if (m_view < 1)
        return;
    ListReportOptions options;
    options.parameters = {QStringLiteral("A la Carte"), lblDatumTart->text(), lblEtkezesek->text()};
    QStandardItemModel printed;
    QStandardItemModel *rows = m_model;
    if (m_view == 3) {
        QList<RationTotal> issued;
        QHash<MaterialKey, int> decimals;
        for (const RationTotal &total : m_sheet.totals())
            if (total.quantity > 0) {
                issued << total;
                if (const RationMaterial *material = m_sheet.material(total.key()))
                    decimals.insert(total.key(), material->decimals);
            }
        RationModels::fillTotals(printed, issued, decimals, QStringLiteral("Mért. egys."));
        rows = &printed;
        if (!lblHiany->text().isEmpty())
            options.summaryLines << lblHiany->text();
        options.summaryLines << lblNorma->text();
    }
    // The ration sheet's printouts: its view 3 layout prints our view 4, its view 4 our view 3.
    const int layout = m_view == 3 ? 4 : m_view == 4 ? 3 : m_view;
    const auto kind = layout == 3 ? RationSheetPrintout::Rows::MaterialLines
        : layout == 4             ? RationSheetPrintout::Rows::Totals
                                  : RationSheetPrintout::Rows::Plain;
    RationSheetPrintout printout(m_services.settings, m_services.messenger, titles.at(m_view - 1), kind,
        RationModels::printColumns(layout), rows, options);
    printout.preview(this, &m_services.files);
}

void TfrmTallozasCartKiszabat::btnExportClick()
{
    TfrmCsvExport::run(this, m_services.files, m_services.messenger, m_model,
        QStringLiteral("CartKiszabat") + QString::number(m_view) + QStringLiteral(".csv"), DBGrid1);
}
