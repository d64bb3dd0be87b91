#include "core/Codes.h"

namespace Codes {

Checked<QString> pad(int width, const QString &typed, const QString &focus)
{
    QString digits = typed.trimmed();
    if (digits.isEmpty())
        return Checked<QString>::refused(Refusal::error(QStringLiteral("A kód megadása kötelező!"), focus));
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return Checked<QString>::refused(Refusal::error(
                QStringLiteral("Hibás számot adott meg!\rA kód csak számjegyeket tartalmazhat"), focus));
    }
    while (digits.size() > width && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    if (digits.size() > width)
        return Checked<QString>::refused(Refusal::error(
            QStringLiteral("Hibás számot adott meg!\rA szám 0 és %1 közötti lehet").arg(QString(width, QLatin1Char('9'))),
            focus));
    return Checked<QString>::accepted(digits.rightJustified(width, QLatin1Char('0')));
}

std::optional<QString> pad(int width, qint64 number)
{
    if (number < 0)
        return std::nullopt;
    const QString digits = QString::number(number);
    if (digits.size() > width)
        return std::nullopt;
    return digits.rightJustified(width, QLatin1Char('0'));
}

} // namespace Codes
