#include "widgets/frmDialog.h"

#include "widgets/UiSymbolPictures.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyle>
#include <QTimer>

namespace {

// "\r" in a message text breaks the line.
QString displayText(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QStyle::StandardPixmap buttonPicture(const QString &caption, int result)
{
    switch (result) {
    case MsgResult::Ok:
        return QStyle::SP_DialogOkButton;
    case MsgResult::Cancel:
        return caption == QStringLiteral("Bezár") ? QStyle::SP_DialogCloseButton : QStyle::SP_DialogCancelButton;
    case MsgResult::Abort:
        return QStyle::SP_DialogAbortButton;
    case MsgResult::Retry:
        return QStyle::SP_DialogRetryButton;
    case MsgResult::Undo:
        return QStyle::SP_DialogResetButton;
    case MsgResult::Yes:
        return QStyle::SP_DialogYesButton;
    case MsgResult::No:
        return QStyle::SP_DialogNoButton;
    default:
        return QStyle::SP_DialogHelpButton;
    }
}

} // namespace

TfrmDialog::TfrmDialog(QWidget *parent)
    : QDialog(parent,
        Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("frmDialog"));
    setFixedSize(ClientWidth, ClientHeight);

    imgSzimbolum = new QLabel(this);
    imgSzimbolum->setObjectName(QStringLiteral("imgSzimbolum"));
    imgSzimbolum->setGeometry(16, 16, 32, 32);
    imgSzimbolum->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    LabelMessage = new QLabel(this);
    LabelMessage->setObjectName(QStringLiteral("LabelMessage"));
    LabelMessage->setGeometry(LabelLeft, LabelTop, LabelWidth, LabelHeight);
    LabelMessage->setFixedSize(LabelWidth, LabelHeight);
    LabelMessage->setWordWrap(true);
    LabelMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Texts such as "<[page]>" must show as typed.
    LabelMessage->setTextFormat(Qt::PlainText);

    timBlink = new QTimer(this);
    timBlink->setObjectName(QStringLiteral("timBlink"));
    timBlink->setInterval(500);
    connect(timBlink, &QTimer::timeout, this, &TfrmDialog::timBlinkTimer);
}

TfrmDialog::~TfrmDialog() = default;

int TfrmDialog::buttonLeft(int k, int n, int clientWidth)
{
    const int column = clientWidth / (2 * n);
    return (2 * k - 1) * column - ButtonWidth / 2;
}

QSize TfrmDialog::labelLimit() const
{
    QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    // Room for the window frame and the dialog's own margins around the label.
    return QSize(qMax(LabelWidth, available.width() - 40 - (ClientWidth - LabelWidth)),
        qMax(LabelHeight, available.height() - 60 - (ClientHeight - LabelHeight)));
}

QString TfrmDialog::wrappable(const QString &shown) const
{
    const QFontMetrics metrics(LabelMessage->font());
    const int maxWidth = labelLimit().width();
    QString result;
    qsizetype done = 0;
    static const QRegularExpression word(QStringLiteral("\\S+"));
    for (const QRegularExpressionMatch &match : word.globalMatch(shown)) {
        if (metrics.horizontalAdvance(match.captured()) <= maxWidth)
            continue;
        // A word wider than the screen (a long path) gets a break opportunity after every
        // character, so it wraps instead of being cut.
        result += shown.mid(done, match.capturedStart() - done);
        const QString tooWide = match.captured();
        for (qsizetype i = 0; i < tooWide.size(); ++i) {
            result += tooWide.at(i);
            if (!tooWide.at(i).isHighSurrogate())
                result += QChar(0x200B);
        }
        done = match.capturedEnd();
    }
    return result + shown.mid(done);
}

QSize TfrmDialog::labelSizeFor(const QString &shown) const
{
    const int maxWidth = labelLimit().width();
    const int maxHeight = labelLimit().height();
    const QFontMetrics metrics(LabelMessage->font());
    const auto needed = [&](int width) {
        return metrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, shown).size();
    };
    // Wider first up to a comfortable line length, then taller, then as wide as the screen.
    const int comfortable = qMin(maxWidth, 2 * LabelWidth);
    int width = LabelWidth;
    QSize size = needed(width);
    while (size.height() > LabelHeight && width < comfortable) {
        width = qMin(comfortable, width + 40);
        size = needed(width);
    }
    while (size.height() > maxHeight && width < maxWidth) {
        width = qMin(maxWidth, width + 80);
        size = needed(width);
    }
    // A word wider than the line (a long path) widens the label to it.
    width = qMin(maxWidth, qMax(width, size.width()));
    return QSize(width, qBound(LabelHeight, size.height(), maxHeight));
}

void TfrmDialog::showText(const QString &text)
{
    const QString shown = wrappable(displayText(text));
    LabelMessage->setText(shown);
    const QSize label = labelSizeFor(shown);
    LabelMessage->setFixedSize(label);
    LabelMessage->move(LabelLeft, LabelTop);
    const int clientWidth = ClientWidth + label.width() - LabelWidth;
    const int clientHeight = ClientHeight + label.height() - LabelHeight;
    const bool grew = size() != QSize(clientWidth, clientHeight);
    setFixedSize(clientWidth, clientHeight);
    const int last = m_slots.isEmpty() ? 0 : m_slots.last();
    for (int i = 0; i < m_buttons.size(); ++i) {
        m_buttons[i]->setGeometry(buttonLeft(m_slots[i], last, clientWidth), ButtonTop + label.height() - LabelHeight,
            ButtonWidth, ButtonHeight);
    }
    if (grew && isVisible())
        centre();
}

int TfrmDialog::ShowMessage(const QString &caption, int symbol, const QString &message, const QString &button1,
    const QString &button2, const QString &button3, const QString &button4)
{
    return showMessage(caption, symbol, message, button1, button2, button3, button4);
}

int TfrmDialog::showMessage(const QString &caption, int symbol, const QString &text, const QString &button1,
    const QString &button2, const QString &button3, const QString &button4)
{
    const bool nonModal = m_nonModal;
    m_nonModal = false;

    if (m_modalDepth > 0) {
        // This dialog is waiting for an answer already: a notice cannot cover it, and a further
        // question gets a dialog of its own so the first one keeps its text and buttons.
        if (nonModal)
            return MsgResult::Ok;
        TfrmDialog nested(parentWidget());
        nested.setSymbolOffset(m_symbolOffset);
        return nested.showMessage(caption, symbol, text, button1, button2, button3, button4);
    }
    if (!nonModal && m_progressShown)
        closeNotice();

    if (symbol > 0 && symbol < 20)
        setSymbol(symbol + m_symbolOffset);
    setWindowTitle(caption);

    clearButtons();
    const QString captions[4] = {button1, button2, button3, button4};
    int last = 0;
    for (int k = 1; k <= 4; ++k) {
        if (!captions[k - 1].isEmpty())
            last = k;
    }
    for (int k = 1; k <= last; ++k) {
        const QString &buttonCaption = captions[k - 1];
        if (buttonCaption.isEmpty())
            continue;
        const int result = buttonResult(buttonCaption);
        auto *button = new QPushButton(buttonCaption, this);
        button->setObjectName(QStringLiteral("Button%1").arg(k));
        button->setIcon(style()->standardIcon(buttonPicture(buttonCaption, result)));
        button->setDefault(result == MsgResult::Ok || result == MsgResult::Yes);
        connect(button, &QPushButton::clicked, this, [this, result] { done(result); });
        button->show();
        m_buttons << button;
        m_slots << k;
    }
    showText(text);

    if (nonModal) {
        m_progressShown = true;
        m_symbolShown = true;
        imgSzimbolum->show();
        setModal(false);
        show();
        raise();
        activateWindow();
        timBlink->start();
        // Let the notice paint before the caller's work starts; the user's clicks wait.
        for (int i = 0; i < 100; ++i)
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        return MsgResult::Ok;
    }

    timBlink->stop();
    m_symbolShown = true;
    imgSzimbolum->show();
    QPushButton *focused = nullptr;
    for (QPushButton *button : std::as_const(m_buttons)) {
        if (button->isDefault()) {
            focused = button;
            break;
        }
    }
    if (!focused && !m_buttons.isEmpty())
        focused = m_buttons.first();
    if (focused)
        focused->setFocus();

    ++m_modalDepth;
    const int result = exec();
    --m_modalDepth;
    return result;
}

void TfrmDialog::showProgress(const QString &text)
{
    setNonModal(true);
    showMessage(QStringLiteral("Folyamat"), Symbol::Stopwatch, text);
}

void TfrmDialog::setProgressText(const QString &text)
{
    if (!m_progressShown)
        return;
    showText(text);
    LabelMessage->repaint();
}

void TfrmDialog::hideProgress()
{
    if (m_progressShown && m_modalDepth == 0)
        closeNotice();
}

void TfrmDialog::reject()
{
    done(MsgResult::Cancel);
}

void TfrmDialog::centre()
{
    QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen)
        move(screen->availableGeometry().center() - rect().center());
}

void TfrmDialog::showEvent(QShowEvent *event)
{
    centre();
    QDialog::showEvent(event);
    // Above every other window of the program, even a modal screen shown after this dialog was made.
    raise();
    activateWindow();
}

void TfrmDialog::hideEvent(QHideEvent *event)
{
    // Closing (not minimising): the buttons go, the blinking stops, the symbol shows again.
    if (!event->spontaneous()) {
        clearButtons();
        timBlink->stop();
        m_symbolShown = true;
        imgSzimbolum->show();
        m_progressShown = false;
    }
    QDialog::hideEvent(event);
}

void TfrmDialog::keyPressEvent(QKeyEvent *event)
{
    // Escape answers only through a "Mégse" button, else a "Nem" button; without either it does
    // nothing.
    if (event->matches(QKeySequence::Cancel)) {
        if (QPushButton *button = escapeButton())
            button->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmDialog::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isVisible() || isActiveWindow())
        return;
    // Another window of the program took the focus: take it back, unless that window is a modal
    // dialog opened while the progress notice is shown.
    QWidget *active = QApplication::activeWindow();
    QWidget *modal = QApplication::activeModalWidget();
    if (!active || active == this || (modal && modal != this))
        return;
    QTimer::singleShot(0, this, [this] {
        if (isVisible() && !isActiveWindow()) {
            raise();
            activateWindow();
        }
    });
}

void TfrmDialog::timBlinkTimer()
{
    m_symbolShown = !m_symbolShown;
    imgSzimbolum->setVisible(m_symbolShown);
    repaint();
    // Keep the notice and the windows under it painted while the caller works.
    for (int i = 0; i < 21; ++i)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void TfrmDialog::setSymbol(int number)
{
    const QString name = QStringLiteral("D%1").arg(number);
    const QPixmap picture = symbolPicture(name);
    // A number without a picture keeps the previous one.
    if (picture.isNull())
        return;
    imgSzimbolum->setPixmap(picture);
    m_symbolName = name;
}

void TfrmDialog::clearButtons()
{
    // A button may be the one whose click closes the dialog: take it off the dialog now and
    // delete it once its click has been handled.
    for (QPushButton *button : std::as_const(m_buttons)) {
        button->hide();
        button->setParent(nullptr);
        button->deleteLater();
    }
    m_buttons.clear();
    m_slots.clear();
}

void TfrmDialog::closeNotice()
{
    hide();
}

QPushButton *TfrmDialog::escapeButton() const
{
    // "Mégse" wins over "Nem": in "Igen / Nem / Mégse" Escape must keep things as they are.
    QPushButton *no = nullptr;
    for (QPushButton *button : m_buttons) {
        if (button->text() == QStringLiteral("Mégse"))
            return button;
        if (!no && buttonResult(button->text()) == MsgResult::No)
            no = button;
    }
    return no;
}
