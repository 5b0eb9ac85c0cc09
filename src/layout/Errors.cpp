#include "layout/Errors.h"

#include <cerrno>

namespace validador {

EInOutError EInOutError::FromErrno(int errnoValue) {
  switch (errnoValue) {
    case ENOENT:
    case ENOTDIR:
      return EInOutError(errnoValue, "File not found");
    case EACCES:
    case EPERM:
    case EROFS:
      return EInOutError(errnoValue, "File access denied");
    case ENOSPC:
    case EDQUOT:
      return EInOutError(errnoValue, "Disk full");
    default:
      return EInOutError(errnoValue, "I/O error " + std::to_string(errnoValue));
  }
}

std::string MessageWithFullStop(const std::string& message) {
  if (!message.empty() && message.back() == '.') return message;
  return message + ".";
}

}  // namespace validador
