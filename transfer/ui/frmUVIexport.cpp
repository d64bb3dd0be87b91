#include "transfer/ui/frmUVIexport.h"

#include "core/FilePrompt.h"
#include "core/Messenger.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "store/Database.h"
#include "widgets/UiControls.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TfrmUVIexport::TfrmUVIexport(const Services &services, QWidget *parent)
    : QDialog(parent)
    , m_settings(services.settings)
    , m_messenger(services.messenger)
    , m_files(services.files)
{
    setObjectName(QStringLiteral("frmUVIexport"));
    setWindowTitle(QStringLiteral("ÜVI adat export"));
    setModal(true);
    resize(560, 480);

    edtCegAzon = lineEdit(this, QStringLiteral("edtCegAzon"), 1);
    edtBRenAz = lineEdit(this, QStringLiteral("edtBRenAz"), 1);
    edtEgys = lineEdit(this, QStringLiteral("edtEgys"), 4);
    edtAdosz = lineEdit(this, QStringLiteral("edtAdosz"), 11);
    edtKoteg = lineEdit(this, QStringLiteral("edtKoteg"), 3);
    dblTablo = named(new QComboBox(this), "dblTablo");
    memStatus = named(new QPlainTextEdit(this), "memStatus");
    memStatus->setReadOnly(true);
    btnExport = pushButton(this, QStringLiteral("btnExport"), QStringLiteral("Exportálás"), true);
    btnKilep = pushButton(this, QStringLiteral("btnKilep"), QStringLiteral("&Kilépés"), false);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Cégazonosító:"), edtCegAzon);
    form->addRow(QStringLiteral("Bolti rendszerazonosító:"), edtBRenAz);
    form->addRow(QStringLiteral("Egységszám:"), edtEgys);
    form->addRow(QStringLiteral("Adószám (csak számok):"), edtAdosz);
    form->addRow(QStringLiteral("Kötegszám: "), edtKoteg);
    form->addRow(QStringLiteral("Tablószám:"), dblTablo);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnExport);
    buttons->addStretch();
    buttons->addWidget(btnKilep);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(memStatus, 1);
    layout->addLayout(buttons);

    // Each field is stored as soon as it is left.
    connect(edtCegAzon, &QLineEdit::editingFinished, this, [this] { m_settings.setCegAzon(edtCegAzon->text()); });
    connect(edtBRenAz, &QLineEdit::editingFinished, this, [this] { m_settings.setBRendAz(edtBRenAz->text()); });
    connect(edtEgys, &QLineEdit::editingFinished, this, [this] { m_settings.setEgys(edtEgys->text()); });
    connect(edtAdosz, &QLineEdit::editingFinished, this, [this] { m_settings.setAdosz(edtAdosz->text()); });
    connect(edtKoteg, &QLineEdit::editingFinished, this, [this] { m_settings.setKoteg(edtKoteg->text()); });
    connect(btnExport, &QPushButton::clicked, this, &TfrmUVIexport::btnExportClick);
    connect(btnKilep, &QPushButton::clicked, this, &QDialog::reject);

    FormCreate();
}

void TfrmUVIexport::FormCreate()
{
    edtCegAzon->setText(m_settings.cegAzon());
    edtBRenAz->setText(m_settings.bRendAz());
    edtEgys->setText(m_settings.egys());
    edtAdosz->setText(m_settings.adosz());
    edtKoteg->setText(m_settings.koteg());
    memStatus->setPlainText(QStringLiteral("Státusz - ok."));
    const auto periods = UviExport::periods(Database::warehouse(m_settings.dbPath(), m_settings.aktivRaktar()));
    if (showRefusal(this, m_messenger, periods.refusal))
        return;
    m_periods = periods.value;
    for (const UviExport::Period &period : m_periods) {
        dblTablo->addItem(period.tabloSzam + QStringLiteral("   ") + period.nyitoDatum.toString(QStringLiteral("yyyy.MM.dd."))
            + QStringLiteral(" - ") + period.zaroDatum.toString(QStringLiteral("yyyy.MM.dd.")));
    }
}

void TfrmUVIexport::btnExportClick()
{
    UviExport::Request request;
    request.identity = {edtCegAzon->text(), edtBRenAz->text(), edtEgys->text(), edtAdosz->text(), edtKoteg->text()};
    if (dblTablo->currentIndex() >= 0)
        request.period = m_periods.value(dblTablo->currentIndex());
    request.today = QDate::currentDate();
    // Checked before the folder is asked: nothing is chosen for an export that cannot run.
    if (!request.period) {
        showRefusal(this, m_messenger, Refusal::error(QStringLiteral("Nincs kiválasztott tabló!"), QStringLiteral("dblTablo")));
        return;
    }
    if (showRefusal(this, m_messenger, UviExport::checkIdentity(request.identity)))
        return;
    request.folder = m_files.folder(QStringLiteral("Exportálás helye"), QStringLiteral("/"));
    if (request.folder.isEmpty())
        return;
    const QStringList existing = UviExport::existingFiles(request.folder, request.identity);
    if (!existing.isEmpty()) {
        if (m_messenger.showMessage(QStringLiteral("Kérdés"), 4,
                QStringLiteral("A mappában már vannak ennek a kötegnek a fájljai:\r%1\rFelülírja őket?")
                    .arg(existing.join(QStringLiteral(", "))),
                QStringLiteral("Igen"), QStringLiteral("Nem"))
            != buttonResult(QStringLiteral("Igen"))) {
            return;
        }
        request.overwrite = true;
    }
    const auto exported
        = UviExport::run(Database::warehouse(m_settings.dbPath(), m_settings.aktivRaktar()), request,
            [this](const QString &line) { memStatus->appendPlainText(line); });
    if (showRefusal(this, m_messenger, exported.refusal))
        return;
    m_settings.setKoteg(exported.value.nextBatch);
}
