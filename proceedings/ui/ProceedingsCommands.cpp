#include "proceedings/ui/ProceedingsCommands.h"

#include "proceedings/ui/frmEditbox.h"
#include "session/Services.h"
#include "widgets/CommandRegistry.h"

void registerProceedingsCommands(CommandRegistry &registry, const Services &services)
{
    registry.registerScreen(ProceedingsCommands::TextEditor,
        [services](QWidget *parent) { return std::unique_ptr<QDialog>(new TfrmEditbox(services, parent)); });
}
