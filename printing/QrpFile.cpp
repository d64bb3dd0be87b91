#include "printing/QrpFile.h"

#include <QBuffer>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSaveFile>
#include <QtEndian>
#include <cmath>
#include <cstring>

namespace {

const char Magic[] = "SalviaQRP\n";
constexpr int MagicLength = 10;
constexpr int HeaderLength = MagicLength + 2 + 4 + 32;
constexpr qint64 MaxPacked = 256LL * 1024 * 1024;
constexpr qint64 MaxBody = 128LL * 1024 * 1024; // some 300 000 list lines
constexpr quint32 MaxPages = 100000;
constexpr quint32 MaxString = 1024 * 1024;
constexpr int MaxImageSide = 20000;
constexpr double MaxPageSide = 2000; // millimetres
// Smallest stored item: kind, font, flags, pen, four coordinates, two colours, picture, text length.
constexpr int MinItemBytes = 1 + 2 + 2 + 2 + 16 + 4 + 4 + 4 + 4;

QString cannotOpen(const QString &path)
{
    return QStringLiteral("A fájl nem nyitható meg:\r") + path;
}

QString foreign(const QString &path)
{
    return QStringLiteral("A fájl nem mentett nyomtatás, nem nyitható meg:\r") + path;
}

QString newer(const QString &path)
{
    return QStringLiteral("A mentett nyomtatás a program újabb változatával készült, nem nyitható meg:\r") + path;
}

QString damaged(const QString &path)
{
    return QStringLiteral("A mentett nyomtatás sérült vagy hiányos, nem nyitható meg:\r") + path;
}

class Writer
{
public:
    template <typename T> void number(T value)
    {
        const T little = qToLittleEndian(value);
        m_bytes.append(reinterpret_cast<const char *>(&little), sizeof(T));
    }
    void real32(float value)
    {
        quint32 bits;
        std::memcpy(&bits, &value, sizeof bits);
        number(bits);
    }
    void real64(double value)
    {
        quint64 bits;
        std::memcpy(&bits, &value, sizeof bits);
        number(bits);
    }
    void bytes(const QByteArray &data)
    {
        number(quint32(data.size()));
        m_bytes.append(data);
    }
    void string(const QString &text) { bytes(text.toUtf8()); }
    QByteArray &result() { return m_bytes; }

private:
    QByteArray m_bytes;
};

// Reads from untrusted bytes: every read checks the remaining length; after the first failure
// every read yields zero and failed() stays true.
class Reader
{
public:
    explicit Reader(const QByteArray &bytes)
        : m_bytes(bytes)
    {
    }
    template <typename T> T number()
    {
        if (m_failed || remaining() < qint64(sizeof(T))) {
            m_failed = true;
            return T(0);
        }
        T value;
        std::memcpy(&value, m_bytes.constData() + m_pos, sizeof(T));
        m_pos += sizeof(T);
        return qFromLittleEndian(value);
    }
    float real32()
    {
        const quint32 bits = number<quint32>();
        float value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    double real64()
    {
        const quint64 bits = number<quint64>();
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    QByteArray bytes(quint32 limit)
    {
        const quint32 length = number<quint32>();
        if (m_failed || length > limit || length > remaining()) {
            m_failed = true;
            return QByteArray();
        }
        const QByteArray data = m_bytes.mid(m_pos, length);
        m_pos += length;
        return data;
    }
    QString string(quint32 limit = MaxString) { return QString::fromUtf8(bytes(limit)); }
    // A count of records of at least minBytes each that the rest of the data can hold.
    quint32 count(int minBytes)
    {
        const quint32 value = number<quint32>();
        if (m_failed || qint64(value) * minBytes > remaining()) {
            m_failed = true;
            return 0;
        }
        return value;
    }
    qint64 remaining() const { return m_bytes.size() - m_pos; }
    bool failed() const { return m_failed; }
    void fail() { m_failed = true; }

private:
    const QByteArray &m_bytes;
    qint64 m_pos = 0;
    bool m_failed = false;
};

bool sane(double value, double limit)
{
    return std::isfinite(value) && std::fabs(value) <= limit;
}

qint64 decodedBytes(const QSize &size)
{
    return qint64(size.width()) * size.height() * 4;
}

// The PNG's size from its header, without decoding it; invalid when it is no PNG or too large.
QSize pngSize(const QByteArray &data)
{
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "PNG");
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || size.width() > MaxImageSide || size.height() > MaxImageSide)
        return QSize();
    return size;
}

} // namespace

QByteArray QrpFile::encode(const PreparedReport &report)
{
    Writer body;
    body.string(report.jobTitle);
    body.real64(report.pageSize.width());
    body.real64(report.pageSize.height());
    body.number(quint32(report.fonts.size()));
    for (const ReportFont &font : report.fonts) {
        body.string(font.family);
        body.real64(font.pointSize);
        body.number(quint8((font.bold ? 1 : 0) | (font.italic ? 2 : 0) | (font.underline ? 4 : 0)));
    }
    qint64 pictureBytes = 0;
    bool picturesFit = true;
    body.number(quint32(report.images.size()));
    for (const ReportPicture &picture : report.images) {
        const QSize size = picture.size();
        pictureBytes += decodedBytes(size);
        picturesFit = picturesFit && size.width() <= MaxImageSide && size.height() <= MaxImageSide;
        body.bytes(picture.png());
    }
    body.number(quint32(report.pages.size()));
    bool pagesFit = true;
    for (const PreparedReport::Page &page : report.pages) {
        pagesFit = pagesFit && page.items.size() <= qsizetype(QrpFile::MaxItemsPerPage);
        body.number(quint32(page.items.size()));
        for (const PageItem &item : page.items) {
            body.number(quint8(item.kind));
            body.number(item.font);
            body.number(item.flags);
            body.number(item.penWidth);
            body.real32(item.x);
            body.real32(item.y);
            body.real32(item.w);
            body.real32(item.h);
            body.number(item.color);
            body.number(item.fill);
            body.number(item.image);
            body.string(item.text);
        }
    }

    if (body.result().size() > MaxBody || report.pages.size() > MaxPages || !pagesFit || !picturesFit
        || pictureBytes > QrpFile::MaxPictureBytes)
        return QByteArray(); // more than a reader accepts: refuse rather than write a file that cannot be opened
    const QByteArray packed = qCompress(body.result(), 6);
    Writer file;
    file.result().append(Magic, MagicLength);
    file.number(Version);
    file.number(quint32(packed.size()));
    file.result().append(QCryptographicHash::hash(packed, QCryptographicHash::Sha256));
    file.result().append(packed);
    return file.result();
}

QrpFile::Loaded QrpFile::decode(const QByteArray &bytes, const QString &path)
{
    Loaded loaded;
    if (bytes.size() < MagicLength || std::memcmp(bytes.constData(), Magic, MagicLength) != 0) {
        loaded.error = foreign(path);
        return loaded;
    }
    if (bytes.size() < HeaderLength) {
        loaded.error = damaged(path);
        return loaded;
    }
    Reader header(bytes);
    for (int i = 0; i < MagicLength; ++i)
        header.number<quint8>();
    const quint16 version = header.number<quint16>();
    const quint32 packedLength = header.number<quint32>();
    // Length and hash first: random bytes after the magic are damage, not a newer version.
    const QByteArray hash = bytes.mid(MagicLength + 6, 32);
    const QByteArray packed = bytes.mid(HeaderLength);
    if (qint64(packedLength) != packed.size() || packed.size() > MaxPacked || packed.size() < 4
        || QCryptographicHash::hash(packed, QCryptographicHash::Sha256) != hash || version == 0) {
        loaded.error = damaged(path);
        return loaded;
    }
    if (version > Version) {
        loaded.error = newer(path);
        return loaded;
    }
    // qCompress puts the unpacked length first; zlib cannot unpack more than about 1032 times.
    const quint32 unpackedLength = qFromBigEndian<quint32>(packed.constData());
    if (unpackedLength > MaxBody || qint64(unpackedLength) > qint64(packed.size()) * 1100) {
        loaded.error = damaged(path);
        return loaded;
    }
    const QByteArray body = qUncompress(packed);
    if (body.size() != qint64(unpackedLength)) {
        loaded.error = damaged(path);
        return loaded;
    }

    Reader in(body);
    PreparedReport &report = loaded.report;
    report.jobTitle = in.string(4096);
    const double width = in.real64();
    const double height = in.real64();
    if (!(sane(width, MaxPageSide) && sane(height, MaxPageSide) && width >= 10 && height >= 10))
        in.fail();
    report.pageSize = QSizeF(width, height);

    const quint32 fontCount = in.count(4 + 8 + 1);
    if (fontCount > 65535)
        in.fail();
    for (quint32 i = 0; i < fontCount && !in.failed(); ++i) {
        ReportFont font;
        font.family = in.string(256);
        font.pointSize = in.real64();
        const quint8 style = in.number<quint8>();
        if (!(sane(font.pointSize, 500) && font.pointSize > 0) || style > 7)
            in.fail();
        font.bold = style & 1;
        font.italic = style & 2;
        font.underline = style & 4;
        report.fonts.append(font);
    }

    // Only the pictures' headers are read here; a page decodes its pictures when it is painted.
    // Their decoded sizes together stay within the bound.
    qint64 pictureBytes = 0;
    const quint32 imageCount = in.count(4);
    for (quint32 i = 0; i < imageCount && !in.failed(); ++i) {
        const QByteArray data = in.bytes(quint32(MaxPacked));
        const QSize size = pngSize(data);
        pictureBytes += decodedBytes(size);
        if (!size.isValid() || pictureBytes > MaxPictureBytes) {
            in.fail();
            break;
        }
        report.images.append(ReportPicture::fromPng(data, size));
    }

    const double limit = 3 * MaxPageSide;
    const quint32 pageCount = in.count(4);
    if (pageCount > MaxPages)
        in.fail();
    for (quint32 p = 0; p < pageCount && !in.failed(); ++p) {
        PreparedReport::Page page;
        const quint32 itemCount = in.count(MinItemBytes);
        if (itemCount > MaxItemsPerPage)
            in.fail();
        page.items.reserve(in.failed() ? 0 : itemCount);
        for (quint32 i = 0; i < itemCount && !in.failed(); ++i) {
            PageItem item;
            const quint8 kind = in.number<quint8>();
            item.font = in.number<quint16>();
            item.flags = in.number<quint16>();
            item.penWidth = in.number<quint16>();
            item.x = in.real32();
            item.y = in.real32();
            item.w = in.real32();
            item.h = in.real32();
            item.color = in.number<quint32>();
            item.fill = in.number<quint32>();
            item.image = in.number<qint32>();
            item.text = in.string();
            const bool known = kind >= PageItem::Text && kind <= PageItem::Picture;
            item.kind = known ? PageItem::Kind(kind) : PageItem::Text;
            const bool placed
                = sane(item.x, limit) && sane(item.y, limit) && sane(item.w, limit) && sane(item.h, limit);
            const bool fontOk = item.kind != PageItem::Text || item.font < report.fonts.size();
            const bool imageOk = item.kind == PageItem::Picture ? (item.image >= 0 && item.image < report.images.size())
                                                                : item.image == -1;
            if (!known || !placed || !fontOk || !imageOk)
                in.fail();
            page.items.append(std::move(item));
        }
        report.pages.append(std::move(page));
    }
    if (in.failed() || in.remaining() != 0 || report.pages.isEmpty()) {
        loaded.report = PreparedReport();
        loaded.error = damaged(path);
    }
    return loaded;
}

QString QrpFile::save(const PreparedReport &report, const QString &path)
{
    const QByteArray bytes = encode(report);
    if (bytes.isEmpty())
        return QStringLiteral("A nyomtatás túl nagy, nem menthető:\r") + path;
    const QString failed = QStringLiteral("A nyomtatás nem menthető:\r") + path;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return failed;
    if (file.write(bytes) != bytes.size() || !file.commit())
        return failed;
    return QString();
}

QrpFile::Loaded QrpFile::load(const QString &path)
{
    Loaded loaded;
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) {
        loaded.error = cannotOpen(path);
        return loaded;
    }
    const QByteArray start = file.read(MagicLength);
    if (start.size() < MagicLength || std::memcmp(start.constData(), Magic, MagicLength) != 0) {
        loaded.error = foreign(path);
        return loaded;
    }
    if (file.size() > HeaderLength + MaxPacked) {
        loaded.error = damaged(path);
        return loaded;
    }
    file.seek(0);
    return decode(file.readAll(), path);
}
