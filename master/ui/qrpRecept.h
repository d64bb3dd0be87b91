#pragma once

#include "printing/TableReportData.h"
#include "printing/ui/Printout.h"

#include <QSqlDatabase>

// The recipe card "Élelmiszer recept" of one recipe: header dates, the lines for 100 portions, the
// preparation text and the energy and nutrients of one portion.
class TqrpRecept : public Printout
{
public:
    TqrpRecept(const Settings &settings, Messenger &messenger, QSqlDatabase db, const QString &code);

private:
    TableReportData m_lines;
};

// The list "Receptek": every recipe with its lines, grouped by recipe, ordered by norm, recipe
// name and material name.
class TqrpReceptLista : public Printout
{
public:
    TqrpReceptLista(const Settings &settings, Messenger &messenger, QSqlDatabase db);

private:
    TableReportData m_rows;
};
