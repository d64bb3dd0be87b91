#pragma once

#include <QDate>
#include <QString>

class Messenger;
class Settings;
class WorkYearPrompt;

// Reads the active work year and the last monthly closing of the active warehouse into the
// settings object; opens a new year when none is active.
class WorkYear
{
public:
    WorkYear(Settings &settings, Messenger &messenger, WorkYearPrompt &prompt);

    // The date the clock comparison and the proposed year use; today unless set (tests).
    void setToday(const QDate &today) { m_today = today; }

    static QString clockMismatchText();
    static QString noActiveYearText();
    // Caption "HIBA!", symbol 2: the warehouse's tables could not be read or written.
    static QString readFailureText();

    // "yyyy. mmmm" with the Hungarian month name: "2006. március".
    static QString closedMonthText(const QDate &date);

    // Sets MunkaEv, LezartHo and LezartHoDat. False when the tables cannot be read or a new year
    // cannot be written (the message has been shown): there is no year to work in.
    bool read();

private:
    bool openNewYear();

    Settings &m_settings;
    Messenger &m_messenger;
    WorkYearPrompt &m_prompt;
    QDate m_today;
};
