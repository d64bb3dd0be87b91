#include "shell/ui/FormMain.h"

#include "maintenance/ui/MaintenanceCommands.h"

#include "Version.h"
#include "shell/MainMenuModel.h"
#include "shell/MainWindowMessages.h"
#include "shell/ui/ShellCommands.h"
#include "session/Settings.h"
#include "widgets/UiLogo.h"
#include "session/Vendor.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDialog>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QUrl>

namespace {

const QColor background(70, 101, 176);
constexpr int logoWidth = 256;
constexpr int logoHeight = 180;
constexpr int logoLabelWidth = 257;

struct PanelLayout
{
    int width; // 0: the rest of the line
    Qt::Alignment alignment;
    const char *text;
};

const PanelLayout panelLayouts[5] = {
    {100, Qt::AlignCenter, "Felhasználónév"},
    {90, Qt::AlignCenter, "Jogok"},
    {250, Qt::AlignLeft | Qt::AlignVCenter, "Raktár"},
    {20, Qt::AlignCenter, ""},
    {0, Qt::AlignRight | Qt::AlignVCenter, "Főmenü     "},
};

} // namespace

TFormMain::TFormMain(Settings &settings, QWidget *parent)
    : QMainWindow(parent)
    , m_settings(settings)
{
    setObjectName(QStringLiteral("FormMain"));
    setWindowTitle(QStringLiteral("Salvia"));
    setMinimumSize(640, 488);

    bool versionOk = false;
    m_version = MainWindowMessages::programVersion(QStringLiteral(SALVIA_VERSION), &versionOk);
    if (!versionOk)
        QMessageBox::critical(nullptr, QStringLiteral("Salvia"), MainWindowMessages::noVersionText());

    buildMenu();
    buildStatusLine();
    buildClientArea();

    tmrInit = new QTimer(this);
    tmrInit->setObjectName(QStringLiteral("tmrInit"));
    tmrInit->setInterval(500);
    connect(tmrInit, &QTimer::timeout, this, &TFormMain::startupTick);
    tmrDB = new QTimer(this);
    tmrDB->setObjectName(QStringLiteral("tmrDB"));
    tmrDB->setInterval(300000);

    // The commands the main window answers itself.
    registerAction(ShellCommands::WorkYearInfo, [this] {
        if (m_messenger)
            MainWindowMessages::showWorkYearInfo(*m_messenger, m_settings);
    });
    registerAction(ShellCommands::VendorWebSite, [] { QDesktopServices::openUrl(QUrl(Vendor::webAddress())); });
    registerAction(ShellCommands::Exit, [this] { close(); });

    // Normal geometry centred on the desktop; the window starts maximized.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize normal(qMax(800, minimumWidth()), qMax(600, minimumHeight()));
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, normal, screen->availableGeometry()));
    }
    setWindowState(Qt::WindowMaximized);
}

TFormMain::~TFormMain() = default;

void TFormMain::setMessenger(Messenger &messenger)
{
    m_messenger = &messenger;
}

void TFormMain::buildMenu()
{
    MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    using Kind = MainMenuEntry::Kind;
    for (const MainMenuEntry &entry : MainMenuModel::entries()) {
        QMenu *parentMenu = entry.parent.isEmpty() ? nullptr : m_menus.value(entry.parent);
        QWidget *container = parentMenu ? static_cast<QWidget *>(parentMenu) : MainMenu1;
        QAction *placed = nullptr;
        switch (entry.kind) {
        case Kind::Menu: {
            auto *menu = new QMenu(entry.caption, container);
            menu->setObjectName(entry.name);
            menu->menuAction()->setObjectName(entry.name);
            placed = parentMenu ? parentMenu->addMenu(menu) : MainMenu1->addMenu(menu);
            m_menus.insert(entry.name, menu);
            break;
        }
        case Kind::Command: {
            auto *action = new QAction(entry.caption, container);
            action->setObjectName(entry.name);
            action->setEnabled(false);
            const QString name = entry.name;
            connect(action, &QAction::triggered, this, [this, name] { runCommand(name); });
            container->addAction(action);
            m_commands.insert(entry.name, action);
            placed = action;
            break;
        }
        case Kind::Separator:
            placed = parentMenu->addSeparator();
            placed->setObjectName(entry.name);
            break;
        case Kind::Spacer: {
            auto *spacer = new QAction(entry.caption, container);
            spacer->setObjectName(entry.name);
            spacer->setEnabled(false);
            container->addAction(spacer);
            placed = spacer;
            break;
        }
        }
        if (entry.parent.isEmpty())
            m_topActions.append(placed);
    }
}

void TFormMain::buildStatusLine()
{
    stbStatusz = statusBar();
    stbStatusz->setObjectName(QStringLiteral("stbStatusz"));
    QStatusBar *bar = stbStatusz;
    for (int i = 0; i < 5; ++i) {
        auto *panel = new QLabel(QString::fromUtf8(panelLayouts[i].text), bar);
        panel->setObjectName(QStringLiteral("stbStatusz_%1").arg(i));
        panel->setAlignment(panelLayouts[i].alignment);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        if (panelLayouts[i].width > 0) {
            // The panel's width, or wider when a user, level or warehouse name needs more room.
            panel->setMinimumWidth(panelLayouts[i].width);
            panel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
        }
        bar->addWidget(panel, panelLayouts[i].width > 0 ? 0 : 1);
        m_panels[i] = panel;
    }
}

void TFormMain::buildClientArea()
{
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("clientArea"));
    QPalette palette = m_client->palette();
    palette.setColor(QPalette::Window, background);
    m_client->setPalette(palette);
    m_client->setAutoFillBackground(true);
    setCentralWidget(m_client);

    imgLogo = new QLabel(m_client);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setFixedSize(logoWidth, logoHeight);
    imgLogo->setAttribute(Qt::WA_TranslucentBackground);
    imgLogo->setPixmap(salviaLogo(QSize(logoWidth, logoHeight)));

    lblLogo = new QLabel(m_client);
    lblLogo->setObjectName(QStringLiteral("lblLogo"));
    lblLogo->setAlignment(Qt::AlignCenter);
    QPalette labelPalette = lblLogo->palette();
    labelPalette.setColor(QPalette::WindowText, Qt::white);
    lblLogo->setPalette(labelPalette);
    lblLogo->setText(QStringLiteral("Program verzió: ") + QStringLiteral(" ") + m_version);
    lblLogo->setFixedSize(logoLabelWidth, lblLogo->sizeHint().height());

    m_client->installEventFilter(this);
    placeLogo();
}

void TFormMain::placeLogo()
{
    const int width = m_client->width();
    const int height = m_client->height();
    imgLogo->move(width - imgLogo->width() - 20, height - (imgLogo->height() + lblLogo->height()) - 50);
    lblLogo->move(width - imgLogo->width() - 20, height - lblLogo->height() - 45);
}

bool TFormMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        placeLogo();
    return QMainWindow::eventFilter(watched, event);
}

bool TFormMain::acceptsRegistration(const QString &command)
{
    const MainMenuEntry *entry = MainMenuModel::find(command);
    if (entry && entry->kind == MainMenuEntry::Kind::Command)
        return true;
    qWarning("Unknown menu command registered: %s", qPrintable(command));
    m_unknownRegistrations.append(command);
    return false;
}

QSet<QString> TFormMain::registeredCommands() const
{
    return QSet<QString>(m_handlers.keyBegin(), m_handlers.keyEnd());
}

void TFormMain::registerScreen(const QString &command, ScreenFactory create, ScreenRun run)
{
    if (!acceptsRegistration(command))
        return;
    Handler handler;
    handler.create = std::move(create);
    handler.run = std::move(run);
    m_handlers.insert(command, handler);
    updateCommandStates();
}

void TFormMain::registerAction(const QString &command, std::function<void()> action)
{
    if (!acceptsRegistration(command))
        return;
    Handler handler;
    handler.action = std::move(action);
    m_handlers.insert(command, handler);
    updateCommandStates();
}

void TFormMain::setHelpViewer(std::function<void(const QString &page)> viewer)
{
    m_helpViewer = std::move(viewer);
    for (const MainMenuEntry &entry : MainMenuModel::entries()) {
        if (entry.helpPage.isEmpty())
            continue;
        const QString page = entry.helpPage;
        registerAction(entry.name, [this, page] { m_helpViewer(page); });
    }
}

void TFormMain::runCommand(const QString &command)
{
    const MainMenuEntry *entry = MainMenuModel::find(command);
    const QAction *action = m_commands.value(command);
    const auto found = m_handlers.constFind(command);
    if (!entry || !action || !action->isEnabled() || found == m_handlers.constEnd())
        return;
    // A copy: the handler may register or replace handlers while it runs.
    const Handler handler = *found;

    const bool showsPath = !entry->statusPath.isEmpty();
    if (showsPath)
        setStatusPanel(4, entry->statusPath);
    if (handler.create) {
        std::unique_ptr<QDialog> screen = handler.create(this);
        if (screen) {
            if (handler.run)
                handler.run(screen.get());
            else
                screen->exec();
            screen.reset();
        }
    } else if (handler.action) {
        handler.action();
    }
    if (entry->followUp == MainMenuEntry::FollowUp::ReloadWorkYear && m_workYearReload)
        m_workYearReload();
    // A command may have renamed the active warehouse.
    setStatusPanel(2, m_settings.aktivRaktarNev());
    if (showsPath)
        setStatusPanel(4, MainMenuModel::mainMenuStatus());
}

void TFormMain::setStatusPanel(int panel, const QString &text)
{
    if (panel < 0 || panel > 4)
        return;
    m_panels[panel]->setText(panel == 4 ? text + MainMenuModel::statusSuffix() : text);
}

QString TFormMain::statusPanelText(int panel) const
{
    return panel >= 0 && panel <= 4 ? m_panels[panel]->text() : QString();
}

void TFormMain::updateLockMarker()
{
    setStatusPanel(3, m_settings.disaLock() ? QString() : QStringLiteral("•"));
}

void TFormMain::disableTopMenus(const QList<int> &positions)
{
    for (int position : positions)
        m_disabledTop.insert(position);
    updateCommandStates();
}

void TFormMain::applyMenuRights(int securLevel)
{
    disableTopMenus(MainMenuModel::disabledTopMenus(securLevel));
}

void TFormMain::updateCommandStates()
{
    for (int position = 0; position < m_topActions.size(); ++position) {
        QAction *top = m_topActions.at(position);
        // Before the start-up sequence has run nothing can be chosen (no login yet).
        if (top->menu())
            top->setEnabled(m_menusReady && !m_disabledTop.contains(position));
    }
    // A command is usable when something is registered for it and its menu is allowed.
    for (auto it = m_commands.cbegin(); it != m_commands.cend(); ++it) {
        const bool allowed = !m_disabledTop.contains(MainMenuModel::topPosition(it.key()));
        it.value()->setEnabled(allowed && m_handlers.contains(it.key()));
    }
}

void TFormMain::endWithoutAsking()
{
    m_askOnExit = false;
    close();
}

void TFormMain::bringToFront()
{
    showMaximized();
    raise();
    activateWindow();
    // A screen or message open on the window stays in front of it and keeps the focus.
    if (QWidget *modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
}

void TFormMain::closeEvent(QCloseEvent *event)
{
    // Without a message dialog there is nobody to ask.
    const bool ask = m_askOnExit && m_messenger;
    if (ask && !MainWindowMessages::confirmExit(*m_messenger, true)) {
        event->ignore();
        // "Nem" to "Készített biztonsági mentést?": the backup of the active warehouse is offered at
        // once; the program stays open, to be left after it.
        if (QAction *backup = commandAction(MaintenanceCommands::WarehouseBackup); backup && backup->isEnabled())
            QMetaObject::invokeMethod(backup, &QAction::trigger, Qt::QueuedConnection);
        return;
    }
    event->accept();
}

void TFormMain::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (m_shown)
        return;
    m_shown = true;
    setWindowIcon(QApplication::windowIcon());
    tmrInit->start();
}

void TFormMain::startupTick()
{
    tmrInit->stop();
    if (m_startupRan)
        return;
    m_startupRan = true;
    if (m_startupHook)
        m_startupHook();
    updateLockMarker();
    // The menus open only now, with the rights of the user who logged in.
    m_menusReady = true;
    updateCommandStates();
}

void TFormMain::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier && m_helpViewer) {
        m_helpViewer(QStringLiteral("tartalom.htm"));
        return;
    }
    QMainWindow::keyPressEvent(event);
}
