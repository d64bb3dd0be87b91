#include "reports/ui/frmEtlapHeti.h"

#include "core/Messenger.h"
#include "reports/CartMenuSource.h"
#include "reports/ui/MenuMealList.h"
#include "reports/ui/qrpEtlapHeti.h"
#include "session/ProgramFiles.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "widgets/UiControls.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableView>

namespace {

const QStringList DayNames {QStringLiteral("Hétfő"), QStringLiteral("Kedd"), QStringLiteral("Szerda"),
    QStringLiteral("Csütörtök"), QStringLiteral("Péntek"), QStringLiteral("Szombat"), QStringLiteral("Vasárnap")};

std::unique_ptr<ServedDishSource> sourceOf(WeeklyMenuKind kind)
{
    if (kind == WeeklyMenuKind::ALaCarte)
        return std::make_unique<CartMenuSource>();
    return std::make_unique<DailyMenuSource>();
}

} // namespace

TfrmEtlapHeti::TfrmEtlapHeti(const Services &services, QSqlDatabase warehouse, WeeklyMenuKind kind, QWidget *parent)
    : TfrmLekBase(services, Dates::Year, std::make_unique<WeeklyMenuReport>(warehouse, sourceOf(kind)), parent)
    , cmbHonap(named(new QComboBox(this), "cmbHonap"))
    , lbxEtkezesek(kind == WeeklyMenuKind::ALaCarte ? MenuMealList::createDishGroups(this, warehouse, services.messenger)
                                                    : MenuMealList::create(this, warehouse, services.messenger, true))
    , rbtnHP(named(new QRadioButton(QStringLiteral("hétfő - péntek"), this), "rbtnHP"))
    , rbtnHV(named(new QRadioButton(QStringLiteral("hétfő - vasárnap"), this), "rbtnHV"))
    , SpinEdit1(named(new QSpinBox(this), "SpinEdit1"))
    , chkDietas(named(new QCheckBox(QStringLiteral("Diétás felirat"), this), "chkDietas"))
    , m_kind(kind)
{
    setObjectName(kind == WeeklyMenuKind::ALaCarte ? QStringLiteral("frmCartEtlapHeti") : QStringLiteral("frmEtlapHeti"));
    setWindowTitle(QStringLiteral("Heti étlapnyomtatás"));
    resize(1200, 800);
    rbtnHP->setChecked(true);
    SpinEdit1->setRange(3, 34);
    SpinEdit1->setValue(8);
    auto *select = named(new QLabel(QStringLiteral("<a href=\"#\"> Összes kijelölése </a>"), this), "lblSelect");
    auto *clear = named(new QLabel(QStringLiteral("<a href=\"#\">Kijelölés törlése</a>"), this), "lbldselect");
    auto *days = new QGroupBox(QStringLiteral("Hét napjai"), this);
    auto *daysLayout = new QVBoxLayout(days);
    daysLayout->addWidget(rbtnHP);
    daysLayout->addWidget(rbtnHV);
    parameterLayout()->addWidget(buddyLabel(this, QStringLiteral("Hét:"), cmbHonap), 0, 0);
    parameterLayout()->addWidget(cmbHonap, 0, 1);
    parameterLayout()->addWidget(new QLabel(QStringLiteral("Étkezések:"), this), 0, 2);
    parameterLayout()->addWidget(lbxEtkezesek, 1, 2, 3, 1);
    parameterLayout()->addWidget(select, 1, 3);
    parameterLayout()->addWidget(clear, 2, 3);
    parameterLayout()->addWidget(days, 1, 0, 2, 2);
    parameterLayout()->addWidget(buddyLabel(this, QStringLiteral("Betűméret:"), SpinEdit1), 3, 0);
    parameterLayout()->addWidget(SpinEdit1, 3, 1);
    parameterLayout()->addWidget(chkDietas, 3, 3);

    auto *panel = new QWidget;
    auto *grid = new QGridLayout(panel);
    grid->addWidget(new QLabel(QStringLiteral("Étkezések / napok"), panel), 0, 0);
    for (int d = 0; d < Days; ++d) {
        auto *caption = new QLabel(DayNames.at(d), panel);
        QFont bold = caption->font();
        bold.setBold(true);
        caption->setFont(bold);
        grid->addWidget(caption, 0, d + 1);
        if (d >= 5)
            m_weekendWidgets << caption;
    }
    for (int r = 0; r < Rows; ++r) {
        rowCaptions[size_t(r)] = lineEdit(panel, QStringLiteral("Edit%1").arg(r + 1));
        grid->addWidget(rowCaptions[size_t(r)], r + 1, 0, Qt::AlignTop);
        for (int d = 0; d < Days; ++d) {
            auto *memo = named(new QPlainTextEdit(panel), QStringLiteral("Memo%1%2").arg(r + 1).arg(d));
            memo->setMinimumHeight(90);
            cells[size_t(r)][size_t(d)] = memo;
            grid->addWidget(memo, r + 1, d + 1);
            if (d >= 5)
                m_weekendWidgets << memo;
        }
    }
    auto *scroll = new QScrollArea(this);
    scroll->setWidget(panel);
    scroll->setWidgetResizable(true);
    scroll->horizontalScrollBar()->setSingleStep(15);
    scroll->horizontalScrollBar()->setPageStep(30);
    DBGrid1->hide();
    layout()->replaceWidget(DBGrid1, scroll);
    setPrintAlwaysEnabled(true);

    connect(cmbEv, &QComboBox::currentIndexChanged, this, &TfrmEtlapHeti::fillWeeks);
    connect(rbtnHP, &QRadioButton::toggled, this, [this] {
        fillWeeks();
        applyDayMode();
    });
    connect(SpinEdit1, &QSpinBox::valueChanged, this, &TfrmEtlapHeti::applyFontSize);
    connect(lbxEtkezesek, &QListWidget::itemClicked, this, &TfrmEtlapHeti::mealClicked);
    connect(select, &QLabel::linkActivated, lbxEtkezesek, &QListWidget::selectAll);
    connect(clear, &QLabel::linkActivated, lbxEtkezesek, &QListWidget::clearSelection);
    fillWeeks();
    applyDayMode();
    applyFontSize();
}

QString TfrmEtlapHeti::helpPage() const
{
    return m_kind == WeeklyMenuKind::ALaCarte ? QStringLiteral("CartEtlapHeti.htm") : QStringLiteral("EtlapHeti.htm");
}

bool TfrmEtlapHeti::sevenDays() const
{
    return rbtnHV->isChecked();
}

const WeeklyMenu::Week &TfrmEtlapHeti::chosenWeek() const
{
    return m_weeks.at(qBound(0, cmbHonap->currentIndex(), int(m_weeks.size()) - 1));
}

void TfrmEtlapHeti::fillWeeks()
{
    const int year = selectedYear();
    m_weeks = WeeklyMenu::weeks(year, sevenDays());
    const int chosen = cmbHonap->count() > 0 ? cmbHonap->currentIndex() : WeeklyMenu::preselectedWeek(year, QDate::currentDate());
    const QSignalBlocker block(cmbHonap);
    cmbHonap->clear();
    for (const WeeklyMenu::Week &week : std::as_const(m_weeks))
        cmbHonap->addItem(week.text);
    cmbHonap->setCurrentIndex(qBound(0, chosen, int(m_weeks.size()) - 1));
}

void TfrmEtlapHeti::applyDayMode()
{
    for (QWidget *widget : std::as_const(m_weekendWidgets))
        widget->setVisible(sevenDays());
    const int width = sevenDays() ? 133 : 181;
    for (auto &row : cells)
        for (QPlainTextEdit *memo : row)
            memo->setMinimumWidth(width);
}

void TfrmEtlapHeti::applyFontSize()
{
    QFont font = rowCaptions[0]->font();
    font.setPointSize(SpinEdit1->value());
    for (QLineEdit *caption : rowCaptions)
        caption->setFont(font);
    for (auto &row : cells)
        for (QPlainTextEdit *memo : row)
            memo->setFont(font);
}

void TfrmEtlapHeti::mealClicked(QListWidgetItem *item)
{
    if (!item->isSelected() || MenuMealList::chosen(lbxEtkezesek).size() <= Rows)
        return;
    m_messenger.showMessage(QStringLiteral("Figyelmeztetés"), Symbol::Warning,
        QStringLiteral("Maximum 5 étkezést jelölhet meg egyszerre!"), QStringLiteral("OK"));
    item->setSelected(false);
}

ReportParameters TfrmEtlapHeti::parameters() const
{
    ReportParameters values = TfrmLekBase::parameters();
    values.from = chosenWeek().first;
    values.to = chosenWeek().last;
    values.filters.insert(WeeklyMenuReport::Groups, MenuMealList::chosen(lbxEtkezesek));
    return values;
}

void TfrmEtlapHeti::runFinished()
{
    const auto &report = static_cast<const WeeklyMenuReport &>(query());
    const QList<WeeklyMenu::RowCaption> captions = report.captions();
    for (int r = 0; r < Rows; ++r)
        rowCaptions[size_t(r)]->setText(r < captions.size() ? captions.at(r).text() : QString());
    const int days = sevenDays() ? Days : 5;
    for (int r = 0; r < Rows; ++r) {
        for (int d = 0; d < Days; ++d) {
            WeeklyMenu::Cell cell;
            if (d < days)
                cell = WeeklyMenu::cell(report.dishes(), chosenWeek().first.addDays(d), rowCaptions[size_t(r)]->text());
            m_cells[size_t(r)][size_t(d)] = cell;
            cells[size_t(r)][size_t(d)]->setPlainText(cell.lines.join(QLatin1Char('\n')));
        }
    }
}

std::unique_ptr<Printout> TfrmEtlapHeti::createPrintout()
{
    WeeklyMenuPrint print;
    print.title = chkDietas->isChecked() ? QStringLiteral("Heti étlap - DIÉTÁS") : QStringLiteral("Heti étlap");
    print.week = chosenWeek().text + (sevenDays() ? QStringLiteral(" H - V") : QStringLiteral(" H - P"));
    print.days = sevenDays() ? Days : 5;
    print.pointSize = SpinEdit1->value();
    print.textAllergens = m_kind == WeeklyMenuKind::ALaCarte;
    print.picturesFolder = ProgramFiles::folder(ProgramFiles::picturesFolderName(), m_settings.programPath());
    for (int r = 0; r < Rows; ++r) {
        WeeklyMenuPrint::Row row;
        row.caption = rowCaptions[size_t(r)]->text();
        for (int d = 0; d < print.days; ++d) {
            WeeklyMenu::Cell cell = m_cells[size_t(r)][size_t(d)];
            // The printout takes the cell's text as edited; the sums stay those of the run.
            cell.lines = cells[size_t(r)][size_t(d)]->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
            row.cells << cell;
        }
        print.rows << row;
    }
    return std::make_unique<TqrpEtlapHeti>(m_settings, m_messenger, print);
}
