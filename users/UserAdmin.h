#pragma once

#include <QString>

class Messenger;

// The users page's operations on the shared user table: change a password, delete a user, create
// a user. Every check runs before anything is written and shows its message; passwords are stored
// as Argon2id hashes and never shown or turned back.
class UserAdmin
{
public:
    enum class DeleteOutcome {
        Refused, // a check failed (message shown), nothing deleted
        Declined, // the user answered "Nem"
        Deleted, // another user's row was deleted
        DeletedSelf // the logged-in user deleted the own login: the program must end
    };

    UserAdmin(const QString &dbPath, Messenger &messenger, const QString &loginUser, int loginLevel);

    // The level label of a user name for the page ("Hozzáférés: Teljes (1)"), or the label of a
    // name that does not exist.
    QString levelLabel(const QString &userName);

    // Checks and stores a new password of userName; oldPassword is not asked of a superuser.
    bool changePassword(const QString &userName, const QString &oldPassword, const QString &newPassword,
        const QString &newPasswordAgain);
    // Checks, asks for confirmation and deletes userName.
    DeleteOutcome deleteUser(const QString &userName, const QString &oldPassword);
    // Checks and creates a user of level 1, 2 or 3.
    bool createUser(const QString &userName, const QString &password, const QString &passwordAgain, int level);

    // The objectName of the page field that the last refusal is about; empty after a success.
    QString focusField() const { return m_focusField; }

private:
    bool refuse(const QString &caption, const QString &text, const QString &field);
    bool writeFailed(const QString &error);

    QString m_dbPath;
    Messenger &m_messenger;
    QString m_loginUser;
    int m_loginLevel;
    QString m_focusField;
};
