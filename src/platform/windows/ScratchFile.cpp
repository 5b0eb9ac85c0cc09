#include "platform/ScratchFile.h"

#include <windows.h>

#include <algorithm>
#include <atomic>

#include "platform/Paths.h"
#include "platform/windows/WideText.h"
#include "platform/windows/WindowsErrors.h"

namespace validador::platform {
namespace {

constexpr std::size_t kBufferSize = std::size_t{1} << 16;

HANDLE HandleOf(std::intptr_t handle) { return reinterpret_cast<HANDLE>(handle); }

OVERLAPPED At(std::uint64_t offset) {
  OVERLAPPED position{};
  position.Offset = static_cast<DWORD>(offset & 0xFFFFFFFFu);
  position.OffsetHigh = static_cast<DWORD>(offset >> 32);
  return position;
}

}  // namespace

// Deleted by the system when its handle closes, also when the process is ended.
ScratchFile::ScratchFile(const std::string& folder) : folder_(folder) {
  static std::atomic<unsigned> counter{0};
  const std::string path = JoinedPath(folder, ".validador." + std::to_string(::GetCurrentProcessId()) +
                                                  "." + std::to_string(counter.fetch_add(1)) + ".spool");
  const HANDLE file = ::CreateFileW(WideOf(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    CREATE_NEW,
                                    FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_HIDDEN | FILE_FLAG_DELETE_ON_CLOSE,
                                    nullptr);
  if (file == INVALID_HANDLE_VALUE) throw LastIoError(folder);
  handle_ = reinterpret_cast<std::intptr_t>(file);
  buffer_.reserve(kBufferSize);
}

ScratchFile::~ScratchFile() { ::CloseHandle(HandleOf(handle_)); }

void ScratchFile::Append(std::string_view bytes) {
  size_ += bytes.size();
  if (buffer_.size() + bytes.size() > kBufferSize) Flush();
  if (bytes.size() >= kBufferSize) {
    buffer_ = bytes;
    Flush();
    return;
  }
  buffer_.append(bytes);
}

void ScratchFile::Flush() {
  std::string_view rest = buffer_;
  while (!rest.empty()) {
    OVERLAPPED position = At(onDisk_);
    DWORD written = 0;
    const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(rest.size(), kBufferSize));
    if (!::WriteFile(HandleOf(handle_), rest.data(), piece, &written, &position)) throw LastIoError(folder_);
    rest.remove_prefix(written);
    onDisk_ += written;
  }
  buffer_.clear();
}

void ScratchFile::Clear() {
  buffer_.clear();
  LARGE_INTEGER start{};
  if (!::SetFilePointerEx(HandleOf(handle_), start, nullptr, FILE_BEGIN) ||
      !::SetEndOfFile(HandleOf(handle_))) {
    throw LastIoError(folder_);
  }
  size_ = 0;
  onDisk_ = 0;
}

void ScratchFile::Read(std::uint64_t from, std::uint64_t to,
                       const std::function<void(std::string_view)>& take) {
  Flush();
  std::string piece(kBufferSize, '\0');
  while (from < to) {
    const auto wanted = static_cast<DWORD>(std::min<std::uint64_t>(to - from, piece.size()));
    OVERLAPPED position = At(from);
    DWORD got = 0;
    if (!::ReadFile(HandleOf(handle_), piece.data(), wanted, &got, &position)) throw LastIoError(folder_);
    if (got == 0) throw IoErrorOf(ERROR_HANDLE_EOF, folder_);
    take(std::string_view(piece.data(), got));
    from += got;
  }
}

}  // namespace validador::platform
