#include "master/WriteFailure.h"

#include "store/EngineError.h"

#include <QSqlError>

namespace WriteFailure {

Refusal busy()
{
    return Refusal::error(QStringLiteral("Az adatbázis foglalt, az adat nem került rögzítésre!\r"
                                         "Egy másik gép éppen ír bele; próbálja meg néhány másodperc múlva újra."));
}

Refusal failed(const QSqlError &error)
{
    return Refusal::error(QStringLiteral("Az adatbázis írása nem sikerült, az adat nem változott!")
        + EngineError::causeLine(EngineError::cause(error)));
}

Refusal failed(const QSqlError &statement, const QSqlError &transaction)
{
    return failed(statement.isValid() ? statement : transaction);
}

Refusal failed()
{
    return Refusal::error(QStringLiteral("Az adatbázis írása nem sikerült, az adat nem változott!"));
}

Refusal vanished()
{
    return Refusal::warning(QStringLiteral("Az adatsort időközben egy másik gépen törölték!\rA módosítás nem történt meg."));
}

} // namespace WriteFailure
