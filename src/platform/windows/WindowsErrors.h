#pragma once
// Input/output errors from the codes Windows gives (GetLastError).

#include <string>

#include "base/Errors.h"

namespace validador::platform {

// "File not found" (no such file or folder), "File access denied", "Disk full", or
// "I/O error N" with the Windows code N.
EInOutError IoErrorOf(unsigned long windowsCode, std::string path);

// The error of the call that failed last on this thread.
EInOutError LastIoError(std::string path);

}  // namespace validador::platform
