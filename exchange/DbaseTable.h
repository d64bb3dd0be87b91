#pragma once

#include "core/Money.h"
#include "core/Refusal.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// A dBASE table from outside the program (the DOS predecessor's files), read through shapelib
// after its header has been checked against the file: the header and record lengths lie within
// dBASE's bounds, the record length is the sum of the field widths, and the file holds every
// record its header counts. Rows are read in file order; deleted records are skipped. Texts are
// decoded from code page 852.
class DbaseTable
{
public:
    struct Field
    {
        QString name; // upper case
        char type = 'C';
        int width = 0;
        int decimals = 0;
        int offset = 0; // within the record, after the deletion flag
    };

    ~DbaseTable();
    DbaseTable(const DbaseTable &) = delete;
    DbaseTable &operator=(const DbaseTable &) = delete;

    // Opens and checks the file; refused naming the file and what is wrong with it, or the first
    // of `requiredFields` (upper case) it lacks.
    static Checked<std::shared_ptr<DbaseTable>> open(const QString &path, const QStringList &requiredFields = {});
    // The file of this name in `folder`, found whatever the case of its letters; empty when none.
    static QString findFile(const QString &folder, const QString &name);

    const QList<Field> &fields() const { return m_fields; }
    // The field's index; -1 when the table has no such field.
    int fieldIndex(const QString &name) const { return m_index.value(name.toUpper(), -1); }
    bool hasField(const QString &name) const { return fieldIndex(name) >= 0; }
    // Records counted by the header, deleted ones included.
    int recordCount() const { return m_recordCount; }

    // Steps to the next record that is not deleted; false after the last. `position()` is the
    // index of the record reached (for progress).
    bool next();
    int position() const { return m_position; }
    // True when a record could not be read although the header promised it (the file changed
    // meanwhile): the rows read are then not the whole table.
    bool readFailed() const { return m_readFailed; }

    // The values of the current record; a missing field (-1) gives an empty value.
    QByteArray raw(int field) const;
    // Trimmed and decoded from code page 852.
    QString text(int field) const;
    // A numeric field's value; the text's number for a character field; 0 when blank or unreadable.
    double number(int field) const;
    // An amount read from its decimal text, exactly; zero when blank or unreadable.
    Money money(int field) const;
    // A code: a numeric field's whole value zero-padded to `width`; a character field's trimmed
    // text, zero-padded to `width` when it is digits only.
    QString code(int field, int width) const;
    // T, t, Y, y, I, i are true.
    bool logical(int field) const;
    // A date field (yyyymmdd); invalid when blank or not a date.
    QDate date(int field) const;

private:
    DbaseTable() = default;
    std::optional<double> parsedNumber(int field) const;

    // shapelib's DBFHandle (an unnamed struct there, so it cannot be declared here).
    void *m_handle = nullptr;
    QList<Field> m_fields;
    QHash<QString, int> m_index;
    int m_recordCount = 0;
    int m_position = -1;
    const char *m_record = nullptr;
    bool m_readFailed = false;
};
