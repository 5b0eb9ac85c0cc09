#pragma once
// Windows file handles: closed on leaving scope, and what they tell of their file.

#include <windows.h>

#include <optional>
#include <string>

#include "platform/FileStamp.h"

namespace validador::platform {

class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
  ~UniqueHandle() { Close(); }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;

  bool Valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
  HANDLE Get() const { return handle_; }
  HANDLE Release() {
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return handle;
  }
  // Closes now; false when the system reports a failure.
  bool Close() {
    if (!Valid()) return true;
    return ::CloseHandle(Release()) != 0;
  }

 private:
  HANDLE handle_ = INVALID_HANDLE_VALUE;
};

// Opens the file or folder at the path (following links) only to ask about it; invalid
// when nothing is there. GetLastError tells why.
UniqueHandle OpenForQuestions(const std::string& path);

// The volume, file index, size and last write time of an open file; nothing when the
// system cannot tell.
std::optional<FileStamp> StampOfHandle(HANDLE handle);

// A disk file, not a folder: what can be read as a delivery file.
bool IsRegularFileHandle(HANDLE handle);

}  // namespace validador::platform
