#pragma once

#include <QString>
#include <functional>

// The work-year dialog as the work-year reading uses it; the screen implements it, tests script it.
class WorkYearPrompt
{
public:
    virtual ~WorkYearPrompt() = default;

    // Shows the message with the year (not editable); returns when "OK" is pressed.
    virtual void showYear(const QString &message, const QString &year) = 0;

    // Opening mode: shows the message with the proposed year (editable). Every "OK" calls
    // accept(typed text); the dialog stays open until accept returns true, and when accept
    // returns false the year is editable again under the original message.
    virtual void askYear(
        const QString &message, const QString &proposedYear, const std::function<bool(const QString &)> &accept)
        = 0;

    // While accept runs: makes the year read-only and replaces the message.
    virtual void showOpeningMessage(const QString &message) = 0;
};
