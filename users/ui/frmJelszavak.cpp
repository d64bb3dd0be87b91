#include "users/ui/frmJelszavak.h"

#include "users/AccessLevel.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "widgets/UiControls.h"
#include "widgets/UiEnterMovesFocus.h"
#include "users/UserAdmin.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>

namespace {

QLineEdit *passwordEdit(QWidget *parent, const char *name)
{
    auto *edit = named(new QLineEdit(parent), name);
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(QStringLiteral("lineedit-password-character: 9679;")); // a filled dot
    return edit;
}

void setBackground(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Base, color);
    // The own user name stays readable on the grey of a field that cannot be changed.
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(Qt::black));
    widget->setPalette(palette);
}

} // namespace

TfrmJelszavak::TfrmJelszavak(const Services &services, QWidget *parent)
    : QWidget(parent)
    , m_settings(services.settings)
    , m_messenger(services.messenger)
{
    setObjectName(QStringLiteral("frmJelszavak"));

    auto *changeGroup = new QGroupBox(QStringLiteral("Meglévő jelszó módosítása"), this);
    edtUserName = named(new QLineEdit(changeGroup), "edtUserName");
    edtOldPass = passwordEdit(changeGroup, "edtOldPass");
    edtNewPass = passwordEdit(changeGroup, "edtNewPass");
    edtNewPass2 = passwordEdit(changeGroup, "edtNewPass2");
    lblSecur = named(new QLabel(changeGroup), "lblSecur");
    btnModosit = pushButton(changeGroup, QStringLiteral("btnModosit"), QStringLiteral("&Módosít"), true);
    btnTorol = pushButton(changeGroup, QStringLiteral("btnTorol"), QStringLiteral("&Töröl"), true);
    auto *changeGrid = new QGridLayout(changeGroup);
    changeGrid->addWidget(new QLabel(QStringLiteral("Felhasználónév:"), changeGroup), 0, 0);
    changeGrid->addWidget(edtUserName, 0, 1);
    changeGrid->addWidget(new QLabel(QStringLiteral("Régi jelszó:"), changeGroup), 1, 0);
    changeGrid->addWidget(edtOldPass, 1, 1);
    changeGrid->addWidget(new QLabel(QStringLiteral("Új jelszó:"), changeGroup), 2, 0);
    changeGrid->addWidget(edtNewPass, 2, 1);
    changeGrid->addWidget(new QLabel(QStringLiteral("Új jelszó újra:"), changeGroup), 3, 0);
    changeGrid->addWidget(edtNewPass2, 3, 1);
    changeGrid->addWidget(lblSecur, 4, 0, 1, 2);
    auto *changeButtons = new QHBoxLayout;
    changeButtons->addWidget(btnModosit);
    changeButtons->addWidget(btnTorol);
    changeGrid->addLayout(changeButtons, 5, 0, 1, 2);

    auto *createGroup = new QGroupBox(QStringLiteral("Új felhasználó létrehozása"), this);
    edtNewUserName = named(new QLineEdit(createGroup), "edtNewUserName");
    edtNewPas1 = passwordEdit(createGroup, "edtNewPas1");
    edtNewPas2 = passwordEdit(createGroup, "edtNewPas2");
    rbRoot = named(new QRadioButton(QStringLiteral("Teljes hozzáférési szint"), createGroup), "rbRoot");
    rbAdmin = named(new QRadioButton(QStringLiteral("Adminisztrációs hozzáférés"), createGroup), "rbAdmin");
    rbUser = named(new QRadioButton(QStringLiteral("Felhasználói szint"), createGroup), "rbUser");
    rbUser->setChecked(true);
    btnLetrehoz = pushButton(createGroup, QStringLiteral("btnLetrehoz"), QStringLiteral("&Létrehoz"), true);
    auto *createGrid = new QGridLayout(createGroup);
    createGrid->addWidget(new QLabel(QStringLiteral("Felhasználónév:"), createGroup), 0, 0);
    createGrid->addWidget(edtNewUserName, 0, 1);
    createGrid->addWidget(new QLabel(QStringLiteral("Jelszó:"), createGroup), 1, 0);
    createGrid->addWidget(edtNewPas1, 1, 1);
    createGrid->addWidget(new QLabel(QStringLiteral("Jelszó újra:"), createGroup), 2, 0);
    createGrid->addWidget(edtNewPas2, 2, 1);
    // The level captions take the group's whole width: beside the label they would be cut off.
    createGrid->addWidget(new QLabel(QStringLiteral("Biztonsági szint:"), createGroup), 3, 0, 1, 2);
    auto *levels = new QVBoxLayout;
    levels->setContentsMargins(12, 0, 0, 0);
    levels->setSpacing(0);
    levels->addWidget(rbRoot);
    levels->addWidget(rbAdmin);
    levels->addWidget(rbUser);
    createGrid->addLayout(levels, 4, 0, 1, 2);
    createGrid->addWidget(btnLetrehoz, 5, 0, 1, 2);

    btnOK = pushButton(this, QStringLiteral("btnOK"), QStringLiteral("&OK"), true);
    btnSugo = pushButton(this, QStringLiteral("btnSugo"), QStringLiteral("&Súgó"), true);
    auto *groups = new QHBoxLayout;
    groups->addWidget(changeGroup);
    groups->addWidget(createGroup);
    auto *pageButtons = new QHBoxLayout;
    pageButtons->addStretch();
    pageButtons->addWidget(btnOK);
    pageButtons->addWidget(btnSugo);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addStretch();
    layout->addLayout(pageButtons);

    UiEnterMovesFocus::install({edtUserName, edtOldPass, edtNewPass, edtNewPass2, btnModosit});
    UiEnterMovesFocus::install({edtNewUserName, edtNewPas1, edtNewPas2, rbUser, btnLetrehoz});
    UiEnterMovesFocus::install({rbRoot, btnLetrehoz});
    UiEnterMovesFocus::install({rbAdmin, btnLetrehoz});

    connect(edtUserName, &QLineEdit::textChanged, this, &TfrmJelszavak::edtUserNameChange);
    connect(btnModosit, &QPushButton::clicked, this, &TfrmJelszavak::btnModositClick);
    connect(btnTorol, &QPushButton::clicked, this, &TfrmJelszavak::btnTorolClick);
    connect(btnLetrehoz, &QPushButton::clicked, this, &TfrmJelszavak::btnLetrehozClick);
    connect(btnOK, &QPushButton::clicked, this, &TfrmJelszavak::closeRequested);
    connect(btnSugo, &QPushButton::clicked, this, [this] { emit helpRequested(QStringLiteral("setup.htm")); });
}

void TfrmJelszavak::preparePage()
{
    edtUserName->setText(m_settings.loginUser());
    lblSecur->setText(AccessLevel::label(m_settings.securLevel()));

    const bool manages = AccessLevel::managesUsers(m_settings.securLevel());
    for (QWidget *widget : std::initializer_list<QWidget *> {
             edtUserName, edtNewUserName, edtNewPas1, edtNewPas2, rbRoot, rbAdmin, rbUser, btnLetrehoz}) {
        widget->setEnabled(manages);
        setBackground(widget, manages ? QColor(Qt::white) : QColor(Qt::lightGray));
    }
    // Who may not manage users starts at the own old password.
    if (manages)
        edtUserName->setFocus();
    else
        edtOldPass->setFocus();
}

void TfrmJelszavak::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!event->spontaneous())
        preparePage();
}

void TfrmJelszavak::edtUserNameChange(const QString &text)
{
    UserAdmin admin(m_settings.dbPath(), m_settings.loginUser(), m_settings.securLevel());
    lblSecur->setText(admin.levelLabel(text));
}

void TfrmJelszavak::btnModositClick()
{
    UserAdmin admin(m_settings.dbPath(), m_settings.loginUser(), m_settings.securLevel());
    if (showRefusal(this, m_messenger,
            admin.changePassword(edtUserName->text(), edtOldPass->text(), edtNewPass->text(), edtNewPass2->text())))
        return;
    UserAdmin::passwordChangedNotice().show(m_messenger);
    // Typed passwords do not stay on the page.
    edtOldPass->clear();
    edtNewPass->clear();
    edtNewPass2->clear();
}

void TfrmJelszavak::btnTorolClick()
{
    UserAdmin admin(m_settings.dbPath(), m_settings.loginUser(), m_settings.securLevel());
    const Checked<UserAdmin::DeleteOutcome> deleted
        = admin.deleteUser(edtUserName->text(), edtOldPass->text(), m_messenger);
    if (showRefusal(this, m_messenger, deleted.refusal))
        return;
    const UserAdmin::DeleteOutcome outcome = deleted.value;
    if (outcome == UserAdmin::DeleteOutcome::Declined)
        return;
    edtOldPass->clear();
    edtUserName->clear();
    if (outcome != UserAdmin::DeleteOutcome::DeletedSelf)
        return;
    UserAdmin::deletedSelfNotice().show(m_messenger);
    // Last: ending the program may take this page down with it.
    if (m_endProgram)
        m_endProgram();
}

void TfrmJelszavak::btnLetrehozClick()
{
    const int level = rbRoot->isChecked() ? AccessLevel::Full
        : rbAdmin->isChecked()            ? AccessLevel::Administration
                                          : AccessLevel::User;
    UserAdmin admin(m_settings.dbPath(), m_settings.loginUser(), m_settings.securLevel());
    if (showRefusal(this, m_messenger, admin.createUser(edtNewUserName->text(), edtNewPas1->text(), edtNewPas2->text(), level)))
        return;
    UserAdmin::userCreatedNotice().show(m_messenger);
    edtNewPas1->clear();
    edtNewPas2->clear();
    // The new name may be the one under edtUserName.
    edtUserNameChange(edtUserName->text());
}
