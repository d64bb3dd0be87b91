#pragma once

#include <QList>
#include <QPair>
#include <QString>

// An INI file of sections and key=value lines in the Windows-1250 code page. Sections and keys
// keep their order; names are matched without regard to case, as the platform's INI files are.
class IniFile
{
public:
    explicit IniFile(const QString &path);

    // Reads the file; a missing file is an empty one. False when the file exists but cannot be
    // read: saving then would drop every other key.
    bool load();
    // Writes the whole file; false when it cannot be written.
    bool save() const;

    bool contains(const QString &section, const QString &key) const;
    QString value(const QString &section, const QString &key, const QString &defaultValue = QString()) const;
    // A line break in the value is stored as a space.
    void setValue(const QString &section, const QString &key, const QString &value);

private:
    struct Section
    {
        QString name;
        QList<QPair<QString, QString>> entries;
    };
    const Section *findSection(const QString &name) const;

    QString m_path;
    QList<Section> m_sections;
};
