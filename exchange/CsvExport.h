#pragma once

#include "core/Refusal.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>

class QAbstractItemModel;

// A grid's data set as a CSV file for spreadsheets: Windows-1250 text, one line per row ended
// by CR LF, a header line of the field names, ";" between fields, every value in double quotes
// with inner quotes doubled. Numbers are written in plain decimal notation, every number of a
// column with the same decimals; a text that a spreadsheet would run as a formula (it begins
// with "=", "+", "-", "@", a tab or a carriage return) gets a leading apostrophe.
namespace CsvExport {

// The data set as the file holds it, before the code page: field names and each row's texts.
struct Sheet
{
    QStringList header;
    QList<QStringList> rows;
};

// Called after each data row is read: its index and the number of rows.
using Progress = std::function<void(int row, int rowCount)>;

// The text a value yields when read as text: numbers with a decimal comma, dates as
// "2006.03.31.", booleans as "Igaz"/"Hamis", nothing for NULL.
QString displayText(const QVariant &value);

// Every row of the model (lazily loaded rows are fetched first), in the model's order; headers
// are the SQL field names of a query model, else its header texts. A query column taken straight
// from a date or boolean field of a table is written as a date or a boolean, although the
// database hands it over as text or a number.
Sheet read(QAbstractItemModel &model, const Progress &progress = Progress());
// The first value with a character that Windows-1250 cannot hold, as the question whether to
// write the file with "?" in place of such characters, naming its row (1 for the first data
// row) and column; a null refusal when every value can be written.
Refusal unwritable(const Sheet &sheet);
// The file's bytes; a character that Windows-1250 cannot hold becomes "?".
QByteArray encode(const Sheet &sheet);
// read() and encode() in one.
QByteArray toCsv(QAbstractItemModel &model, const Progress &progress = Progress());

// Writes the bytes to `path`, replacing an existing file. The file is complete or untouched:
// on failure nothing is left behind and the result is the Hungarian error text
// ("A fájl nem írható:\r" + path); empty on success.
QString writeFile(const QString &path, const QByteArray &bytes);

} // namespace CsvExport
