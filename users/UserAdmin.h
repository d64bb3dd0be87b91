#pragma once

#include "core/Refusal.h"

#include <QString>

class Messenger;

// The users page's operations on the shared user table: change a password, delete a user, create
// a user. Every check runs before anything is written and its refusal is returned for the page to
// show; passwords are stored as Argon2id hashes and never shown or turned back.
class UserAdmin
{
public:
    enum class DeleteOutcome {
        Declined, // the user answered "Nem"
        Deleted, // another user's row was deleted
        DeletedSelf // the logged-in user deleted the own login: the program must end
    };

    UserAdmin(const QString &dbPath, const QString &loginUser, int loginLevel);

    // The level label of a user name for the page ("Hozzáférés: Teljes (1)"), or the label of a
    // name that does not exist.
    QString levelLabel(const QString &userName);

    // Checks and stores a new password of userName; oldPassword is not asked of a superuser.
    // A null refusal: stored, and passwordChangedNotice() is due.
    Refusal changePassword(const QString &userName, const QString &oldPassword, const QString &newPassword,
        const QString &newPasswordAgain);
    // Checks, asks the confirmation question through the messenger and deletes userName.
    Checked<DeleteOutcome> deleteUser(const QString &userName, const QString &oldPassword, Messenger &messenger);
    // Checks and creates a user of level 1, 2 or 3. A null refusal: created, userCreatedNotice() is due.
    Refusal createUser(const QString &userName, const QString &password, const QString &passwordAgain, int level);

    static Refusal passwordChangedNotice();
    static Refusal userCreatedNotice();
    // After DeletedSelf, before the program ends.
    static Refusal deletedSelfNotice();

private:
    QString m_dbPath;
    QString m_loginUser;
    int m_loginLevel;
};
