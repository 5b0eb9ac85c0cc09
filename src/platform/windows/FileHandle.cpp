#include "platform/windows/FileHandle.h"

#include "platform/windows/WideText.h"

namespace validador::platform {
namespace {

// FILETIME counts 100-nanosecond ticks from 1601; stamps count nanoseconds from 1970.
constexpr std::int64_t kTicksFrom1601To1970 = 116'444'736'000'000'000;

std::int64_t NanosecondsOf(const FILETIME& time) {
  const std::int64_t ticks = static_cast<std::int64_t>(
      (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime);
  return (ticks - kTicksFrom1601To1970) * 100;
}

std::uint64_t Join(DWORD high, DWORD low) { return (static_cast<std::uint64_t>(high) << 32) | low; }

}  // namespace

UniqueHandle OpenForQuestions(const std::string& path) {
  // No data access, every sharing mode: nobody else's use of the file is disturbed.
  // FILE_FLAG_BACKUP_SEMANTICS lets folders be opened too.
  return UniqueHandle(::CreateFileW(WideOf(path).c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
}

std::optional<FileStamp> StampOfHandle(HANDLE handle) {
  BY_HANDLE_FILE_INFORMATION information{};
  if (!::GetFileInformationByHandle(handle, &information)) return std::nullopt;
  FileStamp stamp;
  stamp.device = information.dwVolumeSerialNumber;
  stamp.identity = Join(information.nFileIndexHigh, information.nFileIndexLow);
  stamp.size = Join(information.nFileSizeHigh, information.nFileSizeLow);
  stamp.modifiedNanoseconds = NanosecondsOf(information.ftLastWriteTime);
  return stamp;
}

bool IsRegularFileHandle(HANDLE handle) {
  if (::GetFileType(handle) != FILE_TYPE_DISK) return false;  // a console, device or pipe
  BY_HANDLE_FILE_INFORMATION information{};
  return ::GetFileInformationByHandle(handle, &information) &&
         (information.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace validador::platform
