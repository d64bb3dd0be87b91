#pragma once

#include "shell/StartupPrompts.h"

#include <QPointer>

class Messenger;
class QWidget;
class TfrmMunkaEv;

// The start-up dialogs on screen: first-start database dialog, login, warehouse choice and the
// work-year dialog, each modal over the main window.
class UiStartupPrompts : public StartupPrompts
{
public:
    UiStartupPrompts(QWidget *parent, Messenger &messenger);

    bool createDatabase(const QString &dbPath) override;
    LoginEntry askLogin() override;
    int chooseWarehouse(const QStringList &names) override;
    void showYear(const QString &message, const QString &year) override;
    void askYear(const QString &message, const QString &proposedYear,
        const std::function<bool(const QString &)> &accept) override;
    void showOpeningMessage(const QString &message) override;

private:
    QWidget *m_parent;
    Messenger &m_messenger;
    QPointer<TfrmMunkaEv> m_yearDialog;
};
