#include "stock/ui/frmRaktarMod.h"

#include "core/Messenger.h"
#include "core/Refusal.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "stock/CorrectionListModel.h"
#include "stock/StockLedger.h"
#include "stock/StockMessages.h"
#include "stock/ui/frmRaktarBevitel.h"
#include "stock/ui/frmRaktarKivetel.h"
#include "widgets/UiControls.h"
#include "widgets/UiHelp.h"
#include "widgets/UiWheelAsArrowKeys.h"
#include "store/WriteFailure.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

QString title(TfrmRaktarMod::Mode mode)
{
    switch (mode) {
    case TfrmRaktarMod::Mode::ReceiptChange:
        return QStringLiteral("Bevételi bizonylat módosítása");
    case TfrmRaktarMod::Mode::ReceiptDelete:
        return QStringLiteral("Bevételi bizonylat törlése");
    case TfrmRaktarMod::Mode::IssueChange:
        return QStringLiteral("Kiadási bizonylat módosítása");
    case TfrmRaktarMod::Mode::IssueDelete:
        break;
    }
    return QStringLiteral("Kiadási bizonylat törlése");
}

QString noRow()
{
    return QStringLiteral("Nincs kiválasztott adatsor!");
}

} // namespace

TfrmRaktarMod::TfrmRaktarMod(const Services &services, QSqlDatabase warehouse, Mode mode, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_db(warehouse)
    , m_mode(mode)
    , m_runScreen([](QDialog *screen) { screen->exec(); })
{
    setObjectName(QStringLiteral("frmRaktarMod"));
    setWindowTitle(title(mode));
    edtBizSzam = new QLineEdit(this);
    edtBizSzam->setObjectName(QStringLiteral("edtBizSzam"));
    comRendez = new QComboBox(this);
    comRendez->setObjectName(QStringLiteral("comRendez"));
    comRendez->addItems({QStringLiteral("Dátum+bizonylat"), QStringLiteral("Bizonylat+dátum")});
    m_model = new CorrectionListModel(this);
    DBGrid1 = browseGrid(this, QStringLiteral("DBGrid1"), m_model);

    // No button takes Enter on the dialog's behalf: Enter in the search field searches.
    btnModosit = pushButton(this, QStringLiteral("btnModosit"), QStringLiteral("&Módosít"), false);
    btnTorol = pushButton(this, QStringLiteral("btnTorol"), QStringLiteral("&Töröl"), false);
    btnSugo = pushButton(this, QStringLiteral("btnSugo"), QStringLiteral("&Súgó"), false);
    btnKilep = pushButton(this, QStringLiteral("btnKilep"), QStringLiteral("&Bezár"), false);
    btnModosit->setVisible(!isDeleteMode());
    btnTorol->setVisible(isDeleteMode());
    lblKek = new QLabel(QStringLiteral("*kék = kiszabatos tétel"), this);
    lblKek->setObjectName(QStringLiteral("lblKek"));
    lblKek->setStyleSheet(QStringLiteral("color: blue;"));
    lblZold = new QLabel(QStringLiteral("*zöld = A la Carte kiszabatos tétel"), this);
    lblZold->setObjectName(QStringLiteral("lblZold"));
    lblZold->setStyleSheet(QStringLiteral("color: green;"));
    lblKek->setVisible(isIssueMode());
    lblZold->setVisible(isIssueMode());

    auto *filters = new QHBoxLayout;
    filters->addWidget(new QLabel(QStringLiteral("Bizonylatszám:"), this));
    filters->addWidget(edtBizSzam);
    filters->addWidget(new QLabel(QStringLiteral("Rendezés:"), this));
    filters->addWidget(comRendez);
    filters->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(lblKek);
    buttons->addWidget(lblZold);
    buttons->addStretch();
    for (QPushButton *button : {btnModosit, btnTorol, btnSugo, btnKilep})
        buttons->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(DBGrid1, 1);
    layout->addLayout(buttons);
    resize(1000, 560);

    connect(edtBizSzam, &QLineEdit::textChanged, this, &TfrmRaktarMod::refresh);
    connect(edtBizSzam, &QLineEdit::returnPressed, this, &TfrmRaktarMod::refresh);
    connect(comRendez, &QComboBox::currentIndexChanged, this, &TfrmRaktarMod::refresh);
    connect(btnModosit, &QPushButton::clicked, this, &TfrmRaktarMod::btnModositClick);
    connect(btnTorol, &QPushButton::clicked, this, &TfrmRaktarMod::btnTorolClick);
    connect(btnSugo, &QPushButton::clicked, this, &TfrmRaktarMod::btnSugoClick);
    connect(btnKilep, &QPushButton::clicked, this, &QDialog::reject);
    UiWheelAsArrowKeys::install(this);
    installHelpKey(this, services.settings, services.messenger, helpPage());
    refresh();
}

QString TfrmRaktarMod::helpPage() const
{
    switch (m_mode) {
    case Mode::ReceiptChange:
        return QStringLiteral("RaktarBeMod.htm");
    case Mode::ReceiptDelete:
        return QStringLiteral("RaktarBeTor.htm");
    case Mode::IssueChange:
        return QStringLiteral("RaktarKiMod.htm");
    case Mode::IssueDelete:
        break;
    }
    return QStringLiteral("RaktarKiTor.htm");
}

void TfrmRaktarMod::refresh()
{
    const qint64 selected = selectedId();
    QString error;
    m_rows = CorrectionList(m_db).rows(isIssueMode() ? QStringLiteral("KI") : QStringLiteral("BE"),
        edtBizSzam->text().trimmed(),
        comRendez->currentIndex() == 1 ? CorrectionList::Order::VoucherDate : CorrectionList::Order::DateVoucher,
        &error);
    if (!error.isEmpty())
        WriteFailure::readFailed(error).show(m_services.messenger);
    m_model->setRows(m_rows);
    selectId(selected);
}

qint64 TfrmRaktarMod::selectedId() const
{
    const CorrectionList::Row *row = selectedRow();
    return row ? row->raktAzon : 0;
}

const CorrectionList::Row *TfrmRaktarMod::selectedRow() const
{
    const int index = DBGrid1->currentIndex().row();
    return index >= 0 && index < m_rows.size() ? &m_rows.at(index) : nullptr;
}

void TfrmRaktarMod::selectId(qint64 raktAzon)
{
    int found = m_rows.isEmpty() ? -1 : 0;
    for (int i = 0; i < m_rows.size(); ++i) {
        if (m_rows.at(i).raktAzon == raktAzon)
            found = i;
    }
    if (found >= 0)
        DBGrid1->setCurrentIndex(m_model->index(found, 0));
}

void TfrmRaktarMod::btnModositClick()
{
    Messenger &messenger = m_services.messenger;
    const CorrectionList::Row *row = selectedRow();
    if (!row) {
        Refusal::warning(noRow()).show(messenger);
        return;
    }
    const qint64 id = row->raktAzon;
    if (isIssueMode() && row->stat
        && messenger.showMessage(QStringLiteral("Figyelmeztetés"), Symbol::Warning,
               QStringLiteral("Kiszabatot javítani csak kiszabat törléssel, és újbóli felvitellel ajánlott!\r"
                              "Valóban módosít?"),
               QStringLiteral("Nem"), QStringLiteral("Igen"))
            != MsgResult::Yes)
        return;
    std::unique_ptr<VoucherScreen> screen;
    if (isIssueMode())
        screen = std::make_unique<TfrmRaktarKivetel>(m_services, m_db, this);
    else
        screen = std::make_unique<TfrmRaktarBevitel>(m_services, m_db, this);
    if (screen->openOnRow(id))
        m_runScreen(screen.get());
    screen.reset();
    refresh();
    selectId(id);
    m_services.settings.setTapValt(true);
}

void TfrmRaktarMod::btnTorolClick()
{
    Messenger &messenger = m_services.messenger;
    if (messenger.showMessage(QStringLiteral("Figyelmeztetés"), Symbol::Warning,
            QStringLiteral("Valóban törölni akarja a rekordot?"), QStringLiteral("Nem"), QStringLiteral("Igen"))
        == MsgResult::Yes) {
        const CorrectionList::Row *row = selectedRow();
        if (!row) {
            Refusal::warning(noRow()).show(messenger);
        } else if (isIssueMode() && row->stat) {
            Refusal {QStringLiteral("Hiba!"), Symbol::Error,
                QStringLiteral("Kiszabatos tétel! Törölni a kiszabat törlésénél lehet!"), QString()}
                .show(messenger);
        } else {
            Settings &settings = m_services.settings;
            const StockOutcome outcome
                = StockLedger(m_db, StockOptions {settings.loginUser(), settings.kiadAr()}).remove(row->raktAzon);
            if (!outcome.ok()) {
                outcome.refusal.show(messenger);
            } else {
                if (settings.displayModify())
                    Refusal::information(StockMessages::deleted()).show(messenger);
                if (settings.displayTetelWarning()) {
                    for (const Refusal &notice : outcome.notices)
                        notice.show(messenger);
                }
            }
            refresh();
        }
    }
    m_services.settings.setTapValt(true);
}

void TfrmRaktarMod::btnSugoClick()
{
    showHelp(this, m_services.settings, m_services.messenger, helpPage());
}
