#include "widgets/UiEditDialog.h"

#include "core/Refusal.h"
#include "widgets/UiControls.h"
#include "widgets/UiEnterMovesFocus.h"
#include "widgets/UiHelp.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

UiEditDialog::UiEditDialog(const Services &services, const QString &name, const QString &helpPage, QWidget *parent)
    : QDialog(parent)
    , btnRogzit(pushButton(this, QStringLiteral("btnRogzit"), QStringLiteral("&Rögzít"), true))
    , btnMegse(pushButton(this, QStringLiteral("btnMegse"), QStringLiteral("&Mégse"), true))
    , btnSugo(pushButton(this, QStringLiteral("btnSugo"), QStringLiteral("&Súgó"), true))
    , m_services(services)
    , m_helpPage(helpPage)
    , m_newCaption(QStringLiteral("Új adat felvitele"))
    , m_modifyCaption(QStringLiteral("Adat módosítása"))
{
    setObjectName(name);
    connect(btnRogzit, &QPushButton::clicked, this, [this] { record(); });
    connect(btnMegse, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSugo, &QPushButton::clicked, this, [this] { openHelp(); });
    installHelpKey(this, [this] { openHelp(); });
}

void UiEditDialog::setForm(QLayout *form, const QList<QWidget *> &fields)
{
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnRogzit);
    buttons->addWidget(btnMegse);
    buttons->addWidget(btnSugo);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    // The buttons were made before the form: Tab reaches them after its last field.
    QWidget *last = nullptr;
    for (QWidget *widget = nextInFocusChain(); widget != this; widget = widget->nextInFocusChain()) {
        if (widget != btnRogzit && widget != btnMegse && widget != btnSugo && isAncestorOf(widget))
            last = widget;
    }
    if (last != nullptr)
        setTabOrder(last, btnRogzit);
    setTabOrder(btnRogzit, btnMegse);
    setTabOrder(btnMegse, btnSugo);

    m_chain = fields;
    m_chain << btnRogzit;
    UiEnterMovesFocus::install(m_chain);
}

void UiEditDialog::setCaptions(const QString &newCaption, const QString &modifyCaption)
{
    m_newCaption = newCaption;
    m_modifyCaption = modifyCaption;
    setWindowTitle(isNewMode() ? m_newCaption : m_modifyCaption);
}

void UiEditDialog::setMode(Mode mode)
{
    m_mode = mode;
    setWindowTitle(isNewMode() ? m_newCaption : m_modifyCaption);
}

bool UiEditDialog::refused(const Refusal &refusal)
{
    return showRefusal(this, m_services.messenger, refusal);
}

bool UiEditDialog::saved()
{
    if (isNewMode()) {
        noticeAdded(m_services);
        return true;
    }
    noticeModified(m_services);
    accept();
    return false;
}

void UiEditDialog::openHelp()
{
    showHelp(this, m_services.settings, m_services.messenger, m_helpPage);
}
