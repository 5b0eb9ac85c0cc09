#include "platform/FileSystem.h"

#include <windows.h>

#include <atomic>

#include "platform/Paths.h"
#include "platform/windows/FileHandle.h"
#include "platform/windows/WideText.h"
#include "platform/windows/WindowsErrors.h"

namespace validador::platform {
namespace {

bool IsDirectoryHandle(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION information{};
  return ::GetFileInformationByHandle(handle, &information) &&
         (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

// The pattern that lists everything in the folder.
std::wstring EverythingIn(const std::string& folder) {
  std::wstring pattern = WideOf(folder);
  if (!pattern.empty() && pattern.back() != L'\\' && pattern.back() != L'/' &&
      pattern.back() != L':') {
    pattern += L'\\';
  }
  return pattern + L'*';
}

}  // namespace

// Links (symbolic links, junctions) are followed by opening what they point to; a
// dangling one opens nothing.
bool IsRegularFile(const std::string& path) {
  const UniqueHandle file = OpenForQuestions(path);
  return file.Valid() && IsRegularFileHandle(file.Get());
}

void RequireReachable(const std::string& path) {
  if (::GetFileAttributesW(WideOf(path).c_str()) != INVALID_FILE_ATTRIBUTES) return;
  const DWORD error = ::GetLastError();
  if (error == ERROR_ACCESS_DENIED || error == ERROR_FILENAME_EXCED_RANGE) {
    throw IoErrorOf(error, FolderOf(path));
  }
}

bool IsDirectory(const std::string& path) {
  const UniqueHandle file = OpenForQuestions(path);
  return file.Valid() && IsDirectoryHandle(file.Get());
}

std::vector<std::string> DirectoryEntries(const std::string& folder) {
  std::vector<std::string> names;
  if (folder.empty()) return names;
  WIN32_FIND_DATAW entry{};
  const HANDLE search = ::FindFirstFileExW(EverythingIn(folder).c_str(), FindExInfoBasic, &entry,
                                           FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    const std::wstring_view name = entry.cFileName;
    if (name != L"." && name != L"..") names.push_back(Utf8Of(name));
  } while (::FindNextFileW(search, &entry));
  ::FindClose(search);
  return names;
}

std::optional<FileStamp> StampOf(const std::string& path) {
  const UniqueHandle file = OpenForQuestions(path);
  if (!file.Valid()) return std::nullopt;
  return StampOfHandle(file.Get());
}

std::string AbsolutePath(const std::string& path) {
  const std::wstring wide = WideOf(path);
  const DWORD length = ::GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
  if (length == 0) return path;
  std::wstring absolute(length, L'\0');
  const DWORD written = ::GetFullPathNameW(wide.c_str(), length, absolute.data(), nullptr);
  if (written == 0 || written >= length) return path;
  absolute.resize(written);
  return Utf8Of(absolute);
}

// The probe is created new and goes when its handle closes.
void CheckCanCreateFileIn(const std::string& folder) {
  static std::atomic<unsigned> next{0};
  if (!IsDirectory(folder)) throw IoErrorOf(ERROR_PATH_NOT_FOUND, folder);
  const std::string probe = JoinedPath(folder, ".validador-" + std::to_string(::GetCurrentProcessId()) +
                                                   "." + std::to_string(next++) + ".tmp");
  const HANDLE handle = ::CreateFileW(WideOf(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
  if (handle == INVALID_HANDLE_VALUE) throw LastIoError(folder);
  ::CloseHandle(handle);
}

}  // namespace validador::platform
