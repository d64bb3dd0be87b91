#pragma once

#include "session/Settings.h"

#include <QString>

// The distributor of the program: shown in the about box; its web site is opened by
// "Salvia az interneten".
namespace Vendor {

inline QString productName()
{
    return QStringLiteral("Salvia");
}
inline QString name()
{
    return QStringLiteral("Salvia Szoftver Kft.");
}
inline QString postalAddress()
{
    return QStringLiteral("1111 Budapest, Minta utca 1.");
}
inline QString phone()
{
    return QStringLiteral("+36 1 234 5678");
}
inline QString fax()
{
    return QStringLiteral("+36 1 234 5679");
}
inline QString webAddress()
{
    return Settings::vendorServerAddress();
}
inline QString mailAddress()
{
    return Settings::vendorSupportAddress();
}
inline QString managerName()
{
    return QStringLiteral("Kovács Gábor");
}
inline QString managerPhone()
{
    return QStringLiteral("+36 30 123 4567");
}

} // namespace Vendor
