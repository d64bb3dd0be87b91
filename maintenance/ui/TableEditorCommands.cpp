#include "maintenance/ui/TableEditorCommands.h"

#include "maintenance/ui/frmTableEdit.h"
#include "widgets/CommandRegistry.h"

void registerTableEditorCommands(CommandRegistry &registry, const Services &services)
{
    registry.registerScreen(TableEditorCommands::TableEditor,
        [services](QWidget *parent) { return std::unique_ptr<QDialog>(new TfrmTableEdit(services, parent)); });
}
