#include "layout/Errors.h"

#include <cerrno>

namespace validador {

namespace {

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
      return "I/O error " + std::to_string(errnoValue);
  }
}

}  // namespace

EInOutError EInOutError::FromErrno(int errnoValue, std::string path) {
  return EInOutError(errnoValue, TextOfErrno(errnoValue), std::move(path));
}

std::string MessageWithFullStop(const std::string& message) {
  if (!message.empty() && message.back() == '.') return message;
  return message + ".";
}

}  // namespace validador
