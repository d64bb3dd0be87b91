#pragma once

#include "maintenance/BackupFlow.h"

struct Services;

// The year and physical closing commands as the user meets them: the questions, the backup before
// a physical closing, the date prompt, the progress notice and the messages.
namespace ClosingFlow {

enum class Outcome {
    Closed,
    Refused, // a check or the database said no; its message was shown
    Cancelled,
};

// The year closing of the active warehouse; after Closed the program ends (the next start opens
// the new year).
Outcome closeYear(const Services &services);

// The physical closing of the active warehouse. It runs only when the backup the user was offered
// was written (and checked, when asked); "Nem" to the backup goes on without one, as the user
// chose.
Outcome closePhysically(const Services &services, const BackupFlow::HelpOpener &help);

} // namespace ClosingFlow
