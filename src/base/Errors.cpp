#include "base/Errors.h"

#include <cerrno>

namespace validador {

namespace {

// What a bare error number means, in Portuguese (Windows-1252), for the numbers a user
// meets with files and paths; empty for the others.
std::string ReasonOfErrno(int errnoValue) {
  switch (errnoValue) {
    case EISDIR:
      return " (\xE9 uma pasta)";
    case ENAMETOOLONG:
      return " (nome longo demais)";
#ifdef ELOOP
    case ELOOP:
      return " (links em ciclo)";
#endif
    default:
      return {};
  }
}

std::string TextOfErrno(int errnoValue) {
  switch (errnoValue) {
    case ENOENT:
    case ENOTDIR:
      return "File not found";
    case EACCES:
    case EPERM:
    case EROFS:
      return "File access denied";
    case ENOSPC:
#ifdef EDQUOT  // not every C library has quotas
    case EDQUOT:
#endif
      return "Disk full";
    default:
      return "I/O error " + std::to_string(errnoValue) + ReasonOfErrno(errnoValue);
  }
}

}  // namespace

EInOutError EInOutError::FromErrno(int errnoValue, std::string path) {
  return EInOutError(errnoValue, TextOfErrno(errnoValue), std::move(path));
}

EInOutError EInOutError::NotARegularFile(int errorCode, bool isFolder, std::string path) {
  return EInOutError(errorCode,
                     isFolder ? "File access denied (\xE9 uma pasta)"
                              : "File access denied (n\xE3o \xE9 um arquivo comum)",
                     std::move(path));
}

std::string MessageWithFullStop(const std::string& message) {
  if (!message.empty() && message.back() == '.') return message;
  return message + ".";
}

}  // namespace validador
