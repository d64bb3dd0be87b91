#include "support/ScreenRun.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

ScreenRun::ScreenRun(const QDate &today, const QString &engine)
    : db(today, engine)
{
    settings.setProgramPath(programDir.path());
    settings.setIniPath(programDir.filePath(QStringLiteral("salvia.ini")));
    settings.setDbPath(db.path());
    settings.setAktivRaktar(1);
}

void ScreenRun::exec(const QString &sql, int warehouse) const
{
    QSqlQuery query(db.warehouse(warehouse));
    if (!query.exec(sql))
        QTest::qFail(qPrintable(sql + QStringLiteral(": ") + query.lastError().text()), __FILE__, __LINE__);
}

QString ScreenRun::value(const QString &sql, int warehouse) const
{
    QSqlQuery query(db.warehouse(warehouse));
    return query.exec(sql) && query.next() ? query.value(0).toString() : QStringLiteral("-");
}
