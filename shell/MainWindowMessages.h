#pragma once

#include <QString>

class Messenger;
class Settings;

// The main window's own messages and the decisions behind them.
namespace MainWindowMessages {

// The exit question; true when the program may end. Only the answer "Nem" keeps it running:
// closing the question ends it too. With asking off it ends without a word.
bool confirmExit(Messenger &messenger, bool askOnExit);
QString exitQuestionText();

// The work-year information of the "Munkaév/zárás lekérése" command.
QString workYearInfoText(const QString &munkaEv, const QString &lezartHo);
void showWorkYearInfo(Messenger &messenger, const Settings &settings);

// The program version: four numbers joined by "." from the build, "0.0.0.0" when the build
// carries none (then *ok is false and noVersionText() is the error to show).
QString programVersion(const QString &built, bool *ok = nullptr);
QString noVersionText();

} // namespace MainWindowMessages
