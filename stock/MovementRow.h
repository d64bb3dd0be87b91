#pragma once

#include "core/Money.h"

#include <QDate>
#include <QString>
#include <QtGlobal>

// One movement row of Raktar: an item of a receipt or issue voucher, or an opening row.
struct MovementRow
{
    // The in-progress marker, written into the fields that the recalculation fills.
    static constexpr int InProgress = -101010;

    qint64 raktAzon = 0;
    QString bk; // "BE" or "KI"
    QString mozgnem;
    QString bizSzam;
    QDate datum;
    QString sorszam;
    QString fokSzla;
    QString nyilvSzam;
    QString partAzon;
    QString user;
    QString afaKod;
    double tetelMenny = 0;
    Money beAr;
    Money kiAr;
    Money tetelErtek;
    Money afaErtek;
    Money brutto;
    double keszletMenny = 0;
    Money keszletErtek;
    QDate lejarat;
    bool stat = false;

    bool isReceipt() const { return bk == QLatin1String("BE"); }
};
