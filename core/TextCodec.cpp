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

QString outsideWindows1250(const QString &text)
{
    QString outside;
    if (windows1250()->canEncode(text))
        return outside;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character outside the basic plane is a surrogate pair: test and report it whole.
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, length);
        i += length - 1;
        if (!windows1250()->canEncode(character) && !outside.contains(character))
            outside += character;
    }
    return outside;
}

QString fromCp852(const QByteArray &bytes)
{
    static QTextCodec *codec = QTextCodec::codecForName("IBM852");
    return codec->toUnicode(bytes);
}

} // namespace TextCodec
