#pragma once

#include "users/Login.h"
#include "stock/WorkYearPrompt.h"

#include <QString>
#include <QStringList>

// The dialogs of the start-up sequence; the screens implement them, tests script them.
class StartupPrompts : public WorkYearPrompt
{
public:
    // First start: no database at dbPath. Shows the dialog that creates one (owner institution and
    // superuser); true when a database now exists there.
    virtual bool createDatabase(const QString &dbPath) = 0;

    // One login attempt with a fresh dialog; the user name "exit" when it was closed without "OK".
    virtual LoginEntry askLogin() = 0;

    // The warehouse choice with the first entry selected; the chosen position from 0, or -1 when
    // the dialog was closed without "OK".
    virtual int chooseWarehouse(const QStringList &names) = 0;
};
