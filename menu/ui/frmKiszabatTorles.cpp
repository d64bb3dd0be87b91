#include "menu/ui/frmKiszabatTorles.h"

#include "core/Messenger.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "widgets/UiControls.h"
#include "widgets/UiHelp.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

TfrmKiszabatTorles::TfrmKiszabatTorles(const Services &services, MealSource meals, Deletion deletion, QWidget *parent)
    : QDialog(parent)
    , dtpKezdet(new QDateEdit(QDate::currentDate(), this))
    , lstEtkezesek(new QListWidget(this))
    , btnRogzit(pushButton(this, QStringLiteral("btnRogzit"), QStringLiteral("&Töröl"), true))
    , btnMegse(pushButton(this, QStringLiteral("btnMegse"), QStringLiteral("&Bezár"), true))
    , btnSugo(pushButton(this, QStringLiteral("btnSugo"), QStringLiteral("&Súgó"), true))
    , m_services(services)
    , m_meals(std::move(meals))
    , m_deletion(std::move(deletion))
{
    setObjectName(QStringLiteral("frmKiszabatTorles"));
    setWindowTitle(QStringLiteral("Napi kiszabatok törlése"));
    dtpKezdet->setObjectName(QStringLiteral("dtpKezdet"));
    dtpKezdet->setCalendarPopup(true);
    dtpKezdet->setDisplayFormat(QStringLiteral("yyyy.MM.dd"));
    const QDate closed = services.settings.lezartHoDat();
    if (closed.isValid())
        dtpKezdet->setMinimumDate(closed.addDays(1));
    lstEtkezesek->setObjectName(QStringLiteral("lstEtkezesek"));
    lstEtkezesek->setSelectionMode(QAbstractItemView::NoSelection);

    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Dátum:"), this), 0, 0);
    grid->addWidget(dtpKezdet, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("Étkezések, amik\ntörölve lesznek:"), this), 1, 0, Qt::AlignTop);
    grid->addWidget(lstEtkezesek, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnRogzit);
    buttons->addWidget(btnMegse);
    buttons->addWidget(btnSugo);
    grid->addLayout(buttons, 2, 0, 1, 2);

    connect(dtpKezdet, &QDateEdit::dateChanged, this, &TfrmKiszabatTorles::refill);
    connect(btnRogzit, &QPushButton::clicked, this, &TfrmKiszabatTorles::btnRogzitClick);
    connect(btnMegse, &QPushButton::clicked, this, &QDialog::reject);
    connect(btnSugo, &QPushButton::clicked, this,
        [this] { showHelp(this, m_services.settings, m_services.messenger, QStringLiteral("KiszabatTorles.htm")); });
    refill();
}

void TfrmKiszabatTorles::refill()
{
    lstEtkezesek->clear();
    for (const RationMeal &meal : m_meals(dtpKezdet->date()))
        lstEtkezesek->addItem(meal.code + QLatin1Char('-') + meal.name);
}

void TfrmKiszabatTorles::btnRogzitClick()
{
    Messenger &messenger = m_services.messenger;
    const int answer = messenger.showMessage(QStringLiteral("Figyelmeztetés"), Symbol::Warning,
        QStringLiteral("A folyamat törli a felsorolt kiszabatokat, és a hozzájuk tartozó raktári bizonylatokat!\r"
                       "Valóban ezt akarja?"),
        QStringLiteral("Nem"), QStringLiteral("Igen"));
    if (answer != MsgResult::Yes) {
        reject();
        return;
    }
    messenger.showProgress(QStringLiteral("Kérem várjon, törlés folyamatban...\rEz több percet is igénybevehet!"));
    const Checked<int> deleted = m_deletion(dtpKezdet->date());
    messenger.hideProgress();
    if (!deleted.ok()) {
        deleted.refusal.show(messenger);
        refill();
        return;
    }
    Refusal::information(QStringLiteral("A kiszabatok sikeresen törölve lettek.")).show(messenger);
    accept();
}
