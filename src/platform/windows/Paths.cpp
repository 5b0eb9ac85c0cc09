#include "platform/Paths.h"

namespace validador::platform {
namespace {

// The length of a drive prefix ("C:"), or 0.
std::size_t DriveLength(std::string_view path) {
  const bool letter = path.size() >= 2 && path[1] == ':' &&
                      ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  return letter ? 2 : 0;
}

// Where the last name starts: after the last separator or after the drive.
std::size_t LastNameStart(std::string_view path) {
  const std::size_t separator = path.find_last_of("\\/");
  return separator == std::string_view::npos ? DriveLength(path) : separator + 1;
}

}  // namespace

const char kPathSeparator = '\\';

bool IsPathSeparator(char c) { return c == '\\' || c == '/'; }

std::string FileNameOf(std::string_view path) { return std::string(path.substr(LastNameStart(path))); }

std::string FolderOf(std::string_view path) {
  const std::size_t separator = path.find_last_of("\\/");
  const std::size_t drive = DriveLength(path);
  if (separator == std::string_view::npos) return drive > 0 ? std::string(path.substr(0, drive)) : ".";
  // The root of a drive or of the current drive keeps its separator.
  if (separator == drive) return std::string(path.substr(0, separator + 1));
  return std::string(path.substr(0, separator));
}

std::string JoinedPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (path.empty() || !IsPathSeparator(path.back())) path += kPathSeparator;
  path += name;
  return path;
}

}  // namespace validador::platform
