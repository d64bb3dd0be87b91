#pragma once

#include <QByteArray>
#include <QString>

// Conversions for files that leave or enter the program in the Hungarian Windows code page.
namespace TextCodec {
QString fromWindows1250(const QByteArray &bytes);
QByteArray toWindows1250(const QString &text);
} // namespace TextCodec
