#include "exchange/ui/UiUpdateCheck.h"

#include "session/Settings.h"
#include "core/Messenger.h"

#include <QDesktopServices>

UpdateOutcome UiUpdateCheck::run(Messenger &messenger, const Settings &settings, bool reporting)
{
    const QString installed = settings.progVer().isEmpty() ? QStringLiteral(SALVIA_VERSION) : settings.progVer();
    UpdateCheck check(messenger, settings.updateServer(), installed);
    const UpdateOutcome outcome = check.run(reporting);
    if (outcome != UpdateOutcome::NewerAccepted)
        return outcome;
    // Ending the program is only worth it when the update page really opened.
    if (!QDesktopServices::openUrl(check.updatePageUrl())) {
        messenger.showMessage(QStringLiteral("HIBA!"), Symbol::Error,
            QStringLiteral("A böngésző nem indítható.\rA frissítés oldala: ") + check.updatePageUrl().toString(),
            QStringLiteral("OK"));
        return UpdateOutcome::NewerDeclined;
    }
    return outcome;
}
