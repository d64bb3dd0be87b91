#include "transfer/ui/TransferCommands.h"

#include "session/Services.h"
#include "transfer/ui/frmConvert.h"
#include "transfer/ui/frmUVIexport.h"
#include "widgets/CommandRegistry.h"

void registerTransferCommands(CommandRegistry &registry, const Services &services)
{
    registry.registerScreen(
        TransferCommands::DosImport,
        [services](QWidget *parent) { return std::unique_ptr<QDialog>(new TfrmConvert(services, parent)); },
        [](QDialog *screen) { static_cast<TfrmConvert *>(screen)->run(); });
    registry.registerScreen(TransferCommands::UviExport,
        [services](QWidget *parent) { return std::unique_ptr<QDialog>(new TfrmUVIexport(services, parent)); });
}
