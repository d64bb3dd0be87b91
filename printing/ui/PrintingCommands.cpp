#include "printing/ui/PrintingCommands.h"

#include "printing/ui/qrpOffline.h"
#include "session/Services.h"
#include "widgets/CommandRegistry.h"

void registerPrintingCommands(CommandRegistry &registry, const Services &services)
{
    registry.registerAction(PrintingCommands::PrintFromFile,
        [&registry, services] { TqrpOffline(services.messenger, services.files).run(registry.screenParent()); });
}
