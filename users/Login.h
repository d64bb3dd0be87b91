#pragma once

#include "core/Refusal.h"

#include <QString>
#include <functional>

class Messenger;
class Settings;

// What the login dialog returned; the user name "exit" means the dialog was cancelled.
struct LoginEntry
{
    QString userName;
    QString password;
};

// The login against the shared user table.
class Login
{
public:
    // Unreadable: the user table could not be read (a damaged or unreachable database).
    enum Result { Success = 0, UnknownUser = 1, WrongPassword = 2, Cancelled = 3, Unreadable = 4 };

    // The user name the login dialog returns when it was closed without "OK".
    static QString cancelName();

    // One attempt with what the login dialog returned. On success sets LoginUser, SecurLevel and
    // SecurName of the settings object.
    static Result check(const QString &dbPath, const LoginEntry &entry, Settings &settings);
    // The message of a failed attempt (UnknownUser, WrongPassword); null for the others.
    static Refusal refusal(Result result);
    // The message of a database whose user table cannot be read (caption "HIBA!"): the program
    // cannot start, and the cause says why.
    static Refusal unreadable(const QString &dbPath, const QString &cause);

    // The start-up's login: up to three failed attempts, each entry taken from ask() (a fresh
    // login dialog each time), each failure reported, a cancelled dialog ends the attempts at once.
    // Unless a login succeeded shows the final "STOP!" message and returns false: the caller then
    // ends the program without the exit question. A user table that cannot be read is said as
    // such, once, instead of a wrong user name, and ends the attempts.
    static bool run(
        const std::function<LoginEntry()> &ask, Messenger &messenger, const QString &dbPath, Settings &settings);

    static constexpr int MaxAttempts = 3;
};
