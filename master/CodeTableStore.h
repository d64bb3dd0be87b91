#pragma once

#include "core/Refusal.h"
#include "master/CodeTable.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QVariantMap>

class Session;

// What the edit screen hands over: each field's text as typed (a date as ISO text, a look-up
// as the chosen row's key). Fields not given count as empty.
using CodeEntry = QHash<QString, QString>;

// The checks and writes of one code table. Every check that a write relies on runs again
// inside the write's transaction, so two computers cannot both insert one code or delete a row
// that the other has just started to use.
class CodeTableStore
{
public:
    CodeTableStore(QSqlDatabase db, const CodeTable &member);

    const CodeTable &member() const { return m_member; }
    QSqlDatabase database() const { return m_db; }

    // The code as stored ("7" -> "07"), or the member's refusal with the focus on the code.
    Checked<QString> checkCode(const QString &typed) const;
    // The values a new row gets, after the member's checks in their order (name, code, values);
    // the table is not looked at.
    Checked<QVariantMap> checkNew(const CodeEntry &entry) const;
    // The non-key values a changed row gets, after the name and value checks.
    Checked<QVariantMap> checkChange(const CodeEntry &entry) const;

    // Checks, then inserts the row; a code that exists gives the member's "already exists".
    Refusal insert(const CodeEntry &entry);
    // Checks, then writes the non-key fields of the row with that key.
    Refusal update(const QString &key, const CodeEntry &entry);
    // The answer of the browse screen's Modify: a fixed row or a member that is never modified.
    Refusal checkModify(const QString &key) const;
    // The answer of Delete before the question: a row in use or a fixed row.
    Refusal checkDelete(const QString &key) const;
    // Deletes the row after checkDelete() holds again inside the transaction.
    Refusal remove(const QString &key);

    // Whether any table that refers to the member names this row.
    bool isUsed(const QString &key) const;
    bool exists(const QString &key) const;
    // The row's fields by name; empty when there is no such row.
    QVariantMap read(const QString &key) const;

    // After a change of row `key`: when it is the session's active warehouse (member Warehouses),
    // the session's warehouse name (AktivRaktarNev) becomes the stored one. True when it changed.
    bool followActiveWarehouse(Session &session, const QString &key) const;

    // The weighted average of the loss codes: the months that are not 0, rounded to a whole
    // number (halves to even); 0 when every month is 0.
    static int lossAverage(const QList<int> &months);

private:
    bool isFixed(const QString &key) const;
    QVariant keyValue(const QString &key) const;
    Checked<QVariantMap> checkValues(const CodeEntry &entry) const;
    Checked<bool> used(const QString &key) const;
    Checked<bool> present(const QString &key) const;

    QSqlDatabase m_db;
    const CodeTable &m_member;
};
