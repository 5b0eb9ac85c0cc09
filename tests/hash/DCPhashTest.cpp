// The framework: class-level answers, properties, calling order and wiping,
// shown on every one of the ten classes and on the abstract class itself.

#include <gtest/gtest.h>

#include <new>

#include "HashTestAccess.h"
#include "HashTestSupport.h"
#include "hash/DCPhash.h"
#include "hash/SelfTestVector.h"
#include "hash/TComponent.h"

namespace validador {
namespace {

using hashtest::AllHashClasses;
using hashtest::DigestOf;

template <class Hash>
class EveryHashClass : public ::testing::Test {};
TYPED_TEST_SUITE(EveryHashClass, AllHashClasses);

TYPED_TEST(EveryHashClass, ClassAnswersWithAndWithoutAnInstance) {
  TypeParam hash;
  const TDCP_hash& asBase = hash;
  EXPECT_EQ(asBase.ClassType().GetId(), TypeParam::GetId());
  EXPECT_EQ(asBase.ClassType().GetAlgorithm(), TypeParam::GetAlgorithm());
  EXPECT_EQ(asBase.ClassType().GetHashSize(), TypeParam::GetHashSize());
  EXPECT_EQ(asBase.Id(), TypeParam::GetId());
  EXPECT_EQ(asBase.Algorithm(), TypeParam::GetAlgorithm());
  EXPECT_EQ(asBase.HashSize(), TypeParam::GetHashSize());
  EXPECT_TRUE(asBase.ClassType().SelfTest());
}

TYPED_TEST(EveryHashClass, AssigningThePropertiesChangesNothing) {
  TypeParam hash;
  hash.SetId(12345);
  hash.SetAlgorithm("outro");
  hash.SetHashSize(8);
  EXPECT_EQ(hash.Id(), TypeParam::GetId());
  EXPECT_EQ(hash.Algorithm(), TypeParam::GetAlgorithm());
  EXPECT_EQ(hash.HashSize(), TypeParam::GetHashSize());
}

TYPED_TEST(EveryHashClass, UpdateAndFinalNeedInit) {
  TypeParam hash;
  std::uint8_t digest[64];
  EXPECT_THROW(hash.Update("x", 1), EDCP_hash);
  EXPECT_THROW(hash.Update("", 0), EDCP_hash);
  EXPECT_THROW(hash.UpdateString(""), EDCP_hash);
  EXPECT_THROW(hash.Final(digest), EDCP_hash);
  try {
    hash.Final(digest);
  } catch (const EDCP_hash& error) {
    EXPECT_STREQ(error.what(), "Hash not initialized");
  }
}

TYPED_TEST(EveryHashClass, SecondFinalRaisesAndInitStartsAgain) {
  TypeParam hash;
  std::uint8_t digest[64];
  hash.Init();
  hash.UpdateString("abc");
  hash.Final(digest);
  EXPECT_FALSE(hash.IsInitialized());
  EXPECT_THROW(hash.Final(digest), EDCP_hash);
  EXPECT_THROW(hash.Update("a", 1), EDCP_hash);
  hash.Init();
  hash.UpdateString("half a message that Init throws away");
  EXPECT_EQ(DigestOf(hash, "abc"), DigestOf<TypeParam>("abc"));
}

TYPED_TEST(EveryHashClass, UpdateOfZeroBytesChangesNothing) {
  TypeParam hash;
  std::uint8_t digest[64];
  hash.Init();
  hash.Update(nullptr, 0);
  hash.UpdateString("ab");
  hash.Update(nullptr, 0);
  hash.UpdateString("c");
  hash.Final(digest);
  EXPECT_EQ(DigestText(digest, TypeParam::GetHashSize() / 8), DigestOf<TypeParam>("abc"));
}

TYPED_TEST(EveryHashClass, FinalWritesOnlyTheDigestBytes) {
  TypeParam hash;
  std::uint8_t digest[80];
  std::fill(std::begin(digest), std::end(digest), 0xEE);
  hash.Init();
  hash.Final(digest);
  const int size = TypeParam::GetHashSize() / 8;
  for (int i = size; i < 80; ++i) ASSERT_EQ(digest[i], 0xEE) << "byte " << i;
}

TYPED_TEST(EveryHashClass, FinalAndWipeClearTheState) {
  TypeParam hash;
  std::uint8_t digest[64];
  hash.Init();
  hash.UpdateString("a message that leaves bytes in the block buffer");
  EXPECT_FALSE(HashTestAccess::StateIsClear(hash));
  hash.Final(digest);
  EXPECT_TRUE(HashTestAccess::StateIsClear(hash));

  hash.Init();
  hash.UpdateString("more");
  hash.Wipe();
  EXPECT_TRUE(HashTestAccess::StateIsClear(hash));
  EXPECT_FALSE(hash.IsInitialized());
  EXPECT_THROW(hash.UpdateString("x"), EDCP_hash);
  hash.Wipe();  // never raises
}

TYPED_TEST(EveryHashClass, CompressionLeavesTheBlockBufferZeroBehindTheWaitingBytes) {
  TypeParam hash;
  hash.Init();
  const std::string message = hashtest::Letters(300);
  hash.UpdateString(message);
  const auto buffer = HashTestAccess::BlockBuffer(hash);
  const std::uint32_t waiting = HashTestAccess::BufferIndex(hash);
  EXPECT_EQ(waiting, 300 % buffer.size());
  EXPECT_TRUE(HashTestAccess::AllZero(buffer.subspan(waiting)));
}

TYPED_TEST(EveryHashClass, DestroyingAnInitialisedComponentWipesItsState) {
  alignas(TypeParam) unsigned char storage[sizeof(TypeParam)];
  auto* hash = new (storage) TypeParam;
  hash->Init();
  hash->UpdateString("abc");
  const auto chainState = HashTestAccess::ChainState(*hash);
  const auto blockBuffer = HashTestAccess::BlockBuffer(*hash);
  ASSERT_FALSE(HashTestAccess::AllZero(chainState));
  hash->~TypeParam();
  EXPECT_TRUE(HashTestAccess::AllZero(chainState));
  EXPECT_TRUE(HashTestAccess::AllZero(blockBuffer));
}

TYPED_TEST(EveryHashClass, OwnerDestroysTheComponentsItOwns) {
  TComponent owner;
  auto* hash = new TypeParam(&owner);
  hash->Init();
  new TypeParam(&owner);
  EXPECT_EQ(owner.ComponentCount(), 2u);
  delete hash;
  EXPECT_EQ(owner.ComponentCount(), 1u);
}  // the owner destroys the other; the leak checker would tell otherwise

TEST(AbstractHash, AnswersNothingAndNeverRaises) {
  EXPECT_EQ(TDCP_hash::GetId(), -1);
  EXPECT_EQ(TDCP_hash::GetAlgorithm(), "");
  EXPECT_EQ(TDCP_hash::GetHashSize(), -1);
  EXPECT_FALSE(TDCP_hash::SelfTest());
  TDCP_hash hash;
  std::uint8_t digest[4] = {1, 2, 3, 4};
  EXPECT_NO_THROW(hash.Update("x", 1));
  EXPECT_NO_THROW(hash.Final(digest));
  EXPECT_NO_THROW(hash.UpdateString("abc"));
  hash.Init();
  hash.Wipe();
  EXPECT_EQ(digest[0], 1);
  EXPECT_EQ(hash.Id(), -1);
  EXPECT_EQ(hash.HashSize(), -1);
}

TEST(AbstractHash, Sha512BaseKeepsTheAbstractAnswers) {
  TDCP_sha512base base;
  const TDCP_hash& asBase = base;
  EXPECT_EQ(asBase.Id(), -1);
  EXPECT_EQ(asBase.Algorithm(), "");
  EXPECT_EQ(asBase.HashSize(), -1);
  EXPECT_FALSE(asBase.ClassType().SelfTest());
  base.Init();  // does nothing: the base has no initial words
  EXPECT_FALSE(base.IsInitialized());
  EXPECT_THROW(base.Update("x", 1), EDCP_hash);
}

TEST(SelfTest, FailsWhenEitherDigestDiffers) {
  const SelfTestVector abc{"abc", "900150983CD24FB0D6963F7D28E17F72"};
  const SelfTestVector empty{"", "D41D8CD98F00B204E9800998ECF8427E"};
  const SelfTestVector wrong{"abc", "900150983CD24FB0D6963F7D28E17F73"};
  EXPECT_TRUE(PassesSelfTest<TDCP_md5>(abc, empty));
  EXPECT_FALSE(PassesSelfTest<TDCP_md5>(wrong, empty));
  EXPECT_FALSE(PassesSelfTest<TDCP_md5>(abc, wrong));
}

TEST(Sha384AndSha512, DifferInTheirInitialWords) {
  const std::string sha384 = DigestOf<TDCP_sha384>("abc");
  const std::string sha512 = DigestOf<TDCP_sha512>("abc");
  EXPECT_EQ(sha384.size(), 96u);
  EXPECT_NE(sha384, sha512.substr(0, 96));
}

}  // namespace
}  // namespace validador
