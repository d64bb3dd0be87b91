#pragma once

#include "core/ScriptedDatePrompt.h"
#include "core/ScriptedFilePrompt.h"
#include "core/ScriptedMessenger.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "support/TempDatabase.h"

#include <QDate>
#include <QString>
#include <QTemporaryDir>

// A screen test's world: a fresh database, a temporary program directory, the settings on
// warehouse 1, scripted messages, file and date prompts (no date chosen unless one is queued),
// and the services object a screen takes over them.
struct ScreenRun
{
    TempDatabase db;
    QTemporaryDir programDir;
    Settings settings;
    ScriptedMessenger messenger;
    ScriptedFilePrompt files;
    ScriptedDatePrompt dates;
    Services services {settings, messenger, files, dates};

    explicit ScreenRun(const QDate &today = QDate::currentDate(), const QString &engine = QStringLiteral("sqlite"));

    QSqlDatabase warehouse(int number = 1) const { return db.warehouse(number); }
    // Runs a statement in a warehouse; a failure fails the test, naming the statement and its error.
    void exec(const QString &sql, int warehouse = 1) const;
    // The first field of the query's first row; "-" when there is none.
    QString value(const QString &sql, int warehouse = 1) const;
};
