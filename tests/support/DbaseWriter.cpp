#include "support/DbaseWriter.h"

#include <QDate>
#include <QFile>

#include <shapefil.h>

static DBFHandle handleOf(void *handle)
{
    return static_cast<DBFHandle>(handle);
}

DbaseWriter::DbaseWriter(const QString &path)
    : m_handle(DBFCreate(QFile::encodeName(path).constData()))
    , m_path(path)
{
}

DbaseWriter::~DbaseWriter()
{
    close();
}

DbaseWriter &DbaseWriter::text(const char *name, int width)
{
    DBFAddNativeFieldType(handleOf(m_handle), name, 'C', width, 0);
    return *this;
}

DbaseWriter &DbaseWriter::number(const char *name, int width, int decimals)
{
    DBFAddNativeFieldType(handleOf(m_handle), name, 'N', width, decimals);
    return *this;
}

DbaseWriter &DbaseWriter::logical(const char *name)
{
    DBFAddNativeFieldType(handleOf(m_handle), name, 'L', 1, 0);
    return *this;
}

DbaseWriter &DbaseWriter::date(const char *name)
{
    DBFAddNativeFieldType(handleOf(m_handle), name, 'D', 8, 0);
    return *this;
}

DbaseWriter &DbaseWriter::row(const QList<QVariant> &values)
{
    const DBFHandle h = handleOf(m_handle);
    for (int field = 0; field < values.size(); ++field) {
        const QVariant &value = values.at(field);
        switch (value.typeId()) {
        case QMetaType::UnknownType:
            DBFWriteNULLAttribute(h, m_rows, field);
            break;
        case QMetaType::QByteArray:
            DBFWriteStringAttribute(h, m_rows, field, value.toByteArray().constData());
            break;
        case QMetaType::QString:
            DBFWriteStringAttribute(h, m_rows, field, value.toString().toLatin1().constData());
            break;
        case QMetaType::Bool:
            DBFWriteLogicalAttribute(h, m_rows, field, value.toBool() ? 'T' : 'F');
            break;
        case QMetaType::QDate:
            // shapelib writes a date field as a number of eight digits.
            DBFWriteDoubleAttribute(h, m_rows, field, value.toDate().toString(QStringLiteral("yyyyMMdd")).toDouble());
            break;
        default:
            DBFWriteDoubleAttribute(h, m_rows, field, value.toDouble());
            break;
        }
    }
    ++m_rows;
    return *this;
}

DbaseWriter &DbaseWriter::deleteLast()
{
    DBFMarkRecordDeleted(handleOf(m_handle), m_rows - 1, 1);
    return *this;
}

void DbaseWriter::close()
{
    if (!m_handle)
        return;
    DBFClose(handleOf(m_handle));
    m_handle = nullptr;
    // shapelib names the file with a lower-case ".dbf"; the test asked for its own spelling.
    const QString written = m_path.left(m_path.lastIndexOf(QLatin1Char('.'))) + QStringLiteral(".dbf");
    if (written != m_path) {
        QFile::remove(m_path);
        QFile::rename(written, m_path);
    }
}
