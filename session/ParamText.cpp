#include "session/ParamText.h"

#include "session/Settings.h"
#include "core/Dates.h"

namespace ParamText {

QString wrapPath(const QString &path)
{
    if (path.size() <= 30)
        return path;
    return path.left(29) + QLatin1Char('\n') + path.mid(29, 250);
}

QList<QPair<QString, QString>> lines(const Settings &settings)
{
    return {
        {QStringLiteral("ProgramPath:"), wrapPath(settings.programPath())},
        {QStringLiteral("DbPath:"), wrapPath(settings.dbPath())},
        {QStringLiteral("LoginUser:"), settings.loginUser()},
        {QStringLiteral("SecurLevel:"), QString::number(settings.securLevel())},
        {QStringLiteral("SecurName:"), settings.securName()},
        {QStringLiteral("AktivRaktar:"), QString::number(settings.aktivRaktar())},
        {QStringLiteral("AktivRaktarNev:"), settings.aktivRaktarNev()},
        {QStringLiteral("MunkaEv:"), settings.munkaEv()},
        {QStringLiteral("LezartHo:"), settings.lezartHo()},
        {QStringLiteral("LezartHoDat:"), Dates::shortText(settings.lezartHoDat())},
        {QStringLiteral("BDEalias:"), settings.bdeAlias()},
        {QStringLiteral("IsPrinter:"), QString::number(settings.isPrinter())},
        {QStringLiteral("ProgVer:"), settings.progVer()},
        {QStringLiteral("DbMinVer:"), settings.dbMinVer()},
    };
}

} // namespace ParamText
