#pragma once

struct Services;
class TFormMain;
class TfrmSetup;

// Registers every room's menu commands with the main window; the program and the command check's
// test both call this, so a menu command without its room's registration shows in the test.
void registerAllCommands(TFormMain &window, const Services &services, TfrmSetup &setup);
