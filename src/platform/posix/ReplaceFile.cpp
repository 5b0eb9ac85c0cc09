#include "platform/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "base/Errors.h"
#include "platform/Paths.h"

namespace validador::platform {
namespace {

// A failed system call inside the write, with its errno value.
struct SystemFailure {
  int error;
};

std::mutex hookMutex;
std::function<void()> afterWriteHook;
std::atomic<bool> unnamedFilesAllowed{true};

// The named temporary files that exist now, for the handler of SIGINT and SIGTERM, which
// removes them before the process ends: the handler may only read what it finds here
// with plain loads, so each place holds its name in a fixed array.
class PendingNames {
 public:
  static constexpr std::size_t kPlaces = 16;
  static constexpr std::size_t kLongestPath = 4096;

  // The place now holding `path`, or -1 when every place is taken or the path is too
  // long (the file is then not removed on a signal, as before).
  int Add(const std::string& path) {
    if (path.size() >= kLongestPath) return -1;
    for (std::size_t i = 0; i < kPlaces; ++i) {
      int expected = kFree;
      if (!places_[i].state.compare_exchange_strong(expected, kFilling)) continue;
      std::memcpy(places_[i].path.data(), path.c_str(), path.size() + 1);
      places_[i].state.store(kHeld);
      return static_cast<int>(i);
    }
    return -1;
  }

  void Remove(int place) {
    if (place >= 0) places_[static_cast<std::size_t>(place)].state.store(kFree);
  }

  // Async-signal-safe: only unlink.
  void UnlinkAll() {
    for (Place& place : places_) {
      if (place.state.load() == kHeld) ::unlink(place.path.data());
    }
  }

 private:
  static constexpr int kFree = 0;
  static constexpr int kFilling = 1;
  static constexpr int kHeld = 2;
  struct Place {
    std::atomic<int> state{kFree};
    std::array<char, kLongestPath> path{};
  };
  std::array<Place, kPlaces> places_;
};

PendingNames pendingNames;

// Removes the temporary files, then lets the signal end the process as it would have
// (the handler was installed with SA_RESETHAND, so the default action is back).
void RemoveTemporaryFilesAndEnd(int signalNumber) {
  const int savedErrno = errno;
  pendingNames.UnlinkAll();
  ::raise(signalNumber);
  errno = savedErrno;
}

// Installs the handler for the signals that end a process from the keyboard or a
// service manager, where nobody else has taken them (a program that handles them
// itself keeps its own handler).
void RemoveTemporaryFilesOnSignals() {
  static std::once_flag once;
  std::call_once(once, [] {
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
      struct sigaction current {};
      if (::sigaction(signalNumber, nullptr, &current) != 0 || current.sa_handler != SIG_DFL) continue;
      struct sigaction handler {};
      handler.sa_handler = RemoveTemporaryFilesAndEnd;
      sigemptyset(&handler.sa_mask);
      handler.sa_flags = SA_RESETHAND;
      ::sigaction(signalNumber, &handler, nullptr);
    }
  });
}

// A name for the temporary file beside the target, unlikely to be taken. It does not
// repeat the target's name, so a target whose name is as long as the system allows
// still gets one.
std::string TemporaryPath(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return JoinedPath(FolderOf(path), ".validador." + std::to_string(::getpid()) + "." +
                                        std::to_string(counter.fetch_add(1)) + ".tmp");
}

void WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(fd, bytes.data(), bytes.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      throw SystemFailure{errno};
    }
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
}

// The file being written and, once it has a name, that name: removed again when
// anything fails before the rename.
class TemporaryFile {
 public:
  TemporaryFile() = default;
  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;
  ~TemporaryFile() {
    if (fd_ >= 0) ::close(fd_);
    if (!name_.empty()) ::unlink(name_.c_str());
    pendingNames.Remove(place_);
  }

  // An unnamed file in the folder, which disappears with the process until it is named.
  bool OpenUnnamed(const std::string& folder) {
#ifdef O_TMPFILE
    if (unnamedFilesAllowed.load()) fd_ = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#endif
    return fd_ >= 0;
  }

  // Gives the unnamed file a name beside the target; false where the system cannot.
  bool Name(const std::string& candidate) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    Hold(candidate);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW) != 0) {
      Unhold();
      return false;
    }
    name_ = candidate;
    return true;
  }

  // A named file where unnamed ones are not to be had.
  void OpenNamed(const std::string& candidate) {
    if (fd_ >= 0) ::close(fd_);
    Hold(candidate);
    fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0) {
      const int error = errno;
      Unhold();
      throw SystemFailure{error};
    }
    name_ = candidate;
  }

  int Descriptor() const { return fd_; }

  void Close() {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && errno != EINTR) throw SystemFailure{errno};
  }

  // After the rename the name belongs to the target.
  void Release() {
    name_.clear();
    Unhold();
  }
  const std::string& NameGiven() const { return name_; }

 private:
  // The name is known to the signal handler before the file exists under it, and
  // until it no longer does.
  void Hold(const std::string& candidate) {
    RemoveTemporaryFilesOnSignals();
    Unhold();
    place_ = pendingNames.Add(candidate);
  }
  void Unhold() {
    pendingNames.Remove(place_);
    place_ = -1;
  }

  int fd_ = -1;
  std::string name_;
  int place_ = -1;
};

void RunAfterWriteHook() {
  std::function<void()> hook;
  {
    const std::lock_guard<std::mutex> lock(hookMutex);
    hook = afterWriteHook;
  }
  if (hook) hook();
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

void ReplaceFileContents(const std::string& path, std::string_view bytes) {
  ReplaceFileWith(path, [bytes](const std::function<void(std::string_view)>& write) { write(bytes); });
}

void ReplaceFileWith(const std::string& path, const ByteProducer& produce) {
  const std::string folder = FolderOf(path);
  try {
    TemporaryFile temporary;
    const auto writeAll = [&temporary](std::string_view bytes) { WriteAll(temporary.Descriptor(), bytes); };
    const bool unnamed = temporary.OpenUnnamed(folder);
    if (!unnamed) temporary.OpenNamed(TemporaryPath(path));
    produce(writeAll);
    if (::fsync(temporary.Descriptor()) != 0) throw SystemFailure{errno};
    RunAfterWriteHook();
    if (unnamed && !temporary.Name(TemporaryPath(path))) {
      temporary.OpenNamed(TemporaryPath(path));  // no way to name it: write a named one
      produce(writeAll);
      if (::fsync(temporary.Descriptor()) != 0) throw SystemFailure{errno};
    }
    temporary.Close();
    if (::rename(temporary.NameGiven().c_str(), path.c_str()) != 0) throw SystemFailure{errno};
    temporary.Release();
  } catch (const SystemFailure& failure) {
    throw EInOutError::FromErrno(failure.error, path);
  }
  SyncFolder(folder);
}

void SetAfterWriteHookForTests(std::function<void()> hook) {
  const std::lock_guard<std::mutex> lock(hookMutex);
  afterWriteHook = std::move(hook);
}

void SetUnnamedTemporaryFilesForTests(bool allowed) { unnamedFilesAllowed.store(allowed); }

}  // namespace validador::platform
