#include "master/ui/frmUjRecept.h"

#include "master/MasterLookups.h"
#include "master/RecipeCodes.h"
#include "master/RecipeRecords.h"
#include "widgets/ShownLookup.h"
#include "widgets/UiBoundedField.h"
#include "widgets/UiControls.h"
#include "widgets/UiLookup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

TfrmUjRecept::TfrmUjRecept(const Services &services, QSqlDatabase db, QWidget *parent)
    : UiEditDialog(services, QStringLiteral("frmUjRecept"), QStringLiteral("ujrecept.htm"), parent)
    , m_db(db)
{
    setCaptions(QStringLiteral("Új recept felvitele"), QStringLiteral("Recept módosítása"));
    edtEtelKod = named(new QLineEdit(this), "edtEtelKod");
    UiBoundedField::limit(edtEtelKod, 4);
    edtMegnevezes = named(new QLineEdit(this), "edtMegnevezes");
    UiBoundedField::limit(edtMegnevezes, 50);
    dbcEnorma = named(new QComboBox(this), "dbcEnorma");
    dbcValtAzon = named(new QComboBox(this), "dbcValtAzon");
    memLeiras = named(new QPlainTextEdit(this), "memLeiras");

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
    setForm(grid, {edtEtelKod, edtMegnevezes, dbcEnorma, dbcValtAzon});

    fillLookup(dbcEnorma, shownLookup(MasterLookups::mealNorms(db), m_services.messenger));
    fillLookup(dbcValtAzon, shownLookup(MasterLookups::dishKinds(db), m_services.messenger));
}

void TfrmUjRecept::setNewMode()
{
    setMode(Mode::New);
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
    setMode(Mode::Modify);
    if (const std::optional<RecipeHeader> header = RecipeRecords::header(m_db, code)) {
        edtMegnevezes->setText(header->name);
        dbcEnorma->setCurrentIndex(dbcEnorma->findData(header->norm));
        dbcValtAzon->setCurrentIndex(dbcValtAzon->findData(header->variety));
        memLeiras->setPlainText(header->text);
    }
    edtEtelKod->setText(code);
    edtEtelKod->setEnabled(false);
    edtMegnevezes->setFocus();
}

void TfrmUjRecept::record()
{
    const RecipeHeader header {edtEtelKod->text(), edtMegnevezes->text(), dbcEnorma->currentData().toString(),
        dbcValtAzon->currentData().toString(), memLeiras->toPlainText()};
    const QDate today = QDate::currentDate();
    if (!isNewMode()) {
        if (!refused(RecipeHeaders::change(m_db, header, today)))
            saved();
        return;
    }
    const Checked<QString> added = RecipeHeaders::add(m_db, header, today);
    if (refused(added.refusal))
        return;
    m_lastAdded = added.value;
    if (saved())
        clearForNext();
}
