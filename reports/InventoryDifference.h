#pragma once

#include "core/Money.h"
#include "core/Refusal.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

// The inventory difference sheet ("Leltár külömbözet") in TmpLeltarHason: the stock at a date of
// every material with the real stock typed against it, the difference in quantity and value of
// each row, and the sums over the whole sheet. The sheet is stored under its owner (the user on one
// computer), so the typed counts outlive the program until that owner starts a new sheet, and no
// other user or computer ever reads or empties it.
class InventoryDifference
{
public:
    struct Owner
    {
        QString user;
        QString computer;
        // The user on the computer this program runs on.
        static Owner here(const QString &user);
    };
    struct Row
    {
        QString fokSzam;
        QString nyilvSzam;
        QString megnevezes;
        QString mertekegyseg;
        double keszletMenny = 0;
        double valosKeszlet = 0;
        double elteres = 0; // KeszletMenny − ValosKeszlet, three decimals
        Money keszletErtek;
        Money nyilvAr;
        Money elteresAr; // KeszletErtek − ValosKeszlet × NyilvAr
    };
    struct Totals
    {
        Money value;
        Money difference;
    };

    InventoryDifference(QSqlDatabase warehouse, const Owner &owner)
        : m_db(warehouse)
        , m_owner(owner)
    {
    }

    // A new sheet for the date: the stock at the date refills Leltar and is copied here. In the
    // stock comparison the real stock is the material's stored stock instead of nothing.
    bool start(const QDate &date, int workYear, bool storedAsReal, QString *error = nullptr);
    // Empties the sheet (the stock comparison opens on an empty one).
    bool clear(QString *error = nullptr);
    // True when a real stock has been typed into some row of the sheet.
    bool hasTypedCounts() const;
    // Stores a typed real stock of one row and recomputes its differences.
    bool setRealStock(const QString &fokSzam, const QString &nyilvSzam, double quantity, QString *error = nullptr);
    // The sheet in key or name order, only the rows with a difference when asked; a read that the
    // database refuses says its cause.
    Checked<QList<Row>> rows(bool byName, bool onlyDifferences) const;
    // The sums over the whole sheet, whatever is shown.
    Totals totals() const;
    static QString statusText(const Totals &totals);

    static Row withDifferences(Row row);

private:
    // A sheet table made before rows had owners is made again, empty: its rows were one
    // connection's and are gone already.
    bool ensureOwnedTable(QString *error) const;

    QSqlDatabase m_db;
    Owner m_owner;
};
