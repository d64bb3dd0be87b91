#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>

// A small warehouse of 2024 (a leap year) for the movement, usage and norm reports, written
// straight into the tables. Amounts carry four decimals so that a float sum would show.
//
// Materials 100/0001 Liszt and 100/0002 Cukor (group "01"); partner 00010 "Gabona Kft.".
// March: receipts 00000012 on 03-05 (Liszt 10 for 100.0001 + 27.0001 VAT, and an item of the
//        gone material 100/0009 from the gone partner 99999 for 0.0003 + 0.0001) and 00000013 on
//        03-04 (Cukor 5 for 200.0002 + 54.0001); 12+3+5 and 13+3+4 are both 20.
//        Issue 00000014 on 03-06 (Liszt 3.3333 for 30.1234, type "03").
//        Opening row 00000000 on 03-01 (Cukor 1 for 7.0007).
// February: on the 29th a ration-sheet issue "07" 00000020 (Liszt 5250.0000, Stat) and an
//        a-la-carte issue "08" 00000021 (Cukor 999.0001, Stat), and a hand issue "07" 00000022
//        (Liszt 11.0000, not Stat).
//        Meals 01 "Ebéd" (norm 50) and 02 "Vacsora" (norm 30.5); headcounts on 02-29:
//        01 × 100 issued by "07", 02 × 10 issued by "08"; on 02-28: 01 × 20 not issued.
//        Ration-sheet lines (Kiszabat): meal 01 on 02-28 (budget 1000, Liszt 400.25 and Cukor
//        0) and on 02-29 (budget 5000, Liszt 2600.5 and Cukor 0), meal 02 on 02-29 (budget 305,
//        Liszt 280.0001).
namespace MovementReportFixture {

inline QDate day(int month, int dayOfMonth)
{
    return QDate(2024, month, dayOfMonth);
}

// Receipts only, issues only or both of March (with the opening row), and February's rows.
void addMarchReceipts(QSqlDatabase db);
void addMarchIssue(QSqlDatabase db);
void addFebruary(QSqlDatabase db);
// Everything above.
void addAll(QSqlDatabase db);

} // namespace MovementReportFixture
