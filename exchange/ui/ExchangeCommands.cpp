#include "exchange/ui/ExchangeCommands.h"

#include "exchange/ui/UiUpdateCheck.h"
#include "session/Services.h"
#include "widgets/CommandRegistry.h"

void registerExchangeCommands(CommandRegistry &registry, const Services &services)
{
    registry.registerAction(ExchangeCommands::UpdateCheck, [&registry, services] {
        if (UiUpdateCheck::run(services.messenger, services.settings, true) == UpdateOutcome::NewerAccepted)
            registry.endProgram();
    });
}
