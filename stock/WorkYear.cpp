#include "stock/WorkYear.h"

#include "session/Settings.h"
#include "stock/WorkYearPrompt.h"
#include "stock/YearOpening.h"
#include "core/Dates.h"
#include "core/Messenger.h"
#include "store/Database.h"
#include "store/EngineError.h"
#include "store/Sql.h"

#include <QSqlError>
#include <QSqlQuery>

WorkYear::WorkYear(Settings &settings, Messenger &messenger, WorkYearPrompt &prompt)
    : m_settings(settings)
    , m_messenger(messenger)
    , m_prompt(prompt)
{
}

QString WorkYear::clockMismatchText()
{
    return QStringLiteral("Figyelem! Az aktív év nem egyezik a gép órájával!\rHa rosszul jár a gép órája kérem "
                          "állítsa be!\rHa nem zárta még le a a tavalyi évet, kérem tegye meg!");
}

QString WorkYear::noActiveYearText()
{
    return QStringLiteral("Figyelem! Nincs beállítva aktív év. \rKérem írja be az aktuális évet az alábbi mezőbe!\r"
                          "Ha eltérő a benne lévőtől, kérem állítsa be a gép óráját is!");
}

QString WorkYear::readFailureText()
{
    return QStringLiteral("A munkaév adatai nem olvashatók!\r");
}

QString WorkYear::closedMonthText(const QDate &date)
{
    return Dates::yearMonthText(date);
}

bool WorkYear::read()
{
    const QDate today = m_today.isValid() ? m_today : QDate::currentDate();
    QSqlDatabase db = Database::warehouse(m_settings.dbPath(), m_settings.aktivRaktar());

    QSqlQuery query(db);
    // At most one row is active; should there be more, the latest year counts.
    if (!query.exec(QStringLiteral(
            "SELECT \"MunkaEv\" FROM \"Munkaev\" WHERE \"AktivEv\" = TRUE ORDER BY \"MunkaEv\" DESC"))) {
        Refusal::error(readFailureText() + EngineError::cause(query.lastError())).show(m_messenger);
        return false;
    }
    if (query.next()) {
        m_settings.setMunkaEv(query.value(0).toString().trimmed());
        query.finish();
        if (m_settings.munkaEv() != QString::number(today.year()))
            m_prompt.showYear(clockMismatchText(), m_settings.munkaEv());
    } else {
        query.finish();
        if (!openNewYear())
            return false;
    }

    // The last monthly closing. With none recorded, the whole year before the work year counts as
    // closed: that is what a year closing leaves behind, and it lets nothing be dated before the
    // work year.
    if (!query.exec(QStringLiteral("SELECT \"Datum\" FROM \"Napizaras\" ORDER BY \"Datum\" DESC LIMIT 1"))) {
        Refusal::error(readFailureText() + EngineError::cause(query.lastError())).show(m_messenger);
        return false;
    }
    QDate closed;
    if (query.next())
        closed = Sql::toDate(query.value(0));
    if (!closed.isValid())
        closed = Dates::lastDayOfYear(m_settings.munkaEv().toInt() - 1);
    m_settings.setLezartHoDat(closed);
    m_settings.setLezartHo(closedMonthText(closed));
    return true;
}

bool WorkYear::openNewYear()
{
    YearOpening opening(Database::warehouse(m_settings.dbPath(), m_settings.aktivRaktar()));
    const QDate today = m_today.isValid() ? m_today : QDate::currentDate();
    bool opened = false;
    bool failed = false;

    m_prompt.askYear(noActiveYearText(), QString::number(today.year()), [&](const QString &text) {
        const Checked<int> checked = opening.check(text);
        if (!checked.ok()) {
            checked.refusal.show(m_messenger);
            return false;
        }
        const int year = checked.value;
        const int last = opening.lastYear();
        m_prompt.showOpeningMessage(YearOpening::openingMessage(year, last > 0 ? last : year - 1));
        const Checked<int> written = opening.open(year, m_settings.loginUser(), m_messenger);
        if (written.ok()) {
            m_settings.setMunkaEv(QString::number(year));
            Refusal::information(YearOpening::successText()).show(m_messenger);
            opened = true;
            return true;
        }
        if (YearOpening::isOpenedElsewhere(written.refusal)) {
            // Another copy of the program opened a year meanwhile: work in that one.
            QSqlQuery query(Database::warehouse(m_settings.dbPath(), m_settings.aktivRaktar()));
            if (query.exec(QStringLiteral("SELECT \"MunkaEv\" FROM \"Munkaev\" WHERE \"AktivEv\" = TRUE ORDER BY "
                                          "\"MunkaEv\" DESC"))
                && query.next()) {
                m_settings.setMunkaEv(query.value(0).toString().trimmed());
                opened = true;
                return true;
            }
            written.refusal.show(m_messenger);
            return false;
        }
        written.refusal.show(m_messenger);
        failed = true;
        return true;
    });
    return opened && !failed;
}
