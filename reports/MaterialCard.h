#pragma once

#include "core/Money.h"

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>

// The material card ("Anyagkarton"): one material's movement rows in a period with the running
// balance stored on each row, receipts before issues on a day, and the totals of the period. A row
// without its partner, unit or movement type is left out, as from the totals.
class MaterialCard
{
public:
    struct Row
    {
        QDate datum;
        QString bizSzam;
        QString bk;
        QString fokSzla;
        QString mozgnemNev;
        Money kiAr;
        Money beAr;
        double tetelMenny = 0;
        Money tetelErtek;
        double keszletMenny = 0;
        Money keszletErtek;
        QDate lejarat;
        QString partnerNev;
        QString irszam;
        QString telepules;
        QString utca;
        QString user;
    };
    struct Totals
    {
        Money receiptValue;
        Money issueValue;
        double receiptQuantity = 0;
        double issueQuantity = 0;
        Money averagePrice; // the plain mean of the receipt prices
        Money balanceValue() const { return receiptValue - issueValue; }
        double balanceQuantity() const { return receiptQuantity - issueQuantity; }
    };
    struct Material
    {
        QString megnevezes;
        QString mertekegyseg;
        int kerekites = 0;
        double keszletMennyiseg = 0;
        Money keszletErtek;
        Money nyilvAr;
        double keszletMin = 0;
        double keszletMax = 0;
        double menySzorzo = 0;
    };

    explicit MaterialCard(QSqlDatabase warehouse)
        : m_db(warehouse)
    {
    }

    bool run(
        const QString &fokSzla, const QString &nyilvSzam, const QDate &from, const QDate &to, QString *error = nullptr);

    const QList<Row> &rows() const { return m_rows; }
    const Totals &totals() const { return m_totals; }
    const Material &material() const { return m_material; }
    // The two lines of the status panel and the printout's summary.
    QStringList statusLines() const;

private:
    QSqlDatabase m_db;
    QList<Row> m_rows;
    Totals m_totals;
    Material m_material;
};
