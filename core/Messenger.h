#pragma once

#include <QString>

// Symbol numbers of the message dialog.
namespace Symbol {
constexpr int Warning = 1;
constexpr int Error = 2;
constexpr int Information = 3;
constexpr int Question = 4;
constexpr int Smile = 5;
constexpr int Sad = 6;
constexpr int Key = 7;
constexpr int Stop = 8;
constexpr int Stopwatch = 9;
} // namespace Symbol

// Results of the message dialog's buttons; a closed dialog answers Cancel.
namespace MsgResult {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Abort = 3;
constexpr int Retry = 4;
constexpr int Undo = 5;
constexpr int Yes = 6;
constexpr int No = 7;
constexpr int Help = 8;
} // namespace MsgResult

// The result a button of the given caption answers with ("OK" 1, "Mégse" 2, "Igen" 6 ...);
// 0 for a caption that is not a known button.
int buttonResult(const QString &caption);

// Every message, question and progress notice of the program goes through this interface:
// the message dialog implements it on screen, tests answer from a script.
class Messenger
{
public:
    virtual ~Messenger() = default;

    // Shows a modal message ("\r" breaks a line) with up to four buttons, returns the result
    // of the pressed button (MsgResult).
    virtual int showMessage(const QString &caption, int symbol, const QString &text,
                            const QString &button1 = QString(), const QString &button2 = QString(),
                            const QString &button3 = QString(), const QString &button4 = QString()) = 0;

    // The non-modal progress notice (caption "Folyamat", stopwatch symbol, no buttons): shown until
    // hideProgress() or the next modal message.
    virtual void showProgress(const QString &text) = 0;
    virtual void setProgressText(const QString &text) = 0;
    virtual void hideProgress() = 0;
};
