#include "stock/YearOpening.h"

#include "core/Dates.h"
#include "core/Messenger.h"
#include "core/Money.h"
#include "store/TransactionGuard.h"

#include <QCoreApplication>
#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

// Currency values are kept to four decimals, halves to even.
double currency(const QVariant &value)
{
    return Money::fromDouble(value.toDouble()).toDouble();
}

QString queryError(const QSqlQuery &query)
{
    return query.lastError().text();
}

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

QString YearOpening::failureText()
{
    return QStringLiteral("Az új munkaév nyitása nem sikerült, semmi nem változott!\r");
}

int YearOpening::lastYear() const
{
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT MunkaEv FROM Munkaev")))
        return -1;
    int last = 0;
    while (query.next()) {
        bool ok = false;
        const int year = query.value(0).toString().trimmed().toInt(&ok);
        if (ok && year > last)
            last = year;
    }
    return last;
}

int YearOpening::check(const QString &text) const
{
    bool ok = false;
    const int year = text.trimmed().toInt(&ok, 10);
    if (!ok || year > 2098 || year < 2001)
        return 0;
    const int last = lastYear();
    if (last < 0 || year <= last)
        return 0;
    return year;
}

YearOpening::Result YearOpening::open(int year, const QString &user, Messenger &messenger, int *carried)
{
    m_lastError.clear();
    if (carried)
        *carried = 0;

    TransactionGuard guard(m_db);
    if (!guard.isActive()) {
        m_lastError = m_db.lastError().text();
        return Result::Failed;
    }

    // Checked again inside the transaction: another copy of the program may have opened the
    // year since the user typed it, and a second opening would double the opening stock.
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT COUNT(*) FROM Munkaev WHERE AktivEv <> 0")) || !query.next()) {
        m_lastError = queryError(query);
        return Result::Failed;
    }
    const int last = lastYear();
    if (last < 0) {
        m_lastError = m_db.lastError().text();
        return Result::Failed;
    }
    if (query.value(0).toInt() > 0 || year <= last)
        return Result::AlreadyOpen;

    query.prepare(QStringLiteral("INSERT INTO Munkaev (MunkaEv, AktivEv) VALUES (:ev, 1)"));
    query.bindValue(QStringLiteral(":ev"), QString::number(year));
    if (!query.exec()) {
        m_lastError = queryError(query);
        return Result::Failed;
    }

    const QString message = openingMessage(year, last > 0 ? last : year - 1);
    messenger.showProgress(message);

    QSqlQuery stock(m_db);
    stock.setForwardOnly(true);
    if (!stock.exec(QStringLiteral("SELECT FokSzam, NyilvSzam, KeszletMenny, KeszletErtek, NyilvAr, KeszletAFA, "
                                   "KeszletBrutto FROM Leltar ORDER BY FokSzam, NyilvSzam"))) {
        m_lastError = queryError(stock);
        messenger.hideProgress();
        return Result::Failed;
    }

    QSqlQuery insert(m_db);
    insert.prepare(QStringLiteral(
        "INSERT INTO Raktar (Mozgnem, BK, BizSzam, Datum, NyilvSzam, FokSzla, TetelMenny, TetelErtek, "
        "KeszletMenny, KeszletErtek, KiAr, BeAr, AfaErtek, Brutto, AfaKod, PartAzon, \"User\", Stat, Sorszam) "
        "VALUES (:mozgnem, :bk, :bizszam, :datum, :nyilvszam, :fokszla, :tetelmenny, :tetelertek, "
        ":keszletmenny, :keszletertek, :kiar, :bear, :afaertek, :brutto, :afakod, :partazon, :user, :stat, "
        ":sorszam)"));
    const QString date = Dates::isoText(Dates::firstDayOfYear(year));
    const QString sorszam = QString::number(year) + QStringLiteral("/00000");
    int count = 0;
    while (stock.next()) {
        const double quantity = stock.value(2).toDouble();
        const double value = currency(stock.value(3));
        const double price = currency(stock.value(4));
        insert.bindValue(QStringLiteral(":mozgnem"), QStringLiteral("00"));
        insert.bindValue(QStringLiteral(":bk"), QStringLiteral("BE"));
        insert.bindValue(QStringLiteral(":bizszam"), QStringLiteral("00000000"));
        insert.bindValue(QStringLiteral(":datum"), date);
        insert.bindValue(QStringLiteral(":nyilvszam"), stock.value(1).toString());
        insert.bindValue(QStringLiteral(":fokszla"), stock.value(0).toString());
        insert.bindValue(QStringLiteral(":tetelmenny"), quantity);
        insert.bindValue(QStringLiteral(":tetelertek"), value);
        insert.bindValue(QStringLiteral(":keszletmenny"), quantity);
        insert.bindValue(QStringLiteral(":keszletertek"), value);
        insert.bindValue(QStringLiteral(":kiar"), price);
        insert.bindValue(QStringLiteral(":bear"), price);
        insert.bindValue(QStringLiteral(":afaertek"), currency(stock.value(5)));
        insert.bindValue(QStringLiteral(":brutto"), currency(stock.value(6)));
        insert.bindValue(QStringLiteral(":afakod"), QStringLiteral("01"));
        insert.bindValue(QStringLiteral(":partazon"), QStringLiteral("00001"));
        insert.bindValue(QStringLiteral(":user"), user);
        insert.bindValue(QStringLiteral(":stat"), 0);
        insert.bindValue(QStringLiteral(":sorszam"), sorszam);
        if (!insert.exec()) {
            m_lastError = queryError(insert);
            messenger.hideProgress();
            return Result::Failed;
        }
        ++count;
        QCoreApplication::processEvents();
    }

    if (!guard.commit()) {
        m_lastError = m_db.lastError().text();
        messenger.hideProgress();
        return Result::Failed;
    }
    messenger.hideProgress();
    if (carried)
        *carried = count;
    return Result::Opened;
}
