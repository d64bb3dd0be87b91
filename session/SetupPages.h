#pragma once

#include "core/Refusal.h"

#include <QString>
#include <array>

class EngineConfig;
class Settings;

// What each page of the settings dialog shows and what its "&OK" writes, without a window. Each
// page reads salvia.ini once and writes its keys in one write of the file.
// Pages: 0 default values, 1 printing, 2 calculations, 3 dialogs, 5 operation (4, the users, is
// its own widget).
class SetupPages
{
public:
    // Each save answers a null refusal when the page's keys are stored and the dialog may close,
    // otherwise the refusal to show, naming the field to return to.
    struct Defaults
    {
        QString partner;
        QString fokszam;
        QString mertegys;
        QString csoport;
        QString afa;
        QString veszteseg;
    };

    struct Print
    {
        QString logoPath;
        // Footer11, Footer12, Footer21, Footer22, Footer31, Footer32, Footer41, Footer42.
        std::array<QString, 8> footers;
        bool enableFooter = true;
        QString footerWeekly;
    };

    struct Calc
    {
        int receptFo = 100;
        bool kiadAr = false;
    };

    struct Dialogs
    {
        bool display3D = false;
        bool displayNew = true;
        bool displayTetelWarning = true;
        bool displayModify = true;
        bool formatFloppy = true;
    };

    struct Operation
    {
        QString jegyzPath;
        QString mailaddr;
        QString netDir;
        bool disaLock = true;
        bool autoLeltar = false;
        bool showAFA = false;
        bool verChk = true;
    };

    static Defaults loadDefaults(const Settings &settings);
    static Refusal saveDefaults(Settings &settings, const Defaults &values);

    static Print loadPrint(const Settings &settings);
    static Refusal savePrint(Settings &settings, const Print &values);

    static Calc loadCalc(const Settings &settings);
    // The number of persons as typed: a whole number 1..100, otherwise refused (focus fleRecept).
    static Refusal saveCalc(Settings &settings, const QString &receptFoText, bool kiadAr);

    static Dialogs loadDialogs(const Settings &settings);
    static Refusal saveDialogs(Settings &settings, const Dialogs &values);
    // The message dialog's symbol offset for the 3D setting.
    static int symbolOffset(bool display3D) { return display3D ? 10 : 0; }

    // The network directory comes from the engine configuration; a changed one is written there
    // after the page's keys and takes effect at the next start. Accepted with true when it
    // changed: restartNotice() is due.
    static Operation loadOperation(const Settings &settings, const EngineConfig &engine);
    static Checked<bool> saveOperation(Settings &settings, EngineConfig &engine, const Operation &values);

    // The note-file dialog: starts in ProgramPath + "/szovegek"; a chosen name without an
    // extension that does not exist as typed gets ".txt".
    static QString noteFileDirectory(const Settings &settings);
    static QString noteFileFilter();
    static QString noteFileChoice(const QString &chosen);
    static QString logoFileFilter();

    static Refusal restartNotice();
    static QString receptFoRangeText();
};
