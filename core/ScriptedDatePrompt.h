#pragma once

#include "core/DatePrompt.h"

#include <QQueue>
#include <QStringList>

// A DatePrompt for tests and windowless runs: records every label asked and answers from a queue;
// with an empty queue it answers noDate() (closed without "OK").
class ScriptedDatePrompt : public DatePrompt
{
public:
    void answer(const QDate &date) { m_answers.enqueue(date); }
    QDate askDate(const QString &label) override;
    const QStringList &labels() const { return m_labels; }

private:
    QStringList m_labels;
    QQueue<QDate> m_answers;
};
