#pragma once

#include <QDate>
#include <QString>

// Asking the user for one date goes through this interface so that a test can drive any flow;
// the date prompt screen implements it.
class DatePrompt
{
public:
    virtual ~DatePrompt() = default;

    // What askDate returns when the prompt was closed without "OK"; callers take it as no date.
    static QDate noDate() { return QDate(1900, 1, 1); }

    // Shows the prompt with this label and the proposed date (today when none is given); the
    // chosen date, or noDate().
    virtual QDate askDate(const QString &label, const QDate &proposed = QDate()) = 0;
};
