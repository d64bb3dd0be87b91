#pragma once

#include "core/Refusal.h"

#include <QString>
#include <QtGlobal>

#include <optional>

// Codes are fixed-width, zero-padded digit texts that the user types as numbers ("42" -> "042").
namespace Codes {

enum class Kind {
    LedgerAccount,  // 3 digits, "042"
    RegisterNumber, // 4 digits, "0007"
    Partner,        // 5 digits, "00001"
    VoucherNumber,  // 8 digits, "00000001"
    MovementType,   // 2 digits each from here on
    VatCode,
    VatGroup,
    MaterialGroup,
    LossCode,
};

constexpr int width(Kind kind)
{
    switch (kind) {
    case Kind::LedgerAccount:
        return 3;
    case Kind::RegisterNumber:
        return 4;
    case Kind::Partner:
        return 5;
    case Kind::VoucherNumber:
        return 8;
    default:
        return 2;
    }
}

// Checks and pads a typed value: surrounding blanks are ignored, digits only, and the number
// must fit the width (leading zeros beyond it are allowed: "0042" is 42). The value is the padded
// code; a refusal ("HIBA!") is one of "A kód megadása kötelező!", "Hibás számot adott meg!\rA kód
// csak számjegyeket tartalmazhat", "Hibás számot adott meg!\rA szám 0 és 999 közötti lehet", with
// `focus` as the field to return to.
Checked<QString> pad(int width, const QString &typed, const QString &focus = QString());
inline Checked<QString> pad(Kind kind, const QString &typed, const QString &focus = QString())
{
    return pad(width(kind), typed, focus);
}

// A computed number as a code; none when negative or too long for the width.
std::optional<QString> pad(int width, qint64 number);
inline std::optional<QString> pad(Kind kind, qint64 number) { return pad(width(kind), number); }

} // namespace Codes
