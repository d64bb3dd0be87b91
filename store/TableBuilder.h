#pragma once

#include "store/TableDef.h"

#include <initializer_list>

// Writes a table definition of the catalogue compactly: fields in order, then key and indexes.
class TableBuilder
{
public:
    explicit TableBuilder(const char *name);

    TableBuilder &text(const char *name, int width = 0);
    TableBuilder &textNoCase(const char *name, int width = 0);
    TableBuilder &integer(const char *name);
    TableBuilder &real(const char *name);
    TableBuilder &money(const char *name);
    TableBuilder &date(const char *name);
    TableBuilder &boolean(const char *name);
    TableBuilder &memo(const char *name);
    TableBuilder &autoIncrement(const char *name);
    // Several fields of one kind at once.
    TableBuilder &reals(std::initializer_list<const char *> names);

    TableBuilder &key(std::initializer_list<const char *> fields);
    TableBuilder &index(const char *name, std::initializer_list<const char *> fields);
    // An index whose terms are SQL expressions; `fields` names the fields they read.
    TableBuilder &expressionIndex(const char *name, const QStringList &fields, const QStringList &terms);
    TableBuilder &work();
    TableBuilder &shared();
    TableBuilder &rewritten();

    TableDef build() const { return m_table; }

private:
    TableBuilder &add(const char *name, FieldType type, int width = 0, bool noCase = false);
    TableDef m_table;
};
