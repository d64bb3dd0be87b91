#include "store/TableBuilder.h"

static QString quoted(const QString &name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

TableBuilder::TableBuilder(const char *name)
{
    m_table.name = QString::fromLatin1(name);
}

TableBuilder &TableBuilder::add(const char *name, FieldType type, int width, bool noCase)
{
    m_table.fields << FieldDef {QString::fromLatin1(name), type, width, noCase};
    return *this;
}

TableBuilder &TableBuilder::text(const char *name, int width)
{
    return add(name, FieldType::Text, width);
}

TableBuilder &TableBuilder::textNoCase(const char *name, int width)
{
    return add(name, FieldType::Text, width, true);
}

TableBuilder &TableBuilder::integer(const char *name)
{
    return add(name, FieldType::Integer);
}

TableBuilder &TableBuilder::real(const char *name)
{
    return add(name, FieldType::Float);
}

TableBuilder &TableBuilder::money(const char *name)
{
    return add(name, FieldType::Money);
}

TableBuilder &TableBuilder::date(const char *name)
{
    return add(name, FieldType::Date);
}

TableBuilder &TableBuilder::boolean(const char *name)
{
    return add(name, FieldType::Boolean);
}

TableBuilder &TableBuilder::memo(const char *name)
{
    return add(name, FieldType::Memo);
}

TableBuilder &TableBuilder::autoIncrement(const char *name)
{
    m_table.key = QStringList {QString::fromLatin1(name)};
    return add(name, FieldType::AutoIncrement);
}

TableBuilder &TableBuilder::reals(std::initializer_list<const char *> names)
{
    for (const char *name : names)
        real(name);
    return *this;
}

TableBuilder &TableBuilder::key(std::initializer_list<const char *> fields)
{
    m_table.key.clear();
    for (const char *field : fields)
        m_table.key << QString::fromLatin1(field);
    return *this;
}

TableBuilder &TableBuilder::index(const char *name, std::initializer_list<const char *> fields)
{
    IndexDef index;
    index.name = QString::fromLatin1(name);
    for (const char *field : fields) {
        index.fields << QString::fromLatin1(field);
        index.terms << quoted(index.fields.last());
    }
    m_table.indexes << index;
    return *this;
}

TableBuilder &TableBuilder::expressionIndex(const char *name, const QStringList &fields, const QStringList &terms)
{
    m_table.indexes << IndexDef {QString::fromLatin1(name), fields, terms, false};
    return *this;
}

TableBuilder &TableBuilder::work()
{
    m_table.work = true;
    return *this;
}

TableBuilder &TableBuilder::rewritten()
{
    m_table.rewritten = true;
    return *this;
}

TableBuilder &TableBuilder::shared()
{
    m_table.shared = true;
    return *this;
}
