#include "core/IniFile.h"

#include "core/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

IniFile::IniFile(const QString &path)
    : m_path(path)
{
}

bool IniFile::load()
{
    m_lines.clear();
    m_unreadable = false;
    QFile file(m_path);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly)) {
        m_unreadable = true;
        return false;
    }
    parse(file.readAll());
    return true;
}

namespace {

// Writes every byte and pushes it to the disk; false on any shortfall (a full disk).
bool writeThrough(QFile &file, const QByteArray &content)
{
    return file.write(content) == content.size() && file.flush() && ::fsync(file.handle()) == 0;
}

// A new file beside the original, renamed over it only once all of it is on the disk: a failed
// write leaves the original as it was.
enum class Replaced { Done, Failed, NoRoomBeside };
Replaced replaceBeside(const QString &path, const QByteArray &content)
{
    const QFileInfo info(path);
    QTemporaryFile file(info.absoluteDir().filePath(QLatin1Char('.') + info.fileName() + QStringLiteral(".XXXXXX")));
    if (!file.open())
        return Replaced::NoRoomBeside;
    if (info.exists())
        file.setPermissions(info.permissions());
    if (!writeThrough(file, content))
        return Replaced::Failed;
    file.close();
    if (std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
        return Replaced::Failed;
    file.setAutoRemove(false);
    return Replaced::Done;
}

// Where no file can be made beside it (a read-only folder) the file itself is overwritten without
// being cut first, so its own space takes the original back after a failed write.
bool rewriteInPlace(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Unbuffered))
        return false;
    const QByteArray original = file.readAll();
    if (file.seek(0) && writeThrough(file, content) && file.resize(content.size()))
        return ::fsync(file.handle()) == 0;
    if (file.seek(0) && file.write(original) == original.size())
        file.resize(original.size());
    ::fsync(file.handle());
    return false;
}

} // namespace

bool IniFile::save() const
{
    if (m_unreadable)
        return false;
    const QFileInfo info(m_path);
    // A link stays a link: its target is written.
    const QString path = info.isSymLink() ? info.symLinkTarget() : m_path;
    const QByteArray content = bytes();
    switch (replaceBeside(path, content)) {
    case Replaced::Done:
        return true;
    case Replaced::Failed:
        return false;
    case Replaced::NoRoomBeside:
        break;
    }
    return QFileInfo::exists(path) && rewriteInPlace(path, content);
}

IniFile::Line IniFile::parseLine(const QByteArray &text, const QByteArray &end)
{
    Line line{text, end, Line::Other, QString()};
    const QString trimmed = TextCodec::fromWindows1250(text).trimmed();
    if (trimmed.startsWith(QLatin1Char(';')))
        return line;
    if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
        line.kind = Line::Section;
        line.name = trimmed.mid(1, trimmed.size() - 2).trimmed();
        return line;
    }
    const qsizetype eq = trimmed.indexOf(QLatin1Char('='));
    if (eq > 0) {
        line.kind = Line::Entry;
        line.name = trimmed.left(eq).trimmed();
    }
    return line;
}

void IniFile::parse(const QByteArray &bytes)
{
    m_lines.clear();
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    while (start < size) {
        qsizetype stop = start;
        while (stop < size && bytes.at(stop) != '\r' && bytes.at(stop) != '\n')
            ++stop;
        qsizetype next = stop;
        if (next < size)
            next += bytes.at(next) == '\r' && next + 1 < size && bytes.at(next + 1) == '\n' ? 2 : 1;
        m_lines.append(parseLine(bytes.mid(start, stop - start), bytes.mid(stop, next - stop)));
        start = next;
    }
}

QByteArray IniFile::bytes() const
{
    QByteArray content;
    for (const Line &line : m_lines)
        content += line.text + line.end;
    return content;
}

qsizetype IniFile::findSection(const QString &section) const
{
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const Line &line = m_lines.at(i);
        if (line.kind == Line::Section && line.name.compare(section, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

qsizetype IniFile::findEntry(const QString &section, const QString &key) const
{
    bool inSection = false;
    for (qsizetype i = 0; i < m_lines.size(); ++i) {
        const Line &line = m_lines.at(i);
        if (line.kind == Line::Section)
            inSection = line.name.compare(section, Qt::CaseInsensitive) == 0;
        else if (inSection && line.kind == Line::Entry && line.name.compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool IniFile::contains(const QString &section, const QString &key) const
{
    return findEntry(section, key) >= 0;
}

QString IniFile::value(const QString &section, const QString &key, const QString &defaultValue) const
{
    const qsizetype index = findEntry(section, key);
    if (index < 0)
        return defaultValue;
    const QString line = TextCodec::fromWindows1250(m_lines.at(index).text).trimmed();
    return line.mid(line.indexOf(QLatin1Char('=')) + 1);
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

// The line end of new lines: the file's first one, CRLF in a file without any.
QByteArray IniFile::newLineEnd() const
{
    for (const Line &line : m_lines) {
        if (!line.end.isEmpty())
            return line.end;
    }
    return QByteArrayLiteral("\r\n");
}

bool IniFile::setValue(const QString &section, const QString &key, const QString &text)
{
    const QString value = oneLine(text);
    if (!TextCodec::outsideWindows1250(section + key + value).isEmpty())
        return false;
    const QByteArray end = newLineEnd();
    const qsizetype existing = findEntry(section, key);
    if (existing >= 0) {
        Line &line = m_lines[existing];
        line.text = TextCodec::toWindows1250(line.name + QLatin1Char('=') + value);
        return true;
    }
    const Line entry{TextCodec::toWindows1250(key + QLatin1Char('=') + value), end, Line::Entry, key};
    qsizetype at = findSection(section);
    if (at < 0) {
        // A new section at the end, after a blank line.
        if (!m_lines.isEmpty() && m_lines.last().end.isEmpty())
            m_lines.last().end = end;
        if (!m_lines.isEmpty() && !m_lines.last().text.trimmed().isEmpty())
            m_lines.append(Line{QByteArray(), end, Line::Other, QString()});
        m_lines.append(Line{TextCodec::toWindows1250(QLatin1Char('[') + section + QLatin1Char(']')), end,
            Line::Section, section});
        m_lines.append(entry);
        return true;
    }
    // After the section's last key, or right after its header when it has none.
    qsizetype last = at;
    for (qsizetype i = at + 1; i < m_lines.size() && m_lines.at(i).kind != Line::Section; ++i) {
        if (m_lines.at(i).kind == Line::Entry)
            last = i;
    }
    if (m_lines.at(last).end.isEmpty())
        m_lines[last].end = end;
    m_lines.insert(last + 1, entry);
    return true;
}
