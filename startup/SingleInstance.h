#pragma once

#include "Failure.h"

namespace Commands {

// True when another copy of the program holds the single-instance lock of this user; otherwise takes
// the lock and keeps it until the process ends, when the system releases it (also after a crash).
// Fails when the lock cannot be checked.
Result<bool> TakeSingleInstanceLock();

} // namespace Commands
