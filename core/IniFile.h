#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// An INI file of sections and key=value lines in the Windows-1250 code page. Names are matched
// without regard to case, as the platform's INI files are. Lines end in CR, LF or CRLF alike.
// Everything the program does not understand (comments, lines outside sections, lines without
// "=", keys it never asks for) is kept byte for byte through a save: only the lines of changed
// values are rewritten, new keys go to the end of their section.
class IniFile
{
public:
    explicit IniFile(const QString &path);

    // Reads the file; a missing file is an empty one. False when the file exists but cannot be
    // read: save() then refuses, since it would drop every other key.
    bool load();
    // Writes the whole file; false when it cannot be written or was unreadable, and then the file
    // on the disk is the original byte for byte. Where no file can be created beside it (a
    // read-only folder) a writable file is overwritten in place.
    bool save() const;

    // The file's content as bytes and back, without touching the disk.
    void parse(const QByteArray &bytes);
    QByteArray bytes() const;

    bool contains(const QString &section, const QString &key) const;
    QString value(const QString &section, const QString &key, const QString &defaultValue = QString()) const;
    // A line break in the value is stored as a space. False, and nothing changed, when Windows-1250
    // cannot hold the section, key or value.
    bool setValue(const QString &section, const QString &key, const QString &value);

private:
    struct Line
    {
        enum Kind { Other, Section, Entry };
        QByteArray text; // without the line end
        QByteArray end; // "\r\n", "\r", "\n" or empty on the last line
        Kind kind = Other;
        QString name; // the section's or the key's name
    };
    static Line parseLine(const QByteArray &text, const QByteArray &end);
    // The index of the section's header line, or of the key's entry line within it; -1 if none.
    qsizetype findSection(const QString &section) const;
    qsizetype findEntry(const QString &section, const QString &key) const;
    QByteArray newLineEnd() const;

    QString m_path;
    QList<Line> m_lines;
    bool m_unreadable = false;
};
