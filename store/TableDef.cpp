#include "store/TableDef.h"

const FieldDef *TableDef::field(const QString &fieldName) const
{
    for (const FieldDef &f : fields) {
        if (f.name.compare(fieldName, Qt::CaseInsensitive) == 0)
            return &f;
    }
    return nullptr;
}

const IndexDef *TableDef::index(const QString &indexName) const
{
    for (const IndexDef &i : indexes) {
        if (i.name.compare(indexName, Qt::CaseInsensitive) == 0)
            return &i;
    }
    return nullptr;
}

QStringList TableDef::fieldNames() const
{
    QStringList names;
    for (const FieldDef &f : fields)
        names << f.name;
    return names;
}
