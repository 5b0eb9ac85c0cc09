#include "validation/StandardFiles.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <vector>

namespace validador {

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (path.empty() || path.back() != std::filesystem::path::preferred_separator) {
    path += std::filesystem::path::preferred_separator;
  }
  path += name;
  return path;
}

bool FileExists(const std::string& path) {
  struct stat info {};
  return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

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
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(std::string(folder), error)) {
    const std::string candidate = entry.path().filename().string();
    if (UpperAscii(candidate) == wanted && FileExists(entry.path().string())) {
      matches.push_back(candidate);
    }
  }
  if (matches.empty()) return exact;
  return JoinPath(folder, *std::min_element(matches.begin(), matches.end()));
}

}  // namespace validador
