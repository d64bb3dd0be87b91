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
    QDate askDate(const QString &label, const QDate &proposed = QDate()) override;
    const QStringList &labels() const { return m_labels; }
    // The date each question proposed (invalid for today).
    const QList<QDate> &proposals() const { return m_proposals; }

private:
    QStringList m_labels;
    QList<QDate> m_proposals;
    QQueue<QDate> m_answers;
};
