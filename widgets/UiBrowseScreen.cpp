#include "widgets/UiBrowseScreen.h"

#include "core/Messenger.h"
#include "core/Refusal.h"
#include "widgets/UiControls.h"
#include "widgets/UiHelp.h"
#include "widgets/UiWheelAsArrowKeys.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

UiBrowseScreen::UiBrowseScreen(
    const Services &services, const QString &name, const QString &caption, const QString &helpPage, QWidget *parent)
    : QDialog(parent)
    , comOrder(named(new QComboBox(this), "comOrder"))
    , comSearch(named(new QComboBox(this), "comSearch"))
    , edtSearch(lineEdit(this, QStringLiteral("edtSearch")))
    , m_services(services)
    , m_helpPage(helpPage)
{
    setObjectName(name);
    setWindowTitle(caption);
    const QString hint = QStringLiteral("Kereséshez üsse le az ENTER-t");
    edtSearch->setPlaceholderText(hint);
    edtSearch->setToolTip(hint);
    // Room for a name or a date however crowded the row gets.
    edtSearch->setMinimumWidth(edtSearch->fontMetrics().averageCharWidth() * 24);
    btnSugo = button(QStringLiteral("btnSugo"), QStringLiteral("&Súgó"),
        [this] { showHelp(this, m_services.settings, m_services.messenger, m_helpPage); });
    btnKilep = button(QStringLiteral("btnKilep"), QStringLiteral("&Bezár"), [this] { accept(); });
    connect(edtSearch, &QLineEdit::returnPressed, this, [this] { search(); });
    connect(comOrder, &QComboBox::currentIndexChanged, this, [this](int order) {
        if (order >= 0)
            orderChanged(order);
    });
    installHelpKey(this, services.settings, services.messenger, helpPage);
    UiWheelAsArrowKeys::install(this);
}

QPushButton *UiBrowseScreen::button(const QString &name, const QString &caption, std::function<void()> clicked)
{
    QPushButton *created = pushButton(this, name, caption, false);
    connect(created, &QPushButton::clicked, this, std::move(clicked));
    return created;
}

QHBoxLayout *UiBrowseScreen::orderAndSearchRow(
    const QList<QWidget *> &leading, const QStringList &orders, const QStringList &searchFields)
{
    auto *row = new QHBoxLayout;
    for (QWidget *widget : leading)
        row->addWidget(widget);
    row->addStretch();
    {
        const QSignalBlocker blocker(comOrder);
        comOrder->addItems(orders);
    }
    if (orders.isEmpty()) {
        comOrder->hide();
    } else {
        row->addWidget(buddyLabel(this, QStringLiteral("Rendezés:"), comOrder));
        row->addWidget(comOrder);
    }
    comSearch->addItems(searchFields);
    if (searchFields.isEmpty()) {
        comSearch->hide();
        edtSearch->hide();
    } else {
        row->addSpacing(12);
        row->addWidget(buddyLabel(this, QStringLiteral("Keresés"), edtSearch));
        row->addWidget(comSearch);
        row->addWidget(edtSearch);
    }
    return row;
}

void UiBrowseScreen::setBody(QLayout *top, QLayout *body, const QList<QPushButton *> &buttons, QLayout *below)
{
    auto *row = new QHBoxLayout;
    for (QPushButton *button : buttons)
        row->addWidget(button);
    row->addWidget(btnSugo);
    row->addStretch();
    row->addWidget(btnKilep);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(body, 3);
    layout->addLayout(row);
    if (below != nullptr)
        layout->addLayout(below, 2);
}

bool UiBrowseScreen::hasRow(bool present)
{
    if (!present)
        Refusal::warning(QStringLiteral("Nincs kiválasztott adatsor!")).show(m_services.messenger);
    return present;
}

bool UiBrowseScreen::confirmDelete()
{
    return m_services.messenger.showMessage(QStringLiteral("Figyelmeztetés"), Symbol::Warning,
               QStringLiteral("Valóban törli az adatot?\rAz adat visszavonhatatlanul törlődik!"),
               QStringLiteral("Mégse"), QStringLiteral("OK"))
        == MsgResult::Ok;
}

void UiBrowseScreen::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto *focused = qobject_cast<QPushButton *>(focusWidget()); focused && focused->isEnabled()) {
            focused->click();
            return;
        }
        // Enter elsewhere (the search box, a grid) presses no button.
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
