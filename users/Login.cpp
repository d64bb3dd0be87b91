#include "users/Login.h"

#include "users/AccessLevel.h"
#include "users/LoginTable.h"
#include "session/Settings.h"
#include "core/Messenger.h"
#include "core/PasswordHash.h"
#include "store/Database.h"
#include "store/EngineError.h"

#include <QDir>

QString Login::cancelName()
{
    return QStringLiteral("exit");
}

Login::Result Login::check(const QString &dbPath, const LoginEntry &entry, Settings &settings)
{
    if (entry.userName == cancelName())
        return Cancelled;
    LoginTable table(dbPath);
    const std::optional<LoginRow> row = table.find(entry.userName);
    if (!row)
        return table.lastError().isEmpty() ? UnknownUser : Unreadable;
    if (!PasswordHash::verify(row->password, entry.password))
        return WrongPassword;
    settings.setLoginUser(entry.userName);
    settings.setSecurLevel(row->securLevel);
    settings.setSecurName(AccessLevel::name(row->securLevel));
    return Success;
}

Refusal Login::refusal(Result result)
{
    switch (result) {
    case UnknownUser:
        return Refusal{QStringLiteral("HIBA!"), Symbol::Sad, QStringLiteral("Hibás felhasználónév!")};
    case WrongPassword:
        return Refusal{QStringLiteral("HIBA!"), Symbol::Sad, QStringLiteral("Hibás jelszó!")};
    case Success:
    case Cancelled:
    case Unreadable:
        break;
    }
    return Refusal();
}

Refusal Login::unreadable(const QString &dbPath, const QString &cause)
{
    const QString where = Database::isServerLocation(dbPath) ? Database::serverName(dbPath)
                                                              : QDir::toNativeSeparators(Database::sharedFile(dbPath));
    return Refusal{QStringLiteral("HIBA!"), Symbol::Error,
        QStringLiteral("Az adatbázis nem olvasható, a program nem indítható:\r") + where + EngineError::causeLine(cause)};
}

bool Login::run(const std::function<LoginEntry()> &ask, Messenger &messenger, const QString &dbPath, Settings &settings)
{
    if (const QString problem = LoginTable(dbPath).readProblem(); !problem.isEmpty()) {
        unreadable(dbPath, problem).show(messenger);
        return false;
    }
    for (int attempt = 0; attempt < MaxAttempts; ++attempt) {
        const Result result = check(dbPath, ask(), settings);
        if (result == Success)
            return true;
        if (result == Cancelled)
            break;
        if (result == Unreadable) {
            unreadable(dbPath, LoginTable(dbPath).readProblem()).show(messenger);
            return false;
        }
        refusal(result).show(messenger);
    }
    Refusal{QStringLiteral("STOP!"), Symbol::Stop,
        QStringLiteral("Hibás felhasználó azonosítás!\rA program biztonsági okból kilép.")}
        .show(messenger);
    return false;
}
