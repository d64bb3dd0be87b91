#pragma once

class Settings;
class TFormMain;
class TfrmSetup;

// Registers the main-menu commands served by the settings dialog (pages 0, 1, 2, 3 and 5) and the
// run-parameters screen. The settings dialog lives for the whole run; each command shows its page.
void registerShellCommands(TFormMain &window, Settings &settings, TfrmSetup &setup);
