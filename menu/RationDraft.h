#pragma once

#include "core/Refusal.h"
#include "menu/RationSheet.h"
#include "menu/RationStock.h"

#include <QDate>
#include <QSqlDatabase>
#include <QString>
#include <functional>

class Settings;

// Where one kind of unfinished sheet is kept: its two work tables, its settings section (prefix +
// user) with the key prefix of the chosen codes, the sheet's policy, and which chosen units
// (meals, or dish groups) of a date may still be issued. The default is the ration sheet's.
struct RationDraftPlace
{
    QString linesTable = QStringLiteral("TmpKiszabat");
    QString totalsTable = QStringLiteral("TmpKiszabat_2");
    QString sectionPrefix = QStringLiteral("Kiszabat_");
    QString codeKey = QStringLiteral("Etk-");
    RationSheet::Policy policy;
    // Empty: the meals with an unissued headcount (RationInput::meals).
    std::function<Checked<QList<RationMeal>>(QSqlDatabase, const QDate &, const QStringList &)> openUnits;
};

// Each user's unfinished ration sheet: the detail lines and totals in TmpKiszabat and
// TmpKiszabat_2 under the user's name, the date and the meals in the user's own section of the
// settings file ("Kiszabat_" + user: KezdDat, Count, Etk-0 ...). One user never sees, restores or
// issues another's sheet.
class RationDraft
{
public:
    RationDraft(QSqlDatabase db, Settings &settings, const QString &user, RationDraftPlace place = RationDraftPlace());

    // The settings section of this user.
    QString section() const;

    // Replaces the user's stored sheet with this one (one transaction) and writes the section.
    Refusal save(const RationSheet &sheet);
    // Forgets the user's sheet (rows and section).
    Refusal clear();
    // Inside the caller's transaction: deletes the user's stored rows (a sheet just issued).
    static Refusal removeRows(QSqlDatabase db, const QString &user, const RationDraftPlace &place = RationDraftPlace());
    // Empties the user's section, after the rows are gone.
    void forgetSection();

    // True when the user has a stored sheet that may still be issued: its date is after the
    // closing date and every meal of it still has an unissued headcount. A sheet that no longer
    // fits is forgotten here, so it is never offered.
    Checked<bool> offerable(const QDate &closedThrough);

    // The stored sheet: its detail lines, and the totals built from them (as view 4 builds them)
    // at the stock of its date taken afresh.
    Checked<RationSheet> restore(RationStockSource &stock);

private:
    QDate storedDate() const;
    QStringList storedMeals() const;

    QSqlDatabase m_db;
    Settings &m_settings;
    QString m_user;
    RationDraftPlace m_place;
};
