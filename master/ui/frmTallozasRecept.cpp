#include "master/ui/frmTallozasRecept.h"

#include "core/Messenger.h"
#include "exchange/ui/frmCsvExport.h"
#include "master/RecipeBrowse.h"
#include "master/RecipeCodes.h"
#include "master/RecipeCopy.h"
#include "master/RecipeDeletion.h"
#include "master/RecipeLines.h"
#include "master/RecipeRecompute.h"
#include "master/ui/frmTallozasReceptEdit.h"
#include "master/ui/frmUjRecept.h"
#include "master/ui/frmUjReceptA.h"
#include "master/ui/qrpRecept.h"
#include "session/Connections.h"
#include "session/Settings.h"
#include "widgets/UiControls.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSqlQueryModel>
#include <QTableView>
#include <QVBoxLayout>

namespace {

// Grid columns of the upper grid: caption and field of ReceptFej.
const QList<QPair<QString, QString>> &recipeColumns()
{
    static const QList<QPair<QString, QString>> columns {{QStringLiteral("Ételkód"), QStringLiteral("EtelKod")},
        {QStringLiteral("Megnevezés"), QStringLiteral("Megnevezes")},
        {QStringLiteral("Nettó ár"), QStringLiteral("Netto")}, {QStringLiteral("ÁFA érték"), QStringLiteral("Afa")},
        {QStringLiteral("Norma"), QStringLiteral("Enorma")},
        {QStringLiteral("Energia [KJ]"), QStringLiteral("Energia")},
        {QStringLiteral("Fehérje [g]"), QStringLiteral("Feherje")},
        {QStringLiteral("Állati feh. [g]"), QStringLiteral("Allati")},
        {QStringLiteral("Zsír [g]"), QStringLiteral("Zsir")},
        {QStringLiteral("Telített zsír [g]"), QStringLiteral("ZsirTe")},
        {QStringLiteral("Transz zsír [g]"), QStringLiteral("Transz")},
        {QStringLiteral("Szénhidrát [g]"), QStringLiteral("Szenhidrat")},
        {QStringLiteral("Cukor [g]"), QStringLiteral("Cukor")}, {QStringLiteral("Hamu [g]"), QStringLiteral("Hamu")},
        {QStringLiteral("Rost [g]"), QStringLiteral("Rost")},
        {QStringLiteral("Koleszterin [g]"), QStringLiteral("Koleszterin")},
        {QStringLiteral("Kálcium [g]"), QStringLiteral("Kalcium")}, {QStringLiteral("Só [g]"), QStringLiteral("So")},
        {QStringLiteral("H. adott cukor [g]"), QStringLiteral("HCukor")},
        {QStringLiteral("H. adott só [g]"), QStringLiteral("HSo")},
        {QStringLiteral("Létrehozva"), QStringLiteral("LetrDat")},
        {QStringLiteral("Módosítva"), QStringLiteral("ModDat")},
        {QStringLiteral("Utolsó használat"), QStringLiteral("UseDat")},
        {QStringLiteral("Megszünés"), QStringLiteral("EndDat")},
        {QStringLiteral("Ételféleség"), QStringLiteral("ValtAzon")}};
    return columns;
}

QTableView *grid(QWidget *parent, const char *name, QSqlQueryModel *model)
{
    QTableView *view = browseGrid(parent, QLatin1String(name), model);
    view->verticalHeader()->hide();
    return view;
}

} // namespace

TfrmTallozasRecept::TfrmTallozasRecept(const Services &services, QWidget *parent)
    : UiBrowseScreen(services, QStringLiteral("frmTallozasRecept"),
          QStringLiteral("Receptek karbantartása - az értékek 100 adagra értendőek"),
          QStringLiteral("tallozasrecept.htm"), parent)
    , m_db(Connections::activeWarehouse(services))
    , m_recipes(new QSqlQueryModel(this))
    , m_lines(new QSqlQueryModel(this))
{
    DBGrid1 = grid(this, "DBGrid1", m_recipes);
    DBGrid2 = grid(this, "DBGrid2", m_lines);
    memLeiras = named(new QPlainTextEdit(this), "memLeiras");
    memLeiras->setReadOnly(true);
    btnFelvitel = button(QStringLiteral("btnFelvitel"), QStringLiteral("&Új"), [this] { btnFelvitelClick(); });
    btnModosit = button(QStringLiteral("btnModosit"), QStringLiteral("&Módosít"), [this] { btnModositClick(); });
    btnTorol = button(QStringLiteral("btnTorol"), QStringLiteral("&Töröl"), [this] { btnTorolClick(); });
    btnMasol = button(QStringLiteral("btnMasol"), QStringLiteral("Más&ol"), [this] { btnMasolClick(); });
    btnUjAnyag = button(QStringLiteral("btnUjAnyag"), QStringLiteral("Ú&j"), [this] { editLine(true); });
    btnModAnyag = button(QStringLiteral("btnModAnyag"), QStringLiteral("Mó&dosít"), [this] { editLine(false); });
    btnTorAnyag = button(QStringLiteral("btnTorAnyag"), QStringLiteral("Tö&röl"), [this] { btnTorAnyagClick(); });
    btnPrint = button(QStringLiteral("btnPrint"), QStringLiteral("&Nyomtat"), [this] { btnPrintClick(); });
    btnTapSzam = button(QStringLiteral("btnTapSzam"), QStringLiteral("&Táp. szám."), [this] { btnTapSzamClick(); });
    btnTapSzam->setEnabled(services.settings.tapValt());
    btnExport = button(QStringLiteral("btnExport"), QStringLiteral("&Export"), [this] { btnExportClick(); });

    QHBoxLayout *top = orderAndSearchRow({},
        {QStringLiteral("Receptnév + norma szerint rendez"), QStringLiteral("Ételkód szerint rendez"),
            QStringLiteral("Norma szerint rendez")},
        {QStringLiteral("Ételkód"), QStringLiteral("Receptnév")});
    comSearch->setCurrentIndex(1);
    auto *upper = new QVBoxLayout;
    upper->addWidget(DBGrid1);
    auto *lower = new QGridLayout;
    lower->addWidget(DBGrid2, 0, 0);
    lower->addWidget(memLeiras, 0, 1);
    auto *lineButtons = new QHBoxLayout;
    for (QPushButton *button : {btnUjAnyag, btnModAnyag, btnTorAnyag})
        lineButtons->addWidget(button);
    lineButtons->addStretch();
    lower->addLayout(lineButtons, 1, 0, 1, 2);
    setBody(top, upper, {btnFelvitel, btnModosit, btnTorol, btnMasol, btnPrint, btnTapSzam, btnExport}, lower);
    resize(1000, 700);
    refresh(QString());
}

QString TfrmTallozasRecept::currentCode() const
{
    const QModelIndex current = DBGrid1->currentIndex();
    return current.isValid() ? m_recipes->index(current.row(), 0).data().toString() : QString();
}

void TfrmTallozasRecept::selectCode(const QString &code)
{
    int row = 0;
    for (int i = 0; i < m_recipes->rowCount(); ++i) {
        if (m_recipes->index(i, 0).data().toString() == code)
            row = i;
    }
    DBGrid1->setCurrentIndex(m_recipes->index(row, 0));
    showLines();
}

void TfrmTallozasRecept::refresh(const QString &select)
{
    QStringList fields;
    for (const auto &column : recipeColumns())
        fields << column.second;
    RecipeBrowse::loadRecipes(*m_recipes, m_db, fields, comOrder->currentIndex());
    for (int i = 0; i < recipeColumns().size(); ++i)
        m_recipes->setHeaderData(i, Qt::Horizontal, recipeColumns().at(i).first);
    DBGrid1->setColumnHidden(int(recipeColumns().size()), true);
    disconnect(DBGrid1->selectionModel(), nullptr, this, nullptr);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this] { showLines(); });
    selectCode(select);
}

void TfrmTallozasRecept::showLines()
{
    const QModelIndex current = DBGrid1->currentIndex();
    memLeiras->setPlainText(
        current.isValid() ? m_recipes->index(current.row(), int(recipeColumns().size())).data().toString() : QString());
    RecipeBrowse::loadLines(*m_lines, m_db, currentCode());
    const QStringList captions {QStringLiteral("Anyagnév"), QStringLiteral("Mennyiség"), QStringLiteral("M.e."),
        QStringLiteral("Fők. szám"), QStringLiteral("Nyilv. szám")};
    for (int i = 0; i < captions.size(); ++i)
        m_lines->setHeaderData(i, Qt::Horizontal, captions.at(i));
    DBGrid2->setColumnHidden(5, true);
    DBGrid2->setCurrentIndex(m_lines->index(0, 0));
}

qint64 TfrmTallozasRecept::currentLineId() const
{
    if (m_lines->rowCount() == 0)
        return 0;
    const int row = DBGrid2->currentIndex().isValid() ? DBGrid2->currentIndex().row() : 0;
    return m_lines->index(row, 5).data().toLongLong();
}

void TfrmTallozasRecept::search()
{
    const QString text = edtSearch->text().trimmed();
    int column = 1;
    QString wanted = text;
    if (comSearch->currentIndex() == 0) {
        const std::optional<QString> code = RecipeCodes::parse(text);
        if (!code) {
            Refusal::error(QStringLiteral("Hibás keresési értékadás!\rEz a mezőfajta csak számot tartalmazhat!"))
                .show(m_services.messenger);
            return;
        }
        column = 0;
        wanted = *code;
    }
    for (int row = 0; row < m_recipes->rowCount(); ++row) {
        const QString value = m_recipes->index(row, column).data().toString();
        if (column == 0 ? value == wanted : value.startsWith(wanted, Qt::CaseInsensitive)) {
            DBGrid1->setCurrentIndex(m_recipes->index(row, 0));
            return;
        }
    }
    Refusal::warning(QStringLiteral("A keresett elem nem található!")).show(m_services.messenger);
}

void TfrmTallozasRecept::btnFelvitelClick()
{
    TfrmUjRecept edit(m_services, m_db, this);
    edit.setNewMode();
    edit.exec();
    refresh(edit.lastAdded().isEmpty() ? currentCode() : edit.lastAdded());
}

void TfrmTallozasRecept::btnModositClick()
{
    const QString code = currentCode();
    if (!hasRow(!code.isEmpty()))
        return;
    TfrmUjRecept edit(m_services, m_db, this);
    edit.setChangeMode(code);
    edit.exec();
    refresh(code);
}

void TfrmTallozasRecept::btnTorolClick()
{
    const QString code = currentCode();
    if (RecipeDeletion::run(m_db, m_services.messenger, code, QDate::currentDate()) != RecipeDeletion::Outcome::Nothing)
        refresh(code);
}

void TfrmTallozasRecept::btnMasolClick()
{
    const QString from = currentCode();
    const QString offered = RecipeCodes::lowestFree(m_db);
    if (from.isEmpty() || offered.isEmpty()) {
        RecipeCopy::noCode().show(m_services.messenger);
        return;
    }
    TfrmTallozasReceptEdit ask(offered, this);
    if (ask.exec() != QDialog::Accepted)
        return;
    const Checked<QString> copied
        = RecipeCopy::copy(m_db, from, ask.edtAzonosito->text(), memLeiras->toPlainText(), QDate::currentDate());
    if (!copied.ok()) {
        copied.refusal.show(m_services.messenger);
        return;
    }
    refresh(copied.value);
    Refusal::information(QStringLiteral("A másolás sikeresen megtörtént.")).show(m_services.messenger);
}

void TfrmTallozasRecept::editLine(bool isNew)
{
    const QString code = currentCode();
    if (!hasRow(!code.isEmpty() && (isNew || currentLineId() != 0)))
        return;
    TfrmUjReceptA edit(m_services, m_db, code, this);
    if (isNew)
        edit.setNewMode();
    else
        edit.setChangeMode(currentLineId());
    edit.exec();
    // The values follow the lines whether or not anything was recorded.
    RecipeRecompute::one(m_db, code, QDate::currentDate());
    if (isNew) {
        m_services.settings.setTapValt(true);
        btnTapSzam->setEnabled(true);
    }
    refresh(code);
}

void TfrmTallozasRecept::btnTorAnyagClick()
{
    const QString code = currentCode();
    const qint64 lineId = code.isEmpty() ? 0 : currentLineId();
    if (const Refusal refusal = RecipeLines::checkRemove(lineId)) {
        refusal.show(m_services.messenger);
        return;
    }
    if (m_services.messenger.showMessage(QStringLiteral("Figyelmeztetés"), Symbol::Warning,
            RecipeLines::removeQuestion(), QStringLiteral("Mégse"), QStringLiteral("OK"))
        != MsgResult::Ok)
        return;
    if (const Refusal refusal = RecipeLines::remove(m_db, code, lineId, QDate::currentDate())) {
        refusal.show(m_services.messenger);
        return;
    }
    RecipeRecompute::one(m_db, code, QDate::currentDate());
    refresh(code);
}

void TfrmTallozasRecept::btnPrintClick()
{
    const int answer = m_services.messenger.showMessage(QStringLiteral("Kérdés"), Symbol::Question,
        QStringLiteral("Egyszerű listát kíván nyomtatni?"), QStringLiteral("Nem"), QStringLiteral("Igen"));
    if (answer == MsgResult::Yes) {
        TqrpReceptLista list(m_services.settings, m_services.messenger, m_db);
        list.preview(this, &m_services.files);
    } else if (answer == MsgResult::No) {
        TqrpRecept card(m_services.settings, m_services.messenger, m_db, currentCode());
        card.preview(this, &m_services.files);
    }
}

void TfrmTallozasRecept::btnTapSzamClick()
{
    btnTapSzam->setEnabled(false);
    const QString code = currentCode();
    const bool done = RecipeRecompute::allWithNotice(m_db, m_services.settings, m_services.messenger,
        QDate::currentDate(), [](int, int) { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents); });
    if (!done) {
        btnTapSzam->setEnabled(true);
        Refusal::error(QStringLiteral("A tápanyagszámítás nem sikerült, semmi sem változott."))
            .show(m_services.messenger);
    }
    refresh(code);
}

void TfrmTallozasRecept::btnExportClick()
{
    QSqlQueryModel headers;
    RecipeBrowse::loadHeaderExport(headers, m_db);
    if (TfrmCsvExport::run(this, m_services.files, m_services.messenger, &headers, QStringLiteral("Receptfej.csv"))
            .isEmpty())
        return;
    QSqlQueryModel lines;
    RecipeBrowse::loadLineExport(lines, m_db);
    TfrmCsvExport::run(this, m_services.files, m_services.messenger, &lines, QStringLiteral("Recept.csv"));
}
