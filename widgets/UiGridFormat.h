#pragma once

class QTableView;

// How every grid of the program shows its cells, whatever model it reads: dates as
// "2026.12.10.", whether the engine hands over a date or its ISO text; numbers in full with a
// decimal comma (never cut to six significant digits) and on the right; and columns as wide as
// their captions and contents, within the screen.
namespace UiGridFormat {

// Installs the cell format on the grid and sizes its columns now and, once control returns to the
// event loop, after every reset of its model or rows added to it.
void install(QTableView *grid);
// Sizes the columns to their captions and the rows read so far; no column wider than a third of
// the screen.
void fitColumns(QTableView *grid);

} // namespace UiGridFormat
