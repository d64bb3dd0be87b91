#include "master/OwnerPartner.h"

#include "session/Settings.h"

#include <QSqlError>
#include <QSqlQuery>

namespace OwnerPartner {

bool update(QSqlDatabase warehouse, const Settings &settings, QString *error)
{
    QSqlQuery query(warehouse);
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM \"Partner\" WHERE \"PartAzon\" = :azon"));
    query.bindValue(QStringLiteral(":azon"), QStringLiteral("00001"));
    if (!query.exec() || !query.next()) {
        if (error)
            *error = query.lastError().text();
        return false;
    }
    const bool exists = query.value(0).toInt() > 0;
    query.finish();

    query.prepare(exists ? QStringLiteral("UPDATE \"Partner\" SET \"Nev\" = :nev, \"Irszam\" = :irszam, "
                                          "\"Telepules\" = :telepules, "
                                          "\"Utca\" = :utca WHERE \"PartAzon\" = :azon")
                         : QStringLiteral("INSERT INTO \"Partner\" (\"PartAzon\", \"Nev\", \"Irszam\", \"Telepules\", "
                                          "\"Utca\") "
                                          "VALUES (:azon, :nev, :irszam, :telepules, :utca)"));
    query.bindValue(QStringLiteral(":azon"), QStringLiteral("00001"));
    query.bindValue(QStringLiteral(":nev"), settings.cegNev().left(50));
    query.bindValue(QStringLiteral(":irszam"), settings.cegIrsz().left(8));
    query.bindValue(QStringLiteral(":telepules"), settings.cegVaros().left(20));
    query.bindValue(QStringLiteral(":utca"), settings.cegCim().left(30));
    if (!query.exec()) {
        if (error)
            *error = query.lastError().text();
        return false;
    }
    return true;
}

} // namespace OwnerPartner
