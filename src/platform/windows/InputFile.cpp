#include "platform/InputFile.h"

#include <windows.h>

#include <algorithm>

#include "base/Errors.h"
#include "platform/FileSystem.h"
#include "platform/windows/FileHandle.h"
#include "platform/windows/WideText.h"
#include "platform/windows/WindowsErrors.h"

namespace validador::platform {
namespace {

// ReadFile takes a 32-bit count; larger reads go in pieces of this size.
constexpr std::size_t kLargestRead = std::size_t{1} << 30;

HANDLE HandleOf(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

// Opens for reading in binary, sharing the file with writers and renamers (a file that
// changes while it is read is noticed by its stamp), and keeps the handle only for a
// disk file: a folder, device, console or pipe is refused.
std::intptr_t OpenRegularFile(const std::string& path) {
  UniqueHandle file(::CreateFileW(WideOf(path).c_str(), GENERIC_READ,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN,
                                  nullptr));
  if (!file.Valid()) {
    const DWORD error = ::GetLastError();
    // A folder cannot be opened this way at all: the system says only "access denied".
    if (error == ERROR_ACCESS_DENIED && IsDirectory(path)) {
      throw EInOutError::NotARegularFile(static_cast<int>(error), true, path);
    }
    throw IoErrorOf(error, path);
  }
  if (!IsRegularFileHandle(file.Get())) {
    throw EInOutError::NotARegularFile(ERROR_ACCESS_DENIED, false, path);
  }
  return reinterpret_cast<std::intptr_t>(file.Release());
}

}  // namespace

InputFile::InputFile(const std::string& path) : path_(path), handle_(OpenRegularFile(path)) {}

InputFile::~InputFile() { ::CloseHandle(HandleOf(handle_)); }

std::size_t InputFile::Read(void* buffer, std::size_t size) {
  auto* target = static_cast<char*>(buffer);
  std::size_t done = 0;
  while (done < size) {
    const DWORD piece = static_cast<DWORD>(std::min(size - done, kLargestRead));
    DWORD got = 0;
    if (!::ReadFile(HandleOf(handle_), target + done, piece, &got, nullptr)) {
      if (::GetLastError() == ERROR_HANDLE_EOF) break;
      throw LastIoError(path_);
    }
    if (got == 0) break;  // the end of the file
    done += got;
  }
  return done;
}

FileStamp InputFile::Stamp() const {
  const std::optional<FileStamp> stamp = StampOfHandle(HandleOf(handle_));
  if (!stamp) throw LastIoError(path_);
  return *stamp;
}

}  // namespace validador::platform
