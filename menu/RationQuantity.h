#pragma once

#include "core/WideInteger.h"

#include <QList>
#include <QtGlobal>
#include <compare>

// A quantity of the ration sheet held exactly: a whole count of billionths (nine decimals).
// Recipe quantities per 100 portions (up to four decimals) divided by 100, times portions per
// person (up to three decimals) and a whole headcount need at most nine decimals, so detail
// lines and their sums carry no binary noise and a total is rounded once, on its true value.
//
// Between the parts of the program these quantities travel as doubles: a nine-decimal value
// below about 8,000,000 reads back from its double exactly (fromDouble takes the double's
// shortest decimal text). Magnitudes beyond 10,000,000,000 are held at that bound.
class RationQuantity
{
public:
    static constexpr int Decimals = 9;

    constexpr RationQuantity() = default;
    // The double's shortest decimal text at nine places, halves to even; NaN and infinities give 0.
    static RationQuantity fromDouble(double value);
    double toDouble() const;

    bool isZero() const { return m_units == 0; }

    RationQuantity operator+(RationQuantity other) const;
    RationQuantity operator-(RationQuantity other) const;
    RationQuantity &operator+=(RationQuantity other) { return *this = *this + other; }
    auto operator<=>(const RationQuantity &) const = default;

    // Products and quotients, each rounded once to nine places, halves to even.
    RationQuantity times(RationQuantity other) const;
    RationQuantity times(qint64 factor) const;
    RationQuantity dividedBy(qint64 divisor) const;

    // Rounded to 0 to 9 places: halves to even, or upwards (the smallest multiple not below).
    RationQuantity rounded(int places) const;
    RationQuantity roundedUp(int places) const;

    // `total` shared in proportion to the weights (equally when they add up to 0), each share
    // rounded to nine places and the rounding remainder given to the largest share, so the
    // shares add up to the total exactly.
    static QList<RationQuantity> spread(RationQuantity total, const QList<RationQuantity> &weights);

private:
    using Units = WideInteger::Wide;
    explicit RationQuantity(Units units);

    Units m_units = 0;
};
