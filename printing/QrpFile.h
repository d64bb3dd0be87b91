#pragma once

#include "printing/PreparedReport.h"

#include <QByteArray>
#include <QString>

// Saved printouts (.qrp): the prepared pages in the program's own versioned format.
//
// Layout: the 10 bytes "SalviaQRP\n", the format version (16 bits), the length of the packed
// body (32 bits), the SHA-256 of the packed body (32 bytes), then the body packed with zlib.
// Numbers are little-endian. Every version keeps this header, so a file whose length or hash
// does not match is damaged whatever its version field says. A file is read from outside the
// program, so every count, length, index and coordinate is checked before use; a file that fails
// any check is refused whole.
class QrpFile
{
public:
    static constexpr quint16 Version = 1;
    // What one file may ask of a reader: the decoded size of all its pictures together (4 bytes
    // a pixel) and the drawing items of one page (each repaint of the page draws them all).
    static constexpr qint64 MaxPictureBytes = 256LL * 1024 * 1024;
    static constexpr quint32 MaxItemsPerPage = 20000;

    struct Loaded
    {
        PreparedReport report;
        QString error; // Hungarian message; empty when the file was read
        bool ok() const { return error.isEmpty(); }
    };

    // Writes the pages (through a temporary file, so a failed save leaves no half file). Pages
    // beyond what load() accepts are refused, so every saved file can be opened again.
    // Returns an empty text on success, else the message to show.
    static QString save(const PreparedReport &report, const QString &path);
    static Loaded load(const QString &path);

    // The file's bytes; empty when the pages are more than a reader accepts.
    static QByteArray encode(const PreparedReport &report);
    // Reads a whole file's bytes; the path only goes into the message.
    static Loaded decode(const QByteArray &bytes, const QString &path);
};
