#include "transfer/ui/frmConvert.h"

#include "core/DatePrompt.h"
#include "core/FilePrompt.h"
#include "core/Messenger.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "store/Database.h"
#include "transfer/DosImport.h"
#include "widgets/UiControls.h"
#include "widgets/UiHelp.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TfrmConvert::TfrmConvert(const Services &services, QWidget *parent)
    : QDialog(parent)
    , m_settings(services.settings)
    , m_messenger(services.messenger)
    , m_files(services.files)
    , m_dates(services.dates)
{
    setObjectName(QStringLiteral("frmConvert"));
    setWindowTitle(QStringLiteral("Adatbázis konverter"));
    setModal(true);

    Edit1 = lineEdit(this, QStringLiteral("Edit1"));
    Edit1->setText(QStringLiteral("c:\\ovaris\\ovprog"));
    btnTallozas = pushButton(this, QStringLiteral("btnTallozas"), QStringLiteral("..."), false);
    ListBox1 = named(new QListWidget(this), "ListBox1");
    ListBox1->setSelectionMode(QAbstractItemView::MultiSelection);
    for (DosSources::Part part : DosSources::allParts()) {
        auto *item = new QListWidgetItem(DosSources::caption(part), ListBox1);
        item->setData(Qt::UserRole, int(part));
        item->setSelected(true);
    }
    Label1 = named(new QLabel(this), "Label1");
    lblTablename = named(new QLabel(this), "lblTablename");
    ProgressBar1 = named(new QProgressBar(this), "ProgressBar1");
    btnIndit = pushButton(this, QStringLiteral("btnIndit"), QStringLiteral("Indítás!"), true);
    btnSugo = pushButton(this, QStringLiteral("btnSugo"), QStringLiteral("&Súgó"), false);
    btnMegse = pushButton(this, QStringLiteral("btnMegse"), QStringLiteral("Mégse"), false);

    auto *folder = new QHBoxLayout;
    folder->addWidget(Edit1, 1);
    folder->addWidget(btnTallozas);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnIndit);
    buttons->addWidget(btnSugo);
    buttons->addStretch();
    buttons->addWidget(btnMegse);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Salvia classic elérési útja:"), this));
    layout->addLayout(folder);
    layout->addWidget(ListBox1, 1);
    layout->addWidget(Label1);
    layout->addWidget(lblTablename);
    layout->addWidget(ProgressBar1);
    layout->addLayout(buttons);

    connect(btnTallozas, &QPushButton::clicked, this, &TfrmConvert::btnTallozasClick);
    connect(btnIndit, &QPushButton::clicked, this, &TfrmConvert::btnInditClick);
    connect(btnSugo, &QPushButton::clicked, this,
        [this] { showHelp(this, m_settings, m_messenger, QStringLiteral("Convert.htm")); });
    connect(btnMegse, &QPushButton::clicked, this, &QDialog::reject);
    installHelpKey(this, m_settings, m_messenger, QStringLiteral("Convert.htm"));
}

QString TfrmConvert::reminderText()
{
    return QStringLiteral("Importálásnál a Salvia Classic programból veszi át, és írja felül az adatokat, ezért kérem "
                          "midenképpen készítsen mentést konverzió előtt!");
}

void TfrmConvert::run()
{
    m_messenger.showMessage(QStringLiteral("Információ"), 3, reminderText(), QStringLiteral("OK"));
    exec();
}

void TfrmConvert::btnTallozasClick()
{
    const QString file = m_files.openFileName(
        QStringLiteral("Adatbázis kiválasztás"), QStringLiteral("/"), QStringLiteral("DOS salvia adatbázis|sal*.dbf"));
    if (!file.isEmpty() && QFileInfo::exists(file))
        Edit1->setText(QFileInfo(file).absolutePath());
}

void TfrmConvert::btnInditClick()
{
    DosImport::Request request;
    request.folder = Edit1->text();
    for (int i = 0; i < ListBox1->count(); ++i) {
        if (ListBox1->item(i)->isSelected())
            request.parts << DosSources::Part(ListBox1->item(i)->data(Qt::UserRole).toInt());
    }
    request.workYear = m_settings.munkaEv().toInt();
    request.user = m_settings.loginUser();
    request.settings = &m_settings;
    request.today = QDate::currentDate();
    request.lockKey = m_settings.aktivRaktar();
    QSqlDatabase db = Database::warehouse(m_settings.dbPath(), m_settings.aktivRaktar());

    // Everything is asked before anything is written.
    if (request.parts.contains(DosSources::Part::OpeningStock)) {
        // The opening rows belong to the start of the work year.
        const QDate date = m_dates.askDate(QStringLiteral("Nyitótétel dátuma:"), QDate(request.workYear, 1, 1));
        if (date == DatePrompt::noDate()) {
            request.parts.removeAll(DosSources::Part::OpeningStock);
            m_messenger.showMessage(QStringLiteral("Információ"), 3,
                QStringLiteral("Nem adott meg dátumot: a nyitókészletet nem importálom."), QStringLiteral("OK"));
        } else if (showRefusal(this, m_messenger, DosImport::checkOpeningDate(date, request.workYear))) {
            return;
        }
        request.openingDate = date;
    }
    if (request.parts.contains(DosSources::Part::Recipes)) {
        const auto question = DosImport::recipeQuestion(db);
        if (showRefusal(this, m_messenger, question.refusal))
            return;
        if (!question.value.isEmpty()
            && m_messenger.showMessage(QStringLiteral("Kérdés"), 4, question.value, QStringLiteral("Igen"),
                   QStringLiteral("Nem"))
                != buttonResult(QStringLiteral("Igen"))) {
            return;
        }
    }

    Label1->setText(QStringLiteral("Kérem várjon! Konverzió folyamatban..."));
    ProgressBar1->setRange(0, 0);
    m_messenger.showProgress(QStringLiteral("Kérem várjon! Konverzió folyamatban..."));
    const auto imported = DosImport::run(db, request);
    m_messenger.hideProgress();
    ProgressBar1->setRange(0, 100);
    Label1->clear();
    if (!imported.ok()) {
        Refusal refusal = imported.refusal;
        refusal.text += QStringLiteral("\rA konverzió nem történt meg, az adatbázis nem változott.");
        showRefusal(this, m_messenger, refusal);
        return;
    }
    ProgressBar1->setValue(100);
    m_messenger.showMessage(
        QStringLiteral("Információ"), 3, DosImport::successText(imported.value), QStringLiteral("OK"));
    for (const Refusal &notice : DosImport::notices(imported.value))
        showRefusal(this, m_messenger, notice);
    accept();
}
