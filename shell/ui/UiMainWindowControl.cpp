#include "shell/ui/UiMainWindowControl.h"

#include "shell/ui/FormMain.h"

UiMainWindowControl::UiMainWindowControl(TFormMain &window)
    : m_window(window)
{
}

void UiMainWindowControl::setCaption(const QString &caption)
{
    m_window.setCaption(caption);
}

void UiMainWindowControl::setStatusPanel(int panel, const QString &text)
{
    m_window.setStatusPanel(panel, text);
}

void UiMainWindowControl::disableTopMenus(const QList<int> &positions)
{
    m_window.disableTopMenus(positions);
}

void UiMainWindowControl::endWithoutAsking()
{
    m_window.endWithoutAsking();
}

QString UiMainWindowControl::programVersion() const
{
    return m_window.programVersion();
}
