#include "core/ScriptedMessenger.h"

int ScriptedMessenger::showMessage(const QString &caption, int symbol, const QString &text, const QString &button1,
                                   const QString &button2, const QString &button3, const QString &button4)
{
    m_progressVisible = false;
    Shown shown{caption, symbol, text, {}};
    for (const QString &button : {button1, button2, button3, button4}) {
        if (!button.isEmpty())
            shown.buttons << button;
    }
    m_shown << shown;
    if (!m_answers.isEmpty())
        return m_answers.dequeue();
    return shown.buttons.isEmpty() ? MsgResult::Ok : buttonResult(shown.buttons.first());
}

void ScriptedMessenger::showProgress(const QString &text)
{
    m_progressVisible = true;
    m_progressTexts << text;
}

void ScriptedMessenger::setProgressText(const QString &text)
{
    m_progressTexts << text;
}

void ScriptedMessenger::hideProgress()
{
    m_progressVisible = false;
}

QStringList ScriptedMessenger::texts() const
{
    QStringList result;
    for (const Shown &shown : m_shown)
        result << shown.text;
    return result;
}
