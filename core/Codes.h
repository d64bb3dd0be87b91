#pragma once

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

enum class Refusal { None, Empty, NotDigits, TooLong };

struct Result
{
    QString code;                     // the padded code when accepted
    Refusal refusal = Refusal::None;  // why it was refused
    QString message;                  // the refusal's text for the message dialog ("HIBA!")
    bool ok() const { return refusal == Refusal::None; }
};

// Checks and pads a typed value: surrounding blanks are ignored, digits only, and the number
// must fit the width (leading zeros beyond it are allowed: "0042" is 42).
Result pad(int width, const QString &typed);
inline Result pad(Kind kind, const QString &typed) { return pad(width(kind), typed); }

// A computed number as a code; none when negative or too long for the width.
std::optional<QString> pad(int width, qint64 number);
inline std::optional<QString> pad(Kind kind, qint64 number) { return pad(width(kind), number); }

// The refusal texts: "A kód megadása kötelező!", "Hibás számot adott meg!\rA kód csak
// számjegyeket tartalmazhat", "Hibás számot adott meg!\rA szám 0 és 999 közötti lehet".
QString refusalText(Refusal refusal, int width);

} // namespace Codes
