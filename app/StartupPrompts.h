#pragma once

#include "app/WorkYearPrompt.h"

#include <QString>
#include <QStringList>

// What the login dialog returns; the user name "exit" means it was closed without "OK".
struct LoginInput
{
    QString userName;
    QString password;
};

// The dialogs of the start-up sequence; the screens implement them, tests script them.
class StartupPrompts : public WorkYearPrompt
{
public:
    // First start: no database at dbPath. Shows the dialog that creates one (owner institution and
    // superuser); true when a database now exists there.
    virtual bool createDatabase(const QString &dbPath) = 0;

    // One login attempt with a fresh dialog.
    virtual LoginInput askLogin() = 0;

    // The warehouse choice with the first entry selected; the chosen position from 0, or -1 when
    // the dialog was closed without "OK".
    virtual int chooseWarehouse(const QStringList &names) = 0;
};
