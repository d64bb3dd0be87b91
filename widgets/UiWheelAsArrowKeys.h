#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

// While a screen is open, a turn of the mouse wheel over it reaches the focused control as
// arrow keys instead: Up for each notch turned away from the user, Down for each notch towards
// the user. A grid thus moves its cursor by one row per notch instead of scrolling.
// The filter watches the whole application and is removed with the screen.
class UiWheelAsArrowKeys : public QObject
{
    Q_OBJECT
public:
    static UiWheelAsArrowKeys *install(QWidget *screen);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit UiWheelAsArrowKeys(QWidget *screen);

    QPointer<QWidget> m_screen;
    int m_pending = 0; // wheel angle not yet turned into a key (fine-grained wheels, touchpads)
};
