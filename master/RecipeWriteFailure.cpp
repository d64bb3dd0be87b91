#include "master/RecipeWriteFailure.h"

namespace RecipeWriteFailure {

Refusal refusal(const QString &detail)
{
    QString text = QStringLiteral("Az adatok írása nem sikerült, semmi sem változott.");
    if (!detail.isEmpty())
        text += QLatin1Char('\r') + detail;
    return Refusal::error(text);
}

} // namespace RecipeWriteFailure
