#include "store/CreateDatabaseCommand.h"

int runCreateDatabaseCommand(const QString &dir, QTextStream &in, QTextStream &out, QTextStream &err)
{
    Q_UNUSED(dir);
    Q_UNUSED(in);
    Q_UNUSED(out);
    err << QStringLiteral("Az adatbázis létrehozása még nem érhető el.") << Qt::endl;
    return 1;
}
