#include "shell/ui/AllCommands.h"

#include "alacarte/ui/AlacarteCommands.h"
#include "exchange/ui/ExchangeCommands.h"
#include "maintenance/ui/RepairCommands.h"
#include "maintenance/ui/TableEditorCommands.h"
#include "maintenance/ui/MaintenanceCommands.h"
#include "master/ui/MasterCommands.h"
#include "master/ui/RecipeCommands.h"
#include "menu/ui/MenuCommands.h"
#include "menu/ui/RationCommands.h"
#include "printing/ui/PrintingCommands.h"
#include "proceedings/ui/ProceedingsCommands.h"
#include "reports/ui/NutrientCommands.h"
#include "reports/ui/MovementReportCommands.h"
#include "reports/ui/ReportCommands.h"
#include "reports/ui/frmLekLeltarHason.h"
#include "session/Connections.h"
#include "session/Services.h"
#include "shell/ui/FormMain.h"
#include "shell/ui/ShellCommands.h"
#include "stock/ui/StockCommands.h"
#include "transfer/ui/TransferCommands.h"

void registerAllCommands(TFormMain &window, const Services &services, TfrmSetup &setup)
{
    registerShellCommands(window, services, setup);
    registerExchangeCommands(window, services);
    registerProceedingsCommands(window, services);
    registerPrintingCommands(window, services);
    registerMasterCommands(window, services);
    registerRecipeCommands(window, services);
    registerStockCommands(window, services);
    registerMenuCommands(window, services);
    registerRationCommands(window, services);
    registerAlacarteCommands(window, services);
    registerReportCommands(window, services);
    registerNutrientCommands(window, services);
    registerMovementReportCommands(window, services);
    registerTransferCommands(window, services);
    registerTableEditorCommands(window, services);
    registerRepairCommands(window, services, [&window, services] {
        TfrmLekLeltarHason screen(services, Connections::activeWarehouse(services), true, &window);
        screen.exec();
    });
    registerMaintenanceCommands(window, services);
}
