#include "support/ScriptedStartupPrompts.h"

bool ScriptedStartupPrompts::createDatabase(const QString &dbPath)
{
    ++createCalls;
    return m_create ? m_create(dbPath) : false;
}

LoginEntry ScriptedStartupPrompts::askLogin()
{
    ++loginCalls;
    if (m_logins.isEmpty())
        return {QStringLiteral("exit"), QString()};
    return m_logins.dequeue();
}

int ScriptedStartupPrompts::chooseWarehouse(const QStringList &names)
{
    warehouseLists << names;
    return m_warehouseAnswer;
}

void ScriptedStartupPrompts::showYear(const QString &message, const QString &year)
{
    shownYearMessages << message + QLatin1Char('|') + year;
}

void ScriptedStartupPrompts::askYear(
    const QString &message, const QString &proposedYear, const std::function<bool(const QString &)> &accept)
{
    askedYearMessages << message + QLatin1Char('|') + proposedYear;
    while (!m_yearTexts.isEmpty()) {
        const QString text = m_yearTexts.dequeue();
        if (accept(text)) {
            acceptedYearTexts << text;
            return;
        }
    }
}

void ScriptedStartupPrompts::showOpeningMessage(const QString &message)
{
    openingMessages << message;
}
