#include "shell/ui/frmUjAdatbazis.h"

#include "core/Messenger.h"
#include "store/Catalogue.h"
#include "store/Database.h"
#include "widgets/UiBoundedField.h"
#include "widgets/UiControls.h"
#include "widgets/UiEnterMovesFocus.h"

#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {

// The owner's values go into the owner table and into partner "00001" of every warehouse: the
// narrower partner fields bound them.
int partnerWidth(const char *field)
{
    return Catalogue::table(QStringLiteral("Partner"))->field(QLatin1String(field))->width;
}

// The login table leaves the user name and the password free; these bounds keep them typable.
constexpr int UserNameWidth = 50;
constexpr int PasswordWidth = 255;

QLineEdit *makeEdit(QWidget *parent, const char *name, int maxLength, QValidator *rule = nullptr)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    UiBoundedField::limit(edit, maxLength, rule);
    return edit;
}

} // namespace

TfrmUjAdatbazis::TfrmUjAdatbazis(Messenger &messenger, const QString &dbPath, QWidget *parent)
    : QDialog(parent)
    , m_messenger(messenger)
    , m_dbPath(dbPath)
{
    setObjectName(QStringLiteral("frmUjAdatbazis"));
    setWindowTitle(QStringLiteral("Új adatbázis létrehozása"));

    auto *intro = new QLabel(QStringLiteral("A megadott helyen még nincs adatbázis. A program létrehoz egy újat "
                                            "20 raktárral; adja meg a tulajdonos intézmény adatait és a "
                                            "rendszergazda (Superuser) felhasználónevét és jelszavát."),
        this);
    intro->setWordWrap(true);
    auto *server = new QLabel(QStringLiteral("Ha több számítógép dolgozik ugyanazon az adatbázison, a program mappájában "
                                             "lévő salvia_db.ini fájlban a Salvia adatbázis helyeként egy PostgreSQL-"
                                             "kiszolgáló címe adható meg: postgresql://felhasználó@gép/adatbázis."),
        this);
    server->setWordWrap(true);
    lblHely = new QLabel(Database::isServerLocation(dbPath)
            ? QStringLiteral("Adatbázis-kiszolgáló: ") + Database::serverName(dbPath)
            : QStringLiteral("Adatbázis helye: ") + QDir::toNativeSeparators(dbPath),
        this);
    lblHely->setObjectName(QStringLiteral("lblHely"));
    lblHely->setWordWrap(true);

    auto *owner = new QGroupBox(QStringLiteral("Tulajdonos adatai"), this);
    auto *ownerForm = new QFormLayout(owner);
    edtCegNev = makeEdit(owner, "edtCegNev", partnerWidth("Nev"));
    edtCegIrsz = makeEdit(owner, "edtCegIrsz", partnerWidth("Irszam"),
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*"))));
    edtCegVaros = makeEdit(owner, "edtCegVaros", partnerWidth("Telepules"));
    edtCegCim = makeEdit(owner, "edtCegCim", partnerWidth("Utca"));
    ownerForm->addRow(QStringLiteral("Intézmény neve:"), edtCegNev);
    ownerForm->addRow(QStringLiteral("Irányítószám:"), edtCegIrsz);
    ownerForm->addRow(QStringLiteral("Település:"), edtCegVaros);
    ownerForm->addRow(QStringLiteral("Cím:"), edtCegCim);

    auto *user = new QGroupBox(QStringLiteral("Rendszergazda"), this);
    auto *userForm = new QFormLayout(user);
    edtUserName = makeEdit(user, "edtUserName", UserNameWidth);
    edtPassword = makeEdit(user, "edtPassword", PasswordWidth);
    edtPassword2 = makeEdit(user, "edtPassword2", PasswordWidth);
    edtPassword->setEchoMode(QLineEdit::Password);
    edtPassword2->setEchoMode(QLineEdit::Password);
    userForm->addRow(QStringLiteral("Felhasználónév:"), edtUserName);
    userForm->addRow(QStringLiteral("Jelszó:"), edtPassword);
    userForm->addRow(QStringLiteral("Jelszó újra:"), edtPassword2);

    btnRogzit = new QPushButton(QStringLiteral("&Létrehoz"), this);
    btnRogzit->setObjectName(QStringLiteral("btnRogzit"));
    btnRogzit->setDefault(true);
    btnMegse = new QPushButton(QStringLiteral("&Mégse"), this);
    btnMegse->setObjectName(QStringLiteral("btnMegse"));
    connect(btnRogzit, &QPushButton::clicked, this, &TfrmUjAdatbazis::btnRogzitClick);
    connect(btnMegse, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnRogzit);
    buttons->addWidget(btnMegse);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(server);
    layout->addWidget(lblHely);
    layout->addWidget(owner);
    layout->addWidget(user);
    layout->addLayout(buttons);

    UiEnterMovesFocus::install(
        {edtCegNev, edtCegIrsz, edtCegVaros, edtCegCim, edtUserName, edtPassword, edtPassword2, btnRogzit});
    edtCegNev->setFocus();
}

void TfrmUjAdatbazis::refuse(const Refusal &refusal)
{
    showRefusal(this, m_messenger, refusal);
    if (auto *edit = findChild<QLineEdit *>(refusal.focus); edit && !refusal.focus.isEmpty())
        edit->selectAll();
}

void TfrmUjAdatbazis::btnRogzitClick()
{
    const DatabaseCreator::Input input {edtCegNev->text(), edtCegIrsz->text(), edtCegVaros->text(), edtCegCim->text(),
        edtUserName->text(), edtPassword->text()};
    Refusal refusal = DatabaseCreator::check(m_dbPath, input);
    if (!refusal)
        refusal = DatabaseCreator::checkPasswordAgain(edtPassword->text(), edtPassword2->text());
    if (refusal) {
        refuse(refusal);
        return;
    }

    m_messenger.showProgress(QStringLiteral("Az adatbázis létrehozása folyamatban..."));
    const Checked<QString> created = DatabaseCreator::create(m_dbPath, input, QDate::currentDate(), [this](int warehouse) {
        m_messenger.setProgressText(
            QStringLiteral("Az adatbázis létrehozása folyamatban...\r") + DatabaseCreator::warehouseName(warehouse));
    });
    m_messenger.hideProgress();
    if (!created.ok()) {
        refuse(created.refusal);
        return;
    }
    accept();
}

bool TfrmUjAdatbazis::createIfMissing(QWidget *parent, Messenger &messenger, const QString &dbPath)
{
    if (DatabaseCreator::holdsDatabase(dbPath))
        return true;
    TfrmUjAdatbazis dialog(messenger, dbPath, parent);
    return dialog.exec() == QDialog::Accepted;
}
