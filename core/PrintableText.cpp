#include "core/PrintableText.h"

#include <QList>

QString printableExcerpt(const QString &text, qsizetype limit)
{
    const QList<uint> codes = text.simplified().toUcs4();
    QString shown;
    for (qsizetype i = 0; i < codes.size(); ++i) {
        if (i == limit)
            return shown + QStringLiteral("...");
        const char32_t code = codes.at(i);
        if (QChar::isPrint(code))
            shown += QString::fromUcs4(&code, 1);
        else
            shown += QLatin1Char('?');
    }
    return shown;
}
