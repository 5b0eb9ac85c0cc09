#include "validation/manifest/ManifestLines.h"

#include <array>

#include "platform/FileSystem.h"
#include "platform/InputFile.h"

namespace validador {

std::optional<std::int64_t> ContaLinhasDoManifesto(const std::string& path) {
  if (!platform::IsRegularFile(path)) return std::nullopt;
  platform::InputFile file(path);
  std::array<char, 65536> block;
  std::int64_t lines = 0;
  bool lineHoldsSomething = false;
  while (const std::size_t got = file.Read(block.data(), block.size())) {
    for (std::size_t i = 0; i < got; ++i) {
      const char byte = block[i];
      if (byte == '\n') {
        if (lineHoldsSomething) ++lines;
        lineHoldsSomething = false;
      } else if (byte != '\r' && byte != ' ' && byte != '\t') {
        lineHoldsSomething = true;
      }
    }
  }
  return lineHoldsSomething ? lines + 1 : lines;
}

}  // namespace validador
