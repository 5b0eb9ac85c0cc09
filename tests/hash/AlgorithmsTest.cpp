// The table of the ten algorithms: each row's digest length is what its component makes,
// its component passes its known answers, and names are found exactly.

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "hash/Algorithms.h"
#include "hash/DCPhash.h"

namespace validador {
namespace {

TEST(AlgorithmsTest, EachRowMakesItsComponentAndItsDigestLength) {
  std::set<std::string_view> names;
  for (const AlgorithmRow& row : kAlgorithms) {
    EXPECT_TRUE(names.insert(row.name).second) << "twice: " << row.name;
    const TDCP_hashclass& hashClass = row.componentClass();
    EXPECT_EQ(static_cast<std::size_t>(hashClass.GetHashSize()), 8 * row.digestBytes) << row.name;
    EXPECT_TRUE(hashClass.SelfTest()) << row.name;
    const std::unique_ptr<TDCP_hash> hash(hashClass.Create(nullptr));
    ASSERT_NE(hash, nullptr) << row.name;
    EXPECT_EQ(static_cast<std::size_t>(hash->HashSize()), 8 * row.digestBytes) << row.name;
  }
}

TEST(AlgorithmsTest, NamesAreFoundExactlyAndTheDefaultIsOne) {
  for (std::size_t i = 0; i < kAlgorithms.size(); ++i) {
    EXPECT_EQ(AlgorithmIndex(kAlgorithms[i].name), static_cast<int>(i));
    EXPECT_EQ(FindAlgorithm(kAlgorithms[i].name), &kAlgorithms[i]);
  }
  for (const char* name : {"MD5", "md5 ", "", "sha", "tiger192"}) {
    EXPECT_EQ(AlgorithmIndex(name), -1) << '"' << name << '"';
    EXPECT_EQ(FindAlgorithm(name), nullptr) << '"' << name << '"';
  }
  EXPECT_EQ(kDefaultAlgorithm, "md5");
  EXPECT_EQ(AlgorithmIndex(kDefaultAlgorithm), 2);
  EXPECT_EQ(AlgorithmNameList(), "haval, md4, md5, ripemd128, ripemd160, sha1, sha256, sha384, sha512, tiger");
}

}  // namespace
}  // namespace validador
