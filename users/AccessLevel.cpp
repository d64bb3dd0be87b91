#include "users/AccessLevel.h"

namespace AccessLevel {

QString name(int level)
{
    switch (level) {
    case Full:
        return QStringLiteral("Teljes");
    case Administration:
        return QStringLiteral("Adminisztrációs");
    case User:
        return QStringLiteral("Felhasználói");
    case Superuser:
        return QStringLiteral("Superuser");
    default:
        return QString();
    }
}

QString label(int level)
{
    const QString text = name(level);
    if (text.isEmpty())
        return QStringLiteral("Hozzáférés: (") + QString::number(level) + QStringLiteral(")");
    return QStringLiteral("Hozzáférés: ") + text + QStringLiteral(" (") + QString::number(level) + QStringLiteral(")");
}

QString unknownUserLabel()
{
    return QStringLiteral("Hozzáférés: Felhasználó nem létezik");
}

bool managesUsers(int level)
{
    return level == Full || level == Superuser;
}

} // namespace AccessLevel
