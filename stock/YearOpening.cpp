#include "stock/YearOpening.h"

#include "core/Dates.h"
#include "core/Messenger.h"
#include "core/Money.h"
#include "stock/StockAtDate.h"
#include "store/Sql.h"
#include "store/WriteFailure.h"
#include "store/WriteTransaction.h"

#include <QCoreApplication>
#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

// One row of the stock list carried into the new year.
struct StockRow
{
    QString fokSzam;
    QString nyilvSzam;
    double quantity = 0;
    Money value;
    Money price;
    Money vat;
    Money gross;
};

} // namespace

YearOpening::YearOpening(QSqlDatabase warehouse)
    : m_db(warehouse)
{
}

QString YearOpening::refusalText()
{
    return QStringLiteral("A beírt dátum hibás! Régebbi, vagy azonos a már lezárt évvel, vagy a formátuma hibás!");
}

QString YearOpening::openingMessage(int year, int lastYear)
{
    return QStringLiteral("A ") + QString::number(year) + QStringLiteral(". év nyitása megtörtént.")
        + QStringLiteral("\r") + QString::number(lastYear)
        + QStringLiteral(". évi készletből a nyitótétel átfordítása folyamatban...");
}

QString YearOpening::successText()
{
    return QStringLiteral(
        "Az aktív év sikeresen be lett állítva, és elkészültek az új nyitótételek. Dolgozhat a programban.");
}

int YearOpening::lastYear(QSqlError *error) const
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT \"MunkaEv\" FROM \"Munkaev\""))) {
        if (error)
            *error = query.lastError();
        return -1;
    }
    int last = 0;
    while (query.next()) {
        bool ok = false;
        const int year = query.value(0).toString().trimmed().toInt(&ok);
        if (ok && year > last)
            last = year;
    }
    return last;
}

Checked<int> YearOpening::check(const QString &text) const
{
    bool ok = false;
    const int year = text.trimmed().toInt(&ok, 10);
    const int last = ok && year <= 2098 && year >= 2001 ? lastYear() : -1;
    if (last < 0 || year <= last)
        return Checked<int>::refused(Refusal::error(refusalText()));
    return Checked<int>::accepted(year);
}

Checked<int> YearOpening::open(int year, const QString &user, Messenger &messenger)
{
    int count = 0;
    const WriteResult written = WriteTransaction::run(m_db, [&] {
        // Checked again inside the transaction: another copy of the program may have opened the
        // year since the user typed it, and a second opening would double the opening stock.
        QSqlQuery query(m_db);
        if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM \"Munkaev\" WHERE \"AktivEv\" = TRUE")) || !query.next())
            return WriteFailure::failed(query.lastError());
        QSqlError error;
        const int last = lastYear(&error);
        if (last < 0)
            return WriteFailure::failed(error);
        if (query.value(0).toInt() > 0 || year <= last)
            return Refusal::error(refusalText());

        query.prepare(QStringLiteral("INSERT INTO \"Munkaev\" (\"MunkaEv\", \"AktivEv\") VALUES (:ev, :aktiv)"));
        query.bindValue(QStringLiteral(":ev"), QString::number(year));
        query.bindValue(QStringLiteral(":aktiv"), Sql::flag(true));
        if (!query.exec())
            return WriteFailure::failed(query.lastError());

        messenger.showProgress(openingMessage(year, last > 0 ? last : year - 1));

        // The stock at the end of the last year, computed here from the movement rows: the shared
        // stock list (Leltar) is refilled by any issue on any computer and may hold another date.
        QList<StockRow> rows;
        if (last > 0) {
            QString failure;
            const QList<StockLine> lines = StockAtDate(m_db).compute(Dates::lastDayOfYear(last), last, &failure);
            if (!failure.isEmpty())
                return WriteFailure::failed(failure);
            for (const StockLine &line : lines)
                rows << StockRow {line.fokSzam, line.nyilvSzam, line.keszletMenny, line.keszletErtek, line.nyilvAr,
                    line.keszletAfa, line.keszletBrutto};
        }

        QSqlQuery insert(m_db);
        insert.prepare(QStringLiteral(
            "INSERT INTO \"Raktar\" (\"Mozgnem\", \"BK\", \"BizSzam\", \"Datum\", \"NyilvSzam\", \"FokSzla\", "
            "\"TetelMenny\", \"TetelErtek\", \"KeszletMenny\", \"KeszletErtek\", \"KiAr\", \"BeAr\", \"AfaErtek\", "
            "\"Brutto\", \"AfaKod\", \"PartAzon\", \"User\", \"Stat\", \"Sorszam\") "
            "VALUES (:mozgnem, :bk, :bizszam, :datum, :nyilvszam, :fokszla, :tetelmenny, :tetelertek, "
            ":keszletmenny, :keszletertek, :kiar, :bear, :afaertek, :brutto, :afakod, :partazon, :user, :stat, "
            ":sorszam)"));
        const QVariant date = Sql::date(Dates::firstDayOfYear(year));
        const QString sorszam = QString::number(year) + QStringLiteral("/00000");
        for (const StockRow &row : rows) {
            insert.bindValue(QStringLiteral(":mozgnem"), QStringLiteral("00"));
            insert.bindValue(QStringLiteral(":bk"), QStringLiteral("BE"));
            insert.bindValue(QStringLiteral(":bizszam"), QStringLiteral("00000000"));
            insert.bindValue(QStringLiteral(":datum"), date);
            insert.bindValue(QStringLiteral(":nyilvszam"), row.nyilvSzam);
            insert.bindValue(QStringLiteral(":fokszla"), row.fokSzam);
            insert.bindValue(QStringLiteral(":tetelmenny"), row.quantity);
            insert.bindValue(QStringLiteral(":tetelertek"), Sql::money(row.value));
            insert.bindValue(QStringLiteral(":keszletmenny"), row.quantity);
            insert.bindValue(QStringLiteral(":keszletertek"), Sql::money(row.value));
            insert.bindValue(QStringLiteral(":kiar"), Sql::money(row.price));
            insert.bindValue(QStringLiteral(":bear"), Sql::money(row.price));
            insert.bindValue(QStringLiteral(":afaertek"), Sql::money(row.vat));
            insert.bindValue(QStringLiteral(":brutto"), Sql::money(row.gross));
            insert.bindValue(QStringLiteral(":afakod"), QStringLiteral("01"));
            insert.bindValue(QStringLiteral(":partazon"), QStringLiteral("00001"));
            insert.bindValue(QStringLiteral(":user"), user);
            insert.bindValue(QStringLiteral(":stat"), Sql::flag(false));
            insert.bindValue(QStringLiteral(":sorszam"), sorszam);
            if (!insert.exec())
                return WriteFailure::failed(insert.lastError());
            ++count;
            // The notice stays painted; no click or key may start another command while the write is open.
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        }
        return Refusal();
    });
    // The notice closes after the commit, or before a failure's message.
    messenger.hideProgress();
    if (!written.ok())
        return Checked<int>::refused(written.refusal);
    return Checked<int>::accepted(count);
}
