#include "platform/FileSystem.h"

#include <dirent.h>
#include <sys/stat.h>

#include <cerrno>
#include <filesystem>

#include "layout/Errors.h"
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

}  // namespace validador::platform
