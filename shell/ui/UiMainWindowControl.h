#pragma once

#include "shell/MainWindowControl.h"

class TFormMain;

// The main window as the start-up sequence reaches it.
class UiMainWindowControl : public MainWindowControl
{
public:
    explicit UiMainWindowControl(TFormMain &window);

    void setCaption(const QString &caption) override;
    void setStatusPanel(int panel, const QString &text) override;
    void disableTopMenus(const QList<int> &positions) override;
    void endWithoutAsking() override;
    QString programVersion() const override;

private:
    TFormMain &m_window;
};
