// The faster SHA compressions (SHA extensions, vector schedule) and the portable
// ones give identical digests; the table follows the processor and the switch.

#include <gtest/gtest.h>

#include "HashTestSupport.h"
#include "hash/ShaCompressions.h"

namespace validador {
namespace {

// Restores the faster compressions after each test.
class ShaPaths : public ::testing::Test {
 protected:
  void TearDown() override { ForcePortableSha(false); }

  template <class Hash>
  void ExpectBothPathsAgree() {
    for (std::size_t length = 0; length < 700; length += 7) {
      const std::string message = hashtest::PseudoRandomBytes(length * 13, length);
      ForcePortableSha(true);
      const std::string portable = hashtest::DigestOf<Hash>(message);
      ForcePortableSha(false);
      ASSERT_EQ(hashtest::DigestOf<Hash>(message), portable) << "length " << message.size();
    }
  }
};

TEST_F(ShaPaths, SwitchTurnsTheFasterPathsOffAndOn) {
  ForcePortableSha(true);
  EXPECT_FALSE(ShaExtensionsInUse());
  EXPECT_FALSE(VectorScheduleInUse());
  ForcePortableSha(false);
  EXPECT_EQ(ShaExtensionsInUse(), CpuHasShaExtensions());
  EXPECT_EQ(VectorScheduleInUse(), CpuHasVectorRotates());
}

#if defined(__GNUC__) && !defined(__clang__) && (defined(__x86_64__) || defined(__i386__))
// The processor questions (cpuid, xgetbv) answer as GCC's own feature test does.
TEST_F(ShaPaths, ProcessorQuestionsAgreeWithTheCompilersFeatureTest) {
  __builtin_cpu_init();
  EXPECT_EQ(CpuHasShaExtensions(),
            __builtin_cpu_supports("sha") && __builtin_cpu_supports("sse4.1"));
  EXPECT_EQ(CpuHasVectorRotates(),
            __builtin_cpu_supports("avx512vl") && __builtin_cpu_supports("avx512f") &&
                __builtin_cpu_supports("bmi") && __builtin_cpu_supports("bmi2"));
}
#endif

TEST_F(ShaPaths, Sha1PathsAgree) { ExpectBothPathsAgree<TDCP_sha1>(); }
TEST_F(ShaPaths, Sha256PathsAgree) { ExpectBothPathsAgree<TDCP_sha256>(); }
TEST_F(ShaPaths, Sha384PathsAgree) { ExpectBothPathsAgree<TDCP_sha384>(); }
TEST_F(ShaPaths, Sha512PathsAgree) { ExpectBothPathsAgree<TDCP_sha512>(); }

TEST_F(ShaPaths, PortablePathsGiveThePublishedValues) {
  ForcePortableSha(true);
  EXPECT_TRUE(TDCP_sha1::SelfTest());
  EXPECT_TRUE(TDCP_sha256::SelfTest());
  EXPECT_TRUE(TDCP_sha384::SelfTest());
  EXPECT_TRUE(TDCP_sha512::SelfTest());
}

}  // namespace
}  // namespace validador
