#include "platform/FileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <filesystem>

#include "base/Errors.h"
#include "platform/Paths.h"
#include "platform/posix/StatStamp.h"

namespace validador::platform {

bool IsRegularFile(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode);
}

void RequireReachable(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) == 0) return;
  const int error = errno;
  if (error == EACCES || error == ENAMETOOLONG) throw EInOutError::FromErrno(error, FolderOf(path));
}

bool IsDirectory(const std::string& path) {
  struct stat status {};
  return ::stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

std::vector<std::string> DirectoryEntries(const std::string& folder) {
  std::vector<std::string> names;
  DIR* directory = ::opendir(folder.c_str());
  if (directory == nullptr) return names;
  while (const dirent* entry = ::readdir(directory)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(directory);
  return names;
}

std::optional<FileStamp> StampOf(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) return std::nullopt;
  return StampOfStat(status);
}

std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.string();
}

void CheckCanCreateFileIn(const std::string& folder) {
  static std::atomic<unsigned> next{0};
  if (!IsDirectory(folder)) {
    struct stat status {};
    throw EInOutError::FromErrno(::stat(folder.c_str(), &status) == 0 ? ENOTDIR : ENOENT, folder);
  }
  const std::string probe = JoinedPath(folder, ".validador-" + std::to_string(::getpid()) + "." +
                                                   std::to_string(next++) + ".tmp");
  const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) throw EInOutError::FromErrno(errno, folder);
  ::close(fd);
  ::unlink(probe.c_str());
}

}  // namespace validador::platform
