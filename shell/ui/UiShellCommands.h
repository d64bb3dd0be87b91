#pragma once

class FilePrompt;
class Messenger;
class Settings;
class TFormMain;
class TfrmSetup;

// Registers the main-menu commands of the shell itself: the settings dialog's six pages (the dialog
// lives for the whole run; each command shows its page, page 4 holds the users page), the run
// parameters, the help viewer (help commands, F1 on the main window, the settings dialog's
// "&Súgó"), the about box, the update check, the text editor and printing from a saved file.
void registerShellCommands(TFormMain &window, Settings &settings, Messenger &messenger, FilePrompt &filePrompt,
                           TfrmSetup &setup);
