#include "shell/ui/UiStartupPrompts.h"

#include "stock/ui/frmMunkaEv.h"
#include "users/ui/frmPassword.h"
#include "widgets/frmRaktarKiv.h"
#include "shell/ui/frmUjAdatbazis.h"

UiStartupPrompts::UiStartupPrompts(QWidget *parent, Messenger &messenger)
    : m_parent(parent)
    , m_messenger(messenger)
{
}

bool UiStartupPrompts::createDatabase(const QString &dbPath)
{
    return TfrmUjAdatbazis::createIfMissing(m_parent, m_messenger, dbPath);
}

LoginEntry UiStartupPrompts::askLogin()
{
    return TfrmPassword::ask(m_parent);
}

int UiStartupPrompts::chooseWarehouse(const QStringList &names)
{
    TfrmRaktarKiv dialog(m_parent);
    dialog.setNames(names);
    return dialog.choose();
}

void UiStartupPrompts::showYear(const QString &message, const QString &year)
{
    TfrmMunkaEv dialog(m_parent);
    dialog.showYear(message, year);
    dialog.exec();
}

void UiStartupPrompts::askYear(
    const QString &message, const QString &proposedYear, const std::function<bool(const QString &)> &accept)
{
    TfrmMunkaEv dialog(m_parent);
    m_yearDialog = &dialog;
    dialog.askYear(message, proposedYear, accept);
    dialog.exec();
    m_yearDialog = nullptr;
}

void UiStartupPrompts::showOpeningMessage(const QString &message)
{
    if (m_yearDialog)
        m_yearDialog->showOpeningMessage(message);
}
