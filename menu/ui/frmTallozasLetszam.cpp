#include "menu/ui/frmTallozasLetszam.h"

#include "core/Dates.h"
#include "core/Messenger.h"
#include "menu/Headcount.h"
#include "menu/MenuGuards.h"
#include "menu/MenuList.h"
#include "menu/ui/frmUjLetszam.h"
#include "printing/ui/ListReport.h"
#include "session/Settings.h"
#include "store/Database.h"
#include "store/HungarianCollation.h"
#include "widgets/UiControls.h"
#include "widgets/UiHelp.h"
#include "widgets/UiWheelAsArrowKeys.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QSqlQueryModel>
#include <QTableView>

namespace {

const QString HelpPage = QStringLiteral("TallozasLetszam.htm");

QTableView *grid(QWidget *parent, const char *name, QSqlQueryModel *model)
{
    QTableView *view = browseGrid(parent, QLatin1String(name), model);
    view->verticalHeader()->hide();
    return view;
}

void setCaptions(QSqlQueryModel *model, const QStringList &captions)
{
    for (int i = 0; i < captions.size(); ++i)
        model->setHeaderData(i, Qt::Horizontal, captions.at(i));
}

} // namespace

TfrmTallozasLetszam::TfrmTallozasLetszam(const Services &services, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_db(Database::warehouse(services.settings.dbPath(), services.settings.aktivRaktar()))
    , m_menu(new QSqlQueryModel(this))
    , m_meals(new QSqlQueryModel(this))
{
    setObjectName(QStringLiteral("frmTallozasLetszam"));
    setWindowTitle(QStringLiteral("Létszám karbantartása"));
    dtpEtlap = named(new QDateEdit(QDate::currentDate(), this), "dtpEtlap");
    dtpEtlap->setCalendarPopup(true);
    dtpEtlap->setDisplayFormat(QStringLiteral("yyyy.MM.dd."));
    DBGrid1 = grid(this, "DBGrid1", m_menu);
    DBGrid2 = grid(this, "DBGrid2", m_meals);
    DBGrid2->installEventFilter(this);
    comOrder = named(new QComboBox(this), "comOrder");
    comOrder->addItem(QStringLiteral("Azonosító szerint rendez"));
    btnModosit = pushButton(this, QStringLiteral("btnModosit"), QStringLiteral("&Módosít"), true);
    btnPrint = pushButton(this, QStringLiteral("btnPrint"), QStringLiteral("&Nyomtat"), true);
    btnSugo = pushButton(this, QStringLiteral("btnSugo"), QStringLiteral("&Súgó"), true);
    btnKilep = pushButton(this, QStringLiteral("btnKilep"), QStringLiteral("&Bezár"), true);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(QStringLiteral("Étlap dátuma:"), this));
    top->addWidget(dtpEtlap);
    top->addStretch();
    top->addWidget(new QLabel(QStringLiteral("Rendezés:"), this));
    top->addWidget(comOrder);
    auto *grids = new QHBoxLayout;
    grids->addWidget(DBGrid1, 3);
    grids->addWidget(DBGrid2, 2);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {btnModosit, btnPrint, btnSugo, btnKilep})
        buttons->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(grids);
    layout->addLayout(buttons);
    resize(900, 500);

    UiWheelAsArrowKeys::install(this);
    installHelpKey(this, services.settings, services.messenger, HelpPage);
    connect(dtpEtlap, &QDateEdit::dateChanged, this, [this](const QDate &date) {
        btnModosit->setEnabled(MenuGuards::isOpen(date, m_services.settings.lezartHoDat()));
        rebuild();
    });
    // A double click or Enter in the meal list is "&Módosít", so it does nothing while that is disabled.
    connect(DBGrid2, &QTableView::doubleClicked, btnModosit, &QPushButton::click);
    connect(btnModosit, &QPushButton::clicked, this, [this] { btnModositClick(); });
    connect(btnPrint, &QPushButton::clicked, this, [this] { btnPrintClick(); });
    connect(btnSugo, &QPushButton::clicked, this,
        [this] { showHelp(this, m_services.settings, m_services.messenger, HelpPage); });
    connect(btnKilep, &QPushButton::clicked, this, &QDialog::accept);
    rebuild();
}

bool TfrmTallozasLetszam::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == DBGrid2 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            btnModosit->click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TfrmTallozasLetszam::rebuild()
{
    const int current = DBGrid2->currentIndex().isValid() ? DBGrid2->currentIndex().row() : 0;
    QString error;
    if (!MenuList::rebuild(m_db, {dtpEtlap->date(), false, false}, &error))
        Refusal::error(error).show(m_services.messenger);
    m_menu->setQuery(
        QStringLiteral("SELECT \"EtlapAzon\", \"Datum\", \"EtkTip\", \"Megnevezes\", \"Mennyiseg\", "
                       "\"Mertekegyseg\" FROM \"TmpEtlap\" ORDER BY \"Datum\", \"EtkKod\", ")
            + HungarianCollation::orderTerm(QStringLiteral("\"Megnevezes\"")) + QStringLiteral(", \"EtlapAzon\""),
        m_db);
    setCaptions(m_menu,
        {QStringLiteral("Azon."), QStringLiteral("Dátum"), QStringLiteral("Étkezés típusa"), QStringLiteral("Ételnév"),
            QStringLiteral("Mennyiség"), QStringLiteral("Mértékegység")});
    m_meals->setQuery(MenuList::mealSql(), m_db);
    setCaptions(m_meals, {QStringLiteral("Étkezés"), QString(), QString(), QString(), QStringLiteral("Létszám")});
    for (int column : {1, 2, 3})
        DBGrid2->setColumnHidden(column, true);
    DBGrid2->setCurrentIndex(m_meals->index(qMin(current, m_meals->rowCount() - 1), 0));
}

void TfrmTallozasLetszam::btnModositClick()
{
    if (m_meals->rowCount() == 0)
        return;
    const int row = DBGrid2->currentIndex().isValid() ? DBGrid2->currentIndex().row() : 0;
    const QString name = m_meals->index(row, 0).data().toString();
    const QString meal = m_meals->index(row, 1).data().toString();
    const QDate date = dtpEtlap->date();
    const Headcount::Entry entry = Headcount::read(m_db, date, meal);
    if (entry.issued)
        Refusal::warning(Headcount::issuedWarning()).show(m_services.messenger);
    TfrmUjLetszam edit(
        m_services, name, entry.count,
        [this, date, meal](
            int count) { return Headcount::save(m_db, date, meal, count, m_services.settings.lezartHoDat()); },
        this);
    edit.exec();
    rebuild();
    DBGrid2->setFocus();
    DBGrid2->setCurrentIndex(m_meals->index(row, 0));
}

void TfrmTallozasLetszam::btnPrintClick()
{
    const QList<ListColumn> columns {{QStringLiteral("Étkezés"), QStringLiteral("EtkTip"), 80},
        {QStringLiteral("Létszám"), QStringLiteral("F"), 30, Qt::AlignRight}};
    ListReportOptions options;
    options.signatureFooter = false;
    ListReport::print(m_services.settings, m_services.messenger,
        QStringLiteral("Létszámok - ") + Dates::shortText(dtpEtlap->date()), columns, m_meals, this, &m_services.files,
        options);
}
