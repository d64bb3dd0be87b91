#include "core/ScriptedDatePrompt.h"

QDate ScriptedDatePrompt::askDate(const QString &label)
{
    m_labels.append(label);
    return m_answers.isEmpty() ? noDate() : m_answers.dequeue();
}
