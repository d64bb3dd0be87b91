#include "app/UiStartup.h"

#include "app/FormMain.h"
#include "app/Settings.h"
#include "app/StartupSequence.h"
#include "app/UiMainWindowControl.h"
#include "app/UiStartupPrompts.h"
#include "app/WorkYear.h"
#include "app/frmDialog.h"
#include "util/UiUpdateCheck.h"

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
