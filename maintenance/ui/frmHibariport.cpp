#include "maintenance/ui/frmHibariport.h"

#include "core/FilePrompt.h"
#include "core/Messenger.h"
#include "exchange/HttpClient.h"
#include "maintenance/Backup.h"
#include "maintenance/ErrorReport.h"
#include "maintenance/ui/frmSetMail.h"
#include "session/Settings.h"

#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmHibariport::TfrmHibariport(const Services &services, QWidget *parent)
    : QDialog(parent)
    , m_services(services)
{
    setObjectName(QStringLiteral("frmHibariport"));
    setWindowTitle(QStringLiteral("Programhiba riport varázsló"));
    auto text = [this](const QString &value) {
        auto *label = new QLabel(value, this);
        label->setWordWrap(true);
        return label;
    };
    memJelenseg = new QPlainTextEdit(this);
    memJelenseg->setObjectName(QStringLiteral("memJelenseg"));
    Label8 = new QLabel(this);
    Label8->setObjectName(QStringLiteral("Label8"));
    btnKesz = new QPushButton(QStringLiteral("&Kész"), this);
    btnKesz->setObjectName(QStringLiteral("btnKesz"));
    btnNetSend = new QPushButton(QStringLiteral("E-mail"), this);
    btnNetSend->setObjectName(QStringLiteral("btnNetSend"));
    btnSave = new QPushButton(QStringLiteral("M&entés"), this);
    btnSave->setObjectName(QStringLiteral("btnSave"));
    btnBezar = new QPushButton(QStringLiteral("&Bezár"), this);
    btnBezar->setObjectName(QStringLiteral("btnBezar"));

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text(QStringLiteral("Üdvözli a Programhiba riport varázsló!")));
    layout->addWidget(text(QStringLiteral("Ha úgy érzi, hogy hibát talált a programban, vagy valami nem úgy működik ahogy "
                                          "azt Ön elvárná,  akkor kérem szánjon néhány percet rá, hogy megossza velünk "
                                          "tapasztalatait! ")));
    layout->addWidget(text(QStringLiteral("Ez a program hibáinak javításánál igen nagy segítséget jelent! A folyamat "
                                          "mindössze két egyszerű lépésből áll:")));
    layout->addWidget(text(QStringLiteral("1. lépés: Kérem írja a jobb oldali mezőbe, hogy pontosan mi a hibajelenség. "
                                          "Minél jobban körülírja, annál könnyebb lesz beazonosítani a hibát. Írja le, "
                                          "hogy pontosan melyik menüben történt a hiba, mely gombok vagy billentyűk "
                                          "leütésénél.")));
    layout->addWidget(memJelenseg);
    layout->addWidget(text(QStringLiteral("2. lépés: Kattintson a 'Kész' gombra. Ha rendelkezik internet kapcsolattal, "
                                          "akkor azonnal is elküldheti nekünk a hibalistát, ha rákattint az E-mail "
                                          "gombra. Semmilyen beállítást nem igényel, közvetlenül a mi szerverünkre "
                                          "továbbítja.")));
    layout->addWidget(Label8);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {btnKesz, btnNetSend, btnSave, btnBezar})
        buttons->addWidget(button);
    layout->addLayout(buttons);

    connect(btnKesz, &QPushButton::clicked, this, &TfrmHibariport::btnKeszClick);
    connect(btnSave, &QPushButton::clicked, this, &TfrmHibariport::btnSaveClick);
    connect(btnNetSend, &QPushButton::clicked, this, &TfrmHibariport::btnNetSendClick);
    connect(btnBezar, &QPushButton::clicked, this, &QDialog::reject);
    showCount();
}

QString TfrmHibariport::logPath() const
{
    return ErrorReport::logFile(m_services.settings.programPath());
}

void TfrmHibariport::showCount()
{
    Label8->setText(QStringLiteral("Bejegyzések száma: ") + QString::number(ErrorReport::entryCount(logPath())));
}

bool TfrmHibariport::recordDescription(bool quiet)
{
    const Settings &settings = m_services.settings;
    const Refusal refused = ErrorReport::record(logPath(), memJelenseg->toPlainText(), QDateTime::currentDateTime(),
        settings.progVer(), settings.dbMinVer(), settings.aktivRaktar());
    if (refused) {
        if (!quiet)
            refused.show(m_services.messenger);
        return false;
    }
    if (!quiet)
        Refusal::information(ErrorReport::recordedText()).show(m_services.messenger);
    memJelenseg->clear();
    showCount();
    return true;
}

void TfrmHibariport::btnKeszClick()
{
    recordDescription(false);
}

void TfrmHibariport::btnSaveClick()
{
    if (!QFile::exists(logPath())) {
        Refusal::warning(ErrorReport::noEntryToSaveText()).show(m_services.messenger);
        return;
    }
    const QString target = m_services.files.saveFileName(QStringLiteral("Hibalista mentése"), QString(),
        QStringLiteral("Szövegfájlok (.TXT)|*.txt"), QStringLiteral("txt"));
    if (target.isEmpty())
        return;
    QFile::remove(target);
    if (!QFile::copy(logPath(), target)) {
        Refusal::error(QStringLiteral("A mentés nem sikerült: ") + target).show(m_services.messenger);
        return;
    }
    Refusal::information(ErrorReport::savedText()).show(m_services.messenger);
}

void TfrmHibariport::btnNetSendClick()
{
    btnNetSend->setEnabled(false);
    if (memJelenseg->toPlainText().trimmed().size() >= 2)
        recordDescription(true);
    const Settings &settings = m_services.settings;
    QFile log(logPath());
    if (!log.open(QIODevice::ReadOnly)) {
        Refusal::warning(ErrorReport::noEntryToSendText()).show(m_services.messenger);
        btnNetSend->setEnabled(true);
        return;
    }
    const bool flatRate = m_services.messenger.showMessage(QStringLiteral("Kérdés"), Symbol::Information,
                              QStringLiteral("Rendelkezik Ön átalánydíjas szerződéssel?"), QStringLiteral("Igen"),
                              QStringLiteral("Nem"))
        == MsgResult::Yes;
    TfrmSetMail contact(m_services.messenger, flatRate, this);
    if (contact.exec() == QDialog::Accepted) {
        ErrorReport::Report report;
        report.contact = contact.contact();
        report.recipient = settings.mailaddr();
        report.institution = settings.cegNev() + QLatin1Char(' ') + settings.cegVaros() + QStringLiteral(", ") + settings.cegCim();
        report.progVer = settings.progVer();
        report.now = QDateTime::currentDateTime();
        report.log = log.readAll();
        const QString pack = QDir(settings.programPath())
                                 .filePath(QStringLiteral("Backup/DBRaktar_") + QString::number(settings.aktivRaktar())
                                     + QStringLiteral(".zip"));
        Refusal refused;
        if (contact.attachWarehouse()) {
            Backup::makePrivateFolder(QFileInfo(pack).absolutePath());
            m_services.messenger.showProgress(QStringLiteral("Aktív raktár metése..."));
            refused = Backup::write(settings.dbPath(), settings.aktivRaktar(), pack);
            m_services.messenger.hideProgress();
            QFile file(pack);
            if (!refused && file.open(QIODevice::ReadOnly)) {
                report.attachmentName = QFileInfo(pack).fileName();
                report.attachment = file.readAll();
            }
        }
        if (!refused) {
            HttpClient client;
            refused = ErrorReport::send(m_services.messenger, client, QUrl(settings.updateServer()), report);
        }
        // The pack holds the whole warehouse: it does not stay behind.
        QFile::remove(pack);
        if (refused && !refused.caption.isEmpty())
            refused.show(m_services.messenger);
        else if (!refused)
            Refusal::information(ErrorReport::sentText()).show(m_services.messenger);
    }
    btnNetSend->setEnabled(true);
}
