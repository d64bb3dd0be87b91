#pragma once

#include "core/Money.h"
#include "reports/NormComparison.h"
#include "reports/ReportQuery.h"

#include <QList>
#include <QSqlDatabase>
#include <QStandardItemModel>

// Materials per meal ("Étkezésre anyaglista (kiszabatos)"): the materials of the issued ration
// sheets of chosen meals over a period, per meal and material (detailed) or per material, with
// the norm comparison of those meals; a material whose cost adds up to 0 is left out. Filter:
// "meals" (codes).
class MealMaterialsReport : public ReportQuery
{
public:
    static inline const QString Meals = QStringLiteral("meals");

    struct Line
    {
        QString etkKod; // empty per material
        QString etkTip; // the meal's name on the issued lines
        QString fokSzam;
        QString nyilvSzam;
        QString megnevezes;
        QString mertekegyseg;
        double mennyiseg = 0;
        Money netto;
    };
    // The issued headcount of one chosen meal over the period.
    struct MealHeadcount
    {
        QString code;
        QString name;
        qint64 headcount = 0;
    };

    MealMaterialsReport(QSqlDatabase warehouse, bool detailed);

    Refusal run(const ReportParameters &parameters) override;
    QAbstractItemModel *rows() override { return &m_model; }
    QString totals() const override;

    const QList<Line> &lines() const { return m_lines; }
    const NormComparison &comparison() const { return m_comparison; }

    // "Összlétszám": the issued headcounts of the chosen meals over the period, per meal in code
    // order; the total is their sum, at least 1.
    static Checked<QList<MealHeadcount>> headcounts(
        QSqlDatabase warehouse, const QDate &from, const QDate &to, const QStringList &meals);
    static qint64 totalHeadcount(const QList<MealHeadcount> &headcounts);

private:
    QSqlDatabase m_db;
    bool m_detailed;
    QList<Line> m_lines;
    NormComparison m_comparison;
    QStandardItemModel m_model;
};
