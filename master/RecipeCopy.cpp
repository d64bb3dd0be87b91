#include "master/RecipeCopy.h"

#include "master/RecipeCodes.h"
#include "master/RecipeValues.h"
#include "store/WriteFailure.h"
#include "store/Sql.h"
#include "store/WriteTransaction.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>

namespace RecipeCopy {

// The name field holds 50 characters: a long name is cut so that the mark stays whole.
static constexpr int NameWidth = 50;

Refusal noCode()
{
    return Refusal::error(QStringLiteral("Nem generálható új azonosító!\rA másolás nem hajtható végre."));
}

Checked<QString> copy(
    QSqlDatabase db, const QString &from, const QString &typedCode, const QString &text, const QDate &today)
{
    const std::optional<QString> code = RecipeCodes::parse(typedCode);
    if (!code)
        return Checked<QString>::refused(noCode());

    const WriteResult written = WriteTransaction::run(db, [&] {
        if (RecipeCodes::exists(db, *code))
            return noCode();

        // The norm, the kind and the computed values go over unchanged.
        QStringList copied {QStringLiteral("Enorma"), QStringLiteral("ValtAzon"), QStringLiteral("Netto"),
            QStringLiteral("Afa"), QStringLiteral("HCukor"), QStringLiteral("HSo")};
        copied << RecipeValues::headerFields();
        QStringList columns;
        for (const QString &field : copied)
            columns << QLatin1Char('"') + field + QLatin1Char('"');

        QSqlQuery source(db);
        source.prepare(QStringLiteral("SELECT \"Megnevezes\", ") + columns.join(QStringLiteral(", "))
            + QStringLiteral(" FROM \"ReceptFej\" WHERE \"EtelKod\" = ?"));
        source.addBindValue(from);
        if (!source.exec() || !source.next())
            return noCode();
        const QString mark = QStringLiteral("-Másolat");

        QSqlQuery header(db);
        header.prepare(QStringLiteral("INSERT INTO \"ReceptFej\" (\"EtelKod\", \"Megnevezes\", \"Leiras\", \"LetrDat\", ")
            + columns.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (?, ?, ?, ?")
            + QStringLiteral(", ?").repeated(copied.size()) + QLatin1Char(')'));
        header.addBindValue(*code);
        header.addBindValue(source.value(0).toString().left(NameWidth - mark.size()) + mark);
        header.addBindValue(text);
        header.addBindValue(Sql::date(today));
        for (int i = 0; i < copied.size(); ++i)
            header.addBindValue(source.value(1 + i));
        source.finish();

        QList<QVariantList> copiedLines;
        QSqlQuery read(db);
        read.prepare(
            QStringLiteral("SELECT \"FokSzla\", \"NyilvSzam\", \"Mennyiseg\" FROM \"Recept\" WHERE \"EtelKod\" = ? "
                           "ORDER BY \"ReceptAzon\""));
        read.addBindValue(from);
        if (!read.exec())
            return WriteFailure::failed(read.lastError());
        while (read.next())
            copiedLines << QVariantList {read.value(0), read.value(1), read.value(2)};

        if (!header.exec())
            return WriteFailure::failed(header.lastError());
        QSqlQuery lines(db);
        lines.prepare(QStringLiteral("INSERT INTO \"Recept\" (\"EtelKod\", \"FokSzla\", \"NyilvSzam\", \"Mennyiseg\") "
                                     "VALUES (?, ?, ?, ?)"));
        for (const QVariantList &line : copiedLines) {
            lines.addBindValue(*code);
            for (const QVariant &value : line)
                lines.addBindValue(value);
            if (!lines.exec())
                return WriteFailure::failed(lines.lastError());
        }
        return Refusal();
    });
    if (!written.ok())
        return Checked<QString>::refused(written.refusal);
    return Checked<QString>::accepted(*code);
}

} // namespace RecipeCopy
