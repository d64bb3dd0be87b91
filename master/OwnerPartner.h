#pragma once

#include <QSqlDatabase>
#include <QString>

class Settings;

// The owner institution as partner "00001" of a warehouse, kept equal to the owner values.
namespace OwnerPartner {

// Updates the row of PartAzon "00001" in Partner, or inserts it when missing: Nev, Irszam,
// Telepules and Utca from CegNev, CegIrsz, CegVaros and CegCim, cut to the field widths.
// False when the table could not be written.
bool update(QSqlDatabase warehouse, const Settings &settings, QString *error = nullptr);

} // namespace OwnerPartner
