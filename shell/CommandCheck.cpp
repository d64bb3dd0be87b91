#include "shell/CommandCheck.h"

#include "shell/MainMenuModel.h"

namespace CommandCheck {

const QStringList &unbuiltCommands()
{
    // One per line, so that each room removes its own as it builds them.
    static const QStringList names = {
        QStringLiteral("Fknyviszmok1"),
        QStringLiteral("Mozgsnemek1"),
        QStringLiteral("FAkdtr1"),
        QStringLiteral("Mrtkegysgkdtr1"),
        QStringLiteral("Allergnanyagok1"),
        QStringLiteral("Vesztesgikdok1"),
        QStringLiteral("tkezsinormk1"),
        QStringLiteral("tkezstipusok1"),
        QStringLiteral("tkezsek1"),
        QStringLiteral("salvia1"),
        QStringLiteral("Receptek1"),
        QStringLiteral("Partnerek1"),
        QStringLiteral("zemekkarbantartsa1"),
        QStringLiteral("Bevtelibizonylat1"),
        QStringLiteral("Anyagkiads1"),
        QStringLiteral("Kiszabat1"),
        QStringLiteral("tlapkszts1"),
        QStringLiteral("Ltszmfelvitele1"),
        QStringLiteral("Bevtelibizonylatmdosts1"),
        QStringLiteral("Bevtelibizonylattrls1"),
        QStringLiteral("Kiadsibizonylatmdosts1"),
        QStringLiteral("Kiadsibizonylattrls1"),
        QStringLiteral("Kiadsibizonylattrls2"),
        QStringLiteral("Napikiszabattrls1"),
        QStringLiteral("Napizrs1"),
        QStringLiteral("Munkavlezrsa1"),
        QStringLiteral("Fizikaizrs1"),
        QStringLiteral("Anyagkarton1"),
        QStringLiteral("Leltr1"),
        QStringLiteral("resleltrvnyomtatsa1"),
        QStringLiteral("Leltrklmbzet1"),
        QStringLiteral("Bevtelibizonylatoklistja1"),
        QStringLiteral("Kiadsibizonylatoklistja1"),
        QStringLiteral("Mozgssszest1"),
        QStringLiteral("Anyagfelhasznlstervezs1"),
        QStringLiteral("nylegesanyagfelhasznls1"),
        QStringLiteral("Anyagfelhasznls1"),
        QStringLiteral("tkezsreanyaglista1"),
        QStringLiteral("Bellslistatkezses1"),
        QStringLiteral("Napirtkeklistja1"),
        QStringLiteral("Bellslista1"),
        QStringLiteral("Ltszmsszest1"),
        QStringLiteral("Haviltszm1"),
        QStringLiteral("Havianyagfelhasznls1"),
        QStringLiteral("nylegestpanyag1"),
        QStringLiteral("nylegestpanyagrszletes1"),
        QStringLiteral("tlaphetinyomtatsa1"),
        QStringLiteral("Hetilistatlapnyomtats1"),
        QStringLiteral("Vltozatossgimutat1"),
        QStringLiteral("Raktrmentstetszlegeshelyre1"),
        QStringLiteral("Raktrvisszatltstetszlegeshelyrl1"),
        QStringLiteral("Biztonsgimentsadotthelyre1"),
        QStringLiteral("Visszatltsadotthelyrl1"),
        QStringLiteral("Indexjavt1"),
        QStringLiteral("Adatbziskonverter2"),
        QStringLiteral("VIadatexportls1"),
        QStringLiteral("Programhibavarzsl1"),
        QStringLiteral("blaszerkeszt1"),
        QStringLiteral("telcsoportok1"),
        QStringLiteral("telberazs1"),
        QStringLiteral("Napitlapmegadsa1"),
        QStringLiteral("Kiszabat2"),
        QStringLiteral("Hetitlapnyomtats1"),
    };
    return names;
}

QStringList problems(const QSet<QString> &registered, const QStringList &unknownRegistrations)
{
    QStringList found;
    const QStringList commands = MainMenuModel::commandNames();
    for (const QString &command : commands) {
        const bool unbuilt = unbuiltCommands().contains(command);
        if (!registered.contains(command) && !unbuilt)
            found << QStringLiteral("A menüparancshoz nincs bejegyzett parancs: ") + command;
        if (registered.contains(command) && unbuilt)
            found << QStringLiteral("Bejegyzett parancs a meg nem épített parancsok listáján: ") + command;
    }
    for (const QString &name : unbuiltCommands()) {
        if (!commands.contains(name))
            found << QStringLiteral("A meg nem épített parancsok listáján nem menüparancs áll: ") + name;
    }
    for (const QString &name : unknownRegistrations)
        found << QStringLiteral("Ismeretlen parancs bejegyzése: ") + name;
    return found;
}

} // namespace CommandCheck
