#include "master/ui/frmUjRecept.h"

#include "master/RecipeCodes.h"
#include "master/RecipeHeader.h"
#include "session/Settings.h"
#include "widgets/UiBoundedField.h"
#include "widgets/UiControls.h"
#include "widgets/UiEnterMovesFocus.h"
#include "widgets/UiHelp.h"
#include "widgets/UiLookup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSqlQuery>

namespace {

const QString HelpPage = QStringLiteral("ujrecept.htm");

} // namespace

TfrmUjRecept::TfrmUjRecept(const Services &services, QSqlDatabase db, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_db(db)
{
    setObjectName(QStringLiteral("frmUjRecept"));
    edtEtelKod = named(new QLineEdit(this), "edtEtelKod");
    UiBoundedField::limit(edtEtelKod, 4);
    edtMegnevezes = named(new QLineEdit(this), "edtMegnevezes");
    UiBoundedField::limit(edtMegnevezes, 50);
    dbcEnorma = named(new QComboBox(this), "dbcEnorma");
    dbcValtAzon = named(new QComboBox(this), "dbcValtAzon");
    memLeiras = named(new QPlainTextEdit(this), "memLeiras");
    btnRogzit = pushButton(this, QStringLiteral("btnRogzit"), QStringLiteral("&Rögzít"), true);
    btnMegse = pushButton(this, QStringLiteral("btnMegse"), QStringLiteral("&Mégse"), true);
    btnSugo = pushButton(this, QStringLiteral("btnSugo"), QStringLiteral("&Súgó"), true);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Ételkód:"), this), 0, 0);
    grid->addWidget(edtEtelKod, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Ételnév:"), this), 1, 0);
    grid->addWidget(edtMegnevezes, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Étkezési norma:"), this), 2, 0);
    grid->addWidget(dbcEnorma, 2, 1);
    grid->addWidget(new QLabel(QStringLiteral("Étel fajta:"), this), 3, 0);
    grid->addWidget(dbcValtAzon, 3, 1);
    grid->addWidget(new QLabel(QStringLiteral("Elkészítési javaslat:"), this), 4, 0, 1, 2);
    grid->addWidget(memLeiras, 5, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnRogzit);
    buttons->addWidget(btnMegse);
    buttons->addWidget(btnSugo);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    fillLookup(dbcEnorma, db,
        QStringLiteral(
            "SELECT \"Enorma\", \"Megnevezes\" || ' (' || \"Enorma\" || ')' FROM \"Etknorma\" ORDER BY \"Enorma\""));
    fillLookup(dbcValtAzon, db,
        QStringLiteral("SELECT \"ValtAzon\", \"Etelfeleseg\" || ' (' || \"ValtAzon\" || ')' FROM \"Etelfeleseg\" "
                       "ORDER BY \"ValtAzon\""));

    UiEnterMovesFocus::install({edtEtelKod, edtMegnevezes, dbcEnorma, dbcValtAzon, btnRogzit});
    installHelpKey(this, services.settings, services.messenger, HelpPage);
    connect(btnRogzit, &QPushButton::clicked, this, [this] { btnRogzitClick(); });
    connect(btnMegse, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSugo, &QPushButton::clicked, this,
        [this] { showHelp(this, m_services.settings, m_services.messenger, HelpPage); });
}

void TfrmUjRecept::setNewMode()
{
    m_change = false;
    setWindowTitle(QStringLiteral("Új recept felvitele"));
    dbcEnorma->setCurrentIndex(dbcEnorma->count() > 0 ? 0 : -1);
    clearForNext();
}

void TfrmUjRecept::clearForNext()
{
    edtEtelKod->setText(RecipeCodes::proposeNew(m_db));
    edtMegnevezes->clear();
    memLeiras->clear();
    dbcValtAzon->setCurrentIndex(dbcValtAzon->count() > 0 ? 0 : -1);
    edtEtelKod->setFocus();
}

void TfrmUjRecept::setChangeMode(const QString &code)
{
    m_change = true;
    setWindowTitle(QStringLiteral("Recept módosítása"));
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT \"Megnevezes\", \"Enorma\", \"ValtAzon\", \"Leiras\" FROM \"ReceptFej\" "
                                 "WHERE \"EtelKod\" = ?"));
    query.addBindValue(code);
    if (query.exec() && query.next()) {
        edtMegnevezes->setText(query.value(0).toString());
        dbcEnorma->setCurrentIndex(dbcEnorma->findData(query.value(1).toString()));
        dbcValtAzon->setCurrentIndex(dbcValtAzon->findData(query.value(2).toString()));
        memLeiras->setPlainText(query.value(3).toString());
    }
    edtEtelKod->setText(code);
    edtEtelKod->setEnabled(false);
    edtMegnevezes->setFocus();
}

void TfrmUjRecept::btnRogzitClick()
{
    const RecipeHeader header {edtEtelKod->text(), edtMegnevezes->text(), dbcEnorma->currentData().toString(),
        dbcValtAzon->currentData().toString(), memLeiras->toPlainText()};
    const QDate today = QDate::currentDate();
    if (m_change) {
        if (const Refusal refusal = RecipeHeaders::change(m_db, header, today)) {
            refusal.show(m_services.messenger);
            edtMegnevezes->setFocus();
            return;
        }
        noticeModified(m_services);
        accept();
        return;
    }
    const Checked<QString> added = RecipeHeaders::add(m_db, header, today);
    if (showRefusal(this, m_services.messenger, added.refusal))
        return;
    m_lastAdded = added.value;
    noticeAdded(m_services);
    clearForNext();
}
