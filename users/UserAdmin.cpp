#include "users/UserAdmin.h"

#include "users/AccessLevel.h"
#include "users/Login.h"
#include "users/LoginTable.h"
#include "core/Messenger.h"
#include "core/PasswordHash.h"

namespace {
const QString IdentityError = QStringLiteral("Azonosítási hiba!");
const QString PasswordError = QStringLiteral("Jelszó hiba!");
const QString NoSuchUser = QStringLiteral("A módosítandó felhasználó nem létezik!");
const QString WrongOldPassword = QStringLiteral("A megadott régi jelszó hibás!");
const QString EmptyPassword = QStringLiteral("A jelszó nem lehet nulla hosszúságú!");
} // namespace

UserAdmin::UserAdmin(const QString &dbPath, Messenger &messenger, const QString &loginUser, int loginLevel)
    : m_dbPath(dbPath)
    , m_messenger(messenger)
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

bool UserAdmin::refuse(const QString &caption, const QString &text, const QString &field)
{
    m_focusField = field;
    m_messenger.showMessage(caption, Symbol::Error, text, QStringLiteral("OK"));
    return false;
}

bool UserAdmin::writeFailed(const QString &error)
{
    m_focusField.clear();
    m_messenger.showMessage(QStringLiteral("HIBA!"), Symbol::Error,
        QStringLiteral("A felhasználói adatok írása nem sikerült:\r") + error, QStringLiteral("OK"));
    return false;
}

bool UserAdmin::changePassword(
    const QString &userName, const QString &oldPassword, const QString &newPassword, const QString &newPasswordAgain)
{
    const QString userField = QStringLiteral("edtUserName");
    LoginTable table(m_dbPath);
    const std::optional<LoginRow> row = table.find(userName);
    if (!row)
        return refuse(IdentityError, NoSuchUser, userField);
    if (row->securLevel == AccessLevel::Superuser)
        return refuse(IdentityError, QStringLiteral("A Superuser adatai nem módosíthatóak!"), userField);
    if (m_loginLevel != AccessLevel::Superuser && !PasswordHash::verify(row->password, oldPassword))
        return refuse(PasswordError, WrongOldPassword, QStringLiteral("edtOldPass"));
    if (newPassword.isEmpty())
        return refuse(PasswordError, EmptyPassword, QStringLiteral("edtNewPass"));
    if (newPassword != newPasswordAgain)
        return refuse(
            PasswordError, QStringLiteral("A megadott új jelszavak nem egyeznek!"), QStringLiteral("edtNewPass2"));

    const QString hash = PasswordHash::hash(newPassword);
    if (hash.isEmpty())
        return writeFailed(QStringLiteral("A jelszó titkosítása nem sikerült."));
    if (!table.setPassword(userName, hash)) {
        // Deleted on another computer since the check.
        if (table.lastError().isEmpty())
            return refuse(IdentityError, NoSuchUser, userField);
        return writeFailed(table.lastError());
    }
    m_focusField.clear();
    m_messenger.showMessage(QStringLiteral("Információ"), Symbol::Information,
        QStringLiteral("A jelszót megváltoztattam.\rKérem jegyezze meg jól, mert elvesztése\r"
                       "esetén nincs mód a visszanyerésére!"),
        QStringLiteral("OK"));
    return true;
}

UserAdmin::DeleteOutcome UserAdmin::deleteUser(const QString &userName, const QString &oldPassword)
{
    const QString userField = QStringLiteral("edtUserName");
    LoginTable table(m_dbPath);
    const std::optional<LoginRow> row = table.find(userName);
    if (!row) {
        refuse(IdentityError, NoSuchUser, userField);
        return DeleteOutcome::Refused;
    }
    if (row->securLevel == AccessLevel::Superuser) {
        refuse(IdentityError, QStringLiteral("A Superuser nem törölhető!"), userField);
        return DeleteOutcome::Refused;
    }
    if (m_loginLevel != AccessLevel::Superuser && !PasswordHash::verify(row->password, oldPassword)) {
        refuse(PasswordError, WrongOldPassword, QStringLiteral("edtOldPass"));
        return DeleteOutcome::Refused;
    }

    m_focusField.clear();
    const int answer = m_messenger.showMessage(QStringLiteral("Megerősítés"), Symbol::Warning,
        QStringLiteral("Valóban törli a ") + userName + QStringLiteral(" felhasználót?") + QStringLiteral("\r")
            + QStringLiteral("Ha a saját azonosítóját törli kizárja a rendszer!"),
        QStringLiteral("Igen"), QStringLiteral("Nem"));
    if (answer != MsgResult::Yes)
        return DeleteOutcome::Declined;

    // A row deleted on another computer meanwhile is gone all the same.
    if (!table.remove(userName) && !table.lastError().isEmpty()) {
        writeFailed(table.lastError());
        return DeleteOutcome::Refused;
    }
    if (userName != m_loginUser)
        return DeleteOutcome::Deleted;
    m_messenger.showMessage(QStringLiteral("Információ"), Symbol::Information,
        QStringLiteral("Kizárta a rendszer. Indítsa újra a programot!"), QStringLiteral("OK"));
    return DeleteOutcome::DeletedSelf;
}

bool UserAdmin::createUser(const QString &userName, const QString &password, const QString &passwordAgain, int level)
{
    const QString caption = QStringLiteral("Hiba!");
    LoginTable table(m_dbPath);
    if (userName.isEmpty() || table.find(userName))
        return refuse(caption, QStringLiteral("A felhasználó már létezik, vagy nem adott meg semmit!"),
            QStringLiteral("edtNewUserName"));
    // The login dialog answers "exit" when it is closed, so a user of that name could never log in.
    if (userName == Login::cancelName())
        return refuse(
            caption, QStringLiteral("Ez a felhasználónév nem használható: exit"), QStringLiteral("edtNewUserName"));
    if (password.isEmpty())
        return refuse(caption, EmptyPassword, QStringLiteral("edtNewPas1"));
    if (password != passwordAgain)
        return refuse(caption, QStringLiteral("A jelszavak nem egyeznek!"), QStringLiteral("edtNewPas2"));
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
            return refuse(caption, QStringLiteral("A felhasználó már létezik, vagy nem adott meg semmit!"),
                QStringLiteral("edtNewUserName"));
        return writeFailed(error);
    }
    m_focusField.clear();
    m_messenger.showMessage(QStringLiteral("Információ"), Symbol::Information,
        QStringLiteral("Az új belépés létrehozva."), QStringLiteral("OK"));
    return true;
}
