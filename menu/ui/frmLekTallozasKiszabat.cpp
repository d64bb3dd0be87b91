#include "menu/ui/frmLekTallozasKiszabat.h"

#include "core/Messenger.h"
#include "menu/RationInput.h"
#include "menu/RationViews.h"
#include "menu/ui/RationModels.h"
#include "menu/ui/frmLekUjKiszabat.h"
#include "menu/ui/RationSheetPrintout.h"
#include "printing/ui/ListReport.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "widgets/UiControls.h"
#include "widgets/UiHelp.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

const QString HelpPage = QStringLiteral("LekTallozasKiszabat.htm");

} // namespace

TfrmLekTallozasKiszabat::TfrmLekTallozasKiszabat(const Services &services, QSqlDatabase db, QWidget *parent)
    : QDialog(parent)
    , DBGrid1(new QTableView(this))
    , btnFelvitel(pushButton(this, QStringLiteral("btnFelvitel"), QStringLiteral("Né&zet"), true))
    , btnPrint(pushButton(this, QStringLiteral("btnPrint"), QStringLiteral("&Nyomtat"), true))
    , btnSugo(pushButton(this, QStringLiteral("btnSugo"), QStringLiteral("&Súgó"), true))
    , btnKilep(pushButton(this, QStringLiteral("btnKilep"), QStringLiteral("&Bezár"), true))
    , lblDatumTart(named(new QLabel(this), "lblDatumTart"))
    , lblEtkezesek(named(new QLabel(this), "lblEtkezesek"))
    , lblHiany(named(new QLabel(this), "lblHiany"))
    , lblNorma(named(new QLabel(QStringLiteral("Norma (3. nézet számítja)"), this), "lblNorma"))
    , m_services(services)
    , m_db(db)
    , m_model(new QStandardItemModel(this))
{
    setObjectName(QStringLiteral("frmLekTallozasKiszabat"));
    setWindowTitle(QStringLiteral("Anyagfelhasználás tervezés"));
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(m_model);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    lblHiany->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {btnFelvitel, btnPrint, btnSugo, btnKilep})
        buttons->addWidget(b);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblDatumTart);
    layout->addWidget(lblEtkezesek);
    layout->addWidget(lblHiany);
    layout->addWidget(DBGrid1, 1);
    layout->addWidget(lblNorma);
    layout->addLayout(buttons);
    resize(900, 600);

    connect(btnFelvitel, &QPushButton::clicked, this, &TfrmLekTallozasKiszabat::btnFelvitelClick);
    connect(btnPrint, &QPushButton::clicked, this, &TfrmLekTallozasKiszabat::btnPrintClick);
    connect(btnKilep, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSugo, &QPushButton::clicked, this,
        [this] { showHelp(this, m_services.settings, m_services.messenger, HelpPage); });
    installHelpKey(this, m_services.settings, m_services.messenger, HelpPage);
}

bool TfrmLekTallozasKiszabat::start()
{
    QSqlDatabase db = m_db;
    TfrmLekUjKiszabat parameters(
        m_services, [db](const QDate &from, const QDate &to) { return RationInput::offeredMeals(db, from, to).value; },
        this);
    if (parameters.exec() != QDialog::Accepted || parameters.chosenCodes().isEmpty())
        return false;
    return open(parameters.date(), parameters.endDate(), parameters.chosenCodes());
}

bool TfrmLekTallozasKiszabat::open(const QDate &from, const QDate &to, const QStringList &meals)
{
    const auto plan = RationPlan::compute(m_db, from, to, meals);
    if (plan.refusal) {
        plan.refusal.show(m_services.messenger);
        return false;
    }
    m_plan = plan.value;
    lblDatumTart->setText(QStringLiteral("Dátumtartomány: ") + from.toString(QStringLiteral("yyyy.MM.dd."))
        + QLatin1Char('-') + to.toString(QStringLiteral("yyyy.MM.dd.")));
    QString codes = QStringLiteral("Étkezések: ");
    for (const QString &code : meals)
        codes += code + QStringLiteral(", ");
    lblEtkezesek->setText(codes);
    showView(1);
    return true;
}

void TfrmLekTallozasKiszabat::showView(int view)
{
    m_view = view;
    if (view == 1) {
        RationModels::fillMenu(*m_model, m_plan.menu, true);
        setWindowTitle(QStringLiteral("Kiszabat, kiadás - Étlap részletes nézet"));
    } else if (view == 2) {
        RationModels::fillDishes(*m_model, RationViews::dishes(m_plan.menu));
        setWindowTitle(QStringLiteral("Kiszabat, kiadás - Ételek szerinti összesítés"));
    } else {
        RationModels::fillTotals(*m_model, m_plan.totals, m_plan.decimals, QStringLiteral("Mértékegység"));
        setWindowTitle(QStringLiteral("Kiszabat, kiadás - Anyagok szerinti összesítés"));
        lblNorma->setText(RationViews::normText(m_plan.normFrame, m_plan.realValue));
        const bool shortage = m_plan.hasShortage();
        lblHiany->setText(shortage ? QStringLiteral("Nincs elég készlet a kiadáshoz!") : QString());
        if (shortage && !m_shortageWarned) {
            m_shortageWarned = true;
            m_services.messenger.showMessage(QStringLiteral("Figyelmeztetés"), Symbol::Warning,
                QStringLiteral("Figyelem! A raktárban nincs elég anyag a kiadáshoz!\rA hiányt a piros sorok mutatják"),
                QStringLiteral("OK"));
        }
    }
    DBGrid1->resizeColumnsToContents();
}

void TfrmLekTallozasKiszabat::btnFelvitelClick()
{
    showView(m_view % 3 + 1);
}

void TfrmLekTallozasKiszabat::btnPrintClick()
{
    ListReportOptions options;
    options.parameters = {lblDatumTart->text(), lblEtkezesek->text()};
    QString title = QStringLiteral("Tervezett kiadás");
    QList<ListColumn> columns = RationModels::printColumns(m_view == 3 ? 4 : m_view);
    if (m_view == 1) {
        ListColumn date;
        date.caption = date.column = QStringLiteral("Dátum");
        date.width = 22;
        columns.prepend(date);
    }
    if (m_view < 3) {
        title = m_view == 1 ? QStringLiteral("Kiszabat, étkezések") : QStringLiteral("Kiszabat, receptek");
        options.parameters << QStringLiteral("Előtervezés");
    } else {
        columns.last().column = QStringLiteral("Mértékegység");
        if (!lblHiany->text().isEmpty())
            options.summaryLines << lblHiany->text();
        options.summaryLines << lblNorma->text();
    }
    RationSheetPrintout printout(m_services.settings, m_services.messenger, title,
        m_view == 3 ? RationSheetPrintout::Rows::Totals : RationSheetPrintout::Rows::Plain, columns, m_model, options);
    printout.preview(this, &m_services.files);
}
