#pragma once

#include "shell/StartupPrompts.h"

#include <QList>
#include <QQueue>
#include <QStringList>
#include <functional>

// The start-up dialogs answered from a script, recording what they were shown.
class ScriptedStartupPrompts : public StartupPrompts
{
public:
    // Login attempts in order; with the queue empty the dialog answers as closed ("exit").
    void addLogin(const QString &user, const QString &password) { m_logins.enqueue({user, password}); }
    // The warehouse position to choose (from 0), -1 for closing the dialog without "OK".
    void setWarehouseAnswer(int position) { m_warehouseAnswer = position; }
    // Texts typed into the year field, one per "OK"; the dialog gives up when they run out.
    void addYearText(const QString &text) { m_yearTexts.enqueue(text); }
    // What the first-start dialog does with the database directory.
    void setCreateDatabase(std::function<bool(const QString &)> create) { m_create = std::move(create); }

    bool createDatabase(const QString &dbPath) override;
    LoginEntry askLogin() override;
    int chooseWarehouse(const QStringList &names) override;
    void showYear(const QString &message, const QString &year) override;
    void askYear(const QString &message, const QString &proposedYear,
        const std::function<bool(const QString &)> &accept) override;
    void showOpeningMessage(const QString &message) override;

    int createCalls = 0;
    int loginCalls = 0;
    QList<QStringList> warehouseLists;
    QStringList shownYearMessages; // showYear, each "message|year"
    QStringList askedYearMessages; // askYear, each "message|proposed"
    QStringList openingMessages;
    QStringList acceptedYearTexts;

private:
    QQueue<LoginEntry> m_logins;
    int m_warehouseAnswer = 0;
    QQueue<QString> m_yearTexts;
    std::function<bool(const QString &)> m_create;
};
