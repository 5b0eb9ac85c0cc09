#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "HashTestSupport.h"
#include "hash/Calchash.h"
#include "hash/DCPhash.h"
#include "hash/TComponent.h"
#include "base/Errors.h"
#include "support/OpenFiles.h"
#include "hash/RecordingNotifier.h"
#include "support/TempDir.h"

namespace validador {
namespace {

class CalchashTest : public ::testing::Test {
 protected:
  testsupport::TempDir dir;
  TComponent owner;
  RecordingNotifier notifier;
};

struct EmptyFileDigest {
  const char* algorithm;
  const char* digest;
};

std::ostream& operator<<(std::ostream& out, const EmptyFileDigest& c) { return out << c.algorithm; }

class EmptyFile : public CalchashTest, public ::testing::WithParamInterface<EmptyFileDigest> {};

TEST_P(EmptyFile, GivesTheDigestOfTheEmptyMessageInUppercase) {
  const std::string path = dir.Write("vazio.txt", "");
  const std::string text = Calchash(path, GetParam().algorithm, &owner, &notifier);
  EXPECT_EQ(text, GetParam().digest);
  EXPECT_TRUE(notifier.paths.empty());
  EXPECT_EQ(owner.ComponentCount(), 1u);
}

INSTANTIATE_TEST_SUITE_P(
    EveryAlgorithm, EmptyFile,
    ::testing::Values(
        EmptyFileDigest{"haval",
                        "5981D3F8CCE7F5674752595F4AD24C184BA1C738C986D4D2EDDF2BD86C3F8679"},
        EmptyFileDigest{"md4", "31D6CFE0D16AE931B73C59D7E0C089C0"},
        EmptyFileDigest{"md5", "D41D8CD98F00B204E9800998ECF8427E"},
        EmptyFileDigest{"ripemd128", "CDF26213A150DC3ECB610F18F6B38B46"},
        EmptyFileDigest{"ripemd160", "9C1185A5C5E9FC54612808977EE8F548B2258D31"},
        EmptyFileDigest{"sha1", "DA39A3EE5E6B4B0D3255BFEF95601890AFD80709"},
        EmptyFileDigest{"sha256",
                        "E3B0C44298FC1C149AFBF4C8996FB92427AE41E4649B934CA495991B7852B855"},
        EmptyFileDigest{"sha384",
                        "38B060A751AC96384CD9327EB1B1E36A21FDB71114BE07434C0CC7BF63F6E1DA"
                        "274EDEBFE76F65FBD51AD2F14898B95B"},
        EmptyFileDigest{"sha512",
                        "CF83E1357EEFB8BDF1542850D66D8007D620E4050B5715DC83F4A921D36CE9CE"
                        "47D0D13C5D85F2B0FF8318D2877EEC2F63B931BD47417A81A538327AF927DA3E"},
        EmptyFileDigest{"tiger", "3293AC630C13F0245F92BBB1766E16167A4E58492DDE73F3"}));

TEST_F(CalchashTest, DigestsTheWholeFileAcrossReadBlocks) {
  // Larger than the stream's 1 MiB block and not a multiple of 8192.
  const std::string bytes = hashtest::PseudoRandomBytes((1 << 20) * 2 + 12345, 11);
  const std::string path = dir.Write("grande.bin", bytes);
  for (const AlgorithmRow& row : kAlgorithms) {
    const std::string_view name = row.name;
    const std::unique_ptr<TDCP_hash> hash(CreateHashComponent(name, nullptr));
    const std::string text = Calchash(path, name, &owner, &notifier);
    EXPECT_EQ(text, hashtest::DigestOf(*hash, bytes)) << name;
    EXPECT_EQ(text.size(), static_cast<std::size_t>(hash->HashSize() / 4)) << name;
    EXPECT_EQ(Calchash(path, name, &owner, &notifier), text) << "twice: " << name;
  }
  EXPECT_EQ(owner.ComponentCount(), 20u);  // a new component at every call
}

TEST_F(CalchashTest, MissingFileTellsTheNotifierOnceAndGivesEmptyText) {
  const std::string path = dir.File("nao-existe.txt");
  EXPECT_EQ(Calchash(path, "md5", &owner, &notifier), "");
  EXPECT_EQ(notifier.paths, std::vector<std::string>{path});
  EXPECT_EQ(owner.ComponentCount(), 0u);  // no component made
  // Opening comes first, so a bad name with a missing file is only a missing file.
  EXPECT_EQ(Calchash(path, "MD5", &owner, &notifier), "");
  EXPECT_EQ(notifier.paths.size(), 2u);
}

TEST_F(CalchashTest, ADirectoryIsNotReadable) {
  EXPECT_EQ(Calchash(dir.Path().string(), "sha1", &owner, &notifier), "");
  EXPECT_EQ(notifier.paths, std::vector<std::string>{dir.Path().string()});
  EXPECT_EQ(owner.ComponentCount(), 0u);
}

TEST_F(CalchashTest, OnlyTheExactLowerCaseNamesSelectAnAlgorithm) {
  for (const AlgorithmRow& row : kAlgorithms) EXPECT_TRUE(IsAlgorithmName(row.name)) << row.name;
  for (const char* name : {"MD5", "Md5", "md5 ", " md5", "", "sha-1", "SHA1", "ripemd"}) {
    EXPECT_FALSE(IsAlgorithmName(name)) << '"' << name << '"';
    EXPECT_EQ(CreateHashComponent(name, &owner), nullptr) << '"' << name << '"';
  }
  EXPECT_EQ(owner.ComponentCount(), 0u);
}

TEST_F(CalchashTest, NamesSelectTheirClasses) {
  const char* algorithms[] = {"Haval (256bit, 5 passes)",
                              "MD4",
                              "MD5",
                              "RipeMD-128",
                              "RipeMD-160",
                              "SHA1",
                              "SHA256",
                              "SHA384",
                              "SHA512",
                              "Tiger"};
  for (std::size_t i = 0; i < kAlgorithms.size(); ++i) {
    TDCP_hash* hash = CreateHashComponent(kAlgorithms[i].name, &owner);
    ASSERT_NE(hash, nullptr);
    EXPECT_EQ(hash->Algorithm(), algorithms[i]);
    EXPECT_EQ(hash->Owner(), &owner);
  }
}

TEST_F(CalchashTest, UnknownNameReleasesTheFileAndThrowsNamingTheTen) {
  const std::string path = dir.Write("dados.txt", "abc");
  try {
    Calchash(path, "Md5", &owner, &notifier);
    FAIL() << "no exception";
  } catch (const Exception& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find("\"Md5\""), std::string::npos) << message;
    for (const AlgorithmRow& row : kAlgorithms) {
      EXPECT_NE(message.find(std::string(row.name)), std::string::npos) << row.name;
    }
  }
  EXPECT_FALSE(testsupport::IsHeldOpen(path));
  EXPECT_TRUE(notifier.paths.empty());
}

TEST_F(CalchashTest, WithoutOwnerTheComponentGoesAwayAtOnce) {
  const std::string path = dir.Write("dados.txt", "abc");
  // The leak checker of the sanitizer build tells if it stayed.
  EXPECT_EQ(Calchash(path, "sha256", nullptr, nullptr),
            "BA7816BF8F01CFEA414140DE5DAE2223B00361A396177A9CB410FF61F20015AD");
  EXPECT_EQ(Calchash(dir.File("falta"), "sha256", nullptr, nullptr), "");
}

}  // namespace
}  // namespace validador
