#include "shell/MainWindowMessages.h"

#include "session/Settings.h"
#include "core/Messenger.h"
#include "core/Refusal.h"

#include <QRegularExpression>

namespace MainWindowMessages {

QString exitQuestionText()
{
    return QStringLiteral("Valóban ki akar lépni a programból?\rKészített biztonsági mentést?");
}

bool confirmExit(Messenger &messenger, bool askOnExit)
{
    if (!askOnExit)
        return true;
    const int answer = messenger.showMessage(QStringLiteral("Figyelmeztetés"), Symbol::Warning, exitQuestionText(),
        QStringLiteral("Igen"), QStringLiteral("Nem"));
    return answer != MsgResult::No;
}

QString workYearInfoText(const QString &munkaEv, const QString &lezartHo)
{
    return QStringLiteral("Aktív munkaév:  ") + munkaEv + QStringLiteral("\r") + QStringLiteral("Lezárt hónap:  ")
        + lezartHo;
}

void showWorkYearInfo(Messenger &messenger, const Settings &settings)
{
    Refusal::information(workYearInfoText(settings.munkaEv(), settings.lezartHo())).show(messenger);
}

QString programVersion(const QString &built, bool *ok)
{
    static const QRegularExpression fourNumbers(QStringLiteral("^\\d+\\.\\d+\\.\\d+\\.\\d+$"));
    const bool valid = fourNumbers.match(built.trimmed()).hasMatch();
    if (ok)
        *ok = valid;
    return valid ? built.trimmed() : QStringLiteral("0.0.0.0");
}

QString noVersionText()
{
    return QStringLiteral("Nincs verzió információ a fájlban!");
}

} // namespace MainWindowMessages
