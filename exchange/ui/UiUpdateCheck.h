#pragma once

#include "exchange/UpdateCheck.h"

class Messenger;
class Settings;

// The update check as the main window runs it: server and installed version from the settings,
// and on an accepted newer version the vendor's update page opened in the default browser.
// On NewerAccepted the caller ends the program without the exit question.
class UiUpdateCheck
{
public:
    static UpdateOutcome run(Messenger &messenger, const Settings &settings, bool reporting);
};
