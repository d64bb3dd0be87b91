#pragma once

#include <QString>

// The access levels of the users (SecurLevel) and their texts.
namespace AccessLevel {
constexpr int Full = 1;
constexpr int Administration = 2;
constexpr int User = 3;
constexpr int Superuser = 5;

// "Teljes", "Adminisztrációs", "Felhasználói", "Superuser"; empty for any other level.
QString name(int level);
// The users page's label: "Hozzáférés: Teljes (1)" ...
QString label(int level);
// The users page's label for a name that is not in the login table.
QString unknownUserLabel();
// Levels that may create and delete users and change any password.
bool managesUsers(int level);
} // namespace AccessLevel
