#include "master/CodeTableStore.h"

#include "core/Codes.h"
#include "core/Dates.h"
#include "core/Money.h"
#include "core/NameText.h"
#include "core/Rounding.h"
#include "core/TypedNumber.h"
#include "master/RowUpdate.h"
#include "store/WriteFailure.h"
#include "session/Session.h"
#include "store/Sql.h"
#include "store/WriteTransaction.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace {

const QString NameRequired = QStringLiteral("A megnevezés megadása kötelező!");

QString quoted(const QString &name)
{
    return QLatin1Char('"') + name + QLatin1Char('"');
}

// A number 0..maximum typed as digits (blanks around it are ignored).
std::optional<int> typedNumber(const QString &typed, int maximum)
{
    bool ok = false;
    const QString text = typed.trimmed();
    const int number = text.toInt(&ok);
    if (!ok || number < 0 || number > maximum || text.startsWith(QLatin1Char('+')))
        return std::nullopt;
    return number;
}

Refusal tooLong(const CodeField &field)
{
    return Refusal::error(QStringLiteral("Túl hosszú értéket adott meg!\r%1 legfeljebb %2 karakter lehet.")
                              .arg(QString(field.label).remove(QLatin1Char(':')))
                              .arg(field.width),
        field.control);
}

} // namespace

CodeTableStore::CodeTableStore(QSqlDatabase db, const CodeTable &member)
    : m_db(db)
    , m_member(member)
{
}

Checked<QString> CodeTableStore::checkCode(const QString &typed) const
{
    const QString focus = m_member.keyField().control;
    switch (m_member.keyForm) {
    case KeyForm::Padded: {
        const std::optional<int> number = typedNumber(typed, m_member.keyMaximum);
        if (!number)
            return Checked<QString>::refused(Refusal::error(m_member.rangeMessage, focus));
        return Checked<QString>::accepted(*Codes::pad(m_member.keyWidth, *number));
    }
    case KeyForm::UpperCase: {
        QString code = typed.trimmed();
        for (QChar &c : code) {
            if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
                c = c.toUpper();
        }
        if (code.size() < 2)
            return Checked<QString>::refused(Refusal::error(m_member.rangeMessage, focus));
        if (code.size() > m_member.keyWidth)
            return Checked<QString>::refused(tooLong(m_member.keyField()));
        return Checked<QString>::accepted(code);
    }
    case KeyForm::AsTyped:
        // An empty code could never be told apart from "no row".
        if (typed.isEmpty())
            return Checked<QString>::refused(Refusal::error(QStringLiteral("A kód megadása kötelező!"), focus));
        if (typed.size() > m_member.keyWidth)
            return Checked<QString>::refused(tooLong(m_member.keyField()));
        return Checked<QString>::accepted(typed);
    case KeyForm::Shown:
        break;
    }
    return Checked<QString>::accepted(typed.trimmed());
}

Checked<QVariantMap> CodeTableStore::checkValues(const CodeEntry &entry) const
{
    QVariantMap values;
    QList<int> months;
    for (const CodeField &field : m_member.fields) {
        const QString typed = entry.value(field.field);
        switch (field.kind) {
        case FieldKind::Code:
            break;
        case FieldKind::Text:
        case FieldKind::Picture:
            if (field.width > 0 && typed.size() > field.width)
                return Checked<QVariantMap>::refused(tooLong(field));
            if (const Refusal unclean = NameText::check(typed, field.control))
                return Checked<QVariantMap>::refused(unclean);
            values.insert(field.field, typed);
            break;
        case FieldKind::Group: {
            const std::optional<int> number = typedNumber(typed, 99);
            if (!number)
                return Checked<QVariantMap>::refused(Refusal::error(field.message, field.control));
            values.insert(field.field, *Codes::pad(field.width, *number));
            break;
        }
        case FieldKind::Direction:
            if (typed != QLatin1String("BE") && typed != QLatin1String("KI"))
                return Checked<QVariantMap>::refused(
                    Refusal::error(QStringLiteral("A mozgás iránya csak BE vagy KI lehet!"), field.control));
            values.insert(field.field, typed);
            break;
        case FieldKind::Number: {
            const std::optional<int> number = typed.trimmed().isEmpty() ? 0 : typedNumber(typed, 100);
            if (!number)
                return Checked<QVariantMap>::refused(Refusal::error(
                    QStringLiteral("Hibás értékadás!\rA havi veszteség 0 és 100 közötti egész szám lehet!"),
                    field.control));
            months << *number;
            values.insert(field.field, *number);
            break;
        }
        case FieldKind::Average:
            values.insert(field.field, lossAverage(months));
            break;
        case FieldKind::Percent: {
            // The range holds for the value as typed; the stored rate is rounded to two decimals.
            const std::optional<double> value = TypedNumber::quantity(typed, 6, 100);
            if (!value || *value < 0)
                return Checked<QVariantMap>::refused(Refusal::error(
                    QStringLiteral("Az ÁFA értéke hibás!\rCsak 0 és 100 közötti értéket adhat meg!"), field.control));
            values.insert(field.field, Rounding::round(*value, 2));
            break;
        }
        case FieldKind::Date: {
            const QDate date = Dates::fromIso(typed);
            if (!date.isValid())
                return Checked<QVariantMap>::refused(
                    Refusal::error(QStringLiteral("Hibás értékadás!\rA megadott érték nem dátum!"), field.control));
            values.insert(field.field, Sql::date(date));
            break;
        }
        case FieldKind::Money: {
            const std::optional<Money> money = typed.trimmed().isEmpty() ? Money() : Money::fromText(typed);
            if (!money || *money < Money())
                return Checked<QVariantMap>::refused(Refusal::error(
                    QStringLiteral("Hibás értékadás!\rA norma csak nem negatív szám lehet!"), field.control));
            values.insert(field.field, Sql::money(*money));
            break;
        }
        case FieldKind::Lookup:
            values.insert(field.field, typed);
            break;
        }
    }
    return Checked<QVariantMap>::accepted(values);
}

Checked<QVariantMap> CodeTableStore::checkChange(const CodeEntry &entry) const
{
    if (!m_member.nameField.isEmpty() && entry.value(m_member.nameField).trimmed().size() < 2)
        return Checked<QVariantMap>::refused(Refusal::error(NameRequired, m_member.field(m_member.nameField)->control));
    return checkValues(entry);
}

Checked<QVariantMap> CodeTableStore::checkNew(const CodeEntry &entry) const
{
    const QString keyName = m_member.keyField().field;
    if (!m_member.nameField.isEmpty() && entry.value(m_member.nameField).trimmed().size() < 2)
        return Checked<QVariantMap>::refused(Refusal::error(NameRequired, m_member.field(m_member.nameField)->control));
    // A VAT row checks its group before its code.
    for (const CodeField &field : m_member.fields) {
        if (field.kind == FieldKind::Group && !typedNumber(entry.value(field.field), 99))
            return Checked<QVariantMap>::refused(Refusal::error(field.message, field.control));
    }
    const Checked<QString> code = checkCode(entry.value(keyName));
    if (!code.ok())
        return Checked<QVariantMap>::refused(code.refusal);
    Checked<QVariantMap> values = checkValues(entry);
    if (values.ok())
        values.value.insert(keyName, code.value);
    return values;
}

QVariant CodeTableStore::keyValue(const QString &key) const
{
    if (m_member.keyForm == KeyForm::Shown)
        return key.toInt();
    return key;
}

Checked<bool> CodeTableStore::present(const QString &key) const
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?")
                      .arg(m_member.sqlTable(), quoted(m_member.keyField().field)));
    query.addBindValue(keyValue(key));
    if (!query.exec() || !query.next())
        return Checked<bool>::refused(WriteFailure::failed(query.lastError()));
    return Checked<bool>::accepted(query.value(0).toInt() > 0);
}

bool CodeTableStore::exists(const QString &key) const
{
    const Checked<bool> answer = present(key);
    return answer.ok() && answer.value;
}

QVariantMap CodeTableStore::read(const QString &key) const
{
    QVariantMap row;
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT * FROM %1 WHERE %2 = ?").arg(m_member.sqlTable(), quoted(m_member.keyField().field)));
    query.addBindValue(keyValue(key));
    if (query.exec() && query.next()) {
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i)
            row.insert(record.fieldName(i), record.value(i));
    }
    return row;
}

bool CodeTableStore::followActiveWarehouse(Session &session, const QString &key) const
{
    if (m_member.id != CodeTableId::Warehouses || keyValue(key).toInt() != session.aktivRaktar())
        return false;
    const QVariantMap row = read(key);
    if (row.isEmpty())
        return false;
    const QString name = row.value(m_member.nameField).toString();
    if (name == session.aktivRaktarNev())
        return false;
    session.setAktivRaktarNev(name);
    return true;
}

Checked<bool> CodeTableStore::used(const QString &key) const
{
    for (const Usage &usage : m_member.usages) {
        QVariant value = key;
        if (!usage.byField.isEmpty()) {
            value = read(key).value(usage.byField);
            if (value.isNull())
                continue;
        }
        QSqlQuery query(m_db);
        query.prepare(
            QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = ?").arg(quoted(usage.table), quoted(usage.field)));
        query.addBindValue(value);
        if (!query.exec() || !query.next())
            return Checked<bool>::refused(WriteFailure::failed(query.lastError()));
        if (query.value(0).toInt() > 0)
            return Checked<bool>::accepted(true);
    }
    return Checked<bool>::accepted(false);
}

bool CodeTableStore::isUsed(const QString &key) const
{
    const Checked<bool> answer = used(key);
    return !answer.ok() || answer.value;
}

bool CodeTableStore::isFixed(const QString &key) const
{
    return !m_member.fixedUpTo.isEmpty() && key <= m_member.fixedUpTo;
}

Refusal CodeTableStore::checkModify(const QString &key) const
{
    if (!m_member.modifyRefused.isEmpty())
        return Refusal::information(m_member.modifyRefused);
    if (isFixed(key))
        return Refusal::warning(QStringLiteral("A tétel nem módosítható!\rGyárilag beállított érték."));
    return Refusal();
}

Refusal CodeTableStore::checkDelete(const QString &key) const
{
    const Refusal inUse = Refusal::warning(QStringLiteral("A tétel nem törölhető!\rMás tábla már használja az adatot."));
    if (!m_member.canDelete)
        return inUse;
    const Checked<bool> answer = used(key);
    if (!answer.ok())
        return answer.refusal;
    if (answer.value || isFixed(key))
        return inUse;
    return Refusal();
}

Refusal CodeTableStore::insert(const CodeEntry &entry)
{
    const Checked<QVariantMap> values = checkNew(entry);
    if (!values.ok())
        return values.refusal;
    const QString key = values.value.value(m_member.keyField().field).toString();
    const Refusal already = Refusal::error(m_member.existsMessage, m_member.existsFocus);
    const WriteResult written = WriteTransaction::run(m_db, [&] {
        const Checked<bool> there = present(key);
        if (!there.ok())
            return there.refusal;
        if (there.value)
            return already;
        QStringList fields;
        QStringList marks;
        for (auto it = values.value.cbegin(); it != values.value.cend(); ++it) {
            fields << quoted(it.key());
            marks << QStringLiteral("?");
        }
        QSqlQuery query(m_db);
        query.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                          .arg(m_member.sqlTable(), fields.join(QLatin1Char(',')), marks.join(QLatin1Char(','))));
        for (const QVariant &value : values.value)
            query.addBindValue(value);
        return query.exec() ? Refusal() : WriteFailure::failed(query.lastError());
    });
    if (written.ok())
        return Refusal();
    // A unique key that another computer filled in between still reads as "already exists".
    if (exists(key))
        return already;
    return written.refusal;
}

Refusal CodeTableStore::update(const QString &key, const CodeEntry &entry)
{
    Checked<QVariantMap> values = checkChange(entry);
    if (!values.ok())
        return values.refusal;
    return WriteTransaction::run(m_db, [&] {
        if (const Refusal refused = checkModify(key))
            return refused;
        // The direction of a movement type that vouchers already use stays as it is.
        if (m_member.id == CodeTableId::MovementTypes) {
            const Checked<bool> answer = used(key);
            if (!answer.ok())
                return answer.refusal;
            if (answer.value)
                values.value.remove(QStringLiteral("Irany"));
        }
        QStringList assignments;
        for (auto it = values.value.cbegin(); it != values.value.cend(); ++it)
            assignments << quoted(it.key()) + QStringLiteral(" = ?");
        QSqlQuery query(m_db);
        query.prepare(QStringLiteral("UPDATE %1 SET %2 WHERE %3 = ?")
                          .arg(m_member.sqlTable(), assignments.join(QLatin1Char(',')), quoted(m_member.keyField().field)));
        for (const QVariant &value : values.value)
            query.addBindValue(value);
        query.addBindValue(keyValue(key));
        return runRowUpdate(query);
    }).refusal;
}

Refusal CodeTableStore::remove(const QString &key)
{
    return WriteTransaction::run(m_db, [&] {
        if (const Refusal refused = checkDelete(key))
            return refused;
        QSqlQuery query(m_db);
        query.prepare(QStringLiteral("DELETE FROM %1 WHERE %2 = ?").arg(m_member.sqlTable(), quoted(m_member.keyField().field)));
        query.addBindValue(keyValue(key));
        if (!query.exec())
            return WriteFailure::failed(query.lastError());
        return Refusal();
    }).refusal;
}

int CodeTableStore::lossAverage(const QList<int> &months)
{
    int sum = 0;
    int counted = 0;
    for (int month : months) {
        sum += month;
        if (month != 0)
            ++counted;
    }
    return counted == 0 ? 0 : int(Rounding::round(double(sum) / counted, 0));
}
