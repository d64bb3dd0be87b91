#include "store/WriteFailure.h"

#include "store/EngineError.h"

#include <QSqlError>

namespace WriteFailure {

namespace {

// A cause without its closing full stop, never empty.
QString reason(const QString &cause)
{
    QString text = cause.trimmed();
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text.isEmpty() ? QStringLiteral("ismeretlen adatbázishiba") : text;
}

} // namespace

Refusal failed(const QString &cause)
{
    return Refusal::error(
        QStringLiteral("Az adatbázis írása nem sikerült, az adat nem változott!") + EngineError::causeLine(reason(cause)));
}

Refusal failed(const QSqlError &error)
{
    return failed(EngineError::cause(error));
}

Refusal failed(const QSqlError &statement, const QSqlError &transaction)
{
    return failed(statement.isValid() ? statement : transaction);
}

Refusal busy()
{
    return failed(EngineError::cause(EngineError::Kind::Busy, QString()));
}

Refusal readFailed(const QString &cause)
{
    return Refusal::error(QStringLiteral("Az adatbázis olvasása nem sikerült!") + EngineError::causeLine(reason(cause)));
}

Refusal readFailed(const QSqlError &error)
{
    return readFailed(EngineError::cause(error));
}

Refusal vanished()
{
    return Refusal::warning(QStringLiteral("Az adatsort időközben egy másik gépen törölték!\rA módosítás nem történt meg."));
}

} // namespace WriteFailure
