#include "reports/ui/frmLekEtlapLista.h"

#include "reports/ui/MenuMealList.h"
#include "reports/ui/qrpEtlapLista.h"
#include "session/ProgramFiles.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "widgets/UiControls.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

TfrmLekEtlapLista::TfrmLekEtlapLista(const Services &services, QSqlDatabase warehouse, QWidget *parent)
    : TfrmLekBase(services, Dates::YearPeriod, std::make_unique<MenuListReport>(warehouse), parent)
    , lbxEtkezesek(MenuMealList::create(this, warehouse, services.messenger, true))
    , chkDietas(named(new QCheckBox(QStringLiteral("Diétás felirat"), this), "chkDietas"))
{
    setObjectName(QStringLiteral("frmLekEtlapLista"));
    setWindowTitle(QStringLiteral("Lista étlapnyomtatás"));
    auto *select = named(new QLabel(QStringLiteral("<a href=\"#\"> Összes kijelölése </a>"), this), "lblSelect");
    auto *clear = named(new QLabel(QStringLiteral("<a href=\"#\">Kijelölés törlése</a>"), this), "lbldselect");
    parameterLayout()->addWidget(new QLabel(QStringLiteral("Étkezések:"), this), 0, 0);
    parameterLayout()->addWidget(lbxEtkezesek, 1, 0, 3, 1);
    parameterLayout()->addWidget(select, 1, 1);
    parameterLayout()->addWidget(clear, 2, 1);
    parameterLayout()->addWidget(chkDietas, 3, 1);
    connect(select, &QLabel::linkActivated, lbxEtkezesek, &QListWidget::selectAll);
    connect(clear, &QLabel::linkActivated, lbxEtkezesek, &QListWidget::clearSelection);
    setPrintAlwaysEnabled(true);
    DBGrid1->setModel(query().rows());
}

ReportParameters TfrmLekEtlapLista::parameters() const
{
    ReportParameters values = TfrmLekBase::parameters();
    values.filters.insert(MenuListReport::Meals, MenuMealList::chosen(lbxEtkezesek));
    return values;
}

std::unique_ptr<Printout> TfrmLekEtlapLista::createPrintout()
{
    return std::make_unique<TqrpEtlapLista>(m_settings, m_messenger,
        static_cast<const MenuListReport &>(query()).dishes(), chkDietas->isChecked(),
        ProgramFiles::folder(ProgramFiles::picturesFolderName(), m_settings.programPath()));
}
