#include "core/IniFile.h"

#include "core/TextCodec.h"

#include <QFile>
#include <QSaveFile>

IniFile::IniFile(const QString &path)
    : m_path(path)
{
}

bool IniFile::load()
{
    m_sections.clear();
    QFile file(m_path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QString text = TextCodec::fromWindows1250(file.readAll());
    Section *current = nullptr;
    for (QString line : text.split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            m_sections.append(Section{line.mid(1, line.size() - 2).trimmed(), {}});
            current = &m_sections.last();
            continue;
        }
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || current == nullptr)
            continue;
        current->entries.append({line.left(eq).trimmed(), line.mid(eq + 1)});
    }
    return true;
}

bool IniFile::save() const
{
    QString text;
    for (const Section &section : m_sections) {
        text += QLatin1Char('[') + section.name + QStringLiteral("]\r\n");
        for (const auto &entry : section.entries)
            text += entry.first + QLatin1Char('=') + entry.second + QStringLiteral("\r\n");
        text += QStringLiteral("\r\n");
    }
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(TextCodec::toWindows1250(text));
    return file.commit();
}

const IniFile::Section *IniFile::findSection(const QString &name) const
{
    for (const Section &section : m_sections) {
        if (section.name.compare(name, Qt::CaseInsensitive) == 0)
            return &section;
    }
    return nullptr;
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    const Section *found = findSection(section);
    if (found == nullptr)
        return false;
    for (const auto &entry : found->entries) {
        if (entry.first.compare(key, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QString IniFile::value(const QString &section, const QString &key, const QString &defaultValue) const
{
    const Section *found = findSection(section);
    if (found == nullptr)
        return defaultValue;
    for (const auto &entry : found->entries) {
        if (entry.first.compare(key, Qt::CaseInsensitive) == 0)
            return entry.second;
    }
    return defaultValue;
}

// A value is one line of the file: a line break inside it would cut it and turn the rest into
// a line of its own.
static QString oneLine(const QString &text)
{
    QString line = text;
    line.replace(QLatin1String("\r\n"), QLatin1String(" "));
    line.replace(QLatin1Char('\r'), QLatin1Char(' '));
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return line;
}

void IniFile::setValue(const QString &section, const QString &key, const QString &text)
{
    const QString value = oneLine(text);
    Section *target = const_cast<Section *>(findSection(section));
    if (target == nullptr) {
        m_sections.append(Section{section, {}});
        target = &m_sections.last();
    }
    for (auto &entry : target->entries) {
        if (entry.first.compare(key, Qt::CaseInsensitive) == 0) {
            entry.second = value;
            return;
        }
    }
    target->entries.append({key, value});
}
