#pragma once

#include <QString>

// Version texts such as "1.23" or "1.0.33.1": numbers joined by dots, compared number by number.
namespace VersionNumber {

// Numbers joined by single dots (ASCII digits), nothing else.
bool isValid(const QString &text);
// Compares two valid versions number by number (a missing number counts as 0, numbers of any
// length compare exactly): <0, 0, >0.
int compare(const QString &a, const QString &b);

} // namespace VersionNumber
