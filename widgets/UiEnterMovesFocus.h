#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

// Enter (Return or the keypad's Enter) in one widget of a chain first does what the widget
// itself does with it (a register-number field looks its material up), then moves the focus to
// the next enabled, visible widget of the chain, unless the widget's own Enter moved the focus
// elsewhere. The key never reaches the dialog's default button. A button that ends the chain is
// pressed by Enter whether or not it is an auto-default button; any other last widget keeps its
// own Enter. Install once per chain; the filter is a child of the first widget's window.
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
    void moveOnFrom(int index);

    QList<QPointer<QWidget>> m_chain;
};
