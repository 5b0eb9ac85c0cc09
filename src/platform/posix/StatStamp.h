#pragma once
// A file's stamp from what stat() tells of it.

#include <sys/stat.h>

#include "platform/FileStamp.h"

namespace validador::platform {

inline FileStamp StampOfStat(const struct stat& status) {
  FileStamp stamp;
  stamp.device = static_cast<std::uint64_t>(status.st_dev);
  stamp.identity = static_cast<std::uint64_t>(status.st_ino);
  stamp.size = static_cast<std::uint64_t>(status.st_size);
  stamp.modifiedNanoseconds = static_cast<std::int64_t>(status.st_mtim.tv_sec) * 1'000'000'000 +
                              static_cast<std::int64_t>(status.st_mtim.tv_nsec);
  return stamp;
}

}  // namespace validador::platform
