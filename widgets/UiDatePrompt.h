#pragma once

#include "core/DatePrompt.h"

class QWidget;

// The date prompt on screen: a fresh TfrmDatum for each question.
class UiDatePrompt : public DatePrompt
{
public:
    explicit UiDatePrompt(QWidget *parent = nullptr)
        : m_parent(parent)
    {
    }

    QDate askDate(const QString &label, const QDate &proposed = QDate()) override;

private:
    QWidget *m_parent;
};
