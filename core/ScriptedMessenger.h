#pragma once

#include "core/Messenger.h"

#include <QList>
#include <QQueue>
#include <QStringList>

// A Messenger for tests and windowless runs: records every message and answers from a queue.
// With an empty queue it answers as if the first button had been pressed (1 with no buttons).
class ScriptedMessenger : public Messenger
{
public:
    struct Shown
    {
        QString caption;
        int symbol = 0;
        QString text;
        QStringList buttons;
    };

    void answer(int result) { m_answers.enqueue(result); }

    int showMessage(const QString &caption, int symbol, const QString &text, const QString &button1 = QString(),
                    const QString &button2 = QString(), const QString &button3 = QString(),
                    const QString &button4 = QString()) override;
    void showProgress(const QString &text) override;
    void setProgressText(const QString &text) override;
    void hideProgress() override;

    const QList<Shown> &shown() const { return m_shown; }
    QStringList texts() const;
    const Shown &last() const { return m_shown.last(); }
    void clear() { m_shown.clear(); }
    bool progressVisible() const { return m_progressVisible; }
    const QStringList &progressTexts() const { return m_progressTexts; }

private:
    QList<Shown> m_shown;
    QQueue<int> m_answers;
    bool m_progressVisible = false;
    QStringList m_progressTexts;
};
