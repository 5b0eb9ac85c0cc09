#pragma once
// A regular file opened for reading: binary, 64-bit sizes, read from start to end.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/FileStamp.h"

namespace validador::platform {

class InputFile {
 public:
  // Opens an existing regular file. Something else at the path (a folder, a FIFO, a
  // device) is refused without being waited on. Throws EInOutError naming the path.
  explicit InputFile(const std::string& path);
  ~InputFile();

  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // Reads up to `size` bytes; fewer only at the end of the file, 0 once there.
  // Throws EInOutError naming the path when the system reports a failed read.
  std::size_t Read(void* buffer, std::size_t size);

  // The open file's identity, size and modification time now.
  FileStamp Stamp() const;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
  std::intptr_t handle_ = -1;
};

}  // namespace validador::platform
