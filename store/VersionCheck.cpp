#include "store/VersionCheck.h"

#include "core/Messenger.h"
#include "core/VersionNumber.h"
#include "store/Database.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QVariant>

bool VersionCheck::isOlder(const QString &version, const QString &required)
{
    if (!VersionNumber::isValid(required.trimmed()))
        return false;
    if (!VersionNumber::isValid(version.trimmed()))
        return true;
    return VersionNumber::compare(version.trimmed(), required.trimmed()) < 0;
}

QString VersionCheck::readVersion(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return QString();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral(""); // unreadable: present, but no version can be read from it
    QString line = QString::fromUtf8(file.readLine(4096));
    if (line.startsWith(QChar(0xFEFF)))
        line.remove(0, 1);
    while (line.endsWith(QLatin1Char('\n')) || line.endsWith(QLatin1Char('\r')))
        line.chop(1);
    return line.isNull() ? QStringLiteral("") : line;
}

QString VersionCheck::warehouseVersion(const QString &location, int warehouse)
{
    if (!Database::isServerLocation(location))
        return readVersion(Database::versionFile(location, warehouse));
    // Through the one shared connection: a start reads all twenty without opening twenty.
    QSqlQuery query(Database::shared(location));
    if (!query.exec(QStringLiteral("SELECT \"Verzio\" FROM \"%1\".\"db_version\"").arg(Database::warehouseSchema(warehouse))))
        return QString();
    if (!query.next())
        return QStringLiteral("");
    const QString version = query.value(0).toString();
    return version.isNull() ? QStringLiteral("") : version;
}

QString VersionCheck::warningText(const QString &dbPath, const QString &required)
{
    QString missing;
    QString old;
    for (int n = 1; n <= Database::WarehouseCount; ++n) {
        const QString version = warehouseVersion(dbPath, n);
        if (version.isNull())
            missing += QString::number(n) + QStringLiteral(", ");
        else if (isOlder(version, required))
            old += QString::number(n) + QStringLiteral(", ");
    }

    QString detail;
    if (!missing.isEmpty())
        detail += QStringLiteral("Nincs verzióinfó: ") + missing + QStringLiteral(" raktár") + QStringLiteral("\r");
    if (!old.isEmpty())
        detail += QStringLiteral("Régi verzió: ") + old + QStringLiteral(" raktár") + QStringLiteral("\r");
    if (detail.isEmpty())
        return QString();
    return QStringLiteral("Az adatbázist frissíteni kell a megfelelő működéshez!\r") + detail
        + QStringLiteral("Futtasson le egy programfrissítést (upgrade)!");
}

void VersionCheck::run(Messenger &messenger, const QString &dbPath, const QString &required)
{
    const QString text = warningText(dbPath, required);
    if (!text.isEmpty())
        messenger.showMessage(QStringLiteral("Figyelmeztetés"), Symbol::Warning, text, QStringLiteral("OK"));
}
