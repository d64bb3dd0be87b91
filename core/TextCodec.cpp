#include "core/TextCodec.h"

#include <QTextCodec>

namespace TextCodec {

static QTextCodec *windows1250()
{
    static QTextCodec *codec = QTextCodec::codecForName("Windows-1250");
    return codec;
}

QString fromWindows1250(const QByteArray &bytes)
{
    return windows1250()->toUnicode(bytes);
}

QByteArray toWindows1250(const QString &text)
{
    return windows1250()->fromUnicode(text);
}

} // namespace TextCodec
