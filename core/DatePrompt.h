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

    // Shows the prompt with this label and today's date; the chosen date, or noDate().
    virtual QDate askDate(const QString &label) = 0;
};
