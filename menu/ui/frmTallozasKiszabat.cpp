#include "menu/ui/frmTallozasKiszabat.h"

#include "core/Messenger.h"
#include "exchange/ui/frmCsvExport.h"
#include "menu/RationBuilder.h"
#include "menu/RationDraft.h"
#include "menu/RationInput.h"
#include "menu/RationIssue.h"
#include "menu/RationStock.h"
#include "menu/RationViews.h"
#include "menu/RationVoucherHeader.h"
#include "menu/ui/RationNutrientScreens.h"
#include "menu/ui/RationModels.h"
#include "menu/ui/frmRaktarAutoKivetel.h"
#include "menu/ui/frmUjKiszabat.h"
#include "menu/ui/frmUjKiszabat_Mod3.h"
#include "menu/ui/RationSheetPrintout.h"
#include "printing/ui/ListReport.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "stock/ui/VoucherPrintout.h"
#include "widgets/UiControls.h"
#include "widgets/UiHelp.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString ShortageLabel = QStringLiteral("Nincs elég készlet a kiadáshoz!");

} // namespace

TfrmTallozasKiszabat::TfrmTallozasKiszabat(const Services &services, QSqlDatabase db,
    std::shared_ptr<RationStockSource> stock, StockOptions options, QWidget *parent)
    : QDialog(parent)
    , DBGrid1(new QTableView(this))
    , pnlButtons(new QWidget(this))
    , btnFelvitel(pushButton(pnlButtons, QStringLiteral("btnFelvitel"), QStringLiteral("Né&zet"), true))
    , btnTorol(pushButton(pnlButtons, QStringLiteral("btnTorol"), QStringLiteral("&Kiszabat"), true))
    , btnModosit(pushButton(pnlButtons, QStringLiteral("btnModosit"), QStringLiteral("&Módosít"), true))
    , btnUj(pushButton(pnlButtons, QStringLiteral("btnUj"), QStringLiteral("Új an&yag"), true))
    , btnKiadas(pushButton(pnlButtons, QStringLiteral("btnKiadas"), QStringLiteral("Ki&adás"), true))
    , btnTap(pushButton(pnlButtons, QStringLiteral("btnTap"), QStringLiteral("Tá&p. részl"), true))
    , btnTapCs(pushButton(pnlButtons, QStringLiteral("btnTapCs"), QStringLiteral("Tá&p. csop"), true))
    , btnPrint(pushButton(pnlButtons, QStringLiteral("btnPrint"), QStringLiteral("&Nyomtat"), true))
    , btnExport(pushButton(pnlButtons, QStringLiteral("btnExport"), QStringLiteral("&Export"), true))
    , btnSugo(pushButton(pnlButtons, QStringLiteral("btnSugo"), QStringLiteral("&Súgó"), true))
    , btnKilep(pushButton(pnlButtons, QStringLiteral("btnKilep"), QStringLiteral("&Bezár"), true))
    , grpInfo(new QGroupBox(QStringLiteral("Kiszabat információ"), this))
    , lblDatumTart(named(new QLabel(grpInfo), "lblDatumTart"))
    , lblEtkezesek(named(new QLabel(grpInfo), "lblEtkezesek"))
    , lblHiany(named(new QLabel(grpInfo), "lblHiany"))
    , lblNorma(named(new QLabel(QStringLiteral("Norma (4. nézet számítja)"), this), "lblNorma"))
    , m_services(services)
    , m_db(db)
    , m_stock(std::move(stock))
    , m_options(std::move(options))
    , m_model(new QStandardItemModel(this))
{
    setObjectName(QStringLiteral("frmTallozasKiszabat"));
    setWindowTitle(QStringLiteral("Kiszabat, kiadás"));
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(m_model);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    pnlButtons->setObjectName(QStringLiteral("pnlButtons"));
    pnlButtons->setAutoFillBackground(true);
    grpInfo->setObjectName(QStringLiteral("grpInfo"));
    btnKiadas->setToolTip(QStringLiteral("Kiadni csak 4. nézetben lehet!"));
    lblHiany->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    btnModosit->setEnabled(false);
    btnUj->setEnabled(false);
    btnKiadas->setEnabled(false);
    btnTap->setEnabled(false);
    btnTapCs->setEnabled(false);

    auto *buttons = new QHBoxLayout(pnlButtons);
    for (QPushButton *b : {btnFelvitel, btnTorol, btnModosit, btnUj, btnKiadas, btnTap, btnTapCs, btnPrint, btnExport, btnSugo, btnKilep})
        buttons->addWidget(b);
    auto *info = new QVBoxLayout(grpInfo);
    info->addWidget(lblDatumTart);
    info->addWidget(lblEtkezesek);
    info->addWidget(lblHiany);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(grpInfo);
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(lblNorma);
    layout->addWidget(pnlButtons);
    resize(900, 600);

    connect(btnFelvitel, &QPushButton::clicked, this, &TfrmTallozasKiszabat::btnFelvitelClick);
    connect(btnTorol, &QPushButton::clicked, this, &TfrmTallozasKiszabat::btnTorolClick);
    connect(btnModosit, &QPushButton::clicked, this, &TfrmTallozasKiszabat::btnModositClick);
    connect(btnUj, &QPushButton::clicked, this, &TfrmTallozasKiszabat::btnUjClick);
    connect(btnKiadas, &QPushButton::clicked, this, &TfrmTallozasKiszabat::btnKiadasClick);
    connect(btnTap, &QPushButton::clicked, this,
        [this] { RationNutrientScreens::opener()(RationNutrientScreens::Kind::Detailed, m_sheet, this); });
    connect(btnTapCs, &QPushButton::clicked, this,
        [this] { RationNutrientScreens::opener()(RationNutrientScreens::Kind::Grouped, m_sheet, this); });
    connect(btnPrint, &QPushButton::clicked, this, &TfrmTallozasKiszabat::btnPrintClick);
    connect(btnExport, &QPushButton::clicked, this, &TfrmTallozasKiszabat::btnExportClick);
    connect(btnKilep, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSugo, &QPushButton::clicked, this,
        [this] { showHelp(this, m_services.settings, m_services.messenger, QStringLiteral("TallozasKiszabat.htm")); });
    connect(DBGrid1, &QTableView::doubleClicked, this, [this] {
        if (btnModosit->isEnabled())
            btnModositClick();
    });
    DBGrid1->installEventFilter(this);
    installHelpKey(this, m_services.settings, m_services.messenger, QStringLiteral("TallozasKiszabat.htm"));
}

bool TfrmTallozasKiszabat::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == DBGrid1 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (btnModosit->isEnabled())
                btnModositClick();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool TfrmTallozasKiszabat::showRefusal(const Refusal &refusal)
{
    if (refusal.isNull())
        return false;
    refusal.show(m_services.messenger);
    return true;
}

bool TfrmTallozasKiszabat::start()
{
    RationDraft draft(m_db, m_services.settings, m_services.settings.loginUser());
    const auto offerable = draft.offerable(m_services.settings.lezartHoDat());
    if (showRefusal(offerable.refusal))
        return false;
    if (offerable.value) {
        const int answer = m_services.messenger.showMessage(QStringLiteral("Kérdés"), Symbol::Question,
            QStringLiteral("Találtam egy megkezdett kiszabatot, ami nem lett kiadva. Visszatöltsem?"),
            QStringLiteral("Nem"), QStringLiteral("Igen"));
        if (answer == MsgResult::Yes)
            return restore();
        if (showRefusal(draft.clear()))
            return false;
    }
    QSqlDatabase db = m_db;
    TfrmUjKiszabat parameters(
        m_services, [db](const QDate &from, const QDate &to) { return RationInput::offeredMeals(db, from, to).value; },
        this);
    const QDate closed = m_services.settings.lezartHoDat();
    if (closed.isValid())
        parameters.setEarliest(closed.addDays(1));
    if (parameters.exec() != QDialog::Accepted || parameters.chosenCodes().isEmpty())
        return false;
    return open(parameters.date(), parameters.chosenCodes());
}

bool TfrmTallozasKiszabat::open(const QDate &date, const QStringList &meals)
{
    const auto computed = RationBuilder::compute(m_db, date, meals, *m_stock);
    if (showRefusal(computed.refusal))
        return false;
    m_menu = computed.value.menu;
    m_sheet = computed.value.sheet;
    m_rationMode = false;
    m_shortageWarned = false;
    setLabels();
    showView(1);
    return true;
}

bool TfrmTallozasKiszabat::restore()
{
    RationDraft draft(m_db, m_services.settings, m_services.settings.loginUser());
    const auto restored = draft.restore(*m_stock);
    if (showRefusal(restored.refusal))
        return false;
    m_sheet = restored.value;
    m_menu.clear();
    setLabels();
    btnTorolClick();
    return true;
}

void TfrmTallozasKiszabat::setLabels()
{
    lblDatumTart->setText(QStringLiteral("Kiszabat dátum: ") + m_sheet.date().toString(QStringLiteral("yyyy.MM.dd.")));
    QString meals = QStringLiteral("Étkezések: ");
    for (const QString &code : m_sheet.mealCodes())
        meals += code + QStringLiteral(", ");
    lblEtkezesek->setText(meals);
}

QString TfrmTallozasKiszabat::viewTitle() const
{
    switch (m_view) {
    case 1:
        return QStringLiteral("Kiszabat, kiadás - Étlap részletes nézet (1. nézet)");
    case 2:
        return QStringLiteral("Kiszabat, kiadás - Ételek szerinti összesítés (2. nézet)");
    case 3:
        return QStringLiteral("Kiszabat, kiadás - Nyersanyagok részletes bontásban (3. nézet)");
    default:
        return QStringLiteral("Kiszabat, kiadás - Anyagok szerinti összesítés (4. nézet)");
    }
}

void TfrmTallozasKiszabat::showView(int view)
{
    m_view = view;
    btnKiadas->setEnabled(false);
    // The nutrients are read from the sheet's lines, which views 3 and 4 show.
    const bool nutrients = view >= 3 && bool(RationNutrientScreens::opener());
    btnTap->setEnabled(nutrients);
    btnTapCs->setEnabled(nutrients);
    switch (view) {
    case 1:
        RationModels::fillMenu(*m_model, m_menu, false);
        break;
    case 2:
        RationModels::fillDishes(*m_model, RationViews::dishes(m_menu));
        break;
    case 3:
        showDetails();
        break;
    default:
        showTotals(true);
        btnKiadas->setEnabled(m_rationMode);
        break;
    }
    setWindowTitle(viewTitle() + (m_rationMode ? QStringLiteral(" <Kiszabat mód>") : QStringLiteral(" <Normál mód>")));
    DBGrid1->resizeColumnsToContents();
    if (m_model->rowCount() > 0)
        DBGrid1->selectRow(0);
}

void TfrmTallozasKiszabat::showDetails()
{
    RationModels::fillDetails(*m_model, RationViews::details(m_sheet));
}

void TfrmTallozasKiszabat::showTotals(bool rebuild)
{
    if (rebuild)
        m_sheet.buildTotals();
    QHash<MaterialKey, int> decimals;
    for (const RationTotal &total : m_sheet.totals())
        if (const RationMaterial *material = m_sheet.material(total.key()))
            decimals.insert(total.key(), material->decimals);
    RationModels::fillTotals(*m_model, m_sheet.totals(), decimals, QStringLiteral("Mért. egys."));
    // A changed total refills the grid: the columns fit their contents again, as when it opened.
    DBGrid1->resizeColumnsToContents();
    afterChange();
}

// After view 4 is built or a total changed: the norm line, the shortage and the stored sheet.
void TfrmTallozasKiszabat::afterChange()
{
    showWarnings();
    lblNorma->setText(RationViews::normText(m_sheet));
    const bool shortage = m_sheet.hasShortage();
    lblHiany->setText(shortage ? ShortageLabel : QString());
    saveDraft();
    if (shortage && !m_shortageWarned) {
        m_shortageWarned = true;
        m_services.messenger.showMessage(QStringLiteral("Figyelmeztetés"), Symbol::Warning,
            QStringLiteral("Figyelem! A raktárban nincs elég anyag a kiadáshoz!\rA hiányt a piros sorok mutatják"),
            QStringLiteral("OK"));
    }
}

void TfrmTallozasKiszabat::showWarnings()
{
    for (const QString &warning : m_sheet.takeWarnings())
        m_services.messenger.showMessage(
            QStringLiteral("Figyelmeztetés"), Symbol::Warning, warning, QStringLiteral("OK"));
}

void TfrmTallozasKiszabat::saveDraft()
{
    RationDraft draft(m_db, m_services.settings, m_services.settings.loginUser());
    showRefusal(draft.save(m_sheet));
}

void TfrmTallozasKiszabat::btnFelvitelClick()
{
    if (m_rationMode)
        showView(m_view == 3 ? 4 : 3);
    else
        showView(m_view % 4 + 1);
}

void TfrmTallozasKiszabat::btnTorolClick()
{
    const bool restoring = m_view == 0;
    m_rationMode = true;
    btnTorol->setEnabled(false);
    btnModosit->setEnabled(true);
    btnUj->setEnabled(true);
    btnPrint->setEnabled(true);
    QPalette palette = pnlButtons->palette();
    palette.setColor(QPalette::Window, QColor(192, 220, 192));
    pnlButtons->setPalette(palette);
    if (!restoring) {
        showView(4);
        return;
    }
    // A restored sheet shows the totals it was restored with (built from its lines).
    m_view = 4;
    showTotals(false);
    btnKiadas->setEnabled(true);
    setWindowTitle(viewTitle() + QStringLiteral(" <Kiszabat mód>"));
    if (m_model->rowCount() > 0)
        DBGrid1->selectRow(0);
}

void TfrmTallozasKiszabat::selectKey(const MaterialKey &key)
{
    for (int row = 0; row < m_model->rowCount(); ++row)
        if (RationModels::keyAt(*m_model, row) == key)
            DBGrid1->selectRow(row);
}

void TfrmTallozasKiszabat::selectId(qint64 id)
{
    for (int row = 0; row < m_model->rowCount(); ++row)
        if (RationModels::idAt(*m_model, row) == id)
            DBGrid1->selectRow(row);
}

void TfrmTallozasKiszabat::btnModositClick()
{
    const int row = DBGrid1->currentIndex().row();
    if (m_model->rowCount() == 0 || row < 0) {
        Refusal::warning(QStringLiteral("Nincs kiválasztott adatsor!")).show(m_services.messenger);
        return;
    }
    const auto looked = RationInput::accounts(m_db);
    if (!looked.ok()) {
        looked.refusal.show(m_services.messenger);
        return;
    }
    const auto &accounts = looked.value;
    if (m_view == 4) {
        const MaterialKey key = RationModels::keyAt(*m_model, row);
        double quantity = 0;
        for (const RationTotal &total : m_sheet.totals())
            if (total.key() == key)
                quantity = total.quantity;
        TfrmUjKiszabat_mod dialog(
            m_services, m_sheet, accounts,
            [this](const MaterialKey &chosen, double value) { return m_sheet.changeTotal(chosen, value); }, this);
        dialog.editExisting(key, quantity);
        if (dialog.exec() != QDialog::Accepted)
            return;
        noticeModified(m_services);
        showTotals(false);
        selectKey(key);
        return;
    }
    const qint64 id = RationModels::idAt(*m_model, row);
    MaterialKey key;
    double quantity = 0;
    for (const RationLine &line : m_sheet.lines())
        if (line.id == id) {
            key = line.key();
            quantity = line.quantity;
        }
    TfrmUjKiszabat_Mod3 dialog(
        m_services, m_sheet, accounts,
        [this, id](const MaterialKey &, double value) { return m_sheet.changeLine(id, value); }, this);
    dialog.editExisting(key, quantity);
    if (dialog.exec() != QDialog::Accepted)
        return;
    showDetails();
    lblNorma->setText(RationViews::normText(m_sheet));
    saveDraft();
    selectId(id);
}

QStringList TfrmTallozasKiszabat::chooseMeals(bool single)
{
    TfrmUjKiszabat meals(m_services, {}, this);
    meals.chooseAmong(m_sheet.date(), m_sheet.meals(), single);
    if (meals.exec() != QDialog::Accepted)
        return {};
    return meals.chosenCodes();
}

void TfrmTallozasKiszabat::btnUjClick()
{
    const QStringList meals = chooseMeals(m_view == 3);
    if (meals.isEmpty())
        return;
    const auto looked = RationInput::accounts(m_db);
    if (!looked.ok()) {
        looked.refusal.show(m_services.messenger);
        return;
    }
    const auto &accounts = looked.value;
    MaterialKey added;
    if (m_view == 4) {
        TfrmUjKiszabat_mod dialog(
            m_services, m_sheet, accounts,
            [this, &meals, &added](const MaterialKey &key, double quantity) {
                added = key;
                return m_sheet.addMaterial(key, quantity, meals);
            },
            this);
        dialog.editNew();
        if (dialog.exec() != QDialog::Accepted)
            return;
        noticeAdded(m_services);
        showTotals(false);
        selectKey(added);
        return;
    }
    TfrmUjKiszabat_Mod3 dialog(
        m_services, m_sheet, accounts,
        [this, &meals](const MaterialKey &key, double quantity) { return m_sheet.addLine(meals.first(), key, quantity); },
        this);
    dialog.editNew();
    if (dialog.exec() != QDialog::Accepted)
        return;
    showDetails();
    lblNorma->setText(RationViews::normText(m_sheet));
    saveDraft();
}

void TfrmTallozasKiszabat::btnKiadasClick()
{
    Messenger &messenger = m_services.messenger;
    if (showRefusal(RationIssue::shortage(m_sheet)))
        return;
    if (messenger.showMessage(QStringLiteral("Kérdés"), Symbol::Question, RationIssue::question(),
            QStringLiteral("Nem"), QStringLiteral("Igen"))
        != MsgResult::Yes)
        return;
    RationIssue issue(m_db, m_options);
    TfrmRaktarAutoKivetel header(
        m_services, m_db, m_sheet.date(), issue.proposeNumber(), issue.nextRunningNumber(m_sheet.date().year()), this);
    // The header comes with the first item posted: a sheet of zeros posts none and is issued with
    // the preset header, unseen. Closing the header posts nothing.
    if (RationIssue::postsItems(m_sheet) && header.exec() != QDialog::Accepted) {
        RationIssue::failure().show(messenger);
        return;
    }
    const RationIssueHeader voucher {header.number(), header.numberProposed(), header.movementType(), header.partner()};
    const StockOutcome outcome
        = issue.issue(m_sheet, voucher, m_services.settings.loginUser(), QDate::currentDate());
    if (!outcome.ok()) {
        outcome.refusal.show(messenger);
        if (outcome.refusal != RationIssue::failure())
            RationIssue::failure().show(messenger);
        return;
    }
    RationDraft(m_db, m_services.settings, m_services.settings.loginUser()).forgetSection();
    if (m_services.settings.displayTetelWarning())
        for (const Refusal &notice : outcome.notices)
            notice.show(messenger);
    Refusal::information(RationIssue::success()).show(messenger);
    if (!outcome.bizSzam.isEmpty()
        && messenger.showMessage(QStringLiteral("Kérdés"), Symbol::Question, RationIssue::printQuestion(),
               QStringLiteral("Nem"), QStringLiteral("Igen"))
            == MsgResult::Yes)
        printVoucher(outcome.bizSzam);
    accept();
}

void TfrmTallozasKiszabat::printVoucher(const QString &bizSzam)
{
    VoucherPrintout::printVoucher(m_services.settings, m_services.messenger, m_db, QStringLiteral("KI"), bizSzam,
        m_sheet.date(), this, &m_services.files);
}

void TfrmTallozasKiszabat::btnPrintClick()
{
    static const QStringList titles {QStringLiteral("Kiszabat, étkezések"), QStringLiteral("Kiszabat, receptek"),
        QStringLiteral("Kiszabat, anyagok"), QStringLiteral("Kiszabat, kiadás")};
    if (m_view < 1)
        return;
    ListReportOptions options;
    options.parameters = {lblDatumTart->text(), lblEtkezesek->text()};
    QStandardItemModel printed;
    QStandardItemModel *rows = m_model;
    if (m_view == 4) {
        // Only the materials that leave the store.
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
    const auto kind = m_view == 3 ? RationSheetPrintout::Rows::MaterialLines
        : m_view == 4             ? RationSheetPrintout::Rows::Totals
                                  : RationSheetPrintout::Rows::Plain;
    RationSheetPrintout printout(m_services.settings, m_services.messenger, titles.at(m_view - 1), kind,
        RationModels::printColumns(m_view), rows, options);
    printout.preview(this, &m_services.files);
}

void TfrmTallozasKiszabat::btnExportClick()
{
    TfrmCsvExport::run(this, m_services.files, m_services.messenger, m_model,
        QStringLiteral("Kiszabat") + QString::number(m_view) + QStringLiteral(".csv"), DBGrid1);
}
