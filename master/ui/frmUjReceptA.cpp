#include "master/ui/frmUjReceptA.h"

#include "master/RecipeLines.h"
#include "master/TypedQuantity.h"
#include "session/Settings.h"
#include "widgets/UiControls.h"
#include "widgets/UiEnterMovesFocus.h"
#include "widgets/UiHelp.h"
#include "widgets/UiLookup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSqlQuery>
#include <algorithm>

namespace {

const QString HelpPage = QStringLiteral("UjReceptA.htm");
const double QuantityMaximum = 1000000;

} // namespace

TfrmUjReceptA::TfrmUjReceptA(const Services &services, QSqlDatabase db, const QString &code, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_db(db)
    , m_code(code)
{
    setObjectName(QStringLiteral("frmUjReceptA"));
    dbcFokszam = named(new QComboBox(this), "dbcFokszam");
    dbcAnyag = named(new QComboBox(this), "dbcAnyag");
    edtMennyiseg = named(new QLineEdit(this), "edtMennyiseg");
    edtMennyiseg->setAlignment(Qt::AlignRight);
    lblMertegys = named(new QLabel(this), "lblMertegys");
    lblMegjegyzes = named(new QLabel(this), "lblMegjegyzes");
    btnRogzit = pushButton(this, QStringLiteral("btnRogzit"), QStringLiteral("&Rögzít"), true);
    btnMegse = pushButton(this, QStringLiteral("btnMegse"), QStringLiteral("&Mégse"), true);
    btnSugo = pushButton(this, QStringLiteral("btnSugo"), QStringLiteral("&Súgó"), true);

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("Főkönyvi szám:"), this), 0, 0);
    grid->addWidget(dbcFokszam, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Anyag megnevezése:"), this), 1, 0);
    grid->addWidget(dbcAnyag, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("Mennyiség:"), this), 2, 0);
    auto *quantity = new QHBoxLayout;
    quantity->addWidget(edtMennyiseg);
    quantity->addWidget(lblMertegys);
    grid->addLayout(quantity, 2, 1);
    grid->addWidget(lblMegjegyzes, 3, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnRogzit);
    buttons->addWidget(btnMegse);
    buttons->addWidget(btnSugo);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);

    fillLookup(dbcFokszam, db,
        QStringLiteral("SELECT \"FokonyviSzam\", \"FokonyviSzam\" || ' - ' || \"Megnevezes\" FROM \"Fokszam\" "
                       "ORDER BY \"FokonyviSzam\""));
    UiEnterMovesFocus::install({dbcFokszam, dbcAnyag, edtMennyiseg, btnRogzit});
    installHelpKey(this, services.settings, services.messenger, HelpPage);
    connect(dbcFokszam, &QComboBox::currentIndexChanged, this, [this] { fillMaterials(); });
    connect(dbcAnyag, &QComboBox::currentIndexChanged, this, [this] { materialChanged(); });
    connect(btnRogzit, &QPushButton::clicked, this, [this] { btnRogzitClick(); });
    connect(btnMegse, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSugo, &QPushButton::clicked, this,
        [this] { showHelp(this, m_services.settings, m_services.messenger, HelpPage); });
}

void TfrmUjReceptA::fillMaterials()
{
    dbcAnyag->blockSignals(true);
    fillLookup(dbcAnyag, m_db,
        QStringLiteral("SELECT \"NyilvSzam\", \"Megnevezes\" FROM \"Anyag\" WHERE \"FokonyviSzam\" = ? "
                       "ORDER BY \"Megnevezes\", \"NyilvSzam\""),
        {dbcFokszam->currentData()});
    dbcAnyag->blockSignals(false);
    dbcAnyag->setCurrentIndex(dbcAnyag->count() > 0 ? 0 : -1);
    materialChanged();
}

void TfrmUjReceptA::materialChanged()
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT \"Mertekegyseg\", \"Kerekites\" FROM \"Anyag\" WHERE \"FokonyviSzam\" = ? "
                                 "AND \"NyilvSzam\" = ?"));
    query.addBindValue(dbcFokszam->currentData());
    query.addBindValue(dbcAnyag->currentData());
    const bool found = query.exec() && query.next();
    lblMertegys->setText(found ? query.value(0).toString() : QString());
    m_decimals = found ? std::clamp(query.value(1).toInt(), 0, TypedQuantity::Decimals) : TypedQuantity::Decimals;
    if (!edtMennyiseg->isModified())
        showQuantity(m_quantity);
}

void TfrmUjReceptA::showQuantity(double quantity)
{
    m_quantity = quantity;
    edtMennyiseg->setText(TypedQuantity::shown(quantity, m_decimals));
}

void TfrmUjReceptA::setNewMode()
{
    m_lineId = 0;
    setWindowTitle(QStringLiteral("Új anyag felvitele"));
    const int portions = std::clamp(m_services.settings.receptFo(), 1, 100);
    lblMegjegyzes->setText(QStringLiteral("Az anyag mennyisége %1 adagra értendő!").arg(portions));
    const int account = dbcFokszam->findData(m_services.settings.defaultFokszam());
    dbcFokszam->setCurrentIndex(account >= 0 ? account : 0);
    fillMaterials();
    showQuantity(0);
}

void TfrmUjReceptA::setChangeMode(qint64 lineId)
{
    m_lineId = lineId;
    setWindowTitle(QStringLiteral("Anyag módosítása"));
    lblMegjegyzes->setText(QStringLiteral("Az anyag mennyisége 100 adagra értendő!"));
    QSqlQuery query(m_db);
    query.prepare(
        QStringLiteral("SELECT \"FokSzla\", \"NyilvSzam\", \"Mennyiseg\" FROM \"Recept\" WHERE \"ReceptAzon\" = ?"));
    query.addBindValue(lineId);
    if (!query.exec() || !query.next())
        return;
    dbcFokszam->setCurrentIndex(dbcFokszam->findData(query.value(0).toString()));
    fillMaterials();
    dbcAnyag->setCurrentIndex(dbcAnyag->findData(query.value(1).toString()));
    showQuantity(query.value(2).toDouble());
}

void TfrmUjReceptA::btnRogzitClick()
{
    const Checked<double> quantity = edtMennyiseg->isModified()
        ? TypedQuantity::read(edtMennyiseg->text(), QuantityMaximum, edtMennyiseg->objectName())
        : Checked<double>::accepted(m_quantity);
    if (showRefusal(this, m_services.messenger, quantity.refusal))
        return;
    const RecipeLines::Line line {
        m_code, dbcFokszam->currentData().toString(), dbcAnyag->currentData().toString(), quantity.value};
    const QDate today = QDate::currentDate();
    if (m_lineId != 0) {
        if (showRefusal(this, m_services.messenger, RecipeLines::change(m_db, m_lineId, line, today)))
            return;
        noticeModified(m_services);
        accept();
        return;
    }
    const Checked<qint64> added = RecipeLines::add(m_db, line, m_services.settings.receptFo(), today);
    if (showRefusal(this, m_services.messenger, added.refusal))
        return;
    noticeAdded(m_services);
    showQuantity(0);
    dbcFokszam->setFocus();
}
