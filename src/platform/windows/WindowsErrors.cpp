#include "platform/windows/WindowsErrors.h"

#include <windows.h>

namespace validador::platform {
namespace {

std::string TextOfWindowsCode(unsigned long code) {
  switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return "File not found";
    case ERROR_ACCESS_DENIED:
      return "File access denied";
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return "Disk full";
    case ERROR_FILENAME_EXCED_RANGE:
      return "I/O error " + std::to_string(code) + " (nome longo demais)";
    case ERROR_CANT_RESOLVE_FILENAME:
      return "I/O error " + std::to_string(code) + " (links em ciclo)";
    case ERROR_DIRECTORY:
      return "I/O error " + std::to_string(code) + " (n\xE3o \xE9 uma pasta)";
    default:
      return "I/O error " + std::to_string(code);
  }
}

}  // namespace

EInOutError IoErrorOf(unsigned long windowsCode, std::string path) {
  return EInOutError(static_cast<int>(windowsCode), TextOfWindowsCode(windowsCode), std::move(path));
}

EInOutError LastIoError(std::string path) { return IoErrorOf(::GetLastError(), std::move(path)); }

}  // namespace validador::platform
