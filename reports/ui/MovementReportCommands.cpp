#include "reports/ui/MovementReportCommands.h"

#include "reports/ui/frmLekAnyagHo.h"
#include "reports/ui/frmLekAnyagfelh.h"
#include "reports/ui/frmLekBeallas.h"
#include "reports/ui/frmLekBeallasKisz.h"
#include "reports/ui/frmLekBevbiz.h"
#include "reports/ui/frmLekLetszHo.h"
#include "reports/ui/frmLekLetszam.h"
#include "reports/ui/frmLekMozgOssz.h"
#include "session/Connections.h"
#include "session/Services.h"
#include "widgets/CommandRegistry.h"

namespace {

template <typename Screen>
void add(CommandRegistry &registry, const Services &services, const QString &name)
{
    registry.registerScreen(name, [&services](QWidget *parent) -> std::unique_ptr<QDialog> {
        return std::make_unique<Screen>(services, Connections::activeWarehouse(services), parent);
    });
}

} // namespace

void registerMovementReportCommands(CommandRegistry &registry, const Services &services)
{
    using namespace MovementReportCommands;
    add<TfrmLekBevbiz>(registry, services, ReceiptList);
    add<TfrmLekKibiz>(registry, services, IssueList);
    add<TfrmLekMozgOssz>(registry, services, MovementSummary);
    add<TfrmLekAnyagfelh>(registry, services, Usage);
    add<TfrmLekAnyagfelhReszl>(registry, services, UsageDetail);
    add<TfrmLekBeallasKiszTab>(registry, services, MealMaterials);
    add<TfrmLekBeallasKisz>(registry, services, MealMaterialsDetailed);
    add<TfrmLekNapiErt>(registry, services, MealDeviation);
    add<TfrmLekBeallas>(registry, services, MovementDeviation);
    add<TfrmLekLetszam>(registry, services, Headcounts);
    add<TfrmLekLetszHo>(registry, services, MonthlyHeadcounts);
    add<TfrmLekAnyagHo>(registry, services, MonthlyUsage);
}
