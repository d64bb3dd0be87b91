#include "shell/ui/AllCommands.h"

#include "exchange/ui/ExchangeCommands.h"
#include "maintenance/ui/MaintenanceCommands.h"
#include "master/ui/MasterCommands.h"
#include "master/ui/RecipeCommands.h"
#include "menu/ui/MenuCommands.h"
#include "menu/ui/RationCommands.h"
#include "printing/ui/PrintingCommands.h"
#include "proceedings/ui/ProceedingsCommands.h"
#include "reports/ui/ReportCommands.h"
#include "shell/ui/FormMain.h"
#include "shell/ui/ShellCommands.h"
#include "stock/ui/StockCommands.h"

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
    registerReportCommands(window, services);
    registerMaintenanceCommands(window, services);
}
