#include "validation/check/StandardFiles.h"

#include <algorithm>
#include <vector>

#include "platform/FileSystem.h"
#include "platform/Paths.h"

namespace validador {

bool FileExists(const std::string& path) {
  platform::RequireReachable(path);
  return platform::IsRegularFile(path);
}

namespace {

// The names of the folder's regular files that equal `name` ignoring ASCII case, in
// name order.
std::vector<std::string> NamesIgnoringCase(std::string_view folder, std::string_view name) {
  const std::string wanted = UpperAscii(name);
  std::vector<std::string> names;
  for (const std::string& candidate : platform::DirectoryEntries(std::string(folder))) {
    if (UpperAscii(candidate) == wanted && FileExists(platform::JoinedPath(folder, candidate))) {
      names.push_back(candidate);
    }
  }
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

StandardFileChoice FindStandardFile(std::string_view folder, RecordTypeIndex type) {
  return FindFileIgnoringCase(folder, LayoutCatalogue::Instance().NomeArquivo(type));
}

StandardFileChoice FindFileIgnoringCase(std::string_view folder, std::string_view name) {
  const std::vector<std::string> names = NamesIgnoringCase(folder, name);
  // The exact name whenever it is there, even where the listing missed it (a folder that
  // cannot be listed, a file added meanwhile); otherwise the first in name order.
  auto chosen = std::find(names.begin(), names.end(), name);
  if (chosen == names.end() && !names.empty() && !FileExists(platform::JoinedPath(folder, name))) {
    chosen = names.begin();
  }
  StandardFileChoice choice;
  choice.path = platform::JoinedPath(folder, chosen == names.end() ? name : std::string_view(*chosen));
  for (auto other = names.begin(); other != names.end(); ++other) {
    if (other != chosen) choice.ignored.push_back(platform::JoinedPath(folder, *other));
  }
  return choice;
}

std::string StandardFilePath(std::string_view folder, RecordTypeIndex type) {
  return FindStandardFile(folder, type).path;
}

}  // namespace validador
