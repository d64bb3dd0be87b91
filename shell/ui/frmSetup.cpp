#include "shell/ui/frmSetup.h"

#include "session/EngineConfig.h"
#include "session/Services.h"
#include "session/Settings.h"
#include "widgets/UiBoundedField.h"
#include "widgets/UiControls.h"
#include "widgets/UiEnterMovesFocus.h"
#include "core/FilePrompt.h"
#include "core/Messenger.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// A key's control, named and bounded by the key table.
QLineEdit *lineEdit(SettingKey::Id id)
{
    const SettingKey::Entry &key = SettingKey::entry(id);
    auto *edit = named(new QLineEdit, key.field);
    if (key.highest > 0)
        UiBoundedField::limit(edit, int(key.highest));
    return edit;
}

QCheckBox *checkBox(SettingKey::Id id, const QString &text)
{
    return named(new QCheckBox(text), SettingKey::entry(id).field);
}

// Narrower tab padding, so that the six page captions fit side by side in the fixed width.
class CompactTabStyle : public QProxyStyle
{
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override
    {
        if (metric == PM_TabBarTabHSpace)
            return 10;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

} // namespace

TfrmSetup::TfrmSetup(const Services &services, QWidget *parent)
    : QDialog(parent)
    , m_settings(services.settings)
    , m_messenger(services.messenger)
    , m_filePrompt(services.files)
{
    setObjectName(QStringLiteral("frmSetup"));
    setWindowTitle(QStringLiteral("Program beállítások"));
    setFixedSize(500, 328);
    // The six pages were laid out for a small dialog font; a larger desktop font would cut them off.
    QFont small = font();
    small.setPointSizeF(qMin(small.pointSizeF(), 8.0));
    setFont(small);

    pgcSetup = named(new QTabWidget(this), "pgcSetup");
    auto *tabStyle = new CompactTabStyle;
    tabStyle->setParent(pgcSetup->tabBar());
    pgcSetup->tabBar()->setStyle(tabStyle);
    pgcSetup->addTab(buildDefaultsPage(), QStringLiteral("Alapértelmezett értékek"));
    pgcSetup->addTab(buildPrintPage(), QStringLiteral("Nyomtatás"));
    pgcSetup->addTab(buildCalcPage(), QStringLiteral("Számítások"));
    pgcSetup->addTab(buildDialogsPage(), QStringLiteral("Dialógusok"));
    m_usersHost = named(new QWidget, "tshJelszavak");
    auto *usersLayout = new QVBoxLayout(m_usersHost);
    usersLayout->setContentsMargins(0, 0, 0, 0);
    pgcSetup->addTab(m_usersHost, QStringLiteral("Jelszavak"));
    pgcSetup->addTab(buildOperationPage(), QStringLiteral("Működés"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(pgcSetup);

    // A page shown again forgets what was typed on it before.
    connect(pgcSetup, &QTabWidget::currentChanged, this, &TfrmSetup::loadPage);
}

int TfrmSetup::execPage(int page)
{
    openPage(page);
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    return exec();
}

void TfrmSetup::openPage(int page)
{
    if (page < 0 || page >= pgcSetup->count())
        page = PageDefaults;
    if (pgcSetup->currentIndex() == page)
        loadPage(page);
    else
        pgcSetup->setCurrentIndex(page); // loads through currentChanged
}

void TfrmSetup::setUsersPage(QWidget *page)
{
    if (m_usersPage == page)
        return;
    delete m_usersPage;
    m_usersPage = page;
    if (page != nullptr)
        m_usersHost->layout()->addWidget(page);
}

QLayout *TfrmSetup::buttonRow(int page, bool withCancel)
{
    auto *row = new QHBoxLayout;
    // Set here, not inherited: a page that packs its own rows tight keeps the usual button gaps.
    row->setSpacing(6);
    row->addStretch();
    auto *ok = new QPushButton(QStringLiteral("&OK"));
    ok->setObjectName(QStringLiteral("btnOK%1").arg(page));
    connect(ok, &QPushButton::clicked, this, [this, page] { okClicked(page); });
    row->addWidget(ok);
    if (withCancel) {
        auto *cancel = new QPushButton(QStringLiteral("&Mégse"));
        cancel->setObjectName(QStringLiteral("btnMegse%1").arg(page));
        connect(cancel, &QPushButton::clicked, this, [this, page] { cancelClicked(page); });
        row->addWidget(cancel);
    }
    auto *help = new QPushButton(QStringLiteral("&Súgó"));
    help->setObjectName(QStringLiteral("btnSugo%1").arg(page));
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(QStringLiteral("setup.htm")); });
    row->addWidget(help);
    return row;
}

QWidget *TfrmSetup::buildDefaultsPage()
{
    auto *page = named(new QWidget, "tshAlapertekek");
    edtPartnerAl = lineEdit(SettingKey::DefaultPartner);
    edtFokszamAl = lineEdit(SettingKey::DefaultFokszam);
    edtMertegysAl = lineEdit(SettingKey::DefaultMertegys);
    edtCsoportAl = lineEdit(SettingKey::DefaultCsoport);
    edtAfaAl = lineEdit(SettingKey::DefaultAfa);
    edtVesztesegAl = lineEdit(SettingKey::DefaultVeszteseg);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Partner kód alapértelmezett értéke:"), edtPartnerAl);
    form->addRow(QStringLiteral("Főkönyvi szám alapértelmezett értéke:"), edtFokszamAl);
    form->addRow(QStringLiteral("Mértékegység kód alapértelmezett értéke:"), edtMertegysAl);
    form->addRow(QStringLiteral("Anyagcsoport kód alapértelmezett értéke:"), edtCsoportAl);
    form->addRow(QStringLiteral("ÁFA csoport alapértelmezett értéke:"), edtAfaAl);
    form->addRow(QStringLiteral("Veszteségi kód alapértelmezett értéke:"), edtVesztesegAl);

    auto *layout = new QVBoxLayout(page);
    layout->addLayout(form);
    layout->addStretch();
    layout->addLayout(buttonRow(PageDefaults, true));

    auto *ok = page->findChild<QPushButton *>(QStringLiteral("btnOK%1").arg(PageDefaults));
    UiEnterMovesFocus::install({edtPartnerAl, edtFokszamAl, edtMertegysAl, edtCsoportAl, edtAfaAl, edtVesztesegAl, ok});
    return page;
}

QWidget *TfrmSetup::buildPrintPage()
{
    auto *page = named(new QWidget, "tshNyomtatas");

    auto *logo = named(new QGroupBox(QStringLiteral("Logó")), "grpLogo");
    edtLogoPath = lineEdit(SettingKey::LogoPath);
    btnLogoPath = named(new QPushButton(QStringLiteral("...")), "btnLogoPath");
    btnLogoPath->setAutoDefault(false);
    btnLogoPath->setFixedWidth(28);
    connect(btnLogoPath, &QPushButton::clicked, this, &TfrmSetup::chooseLogo);
    imgLogo = named(new QLabel, "imgLogo");
    imgLogo->setFixedSize(150, 50);
    imgLogo->setAlignment(Qt::AlignCenter);
    imgLogo->setFrameShape(QFrame::StyledPanel);
    auto *logoNote = new QLabel(QStringLiteral("A logó egy 150x50 pixel méretű képfájl lehet"));
    logoNote->setWordWrap(true);
    auto *pathRow = new QHBoxLayout;
    pathRow->addWidget(new QLabel(QStringLiteral("Logófájl:")));
    pathRow->addWidget(edtLogoPath);
    pathRow->addWidget(btnLogoPath);
    auto *logoLeft = new QVBoxLayout;
    logoLeft->addLayout(pathRow);
    logoLeft->addWidget(logoNote);
    auto *logoLayout = new QHBoxLayout(logo);
    logoLayout->setContentsMargins(6, 2, 6, 2);
    logoLayout->addLayout(logoLeft, 1);
    logoLayout->addWidget(imgLogo);

    auto *footer = named(new QGroupBox(QStringLiteral("Lábléc")), "grpLablec");
    chkLablec = checkBox(SettingKey::EnableFooter, QStringLiteral("Nyomtasson láblécet az összesítés után"));
    edtLab11 = lineEdit(SettingKey::Footer11);
    edtLab12 = lineEdit(SettingKey::Footer12);
    edtLab21 = lineEdit(SettingKey::Footer21);
    edtLab22 = lineEdit(SettingKey::Footer22);
    edtLab31 = lineEdit(SettingKey::Footer31);
    edtLab32 = lineEdit(SettingKey::Footer32);
    edtLab41 = lineEdit(SettingKey::Footer41);
    edtLab42 = lineEdit(SettingKey::Footer42);
    auto *columns = new QHBoxLayout;
    const std::array<std::pair<QLineEdit *, QLineEdit *>, 4> lines
        = {{{edtLab11, edtLab12}, {edtLab21, edtLab22}, {edtLab31, edtLab32}, {edtLab41, edtLab42}}};
    for (const auto &[first, second] : lines) {
        auto *column = new QVBoxLayout;
        column->setSpacing(1);
        auto *dots = new QLabel(QStringLiteral("....................."));
        dots->setAlignment(Qt::AlignCenter);
        column->addWidget(dots);
        column->addWidget(first);
        column->addWidget(second);
        columns->addLayout(column);
    }
    auto *footerLayout = new QVBoxLayout(footer);
    footerLayout->setContentsMargins(6, 2, 6, 2);
    footerLayout->setSpacing(2);
    footerLayout->addWidget(chkLablec);
    footerLayout->addLayout(columns);

    auto *weekly = named(new QGroupBox(QStringLiteral("Heti étlap lábléc")), "grpHetiLab");
    edtHetiLab = lineEdit(SettingKey::FooterWeekly);
    auto *weeklyLayout = new QVBoxLayout(weekly);
    weeklyLayout->setContentsMargins(6, 2, 6, 2);
    weeklyLayout->addWidget(edtHetiLab);

    auto *layout = new QVBoxLayout(page);
    layout->setSpacing(2);
    layout->addWidget(logo);
    layout->addWidget(footer);
    layout->addWidget(weekly);
    layout->addLayout(buttonRow(PagePrint, true));
    return page;
}

QWidget *TfrmSetup::buildCalcPage()
{
    auto *page = named(new QWidget, "tshSzamitasok");
    const SettingKey::Entry &receptFo = SettingKey::entry(SettingKey::ReceptFo);
    fleRecept = named(new QSpinBox, receptFo.field);
    fleRecept->setRange(int(receptFo.lowest), int(receptFo.highest));
    auto *warning = new QLabel(QStringLiteral("(Figyelem! Az átlagáras számítások pontosságát befolyásolja!)"));
    warning->setStyleSheet(QStringLiteral("color: red;"));
    chkKiadAr = checkBox(SettingKey::KiadAr, QStringLiteral("Anyag kiadási árának kézi megadása"));

    auto *row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("Recepteket hány főre adjuk meg:")));
    row->addWidget(fleRecept);
    row->addStretch();
    auto *layout = new QVBoxLayout(page);
    layout->addLayout(row);
    layout->addWidget(warning);
    layout->addWidget(chkKiadAr);
    layout->addStretch();
    layout->addLayout(buttonRow(PageCalc, false));
    return page;
}

QWidget *TfrmSetup::buildDialogsPage()
{
    auto *page = named(new QWidget, "tshDialogusok");
    chk3D = checkBox(SettingKey::Display3D, QStringLiteral("3D dialógusablakok (legalább 16 bites színmélység kell)"));
    chkNew = checkBox(SettingKey::DisplayNew, QStringLiteral("Új adat rögzítése után mindig legyen visszajelzés"));
    chkTetelMenny = checkBox(SettingKey::DisplayTetelWarning, QStringLiteral("Tételmennyiség minimum/maximum figyelmeztető üzenetek"));
    chkModify = checkBox(SettingKey::DisplayModify, QStringLiteral("Módosítás után mindig legyen visszajelzés"));
    chkFormat = checkBox(SettingKey::FormatFloppy, QStringLiteral("Biztonsági mentésnél törölje le a floppylemezt"));
    auto *layout = new QVBoxLayout(page);
    for (QCheckBox *box : {chk3D, chkNew, chkTetelMenny, chkModify, chkFormat})
        layout->addWidget(box);
    layout->addStretch();
    layout->addLayout(buttonRow(PageDialogs, true));
    return page;
}

QWidget *TfrmSetup::buildOperationPage()
{
    auto *page = named(new QWidget, "tshMukodes");
    edtJegyzPath = lineEdit(SettingKey::JegyzPath);
    btnJegyzPath = named(new QPushButton(QStringLiteral("...")), "btnJegyzPath");
    btnJegyzPath->setAutoDefault(false);
    btnJegyzPath->setFixedWidth(28);
    connect(btnJegyzPath, &QPushButton::clicked, this, &TfrmSetup::chooseNoteFile);
    auto *noteRow = new QHBoxLayout;
    noteRow->addWidget(edtJegyzPath);
    noteRow->addWidget(btnJegyzPath);

    auto *network = named(new QGroupBox(QStringLiteral("Hálózati beállítások")), "grpHalozat");
    edtMailaddr = lineEdit(SettingKey::Mailaddr);
    edtNetDir = named(new QLineEdit, "edtNetDir");
    chkDisaLock = checkBox(SettingKey::DisaLock, QStringLiteral("Hálózati zárolás tiltása (kizárólag probléma esetén!)"));
    chkDisaLock->setEnabled(false);
    auto *networkForm = new QFormLayout(network);
    networkForm->setContentsMargins(6, 2, 6, 2);
    networkForm->addRow(QStringLiteral("Hibajelentések e-mail címei:"), edtMailaddr);
    networkForm->addRow(QStringLiteral("Hálózati könyvtár:"), edtNetDir);
    networkForm->addRow(chkDisaLock);

    chkAutoLeltar = checkBox(SettingKey::AutoLeltar, QStringLiteral("Kiadási bizonylatnál automatikus leltár"));
    chkShowAFA = checkBox(SettingKey::ShowAFA, QStringLiteral("ÁFA érték mutatása leltárnál"));
    chkVerChk = checkBox(SettingKey::VerChk, QStringLiteral("Indulásnál ellenőrizze a frissítéseket"));

    auto *layout = new QVBoxLayout(page);
    layout->setSpacing(3);
    layout->addWidget(new QLabel(QStringLiteral("Automatikusan betöltött jegyzőkönyv:")));
    layout->addLayout(noteRow);
    layout->addWidget(network);
    layout->addWidget(chkAutoLeltar);
    layout->addWidget(chkShowAFA);
    layout->addWidget(chkVerChk);
    layout->addStretch();
    layout->addLayout(buttonRow(PageOperation, false));
    return page;
}

void TfrmSetup::loadPage(int page)
{
    // Enter presses the shown page's "&OK" unless a field moves the focus on.
    for (int i = 0; i < pgcSetup->count(); ++i) {
        if (i == PageUsers)
            continue;
        if (auto *ok = pgcSetup->widget(i)->findChild<QPushButton *>(QStringLiteral("btnOK%1").arg(i)))
            ok->setDefault(i == page);
    }
    switch (page) {
    case PageDefaults: {
        const SetupPages::Defaults values = SetupPages::loadDefaults(m_settings);
        edtPartnerAl->setText(values.partner);
        edtFokszamAl->setText(values.fokszam);
        edtMertegysAl->setText(values.mertegys);
        edtCsoportAl->setText(values.csoport);
        edtAfaAl->setText(values.afa);
        edtVesztesegAl->setText(values.veszteseg);
        edtPartnerAl->setFocus();
        break;
    }
    case PagePrint: {
        const SetupPages::Print values = SetupPages::loadPrint(m_settings);
        edtLogoPath->setText(values.logoPath);
        loadLogoPreview();
        const std::array<QLineEdit *, 8> edits
            = {edtLab11, edtLab12, edtLab21, edtLab22, edtLab31, edtLab32, edtLab41, edtLab42};
        for (size_t i = 0; i < edits.size(); ++i)
            edits[i]->setText(values.footers[i]);
        chkLablec->setChecked(values.enableFooter);
        edtHetiLab->setText(values.footerWeekly);
        break;
    }
    case PageCalc: {
        const SetupPages::Calc values = SetupPages::loadCalc(m_settings);
        fleRecept->setValue(values.receptFo);
        chkKiadAr->setChecked(values.kiadAr);
        break;
    }
    case PageDialogs: {
        const SetupPages::Dialogs values = SetupPages::loadDialogs(m_settings);
        chk3D->setChecked(values.display3D);
        chkNew->setChecked(values.displayNew);
        chkTetelMenny->setChecked(values.displayTetelWarning);
        chkModify->setChecked(values.displayModify);
        chkFormat->setChecked(values.formatFloppy);
        break;
    }
    case PageOperation: {
        const SetupPages::Operation values
            = SetupPages::loadOperation(m_settings, EngineConfig(m_settings.programPath()));
        edtJegyzPath->setText(values.jegyzPath);
        edtMailaddr->setText(values.mailaddr);
        edtNetDir->setText(values.netDir);
        chkDisaLock->setChecked(values.disaLock);
        chkAutoLeltar->setChecked(values.autoLeltar);
        chkShowAFA->setChecked(values.showAFA);
        chkVerChk->setChecked(values.verChk);
        break;
    }
    default:
        break;
    }
}

void TfrmSetup::okClicked(int page)
{
    switch (page) {
    case PageDefaults:
        finish(SetupPages::saveDefaults(m_settings,
            {edtPartnerAl->text(), edtFokszamAl->text(), edtMertegysAl->text(), edtCsoportAl->text(), edtAfaAl->text(),
                edtVesztesegAl->text()}));
        break;
    case PagePrint: {
        SetupPages::Print values;
        values.logoPath = edtLogoPath->text();
        values.footers = {edtLab11->text(), edtLab12->text(), edtLab21->text(), edtLab22->text(), edtLab31->text(),
            edtLab32->text(), edtLab41->text(), edtLab42->text()};
        values.enableFooter = chkLablec->isChecked();
        values.footerWeekly = edtHetiLab->text();
        finish(SetupPages::savePrint(m_settings, values));
        break;
    }
    case PageCalc:
        finish(SetupPages::saveCalc(m_settings, fleRecept->cleanText(), chkKiadAr->isChecked()));
        break;
    case PageDialogs: {
        const SetupPages::Dialogs values {chk3D->isChecked(), chkNew->isChecked(), chkTetelMenny->isChecked(),
            chkModify->isChecked(), chkFormat->isChecked()};
        const Refusal refusal = SetupPages::saveDialogs(m_settings, values);
        if (refusal.isNull())
            emit symbolOffsetChanged(SetupPages::symbolOffset(values.display3D));
        finish(refusal);
        break;
    }
    case PageOperation: {
        SetupPages::Operation values;
        values.jegyzPath = edtJegyzPath->text();
        values.mailaddr = edtMailaddr->text();
        values.netDir = edtNetDir->text();
        values.disaLock = chkDisaLock->isChecked();
        values.autoLeltar = chkAutoLeltar->isChecked();
        values.showAFA = chkShowAFA->isChecked();
        values.verChk = chkVerChk->isChecked();
        EngineConfig engine(m_settings.programPath());
        const Checked<bool> saved = SetupPages::saveOperation(m_settings, engine, values);
        if (saved.ok() && saved.value)
            SetupPages::restartNotice().show(m_messenger);
        finish(saved.refusal);
        break;
    }
    default:
        accept();
        break;
    }
}

void TfrmSetup::cancelClicked(int page)
{
    loadPage(page);
    reject();
}

void TfrmSetup::finish(const Refusal &refusal)
{
    if (!showRefusal(this, m_messenger, refusal))
        accept();
}

void TfrmSetup::loadLogoPreview()
{
    const QString path = edtLogoPath->text();
    QPixmap picture;
    if (QFileInfo(path).isFile())
        picture.load(path);
    if (picture.isNull()) {
        imgLogo->clear();
        return;
    }
    imgLogo->setPixmap(picture.scaled(imgLogo->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

void TfrmSetup::chooseLogo()
{
    const QString current = edtLogoPath->text();
    const QString dir = current.isEmpty() ? m_settings.programPath() : QFileInfo(current).absolutePath();
    const QString chosen = m_filePrompt.openFileName(QStringLiteral("Logó kiválasztása"), dir, SetupPages::logoFileFilter());
    if (chosen.isEmpty())
        return;
    edtLogoPath->setText(chosen);
    loadLogoPreview();
}

void TfrmSetup::chooseNoteFile()
{
    const QString chosen = m_filePrompt.openFileName(QStringLiteral("Jegyzőkönyv kiválasztása"),
        SetupPages::noteFileDirectory(m_settings), SetupPages::noteFileFilter());
    if (!chosen.isEmpty())
        edtJegyzPath->setText(SetupPages::noteFileChoice(chosen));
}
