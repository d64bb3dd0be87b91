#include "core/ScriptedDatePrompt.h"

QDate ScriptedDatePrompt::askDate(const QString &label, const QDate &proposed)
{
    m_labels.append(label);
    m_proposals.append(proposed);
    return m_answers.isEmpty() ? noDate() : m_answers.dequeue();
}
