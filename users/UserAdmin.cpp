#include "users/UserAdmin.h"

#include "users/AccessLevel.h"
#include "users/Login.h"
#include "users/LoginTable.h"
#include "core/Messenger.h"
#include "core/PasswordHash.h"

namespace {
const QString UserField = QStringLiteral("edtUserName");
const QString NewUserField = QStringLiteral("edtNewUserName");
const QString EmptyPassword = QStringLiteral("A jelszó nem lehet nulla hosszúságú!");
const QString NameTaken = QStringLiteral("A felhasználó már létezik, vagy nem adott meg semmit!");

Refusal identityError(const QString &text)
{
    return Refusal{QStringLiteral("Azonosítási hiba!"), Symbol::Error, text, UserField};
}

Refusal noSuchUser()
{
    return identityError(QStringLiteral("A módosítandó felhasználó nem létezik!"));
}

Refusal passwordError(const QString &text, const QString &field)
{
    return Refusal{QStringLiteral("Jelszó hiba!"), Symbol::Error, text, field};
}

Refusal wrongOldPassword()
{
    return passwordError(QStringLiteral("A megadott régi jelszó hibás!"), QStringLiteral("edtOldPass"));
}

// The users page's creation part has its own caption.
Refusal creationError(const QString &text, const QString &field)
{
    return Refusal{QStringLiteral("Hiba!"), Symbol::Error, text, field};
}

Refusal writeFailed(const QString &error)
{
    return Refusal::error(QStringLiteral("A felhasználói adatok írása nem sikerült:\r") + error);
}
} // namespace

UserAdmin::UserAdmin(const QString &dbPath, const QString &loginUser, int loginLevel)
    : m_dbPath(dbPath)
    , m_loginUser(loginUser)
    , m_loginLevel(loginLevel)
{
}

QString UserAdmin::levelLabel(const QString &userName)
{
    LoginTable table(m_dbPath);
    const std::optional<LoginRow> row = table.find(userName);
    return row ? AccessLevel::label(row->securLevel) : AccessLevel::unknownUserLabel();
}

Refusal UserAdmin::passwordChangedNotice()
{
    return Refusal::information(QStringLiteral("A jelszót megváltoztattam.\rKérem jegyezze meg jól, mert elvesztése\r"
                                               "esetén nincs mód a visszanyerésére!"));
}

Refusal UserAdmin::userCreatedNotice()
{
    return Refusal::information(QStringLiteral("Az új belépés létrehozva."));
}

Refusal UserAdmin::deletedSelfNotice()
{
    return Refusal::information(QStringLiteral("Kizárta a rendszer. Indítsa újra a programot!"));
}

Refusal UserAdmin::changePassword(
    const QString &userName, const QString &oldPassword, const QString &newPassword, const QString &newPasswordAgain)
{
    LoginTable table(m_dbPath);
    const std::optional<LoginRow> row = table.find(userName);
    if (!row)
        return noSuchUser();
    if (row->securLevel == AccessLevel::Superuser)
        return identityError(QStringLiteral("A Superuser adatai nem módosíthatóak!"));
    if (m_loginLevel != AccessLevel::Superuser && !PasswordHash::verify(row->password, oldPassword))
        return wrongOldPassword();
    if (newPassword.isEmpty())
        return passwordError(EmptyPassword, QStringLiteral("edtNewPass"));
    if (newPassword != newPasswordAgain)
        return passwordError(QStringLiteral("A megadott új jelszavak nem egyeznek!"), QStringLiteral("edtNewPass2"));

    const QString hash = PasswordHash::hash(newPassword);
    if (hash.isEmpty())
        return writeFailed(QStringLiteral("A jelszó titkosítása nem sikerült."));
    if (!table.setPassword(userName, hash)) {
        // Deleted on another computer since the check.
        if (table.lastError().isEmpty())
            return noSuchUser();
        return writeFailed(table.lastError());
    }
    return Refusal();
}

Checked<UserAdmin::DeleteOutcome> UserAdmin::deleteUser(
    const QString &userName, const QString &oldPassword, Messenger &messenger)
{
    using Result = Checked<DeleteOutcome>;
    LoginTable table(m_dbPath);
    const std::optional<LoginRow> row = table.find(userName);
    if (!row)
        return Result::refused(noSuchUser());
    if (row->securLevel == AccessLevel::Superuser)
        return Result::refused(identityError(QStringLiteral("A Superuser nem törölhető!")));
    if (m_loginLevel != AccessLevel::Superuser && !PasswordHash::verify(row->password, oldPassword))
        return Result::refused(wrongOldPassword());

    const int answer = messenger.showMessage(QStringLiteral("Megerősítés"), Symbol::Warning,
        QStringLiteral("Valóban törli a ") + userName + QStringLiteral(" felhasználót?") + QStringLiteral("\r")
            + QStringLiteral("Ha a saját azonosítóját törli kizárja a rendszer!"),
        QStringLiteral("Igen"), QStringLiteral("Nem"));
    if (answer != MsgResult::Yes)
        return Result::accepted(DeleteOutcome::Declined);

    // A row deleted on another computer meanwhile is gone all the same.
    if (!table.remove(userName) && !table.lastError().isEmpty())
        return Result::refused(writeFailed(table.lastError()));
    return Result::accepted(userName == m_loginUser ? DeleteOutcome::DeletedSelf : DeleteOutcome::Deleted);
}

Refusal UserAdmin::createUser(const QString &userName, const QString &password, const QString &passwordAgain, int level)
{
    LoginTable table(m_dbPath);
    if (userName.isEmpty() || table.find(userName))
        return creationError(NameTaken, NewUserField);
    // The login dialog answers "exit" when it is closed, so a user of that name could never log in.
    if (userName == Login::cancelName())
        return creationError(QStringLiteral("Ez a felhasználónév nem használható: exit"), NewUserField);
    if (password.isEmpty())
        return creationError(EmptyPassword, QStringLiteral("edtNewPas1"));
    if (password != passwordAgain)
        return creationError(QStringLiteral("A jelszavak nem egyeznek!"), QStringLiteral("edtNewPas2"));
    // Superusers come with the database only.
    if (level != AccessLevel::Full && level != AccessLevel::Administration && level != AccessLevel::User)
        return writeFailed(QStringLiteral("Érvénytelen biztonsági szint: ") + QString::number(level));

    const QString hash = PasswordHash::hash(password);
    if (hash.isEmpty())
        return writeFailed(QStringLiteral("A jelszó titkosítása nem sikerült."));
    if (!table.insert(LoginRow {userName, hash, level})) {
        const QString error = table.lastError();
        // Created on another computer since the check.
        if (table.find(userName))
            return creationError(NameTaken, NewUserField);
        return writeFailed(error);
    }
    return Refusal();
}
