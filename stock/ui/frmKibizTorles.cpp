#include "stock/ui/frmKibizTorles.h"

#include "core/Messenger.h"
#include "core/Refusal.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "stock/StockLedger.h"
#include "stock/StockMessages.h"
#include "widgets/UiBoundedField.h"
#include "widgets/UiHelp.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString HelpPage = QStringLiteral("KibizTorles.htm");

} // namespace

TfrmKibizTorles::TfrmKibizTorles(const Services &services, QSqlDatabase warehouse, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
    , m_db(warehouse)
{
    setObjectName(QStringLiteral("frmKibizTorles"));
    setWindowTitle(QStringLiteral("Kiadási bizonylat törlése"));
    dtpDatum = new QDateEdit(QDate::currentDate(), this);
    dtpDatum->setObjectName(QStringLiteral("dtpDatum"));
    dtpDatum->setCalendarPopup(true);
    dtpDatum->setDisplayFormat(QStringLiteral("yyyy.MM.dd."));
    const QDate closed = services.settings.lezartHoDat();
    if (closed.isValid())
        dtpDatum->setMinimumDate(closed.addDays(1));
    edtBizSzam = new QLineEdit(this);
    edtBizSzam->setObjectName(QStringLiteral("edtBizSzam"));
    UiBoundedField::limit(edtBizSzam, 8);
    lblMegjegyzes = new QLabel(
        QStringLiteral("A kézi kiadási bizonylatokat lehet csak törölni! Kiszabatot törölni a kiszabat törlés "
                       "menüponttal lehet. A bizonylat sorszámát pontosan kell beírni vezető nullákkal."),
        this);
    lblMegjegyzes->setObjectName(QStringLiteral("lblMegjegyzes"));
    lblMegjegyzes->setWordWrap(true);
    btnTorol = new QPushButton(QStringLiteral("&Töröl"), this);
    btnTorol->setObjectName(QStringLiteral("btnTorol"));
    btnBezar = new QPushButton(QStringLiteral("&Bezár"), this);
    btnBezar->setObjectName(QStringLiteral("btnBezar"));
    btnSugo = new QPushButton(QStringLiteral("&Súgó"), this);
    btnSugo->setObjectName(QStringLiteral("btnSugo"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Dátum:"), this), 0, 0);
    layout->addWidget(dtpDatum, 0, 1);
    layout->addWidget(new QLabel(QStringLiteral("Kiadási bizonylat sorszáma:"), this), 1, 0);
    layout->addWidget(edtBizSzam, 1, 1);
    layout->addWidget(lblMegjegyzes, 2, 0, 1, 2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnTorol);
    buttons->addWidget(btnBezar);
    buttons->addWidget(btnSugo);
    layout->addLayout(buttons, 3, 0, 1, 2);
    connect(btnTorol, &QPushButton::clicked, this, &TfrmKibizTorles::btnTorolClick);
    connect(btnBezar, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSugo, &QPushButton::clicked, this, &TfrmKibizTorles::btnSugoClick);
    installHelpKey(this, services.settings, services.messenger, HelpPage);
}

void TfrmKibizTorles::btnTorolClick()
{
    Messenger &messenger = m_services.messenger;
    if (messenger.showMessage(QStringLiteral("Figyelmeztetés"), Symbol::Warning,
            QStringLiteral("A kiválasztott bizonylat minden tételével törlődni fog!\rValóban ezt akarja?"),
            QStringLiteral("Nem"), QStringLiteral("Igen"))
        != MsgResult::Yes) {
        reject();
        return;
    }
    messenger.showProgress(QStringLiteral("Kérem várjon, törlés folyamatban...\rEz több percet is igénybevehet!"));
    Settings &settings = m_services.settings;
    const StockOutcome outcome = StockLedger(m_db, StockOptions {settings.loginUser(), settings.kiadAr()})
                                     .removeIssueVoucher(dtpDatum->date(), edtBizSzam->text());
    messenger.hideProgress();
    if (outcome.ok())
        Refusal::information(StockMessages::voucherDeleted()).show(messenger);
    else
        outcome.refusal.show(messenger);
    accept();
}

void TfrmKibizTorles::btnSugoClick()
{
    showHelp(this, m_services.settings, m_services.messenger, HelpPage);
}
