#include "hash/TFileStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "layout/Errors.h"

namespace validador {

namespace {

// Opens without blocking (a FIFO put in the file's place must not hang the open)
// and keeps the descriptor only for a regular file.
int OpenRegularFile(const std::string& path, std::uint64_t& size) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) throw EInOutError::FromErrno(errno);
  struct stat status {};
  const int error = ::fstat(fd, &status) != 0 ? errno : S_ISREG(status.st_mode) ? 0 : EACCES;
  if (error != 0) {
    ::close(fd);
    throw EInOutError::FromErrno(error);
  }
  size = static_cast<std::uint64_t>(status.st_size);
  return fd;
}

}  // namespace

TFileStream::TFileStream(const std::string& path) {
  fd_ = OpenRegularFile(path, size_);
  ::posix_fadvise(fd_, 0, 0, POSIX_FADV_SEQUENTIAL);
  block_ = std::make_unique_for_overwrite<std::uint8_t[]>(kBlockSize);
}

TFileStream::~TFileStream() { ::close(fd_); }

std::uint32_t TFileStream::Read(void* buffer, std::uint32_t count) {
  auto* target = static_cast<std::uint8_t*>(buffer);
  std::uint32_t done = 0;
  while (done < count) {
    if (begin_ == end_ && !Refill()) break;
    const std::size_t piece = std::min<std::size_t>(count - done, end_ - begin_);
    std::memcpy(target + done, block_.get() + begin_, piece);
    begin_ += piece;
    done += static_cast<std::uint32_t>(piece);
  }
  return done;
}

bool TFileStream::Refill() {
  if (atEnd_) return false;
  for (;;) {
    const ssize_t got = ::read(fd_, block_.get(), kBlockSize);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw EInOutError::FromErrno(errno);
    begin_ = 0;
    end_ = static_cast<std::size_t>(got);
    atEnd_ = got == 0;
    return !atEnd_;
  }
}

}  // namespace validador
