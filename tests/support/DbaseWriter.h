#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QVariant>

// Writes small dBASE tables for tests through shapelib's DBF writer, as the DOS predecessor left
// them. Values per field: a QByteArray is written as its bytes (code page 852 text), a QString
// as Latin-1, a number as a number, a bool as T/F, a QDate as yyyymmdd; an invalid QVariant
// leaves the field blank.
//     DbaseWriter dbf(dir.filePath("SALT002.DBF"));
//     dbf.text("FOKSZLA", 3).number("NYSZAM", 4).text("MEGNEV", 30);
//     dbf.row({"100", 1, QByteArray("Liszt")});
class DbaseWriter
{
public:
    explicit DbaseWriter(const QString &path);
    ~DbaseWriter();
    DbaseWriter(const DbaseWriter &) = delete;
    DbaseWriter &operator=(const DbaseWriter &) = delete;

    DbaseWriter &text(const char *name, int width);
    DbaseWriter &number(const char *name, int width, int decimals = 0);
    DbaseWriter &logical(const char *name);
    DbaseWriter &date(const char *name);

    DbaseWriter &row(const QList<QVariant> &values);
    // Marks the last written row deleted.
    DbaseWriter &deleteLast();
    // Writes the file out; the destructor does it too.
    void close();

private:
    void *m_handle = nullptr;
    QString m_path;
    int m_rows = 0;
};
