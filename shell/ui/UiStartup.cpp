#include "shell/ui/UiStartup.h"

#include "shell/ui/FormMain.h"
#include "session/Settings.h"
#include "shell/StartupSequence.h"
#include "shell/ui/UiMainWindowControl.h"
#include "shell/ui/UiStartupPrompts.h"
#include "stock/WorkYear.h"
#include "widgets/frmDialog.h"
#include "exchange/ui/UiUpdateCheck.h"

#include <memory>

namespace UiStartup {

void install(TFormMain &window, TfrmDialog &dialog, Settings &settings)
{
    auto prompts = std::make_shared<UiStartupPrompts>(&window, dialog);
    window.setMessenger(dialog);
    window.setStartupHook([&window, &dialog, &settings, prompts] {
        UiMainWindowControl control(window);
        StartupSequence sequence(settings, dialog, *prompts, control);
        sequence.hooks().setSymbolOffset = [&dialog](int offset) { dialog.setSymbolOffset(offset); };
        sequence.hooks().updateCheck = [&dialog, &settings] {
            return UiUpdateCheck::run(dialog, settings, false) == UpdateOutcome::NewerAccepted;
        };
        sequence.run();
    });
    window.setWorkYearReload([&dialog, &settings, prompts] { WorkYear(settings, dialog, *prompts).read(); });
}

} // namespace UiStartup
