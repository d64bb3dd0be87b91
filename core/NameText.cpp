#include "core/NameText.h"

namespace NameText {

bool isClean(const QString &text)
{
    if (!text.isValidUtf16())
        return false;
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control)
            return false;
    }
    return true;
}

Refusal check(const QString &text, const QString &focus)
{
    if (isClean(text))
        return Refusal();
    return Refusal::error(QStringLiteral("Hibás értékadás!\rA megnevezés nem tartalmazhat vezérlőkaraktert!"), focus);
}

} // namespace NameText
