#pragma once

#include "core/Messenger.h"

#include <QDialog>
#include <QList>

class QLabel;
class QPushButton;
class QTimer;

// The message dialog: one instance, created at program start, shows every message, question and
// progress notice of the program. A modal call builds up to four buttons from their captions and
// returns the pressed button's result; the progress notice stays on screen without waiting.
class TfrmDialog : public QDialog, public Messenger
{
    Q_OBJECT
public:
    explicit TfrmDialog(QWidget *parent = nullptr);
    ~TfrmDialog() override;

    // Messenger: a modal message (or, with the non-modal flag on, a notice that returns 1 at once).
    int showMessage(const QString &caption, int symbol, const QString &text, const QString &button1 = QString(),
        const QString &button2 = QString(), const QString &button3 = QString(),
        const QString &button4 = QString()) override;
    // The progress notice: caption "Folyamat", the stopwatch, no buttons, blinking symbol.
    void showProgress(const QString &text) override;
    void setProgressText(const QString &text) override;
    void hideProgress() override;

    // The classic entry under its old name; same as showMessage.
    int ShowMessage(const QString &caption, int symbol, const QString &message, const QString &button1 = QString(),
        const QString &button2 = QString(), const QString &button3 = QString(), const QString &button4 = QString());

    // When on, the next call shows the dialog without waiting and turns the flag off again.
    void setNonModal(bool on) { m_nonModal = on; }
    bool nonModal() const { return m_nonModal; }

    // 0 selects the flat symbol pictures, 10 the shaded set (settings key Display3D).
    void setSymbolOffset(int offset) { m_symbolOffset = offset; }
    int symbolOffset() const { return m_symbolOffset; }

    // Name of the picture shown ("D3", "D13"); empty before the first message.
    QString symbolName() const { return m_symbolName; }
    // The buttons of the message being shown, in slot order.
    QList<QPushButton *> buttons() const { return m_buttons; }
    // True while the progress notice is on screen.
    bool progressShown() const { return m_progressShown; }

    // The layout for a text that fits the label; a longer text widens and then heightens the label
    // (and the dialog with it) as far as the screen allows, the buttons following below it.
    static constexpr int ClientWidth = 345;
    static constexpr int ClientHeight = 103;
    static constexpr int LabelLeft = 72;
    static constexpr int LabelTop = 16;
    static constexpr int LabelWidth = 265;
    static constexpr int LabelHeight = 54;
    static constexpr int ButtonWidth = 80;
    static constexpr int ButtonHeight = 25;
    static constexpr int ButtonTop = 72;
    // Left edge of the button in slot k (1..n) when n is the last slot used, in a dialog of that
    // client width.
    static int buttonLeft(int k, int n, int clientWidth = ClientWidth);

public slots:
    // The window's close box answers 2.
    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void timBlinkTimer();

private:
    void setSymbol(int number);
    // Shows the text, sizing the label and the dialog to it (never below the fixed layout).
    void showText(const QString &text);
    QString wrappable(const QString &shown) const;
    QSize labelSizeFor(const QString &shown) const;
    // The largest label the screen leaves room for.
    QSize labelLimit() const;
    void clearButtons();
    void closeNotice();
    QPushButton *escapeButton() const;
    void centre();

    QLabel *imgSzimbolum;
    QLabel *LabelMessage;
    QTimer *timBlink;
    QList<QPushButton *> m_buttons;
    QList<int> m_slots; // the slot (1..4) of each button
    QString m_symbolName;
    int m_symbolOffset = 0;
    bool m_nonModal = false;
    bool m_symbolShown = true;
    bool m_progressShown = false;
    int m_modalDepth = 0;
};
