#pragma once
// The ways a file can change under a check that is reading it, each applied at once to
// the file at a path.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

namespace testsupport {

enum class FileChange {
  Truncate,         // cut to half its size
  Append,           // more bytes at its end
  ReplaceByRename,  // another file of the same size renamed over it
  Touch,            // the same bytes, a later modification time
};

// The changes this system lets a program make to a file another one has open: Windows
// refuses to rename a file over one that is open, so there it cannot be replaced.
#ifdef _WIN32
inline constexpr FileChange kPossibleFileChanges[] = {FileChange::Truncate, FileChange::Append,
                                                      FileChange::Touch};
#else
inline constexpr FileChange kPossibleFileChanges[] = {FileChange::Truncate, FileChange::Append,
                                                      FileChange::ReplaceByRename,
                                                      FileChange::Touch};
#endif

inline const char* FileChangeName(FileChange change) {
  switch (change) {
    case FileChange::Truncate:
      return "Truncate";
    case FileChange::Append:
      return "Append";
    case FileChange::ReplaceByRename:
      return "ReplaceByRename";
    case FileChange::Touch:
      return "Touch";
  }
  return "";
}

inline void ApplyFileChange(const std::string& path, FileChange change) {
  namespace fs = std::filesystem;
  const std::uintmax_t size = fs::file_size(path);
  switch (change) {
    case FileChange::Truncate:
      fs::resize_file(path, size / 2);
      break;
    case FileChange::Append:
      std::ofstream(path, std::ios::binary | std::ios::app) << std::string(100, 'A') << "\r\n";
      break;
    case FileChange::ReplaceByRename: {
      const std::string other = path + ".new";
      std::ofstream(other, std::ios::binary) << std::string(size, 'A');
      fs::rename(other, path);
      break;
    }
    case FileChange::Touch:
      fs::last_write_time(path, fs::last_write_time(path) + std::chrono::seconds(2));
      break;
  }
}

}  // namespace testsupport
