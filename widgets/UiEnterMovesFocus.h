#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

// Enter (Return or the keypad's Enter) in one widget of a chain moves the focus to the next
// enabled, visible widget of the chain instead of reaching the widget or the dialog's default
// button. The last widget of the chain keeps its own Enter (a button presses itself).
// Install once per chain; the filter is a child of the first widget's window.
class UiEnterMovesFocus : public QObject
{
    Q_OBJECT
public:
    static UiEnterMovesFocus *install(const QList<QWidget *> &chain);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit UiEnterMovesFocus(const QList<QWidget *> &chain, QObject *parent);
    int indexOf(QObject *watched) const;

    QList<QPointer<QWidget>> m_chain;
};
