#pragma once

#include <QString>

#include <utility>

class Messenger;

// Why a check or a write said no: the message dialog's caption, symbol and text, and the
// objectName of the control that gets the focus afterwards (empty: the focus stays). Every check
// of the program returns one; a null refusal means "accepted".
struct Refusal
{
    QString caption;
    int symbol = 0;
    QString text;
    QString focus;

    bool isNull() const { return text.isEmpty(); }
    explicit operator bool() const { return !isNull(); }

    // "HIBA!" with the error symbol: the usual refusal of a check.
    static Refusal error(const QString &text, const QString &focus = QString());
    // "Figyelmeztetés" with the warning symbol.
    static Refusal warning(const QString &text, const QString &focus = QString());
    // "Információ" with the information symbol.
    static Refusal information(const QString &text, const QString &focus = QString());

    // Shows the refusal with one "OK" button; a null refusal shows nothing.
    void show(Messenger &messenger) const;

    bool operator==(const Refusal &other) const = default;
};

// The answer of a check that also produces a value: the value when accepted, otherwise the refusal.
template <typename T>
struct Checked
{
    T value{};
    Refusal refusal;

    static Checked accepted(T value) { return Checked{std::move(value), Refusal()}; }
    static Checked refused(Refusal refusal) { return Checked{T{}, std::move(refusal)}; }
    bool ok() const { return refusal.isNull(); }
};
