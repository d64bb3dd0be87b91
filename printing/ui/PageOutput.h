#pragma once

#include <QString>

class QPrinter;
struct PreparedReport;

// Sends prepared pages to a PDF file or a printer.
namespace PageOutput {

// Writes the pages as a PDF file; an empty result on success, else the Hungarian message.
QString writePdf(const PreparedReport &report, const QString &path);

// Prints the pages (the printer's page range if one is set) on a printer set up by the caller.
// Returns false when the printer could not be started.
bool print(const PreparedReport &report, QPrinter &printer);

// Sets paper size, orientation and job title of the printer from the pages.
void setUpPrinter(const PreparedReport &report, QPrinter &printer);

} // namespace PageOutput
