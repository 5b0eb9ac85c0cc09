// POSIX: the descriptors this process has open, read from /proc/self/fd.

#include <filesystem>

#include "support/OpenFiles.h"

namespace testsupport {

bool IsHeldOpen(const std::string& path) {
  std::error_code error;
  const std::filesystem::path file = std::filesystem::canonical(path, error);
  if (error) return false;
  for (const auto& descriptor : std::filesystem::directory_iterator("/proc/self/fd", error)) {
    std::error_code linkError;
    if (std::filesystem::read_symlink(descriptor.path(), linkError) == file) return true;
  }
  return false;
}

}  // namespace testsupport
