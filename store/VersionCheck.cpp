#include "store/VersionCheck.h"

#include "core/Messenger.h"
#include "store/Database.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>

// Digits separated by single dots, parts small enough to compare as numbers.
static bool parseVersion(const QString &text, QList<qlonglong> *parts)
{
    static const QRegularExpression pattern(QStringLiteral("^\\d{1,15}(\\.\\d{1,15})*$"));
    const QString trimmed = text.trimmed();
    if (!pattern.match(trimmed).hasMatch())
        return false;
    for (const QString &part : trimmed.split(QLatin1Char('.')))
        parts->append(part.toLongLong());
    return true;
}

bool VersionCheck::isOlder(const QString &version, const QString &required)
{
    QList<qlonglong> have;
    QList<qlonglong> need;
    if (!parseVersion(required, &need))
        return false;
    if (!parseVersion(version, &have))
        return true;
    const qsizetype count = qMax(have.size(), need.size());
    for (qsizetype i = 0; i < count; ++i) {
        const qlonglong a = i < have.size() ? have.at(i) : 0;
        const qlonglong b = i < need.size() ? need.at(i) : 0;
        if (a != b)
            return a < b;
    }
    return false;
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

QString VersionCheck::warningText(const QString &dbPath, const QString &required)
{
    QString missing;
    QString old;
    for (int n = 1; n <= Database::WarehouseCount; ++n) {
        const QString version = readVersion(Database::versionFile(dbPath, n));
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
