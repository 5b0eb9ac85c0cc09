#include "platform/ScratchFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>

#include "base/Errors.h"
#include "platform/Paths.h"

namespace validador::platform {
namespace {

constexpr std::size_t kBufferSize = std::size_t{1} << 16;

int Descriptor(std::intptr_t handle) { return static_cast<int>(handle); }

// Where the system has no unnamed files, a named one whose name is removed at once.
int OpenNamedAndForget(const std::string& folder) {
  static std::atomic<unsigned> counter{0};
  const std::string path = JoinedPath(folder, ".validador." + std::to_string(::getpid()) + "." +
                                                  std::to_string(counter.fetch_add(1)) + ".spool");
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd >= 0) ::unlink(path.c_str());
  return fd;
}

}  // namespace

ScratchFile::ScratchFile(const std::string& folder) : folder_(folder) {
  int fd = -1;
#ifdef O_TMPFILE
  fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
#endif
  if (fd < 0) fd = OpenNamedAndForget(folder);
  if (fd < 0) throw EInOutError::FromErrno(errno, folder);
  handle_ = fd;
  buffer_.reserve(kBufferSize);
}

ScratchFile::~ScratchFile() { ::close(Descriptor(handle_)); }

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
    const ssize_t written = ::pwrite(Descriptor(handle_), rest.data(), rest.size(),
                                     static_cast<off_t>(onDisk_));
    if (written < 0) {
      if (errno == EINTR) continue;
      throw EInOutError::FromErrno(errno, folder_);
    }
    rest.remove_prefix(static_cast<std::size_t>(written));
    onDisk_ += static_cast<std::uint64_t>(written);
  }
  buffer_.clear();
}

void ScratchFile::Clear() {
  buffer_.clear();
  if (::ftruncate(Descriptor(handle_), 0) != 0) throw EInOutError::FromErrno(errno, folder_);
  size_ = 0;
  onDisk_ = 0;
}

void ScratchFile::Read(std::uint64_t from, std::uint64_t to,
                       const std::function<void(std::string_view)>& take) {
  Flush();
  std::string piece(kBufferSize, '\0');
  while (from < to) {
    const std::size_t wanted = static_cast<std::size_t>(std::min<std::uint64_t>(to - from, piece.size()));
    const ssize_t got = ::pread(Descriptor(handle_), piece.data(), wanted, static_cast<off_t>(from));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw EInOutError::FromErrno(errno, folder_);
    if (got == 0) throw EInOutError::FromErrno(EIO, folder_);  // shorter than written
    take(std::string_view(piece.data(), static_cast<std::size_t>(got)));
    from += static_cast<std::uint64_t>(got);
  }
}

}  // namespace validador::platform
