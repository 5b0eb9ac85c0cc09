#include "cli/Commands.h"

#include "hash/Calchash.h"

namespace validador::cli {

std::string AlgorithmNameList() {
  std::string list;
  for (const auto name : kAlgorithmNames) {
    if (!list.empty()) list += ", ";
    list += name;
  }
  return list;
}

}  // namespace validador::cli
