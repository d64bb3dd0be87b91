#pragma once

#include <QByteArray>
#include <QString>
#include <QVariant>

#include <functional>

class QAbstractItemModel;

// A grid's data set as a CSV file for spreadsheets: Windows-1250 text, one line per row ended
// by CR LF, a header line of the field names, ";" between fields, every value in double quotes
// with inner quotes doubled.
namespace CsvExport {

// Called after each data row is read: its index and the number of rows.
using Progress = std::function<void(int row, int rowCount)>;

// The text a value yields when read as text: numbers with a decimal comma, dates as
// "2006.03.31.", booleans as "Igaz"/"Hamis", nothing for NULL.
QString displayText(const QVariant &value);

// The whole file. Every row of the model is read (lazily loaded rows are fetched first), in the
// model's order; headers are the SQL field names of a query model, else its header texts. A
// query column taken straight from a date or boolean field of a table is written as a date or a
// boolean, although the database hands it over as text or a number.
QByteArray toCsv(QAbstractItemModel &model, const Progress &progress = Progress());

// Writes the bytes to `path`, replacing an existing file. The file is complete or untouched:
// on failure nothing is left behind and the result is the Hungarian error text
// ("A fájl nem írható:\r" + path); empty on success.
QString writeFile(const QString &path, const QByteArray &bytes);

} // namespace CsvExport
