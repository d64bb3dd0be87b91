#include "stock/StockMessages.h"

namespace StockMessages {

QString closedMonth()
{
    return QStringLiteral("Már lezárta ezt a hónapot!\rErre a hónapra anyagmozgást nem vihet fel!");
}

QString noMaterial()
{
    return QStringLiteral("Hibás értékadás!\rNem adott meg anyagnevet!");
}

QString badVoucherNumber()
{
    return QStringLiteral("Hibás értékadás!\rA bizonylat sorszáma csak pozitív egész szám lehet!");
}

QString outsideWorkYear()
{
    return QStringLiteral("A megadott dátum kívül esik a munkaéven!\rFolytathatja a munkát.");
}

QString sameMaterialTwice()
{
    return QStringLiteral("Ezen a bizonylaton már létezik ilyen anyag!\rEgy bizonylaton nem lehetnek azonos anyagok!");
}

QString otherPartner()
{
    return QStringLiteral(
        "Nem írt be szállítót, vagy ez a bizonylat már létezik!\rLétező bizonylatnál nem változtathat szállítót!");
}

QString beforeOpening()
{
    return QStringLiteral("A nyitótétel előtti dátumra nem vihet fel\ranyagot! Kérem válasszon későbbi dátumot!");
}

QString openingExists()
{
    return QStringLiteral("Már van nyitótétel ebből az anyagból!\rKérem válasszon más mozgásnemet!");
}

QString zeroQuantity()
{
    return QStringLiteral("Nem lehet 0 mennyiség, vagy érték!");
}

QString negativeOnRecord()
{
    return QStringLiteral("A készletek negatívba fordulnának, így\ra rekord nem lett rögzítve!");
}

QString negativeOnChange()
{
    return QStringLiteral("A készletek negatívba fordulnának, így\ra módosítás nem lett végrehajtva!");
}

QString negativeOnDelete()
{
    return QStringLiteral("A készletek negatívba fordulnának, így\ra rekord nem lett törölve!");
}

QString recorded()
{
    return QStringLiteral("Az új adat bekerült az adatbázisba");
}

QString modified()
{
    return QStringLiteral("A módosítás sikeresen végrehajtva!");
}

QString deleted()
{
    return QStringLiteral("A törlés sikeresen végrehajtva!");
}

QString belowMinimum(const QString &material)
{
    return QStringLiteral("A ") + material + QStringLiteral("\ranyag mennyisége a minimum alatt van!");
}

QString aboveMaximum(const QString &material)
{
    return QStringLiteral("A ") + material + QStringLiteral("\ranyag mennyisége a maximum fölött van!");
}

QString rowMissing()
{
    return QStringLiteral("A tételt időközben törölték vagy módosították!\rFrissítse a listát!");
}

QString noIssueVoucher()
{
    return QStringLiteral("A megadott paraméterekkel nem található kiadási bizonylat!");
}

QString voucherDeleted()
{
    return QStringLiteral("A bizonylat sikeresen törölve lett.");
}

} // namespace StockMessages
