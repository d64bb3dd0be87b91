#include "demo/DemoDatabase.h"

#include "store/Database.h"
#include "store/EngineError.h"
#include "store/DatabaseCreator.h"

#include <QDir>
#include <QSqlError>

namespace DemoDatabase {

QString ownerName()
{
    return QStringLiteral("Bemutató Iskolakonyha (demó adatok)");
}

QString userName()
{
    return QStringLiteral("admin");
}

QString password()
{
    return QStringLiteral("admin");
}

Checked<QString> build(
    const QString &location, const DemoKitchen::Size &size, const QDate &today, const DemoKitchen::Progress &progress)
{
    const DatabaseCreator::Input input {ownerName(), QStringLiteral("6720"), QStringLiteral("Szeged"),
        QStringLiteral("Iskola utca 12."), userName(), password()};
    // Warehouse 1 is filled before the database counts as made; the connections are the
    // creator's to close.
    const auto fill = [&](const QString &place, QString *error) {
        QSqlDatabase db = Database::warehouse(place, 1);
        if (!db.isOpen()) {
            *error = EngineError::notOpen(db);
            return false;
        }
        return DemoKitchen(db, size, today).fill(progress, error);
    };
    // The work year and the last closing are those of the first demo day.
    const Checked<QString> created
        = DatabaseCreator::create(location, input, DemoKitchen::firstDay(size, today), {}, fill);
    if (!created.ok())
        return created;
    const QString where
        = Database::isServerLocation(location) ? Database::serverName(location) : QDir::toNativeSeparators(location);
    return Checked<QString>::accepted(
        QStringLiteral("A bemutató adatbázis elkészült: ") + where + QStringLiteral("\rBelépés: felhasználónév \"")
            + userName() + QStringLiteral("\", jelszó \"") + password() + QStringLiteral("\""));
}

} // namespace DemoDatabase
