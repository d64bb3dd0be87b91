#include "core/Codes.h"

namespace Codes {

QString refusalText(Refusal refusal, int width)
{
    switch (refusal) {
    case Refusal::None:
        return QString();
    case Refusal::Empty:
        return QStringLiteral("A kód megadása kötelező!");
    case Refusal::NotDigits:
        return QStringLiteral("Hibás számot adott meg!\rA kód csak számjegyeket tartalmazhat");
    case Refusal::TooLong:
        return QStringLiteral("Hibás számot adott meg!\rA szám 0 és %1 közötti lehet").arg(QString(width, QLatin1Char('9')));
    }
    return QString();
}

static Result refused(Refusal refusal, int width)
{
    return Result{QString(), refusal, refusalText(refusal, width)};
}

Result pad(int width, const QString &typed)
{
    QString digits = typed.trimmed();
    if (digits.isEmpty())
        return refused(Refusal::Empty, width);
    for (QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return refused(Refusal::NotDigits, width);
    }
    while (digits.size() > width && digits.startsWith(QLatin1Char('0')))
        digits.remove(0, 1);
    if (digits.size() > width)
        return refused(Refusal::TooLong, width);
    return Result{digits.rightJustified(width, QLatin1Char('0')), Refusal::None, QString()};
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
