#include "platform/ReplaceFile.h"

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <mutex>
#include <vector>

#include "platform/Paths.h"
#include "platform/windows/FileHandle.h"
#include "platform/windows/WideText.h"
#include "platform/windows/WindowsErrors.h"

namespace validador::platform {
namespace {

// A failed call inside the write, with its Windows code.
struct SystemFailure {
  DWORD error;
};

// WriteFile takes a 32-bit count; larger writes go in pieces of this size.
constexpr std::size_t kLargestWrite = std::size_t{1} << 30;

// Another program (a reader, a virus scanner, an indexer) holding the old file open
// without leaving it to be replaced makes the rename fail for a while: it is tried
// again for about two seconds.
constexpr int kRenameAttempts = 100;
constexpr DWORD kRenamePauseMilliseconds = 20;

std::mutex hookMutex;
std::function<void()> afterWriteHook;

// The temporary files that exist now, removed when the console ends the process (Ctrl+C,
// Ctrl+Break, the console window closed, log-off, shut-down). The console's handler runs
// on a thread of its own, so a mutex is enough.
std::mutex pendingMutex;
std::vector<std::wstring> pendingFiles;

BOOL WINAPI RemoveTemporaryFilesOnConsoleEnd(DWORD) {
  const std::lock_guard<std::mutex> lock(pendingMutex);
  for (const std::wstring& file : pendingFiles) ::DeleteFileW(file.c_str());
  pendingFiles.clear();
  return FALSE;  // the next handler (the system's) ends the process
}

void HoldPending(const std::wstring& file) {
  static std::once_flag once;
  std::call_once(once, [] { ::SetConsoleCtrlHandler(RemoveTemporaryFilesOnConsoleEnd, TRUE); });
  const std::lock_guard<std::mutex> lock(pendingMutex);
  pendingFiles.push_back(file);
}

void UnholdPending(const std::wstring& file) {
  const std::lock_guard<std::mutex> lock(pendingMutex);
  std::erase(pendingFiles, file);
}

// A name for the temporary file beside the target, unlikely to be taken. It does not
// repeat the target's name, so a target whose name is as long as the system allows
// still gets one.
std::string TemporaryPath(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return JoinedPath(FolderOf(path), ".validador." + std::to_string(::GetCurrentProcessId()) +
                                        "." + std::to_string(counter.fetch_add(1)) + ".tmp");
}

void WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD piece = static_cast<DWORD>(std::min(bytes.size(), kLargestWrite));
    DWORD written = 0;
    if (!::WriteFile(file, bytes.data(), piece, &written, nullptr)) throw SystemFailure{::GetLastError()};
    bytes.remove_prefix(written);
  }
}

// The temporary file: deleted again when anything fails before it takes the target's
// place.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& path)
      : widePath_(HeldPath(path)),
        file_(::CreateFileW(widePath_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                            FILE_ATTRIBUTE_NORMAL, nullptr)) {
    if (!file_.Valid()) {
      const DWORD error = ::GetLastError();
      UnholdPending(widePath_);
      throw SystemFailure{error};
    }
  }
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    file_.Close();
    if (!renamed_) ::DeleteFileW(widePath_.c_str());
    UnholdPending(widePath_);
  }

  HANDLE Handle() const { return file_.Get(); }

  void Close() {
    if (!file_.Close()) throw SystemFailure{::GetLastError()};
  }

  // Takes the target's place; the rename reaches the disk before this returns.
  void RenameOver(const std::string& target) {
    const std::wstring wideTarget = WideOf(target);
    for (int attempt = 1;; ++attempt) {
      if (::MoveFileExW(widePath_.c_str(), wideTarget.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        renamed_ = true;
        return;
      }
      const DWORD error = ::GetLastError();
      const bool heldOpen = error == ERROR_ACCESS_DENIED || error == ERROR_SHARING_VIOLATION ||
                            error == ERROR_LOCK_VIOLATION;
      if (!heldOpen || attempt == kRenameAttempts) throw SystemFailure{error};
      ::Sleep(kRenamePauseMilliseconds);
    }
  }

 private:
  static std::wstring HeldPath(const std::string& path) {
    std::wstring wide = WideOf(path);
    HoldPending(wide);
    return wide;
  }

  std::wstring widePath_;
  UniqueHandle file_;
  bool renamed_ = false;
};

void RunAfterWriteHook() {
  std::function<void()> hook;
  {
    const std::lock_guard<std::mutex> lock(hookMutex);
    hook = afterWriteHook;
  }
  if (hook) hook();
}

}  // namespace

void ReplaceFileContents(const std::string& path, std::string_view bytes) {
  ReplaceFileWith(path, [bytes](const std::function<void(std::string_view)>& write) { write(bytes); });
}

void ReplaceFileWith(const std::string& path, const ByteProducer& produce) {
  try {
    TemporaryFile temporary(TemporaryPath(path));
    produce([&temporary](std::string_view bytes) { WriteAll(temporary.Handle(), bytes); });
    if (!::FlushFileBuffers(temporary.Handle())) throw SystemFailure{::GetLastError()};
    RunAfterWriteHook();
    temporary.Close();
    temporary.RenameOver(path);
  } catch (const SystemFailure& failure) {
    throw IoErrorOf(failure.error, path);
  }
}

void SetAfterWriteHookForTests(std::function<void()> hook) {
  const std::lock_guard<std::mutex> lock(hookMutex);
  afterWriteHook = std::move(hook);
}

void SetUnnamedTemporaryFilesForTests(bool) {}

}  // namespace validador::platform
