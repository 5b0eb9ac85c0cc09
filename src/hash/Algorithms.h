#pragma once
// The ten digest algorithms, one row each: the name a user types, the length of its
// digest, and the component class that makes it (its factory) and checks it against
// known answers (its self-test). Every list of algorithms in the program is this one.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace validador {

struct TDCP_hashclass;

struct AlgorithmRow {
  std::string_view name;                      // as typed; letter case counts
  std::size_t digestBytes;                    // the digest text has twice as many characters
  const TDCP_hashclass& (*componentClass)();  // Create and SelfTest
};

// In the order in which a name is matched and the names are listed.
extern const std::array<AlgorithmRow, 10> kAlgorithms;

// The algorithm a check uses when none is chosen.
inline constexpr std::string_view kDefaultAlgorithm = "md5";

// The row of the exactly named algorithm; nullptr for a name that is none of the ten.
const AlgorithmRow* FindAlgorithm(std::string_view name);

// The place of the exactly named algorithm in kAlgorithms; -1 for none.
int AlgorithmIndex(std::string_view name);

// The ten names joined by ", ", for messages.
std::string AlgorithmNameList();

}  // namespace validador
