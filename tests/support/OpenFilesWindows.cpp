// Windows: a file that anyone holds open cannot be opened without sharing.

#include <windows.h>

#include "support/OpenFiles.h"
#include "support/TempDir.h"

namespace testsupport {

bool IsHeldOpen(const std::string& path) {
  const HANDLE file = ::CreateFileW(PathOfUtf8(path).wstring().c_str(), GENERIC_READ, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return ::GetLastError() == ERROR_SHARING_VIOLATION;
  ::CloseHandle(file);
  return false;
}

}  // namespace testsupport
