#include "platform/ReplaceFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <mutex>

#include "layout/Errors.h"
#include "platform/Paths.h"

namespace validador::platform {
namespace {

// A failed system call inside the write, with its errno value.
struct SystemFailure {
  int error;
};

std::mutex hookMutex;
std::function<void()> afterWriteHook;

// A name for the temporary file beside the target, unlikely to be taken.
std::string TemporaryPath(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return JoinedPath(FolderOf(path), "." + FileNameOf(path) + "." + std::to_string(::getpid()) +
                                        "." + std::to_string(counter.fetch_add(1)) + ".tmp");
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
  }

  // An unnamed file in the folder, which disappears with the process until it is named.
  bool OpenUnnamed(const std::string& folder) {
#ifdef O_TMPFILE
    fd_ = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
#endif
    return fd_ >= 0;
  }

  // Gives the unnamed file a name beside the target; false where the system cannot.
  bool Name(const std::string& candidate) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd_);
    if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW) != 0) {
      return false;
    }
    name_ = candidate;
    return true;
  }

  // A named file where unnamed ones are not to be had.
  void OpenNamed(const std::string& candidate) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd_ < 0) throw SystemFailure{errno};
    name_ = candidate;
  }

  int Descriptor() const { return fd_; }

  void Close() {
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 && errno != EINTR) throw SystemFailure{errno};
  }

  // After the rename the name belongs to the target.
  void Release() { name_.clear(); }
  const std::string& NameGiven() const { return name_; }

 private:
  int fd_ = -1;
  std::string name_;
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
  const std::string folder = FolderOf(path);
  try {
    TemporaryFile temporary;
    const bool unnamed = temporary.OpenUnnamed(folder);
    if (!unnamed) temporary.OpenNamed(TemporaryPath(path));
    WriteAll(temporary.Descriptor(), bytes);
    if (::fsync(temporary.Descriptor()) != 0) throw SystemFailure{errno};
    RunAfterWriteHook();
    if (unnamed && !temporary.Name(TemporaryPath(path))) {
      temporary.OpenNamed(TemporaryPath(path));  // no way to name it: write a named one
      WriteAll(temporary.Descriptor(), bytes);
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

}  // namespace validador::platform
