#include "platform/InputFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "base/Errors.h"
#include "platform/posix/StatStamp.h"

namespace validador::platform {
namespace {

int Descriptor(std::intptr_t handle) { return static_cast<int>(handle); }

// Opens without blocking (a FIFO in the file's place must not hang the open) and keeps
// the descriptor only for a regular file.
int OpenRegularFile(const std::string& path) {
  int fd;
  do {
    fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) throw EInOutError::FromErrno(errno, path);
  struct stat status {};
  if (::fstat(fd, &status) != 0) {
    const int error = errno;
    ::close(fd);
    throw EInOutError::FromErrno(error, path);
  }
  if (!S_ISREG(status.st_mode)) {
    ::close(fd);
    throw EInOutError::NotARegularFile(EACCES, S_ISDIR(status.st_mode), path);
  }
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
  ::posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
  return fd;
}

}  // namespace

InputFile::InputFile(const std::string& path) : path_(path), handle_(OpenRegularFile(path)) {}

InputFile::~InputFile() { ::close(Descriptor(handle_)); }

std::size_t InputFile::Read(void* buffer, std::size_t size) {
  ssize_t got;
  do {
    got = ::read(Descriptor(handle_), buffer, size);
  } while (got < 0 && errno == EINTR);
  if (got < 0) throw EInOutError::FromErrno(errno, path_);
  return static_cast<std::size_t>(got);
}

FileStamp InputFile::Stamp() const {
  struct stat status {};
  if (::fstat(Descriptor(handle_), &status) != 0) throw EInOutError::FromErrno(errno, path_);
  return StampOfStat(status);
}

}  // namespace validador::platform
