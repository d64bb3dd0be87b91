#pragma once

#include <QApplication>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <QtTest>

// The title of a modal dialog that opens while `action` runs, closed again at once; empty when
// none opens. For screen tests that a key or a click must not (or must) open a dialog.
template <typename Action> QString openedDialogTitle(Action action)
{
    QString title;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&title] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            title = dialog->windowTitle();
            dialog->close();
        }
    });
    timer.start(10);
    action();
    QTest::qWait(50);
    return title;
}
