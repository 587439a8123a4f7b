// One running copy per session, kept by a named mutex in the session's own namespace. The system
// destroys the mutex with its last handle, so a killed copy never blocks the next start.

#include "SingleInstance.h"

#include <windows.h>

namespace Commands {

Result<bool> TakeSingleInstanceLock() {
    // The handle stays open for the life of the process.
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Local\\QuenburyTonalyx.SingleInstance");
    if (!mutex)
        return Fail(ErrorCode::InvalidArgument);
    return GetLastError() == ERROR_ALREADY_EXISTS;
}

} // namespace Commands
