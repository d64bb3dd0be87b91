#include "core/Refusal.h"

#include "core/Messenger.h"

Refusal Refusal::error(const QString &text, const QString &focus)
{
    return Refusal{QStringLiteral("HIBA!"), Symbol::Error, text, focus};
}

Refusal Refusal::warning(const QString &text, const QString &focus)
{
    return Refusal{QStringLiteral("Figyelmeztetés"), Symbol::Warning, text, focus};
}

Refusal Refusal::information(const QString &text, const QString &focus)
{
    return Refusal{QStringLiteral("Információ"), Symbol::Information, text, focus};
}

void Refusal::show(Messenger &messenger) const
{
    if (!isNull())
        messenger.showMessage(caption, symbol, text, QStringLiteral("OK"));
}
