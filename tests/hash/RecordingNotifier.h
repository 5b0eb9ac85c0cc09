#pragma once
// A notifier that remembers every file it is told cannot be read.

#include <string>
#include <vector>

#include "hash/Calchash.h"

namespace validador {

class RecordingNotifier : public HashNotifier {
 public:
  void CannotReadFile(const std::string& path) override { paths.push_back(path); }
  std::vector<std::string> paths;
};

}  // namespace validador
