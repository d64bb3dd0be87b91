#pragma once

#include <QByteArray>
#include <QString>

// Conversions for files that leave or enter the program in the Hungarian Windows code page.
namespace TextCodec {
QString fromWindows1250(const QByteArray &bytes);
QByteArray toWindows1250(const QString &text);
// The distinct characters of the text that Windows-1250 cannot hold, in order of appearance;
// empty when the whole text can be written.
QString outsideWindows1250(const QString &text);
// Text of the DOS predecessor's files, in code page 852 (every byte has its character).
QString fromCp852(const QByteArray &bytes);
} // namespace TextCodec
