#pragma once

class Settings;
class TFormMain;
class TfrmDialog;

// Connects the main window's start-up timer to the start-up sequence with the real dialogs, and
// its work-year follow-up (after a monthly closing or a restore) to the work-year reading.
namespace UiStartup {

void install(TFormMain &window, TfrmDialog &dialog, Settings &settings);

} // namespace UiStartup
