#include "exchange/DbaseTable.h"

#include "core/TextCodec.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <shapefil.h>

namespace {

constexpr int FileHeaderSize = 32;
constexpr int FieldDescriptorSize = 32;
constexpr int MaxFields = 255;
// The largest header: every field descriptor, the terminator and the 263-byte back link that
// some dBASE writers add.
constexpr int MaxHeaderSize = FileHeaderSize + MaxFields * FieldDescriptorSize + 1 + 263;

Refusal unreadable(const QString &path, const QString &reason)
{
    return Refusal::error(QStringLiteral("A(z) %1 fájl nem olvasható dBASE tábla: %2.")
                              .arg(QDir::toNativeSeparators(path), reason));
}

QByteArray trimmedBytes(QByteArray bytes)
{
    bytes.replace('\0', ' ');
    return bytes.trimmed();
}

DBFHandle handleOf(void *handle)
{
    return static_cast<DBFHandle>(handle);
}

} // namespace

DbaseTable::~DbaseTable()
{
    if (m_handle)
        DBFClose(handleOf(m_handle));
}

QString DbaseTable::findFile(const QString &folder, const QString &name)
{
    const QDir dir(folder);
    for (const QString &entry : dir.entryList(QDir::Files)) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return QString();
}

Checked<std::shared_ptr<DbaseTable>> DbaseTable::open(const QString &path, const QStringList &requiredFields)
{
    using Result = Checked<std::shared_ptr<DbaseTable>>;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Result::refused(unreadable(path, QStringLiteral("nem nyitható meg")));
    const qint64 fileSize = file.size();
    const QByteArray head = file.read(FileHeaderSize);
    file.close();
    if (head.size() < FileHeaderSize)
        return Result::refused(unreadable(path, QStringLiteral("a fejléce hiányos")));
    const auto *bytes = reinterpret_cast<const uchar *>(head.constData());
    const quint32 recordCount = qFromLittleEndian<quint32>(bytes + 4);
    const int headerLength = qFromLittleEndian<quint16>(bytes + 8);
    const int recordLength = qFromLittleEndian<quint16>(bytes + 10);
    if (headerLength < FileHeaderSize + FieldDescriptorSize + 1 || headerLength > MaxHeaderSize
        || headerLength > fileSize) {
        return Result::refused(unreadable(path, QStringLiteral("a fejléc hossza (%1 bájt) hibás").arg(headerLength)));
    }
    if (recordLength < 2)
        return Result::refused(unreadable(path, QStringLiteral("a rekordhossz (%1 bájt) hibás").arg(recordLength)));
    const qint64 room = (fileSize - headerLength) / recordLength;
    if (qint64(recordCount) > room) {
        return Result::refused(unreadable(
            path, QStringLiteral("a fejléce %1 rekordot jelez, de a fájlban csak %2 fér el").arg(recordCount).arg(room)));
    }

    std::shared_ptr<DbaseTable> table(new DbaseTable);
    table->m_handle = DBFOpen(QFile::encodeName(path).constData(), "rb");
    if (!table->m_handle)
        return Result::refused(unreadable(path, QStringLiteral("a mezőleírása sérült")));
    if (DBFGetRecordCount(handleOf(table->m_handle)) != int(recordCount))
        return Result::refused(unreadable(path, QStringLiteral("a fejléce sérült")));
    table->m_recordCount = int(recordCount);
    int offset = 1;
    const int fieldCount = DBFGetFieldCount(handleOf(table->m_handle));
    for (int i = 0; i < fieldCount; ++i) {
        char name[XBASE_FLDNAME_LEN_READ + 1] = {};
        int width = 0;
        int decimals = 0;
        DBFGetFieldInfo(handleOf(table->m_handle), i, name, &width, &decimals);
        if (width <= 0)
            return Result::refused(unreadable(path, QStringLiteral("a(z) %1. mező szélessége hibás").arg(i + 1)));
        Field field;
        field.name = QString::fromLatin1(name).trimmed().toUpper();
        field.type = DBFGetNativeFieldType(handleOf(table->m_handle), i);
        field.width = width;
        field.decimals = decimals;
        field.offset = offset;
        offset += width;
        table->m_index.insert(field.name, int(table->m_fields.size()));
        table->m_fields << field;
    }
    if (offset != recordLength) {
        return Result::refused(unreadable(path,
            QStringLiteral("a rekordhossz (%1 bájt) nem egyezik a mezők hosszával (%2 bájt)").arg(recordLength).arg(offset)));
    }
    for (const QString &required : requiredFields) {
        if (!table->hasField(required)) {
            return Result::refused(Refusal::error(QStringLiteral("A(z) %1 fájlból hiányzik a(z) %2 mező.")
                                                      .arg(QDir::toNativeSeparators(path), required)));
        }
    }
    return Result::accepted(std::move(table));
}

bool DbaseTable::next()
{
    while (m_position + 1 < m_recordCount) {
        ++m_position;
        m_record = static_cast<const char *>(DBFReadTuple(handleOf(m_handle), m_position));
        if (!m_record) {
            m_readFailed = true;
            m_position = m_recordCount;
            return false;
        }
        if (m_record[0] != '*')
            return true;
    }
    m_record = nullptr;
    return false;
}

QByteArray DbaseTable::raw(int field) const
{
    if (!m_record || field < 0 || field >= m_fields.size())
        return QByteArray();
    const Field &f = m_fields.at(field);
    return QByteArray(m_record + f.offset, f.width);
}

QString DbaseTable::text(int field) const
{
    const QByteArray bytes = trimmedBytes(raw(field));
    // Code page 852 agrees with ASCII below 0x80; only other texts need the code page table.
    for (const char byte : bytes) {
        if (static_cast<unsigned char>(byte) >= 0x80)
            return TextCodec::fromCp852(bytes);
    }
    return QString::fromLatin1(bytes);
}

std::optional<double> DbaseTable::parsedNumber(int field) const
{
    QByteArray bytes = trimmedBytes(raw(field));
    bytes.replace(',', '.');
    bool ok = false;
    const double value = bytes.toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

double DbaseTable::number(int field) const
{
    return parsedNumber(field).value_or(0.0);
}

Money DbaseTable::money(int field) const
{
    const QByteArray bytes = trimmedBytes(raw(field));
    // The common form, "-123.45" with at most four decimals, is read straight into units;
    // anything else goes through the full amount parser.
    const bool negative = bytes.startsWith('-');
    qint64 units = 0;
    int decimals = -1;
    bool plain = bytes.size() > (negative ? 1 : 0) && bytes.size() <= 14;
    for (qsizetype i = negative ? 1 : 0; plain && i < bytes.size(); ++i) {
        const char c = bytes.at(i);
        if (c >= '0' && c <= '9' && decimals < Money::Decimals) {
            units = units * 10 + (c - '0');
            decimals += decimals >= 0 ? 1 : 0;
        } else if ((c == '.' || c == ',') && decimals < 0) {
            decimals = 0;
        } else {
            plain = false;
        }
    }
    if (!plain || decimals == 0)
        return Money::fromText(QString::fromLatin1(bytes)).value_or(Money());
    for (int i = std::max(decimals, 0); i < Money::Decimals; ++i)
        units *= 10;
    return Money::fromUnits(negative ? -units : units);
}

QString DbaseTable::code(int field, int width) const
{
    if (field < 0)
        return QString();
    const char type = m_fields.at(field).type;
    if (type == 'N' || type == 'F') {
        const std::optional<double> value = parsedNumber(field);
        return value ? QStringLiteral("%1").arg(qRound64(*value), width, 10, QLatin1Char('0')) : QString();
    }
    const QString value = text(field);
    bool digitsOnly = !value.isEmpty();
    for (const QChar c : value)
        digitsOnly = digitsOnly && c.isDigit();
    return digitsOnly && value.size() < width ? value.rightJustified(width, QLatin1Char('0')) : value;
}

bool DbaseTable::logical(int field) const
{
    const QByteArray bytes = trimmedBytes(raw(field));
    return !bytes.isEmpty() && QByteArrayLiteral("TtYyIi").contains(bytes.at(0));
}

QDate DbaseTable::date(int field) const
{
    const QByteArray bytes = trimmedBytes(raw(field));
    if (bytes.size() != 8)
        return QDate();
    int parts[3] = {};
    const int widths[3] = {4, 2, 2};
    int at = 0;
    for (int p = 0; p < 3; ++p) {
        for (int i = 0; i < widths[p]; ++i, ++at) {
            const char digit = bytes.at(at);
            if (digit < '0' || digit > '9')
                return QDate();
            parts[p] = parts[p] * 10 + (digit - '0');
        }
    }
    return QDate(parts[0], parts[1], parts[2]);
}
