#pragma once

class Messenger;
class Settings;
class TFormMain;
class TfrmSetup;

// Registers the main-menu commands of the shell itself: the settings dialog's pages 0, 1, 2, 3 and 5
// (the dialog lives for the whole run; each command shows its page), the run parameters, the help
// viewer (help commands, F1 on the main window, the settings dialog's "&Súgó") and the about box.
void registerShellCommands(TFormMain &window, Settings &settings, Messenger &messenger, TfrmSetup &setup);
