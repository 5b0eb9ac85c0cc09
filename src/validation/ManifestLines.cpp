#include "validation/ManifestLines.h"

#include <algorithm>
#include <array>

#include "platform/FileSystem.h"
#include "platform/InputFile.h"

namespace validador {

std::optional<std::int64_t> ContaLinhasDoManifesto(const std::string& path) {
  if (!platform::IsRegularFile(path)) return std::nullopt;
  platform::InputFile file(path);
  std::array<char, 65536> block;
  std::int64_t lines = 0;
  char last = '\n';
  while (const std::size_t got = file.Read(block.data(), block.size())) {
    lines += std::count(block.data(), block.data() + got, '\n');
    last = block[got - 1];
  }
  return last == '\n' ? lines : lines + 1;
}

}  // namespace validador
