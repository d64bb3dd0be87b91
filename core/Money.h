#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <compare>
#include <optional>

// An exact amount of money: a 64-bit count of ten-thousandths (four decimals). Every rounding
// is halves to even, by the same rule as Rounding. Results beyond the 64-bit range (about
// 9.2e14 currency units) are held at the nearest end of the range.
class Money
{
public:
    static constexpr int Decimals = 4;
    static constexpr qint64 Scale = 10000;
    // The largest amount one voucher item may hold as a price or a total (ten thousand million):
    // far above any kitchen's use, and small enough that net + VAT, and the values of ninety
    // thousand such items added up, stay inside the range. The stock engine refuses larger ones.
    static constexpr qint64 AmountLimit = 10'000'000'000LL;

    constexpr Money() = default;
    static constexpr Money fromUnits(qint64 units) { return Money(units); }
    // Rounded to four decimals, halves to even on the value's decimal text; NaN gives zero.
    static Money fromDouble(double value);
    // A typed amount: optional sign, digits with single blanks between groups of three,
    // "," or "." before the decimals ("1 234,5", "-0.25", ",5"). More than four decimals are
    // rounded halves to even; anything else malformed, or out of range, gives no value.
    static std::optional<Money> fromText(const QString &text);

    constexpr qint64 units() const { return m_units; }
    constexpr bool isZero() const { return m_units == 0; }
    // Whether the amount lies within ±AmountLimit.
    constexpr bool withinAmountLimit() const
    {
        return m_units >= -AmountLimit * Scale && m_units <= AmountLimit * Scale;
    }
    double toDouble() const { return double(m_units) / double(Scale); }
    // Plain text with "." and all four decimals: "-1234.5600" (reads back with fromText).
    QString toString() const;
    // The same text in Latin-1 bytes, for a database handle that takes them as they are.
    QByteArray toLatin1() const;

    // Rounded to 0..4 decimals, halves to even.
    Money rounded(int decimals) const;
    // Price times quantity, rounded once to `decimals` (0..4), halves to even: rounding to four
    // decimals and then to two could turn a value just below a half into a half.
    Money multiplied(double quantity, int decimals = Decimals) const;
    // Value divided by quantity (an average price), rounded once to `decimals` (0..4), halves to
    // even; no value for a zero or non-finite quantity.
    std::optional<Money> dividedBy(double quantity, int decimals = Decimals) const;

    Money operator+(Money other) const;
    Money operator-(Money other) const;
    Money operator-() const;
    Money &operator+=(Money other) { return *this = *this + other; }
    Money &operator-=(Money other) { return *this = *this - other; }
    constexpr auto operator<=>(const Money &) const = default;

private:
    constexpr explicit Money(qint64 units) : m_units(units) {}
    char *writeText(char *end) const;

    qint64 m_units = 0;
};
