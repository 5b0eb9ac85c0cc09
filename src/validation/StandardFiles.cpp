#include "validation/StandardFiles.h"

#include <algorithm>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace validador {

std::string JoinPath(std::string_view folder, std::string_view name) {
  return platform::JoinedPath(folder, name);
}

bool FileExists(const std::string& path) { return platform::IsRegularFile(path); }

std::string UpperAscii(std::string_view text) {
  std::string upper(text);
  for (char& c : upper) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return upper;
}

std::string StandardFilePath(std::string_view folder, RecordTypeIndex type) {
  const std::string_view name = LayoutCatalogue::Instance().NomeArquivo(type);
  const std::string exact = JoinPath(folder, name);
  if (FileExists(exact)) return exact;

  const std::string wanted = UpperAscii(name);
  std::vector<std::string> matches;
  for (const std::string& candidate : platform::DirectoryEntries(std::string(folder))) {
    if (UpperAscii(candidate) == wanted && FileExists(JoinPath(folder, candidate))) {
      matches.push_back(candidate);
    }
  }
  if (matches.empty()) return exact;
  return JoinPath(folder, *std::min_element(matches.begin(), matches.end()));
}

}  // namespace validador
