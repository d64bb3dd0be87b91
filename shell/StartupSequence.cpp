#include "shell/StartupSequence.h"

#include "core/Refusal.h"

#include "session/EngineConfig.h"
#include "store/DatabaseUpgrade.h"
#include "users/Login.h"
#include "shell/MainMenuModel.h"
#include "shell/MainWindowControl.h"
#include "master/OwnerPartner.h"
#include "session/OwnerValues.h"
#include "session/Settings.h"
#include "shell/StartupPrompts.h"
#include "shell/WarehouseChoice.h"
#include "stock/WorkYear.h"
#include "core/Messenger.h"
#include "store/Database.h"
#include "store/DatabaseCreator.h"
#include "store/EngineError.h"
#include "store/VersionCheck.h"

#include <QDir>
#include <QFileInfo>

StartupSequence::StartupSequence(
    Settings &settings, Messenger &messenger, StartupPrompts &prompts, MainWindowControl &window)
    : m_settings(settings)
    , m_messenger(messenger)
    , m_prompts(prompts)
    , m_window(window)
{
    m_hooks.aliasDirectory
        = [this](const QString &alias) { return EngineConfig(m_settings.programPath()).aliasDirectory(alias); };
    m_hooks.readOwner
        = [](const QString &dbPath, Settings &settings) { OwnerValues::read(Database::shared(dbPath), settings); };
    m_hooks.versionCheck = [this] { VersionCheck::run(m_messenger, m_settings.dbPath(), m_settings.dbMinVer()); };
}

QString StartupSequence::windowCaption(const Settings &settings)
{
    return QStringLiteral("Salvia - [ ") + settings.cegNev() + QStringLiteral(" ] - ") + settings.cegIrsz()
        + QStringLiteral(" ") + settings.cegVaros() + QStringLiteral(", ") + settings.cegCim();
}

QString StartupSequence::warehouseStopText()
{
    return QStringLiteral("A kiválasztott raktárat a program egy másik példánya használja! Válasszon másik raktárat, "
                          "vagy próbálja meg később újra. A program biztonsági okból kilép.");
}

QString StartupSequence::noDatabaseText()
{
    return QStringLiteral("A beállított helyen nincs teljes adatbázis, a program nem indítható:\r");
}

QString StartupSequence::ownerPartnerFailureText()
{
    return QStringLiteral("A tulajdonos partner (00001) adatai nem írhatók a raktár partnerei közé!\r");
}

QString StartupSequence::upgradeFailureText()
{
    return QStringLiteral("A raktár adatbázisa nem egészíthető ki a lekérdezések indexeivel, a lekérdezések "
                          "lassabbak lehetnek!\r");
}

QString StartupSequence::damagedWarehouseText(const QString &cause)
{
    return QStringLiteral("A kiválasztott raktár adatbázisa sérült, ebbe a raktárba a javításig nem lehet írni!")
        + EngineError::causeLine(cause);
}

QString StartupSequence::lockMarker()
{
    return QString(QChar(0x2022));
}

StartupSequence::Outcome StartupSequence::end(Outcome outcome)
{
    m_window.endWithoutAsking();
    return outcome;
}

StartupSequence::Outcome StartupSequence::run()
{
    if (m_ran)
        return Outcome::AlreadyRan;
    m_ran = true;

    // 1. The settings file lies in the program directory, the current directory at this moment.
    m_settings.setProgramPath(m_programPath.isEmpty() ? QDir::currentPath() : m_programPath);
    // An unreadable salvia.ini gives the defaults and is never overwritten: said once, here.
    m_settings.file().unreadableWarning().show(m_messenger);
    const QString dbPath = m_hooks.aliasDirectory(m_settings.bdeAlias());
    m_settings.setDbPath(dbPath);

    // A server that cannot be asked, or a creation that never finished: say why and end. A new
    // database is offered only where nothing of one is found.
    const DatabaseCreator::Inspection found = DatabaseCreator::inspect(dbPath);
    if (found.state == DatabaseCreator::State::Unreachable || found.state == DatabaseCreator::State::Unfinished
        || (found.state == DatabaseCreator::State::Incomplete && found.sharedMissing)) {
        const QString text = found.state == DatabaseCreator::State::Unreachable
            ? DatabaseCreator::unreachableText(dbPath, found.detail)
            : found.state == DatabaseCreator::State::Unfinished ? DatabaseCreator::unfinishedText(dbPath, found.detail)
                                                                : DatabaseCreator::incompleteText(dbPath, found.detail);
        m_messenger.showMessage(QStringLiteral("HIBA!"), Symbol::Error, text, QStringLiteral("OK"));
        return end(Outcome::NoDatabase);
    }
    // A database that lost warehouses: the whole ones can still be worked in.
    if (found.state == DatabaseCreator::State::Incomplete)
        m_messenger.showMessage(QStringLiteral("Figyelmeztetés"), Symbol::Warning,
            DatabaseCreator::missingWarehousesText(dbPath, found.detail), QStringLiteral("OK"));
    // First start: no database where the alias points. The dialog creates one (owner and
    // superuser); without it there is nobody to log in.
    if (found.state == DatabaseCreator::State::Empty && !m_prompts.createDatabase(dbPath))
        return end(Outcome::NoDatabase);
    // Something is there, but not a database this program can log in to.
    if (!Database::isServerLocation(dbPath) && !QFileInfo::exists(Database::sharedFile(dbPath))) {
        Refusal::error(noDatabaseText() + dbPath).show(m_messenger);
        return end(Outcome::NoDatabase);
    }
    // A database folder on a network file system is safe for this computer alone.
    const QString networkWarning = Database::networkFolderWarning(dbPath);
    if (!networkWarning.isEmpty())
        m_messenger.showMessage(QStringLiteral("Figyelmeztetés"), Symbol::Warning, networkWarning, QStringLiteral("OK"));
    if (m_hooks.readOwner)
        m_hooks.readOwner(dbPath, m_settings);

    // 2.
    if (m_settings.display3D() && m_hooks.setSymbolOffset)
        m_hooks.setSymbolOffset(10);

    // 3.
    m_window.setCaption(windowCaption(m_settings));

    // 4. Three failed attempts at most; a closed dialog ends them at once. The login has shown
    // its "STOP!" message when it fails.
    if (!Login::run([this] { return m_prompts.askLogin(); }, m_messenger, dbPath, m_settings))
        return end(Outcome::LoginFailed);

    // 5.
    WarehouseChoice::choose(
        m_settings, m_prompts, m_hooks.aliasDirectory(m_settings.bdeAlias()), m_messenger, found.missingWarehouses);
    if (m_settings.aktivRaktar() <= 0) {
        m_messenger.showMessage(QStringLiteral("STOP!"), Symbol::Stop, warehouseStopText(), QStringLiteral("OK"));
        return end(Outcome::NoWarehouse);
    }

    // 6. Without a work year there is nothing to work in; the reading has said why.
    WorkYear workYear(m_settings, m_messenger, m_prompts);
    if (m_today.isValid())
        workYear.setToday(m_today);
    if (!workYear.read())
        return end(Outcome::NoWorkYear);

    // 7.
    m_window.setStatusPanel(0, m_settings.loginUser());
    m_window.setStatusPanel(1, m_settings.securName());
    m_window.setStatusPanel(2, m_settings.aktivRaktarNev());

    // 8.
    const QList<int> disabled = MainMenuModel::disabledTopMenus(m_settings.securLevel());
    if (!disabled.isEmpty())
        m_window.disableTopMenus(disabled);

    // A damaged warehouse is said at once; nothing is written into it until it is repaired.
    const QSqlDatabase warehouse = Database::warehouse(m_settings.dbPath(), m_settings.aktivRaktar());
    const QString damage = Database::damage(warehouse);
    if (!damage.isEmpty())
        m_messenger.showMessage(
            QStringLiteral("Figyelmeztetés"), Symbol::Warning, damagedWarehouseText(damage), QStringLiteral("OK"));

    // 9. A failure here only warns: the partner is fixed up at the next start.
    QString error;
    if (damage.isEmpty() && !OwnerPartner::update(warehouse, m_settings, &error))
        m_messenger.showMessage(
            QStringLiteral("Figyelmeztetés"), Symbol::Warning, ownerPartnerFailureText() + error, QStringLiteral("OK"));

    // A warehouse made by an older program gets the indexes it lacks, once.
    if (damage.isEmpty() && !DatabaseUpgrade::addMissingIndexes(warehouse, nullptr, &error))
        m_messenger.showMessage(
            QStringLiteral("Figyelmeztetés"), Symbol::Warning, upgradeFailureText() + error, QStringLiteral("OK"));

    // 10.
    m_settings.setProgVer(m_window.programVersion());
    // The oldest database this program works on is the one it creates.
    m_settings.setDbMinVer(DatabaseCreator::databaseVersion());

    // 11.
    if (m_hooks.versionCheck)
        m_hooks.versionCheck();

    // 12.
    if (!m_settings.disaLock())
        m_window.setStatusPanel(3, lockMarker());

    // 13.
    if (m_settings.verChk() && m_hooks.updateCheck && m_hooks.updateCheck())
        return end(Outcome::UpdateAccepted);

    return Outcome::Working;
}
