#pragma once

#include "shell/MainWindowControl.h"

#include <QMap>

// The main window as the start-up sequence sees it, recording what was done to it.
class RecordingMainWindow : public MainWindowControl
{
public:
    void setCaption(const QString &text) override { caption = text; }
    void setStatusPanel(int panel, const QString &text) override { panels[panel] = text; }
    void disableTopMenus(const QList<int> &positions) override { disabledMenus += positions; }
    void endWithoutAsking() override { ++endedWithoutAsking; }
    QString programVersion() const override { return version; }

    QString caption;
    QMap<int, QString> panels;
    QList<int> disabledMenus;
    int endedWithoutAsking = 0;
    QString version = QStringLiteral("1.0.32.547");
};
