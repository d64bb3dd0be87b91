#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Kinds of field values. Each maps to one SQL storage type (Catalogue::sqlType).
enum class FieldType {
    Text, // codes and names
    Integer,
    Float, // quantities
    Money, // fixed point, stored rounded to four decimals
    Date, // ISO text YYYY-MM-DD
    Boolean, // 0 or 1
    Memo, // free text of any length
    AutoIncrement, // row id given by the table on insert
};

// One field of a table: its name, kind and, for text, the width in characters (0 = free).
struct FieldDef
{
    QString name;
    FieldType type = FieldType::Text;
    int width = 0;
    // Compared and ordered without regard to (ASCII) letter case.
    bool noCase = false;
};

// A named secondary index. `terms` are the SQL index terms (quoted fields, or an expression);
// `fields` the fields it is built from, for display.
struct IndexDef
{
    QString name;
    QStringList fields;
    QStringList terms;
    bool unique = false;
};

// A table of the catalogue: fields in their order, key fields (empty: no key) and named indexes.
struct TableDef
{
    QString name;
    QList<FieldDef> fields;
    QStringList key;
    QList<IndexDef> indexes;
    bool shared = false;
    bool work = false;
    // Its rows are rewritten in bulk (running balances): on the server its pages keep room, so a
    // row's new version stays in its page and no index is written (an update in place).
    bool rewritten = false;

    // The field of that name, matched without regard to case; nullptr when there is none.
    const FieldDef *field(const QString &fieldName) const;
    const IndexDef *index(const QString &indexName) const;
    QStringList fieldNames() const;
};
