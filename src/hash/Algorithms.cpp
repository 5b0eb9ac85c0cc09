#include "hash/Algorithms.h"

#include "hash/DCPhash.h"
#include "hash/Haval.h"
#include "hash/Md4.h"
#include "hash/Md5.h"
#include "hash/Ripemd128.h"
#include "hash/Ripemd160.h"
#include "hash/Sha1.h"
#include "hash/Sha256.h"
#include "hash/Sha512.h"
#include "hash/Tiger.h"

namespace validador {

const std::array<AlgorithmRow, 10> kAlgorithms = {{
    {"haval", 32, &HashClassOf<TDCP_haval>},
    {"md4", 16, &HashClassOf<TDCP_md4>},
    {"md5", 16, &HashClassOf<TDCP_md5>},
    {"ripemd128", 16, &HashClassOf<TDCP_ripemd128>},
    {"ripemd160", 20, &HashClassOf<TDCP_ripemd160>},
    {"sha1", 20, &HashClassOf<TDCP_sha1>},
    {"sha256", 32, &HashClassOf<TDCP_sha256>},
    {"sha384", 48, &HashClassOf<TDCP_sha384>},
    {"sha512", 64, &HashClassOf<TDCP_sha512>},
    {"tiger", 24, &HashClassOf<TDCP_tiger>},
}};

const AlgorithmRow* FindAlgorithm(std::string_view name) {
  const int index = AlgorithmIndex(name);
  return index < 0 ? nullptr : &kAlgorithms[static_cast<std::size_t>(index)];
}

int AlgorithmIndex(std::string_view name) {
  for (std::size_t i = 0; i < kAlgorithms.size(); ++i) {
    if (kAlgorithms[i].name == name) return static_cast<int>(i);
  }
  return -1;
}

std::string AlgorithmNameList() {
  std::string names;
  for (const AlgorithmRow& row : kAlgorithms) {
    if (!names.empty()) names += ", ";
    names += row.name;
  }
  return names;
}

}  // namespace validador
