// validador-cli hash and selftest, run as a user would.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

using testsupport::RunProcess;

const std::string kCli = VALIDADOR_CLI_PATH;
const char* const kAlgorithmList =
    "haval, md4, md5, ripemd128, ripemd160, sha1, sha256, sha384, sha512, tiger";

class HashCommand : public ::testing::Test {
 protected:
  testsupport::TempDir dir;
};

TEST_F(HashCommand, PrintsOneLinePerFileWithMd5ByDefault) {
  const std::string abc = dir.Write("abc.txt", "abc");
  const std::string empty = dir.Write("vazio.txt", "");
  const auto result = RunProcess(kCli, {"hash", abc, empty});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out, "900150983CD24FB0D6963F7D28E17F72  " + abc + "\n" +
                            "D41D8CD98F00B204E9800998ECF8427E  " + empty + "\n");
  EXPECT_EQ(result.err, "");
}

// The published digests of "abcdefghijklmnopqrstuvwxyz" (openssl dgst and rhash
// give the same; HAVAL: the component's self-test value).
struct AlgorithmDigest {
  const char* name;
  const char* digestOfLetters;
};

std::ostream& operator<<(std::ostream& out, const AlgorithmDigest& c) { return out << c.name; }

class HashAlgorithm : public HashCommand, public ::testing::WithParamInterface<AlgorithmDigest> {};

TEST_P(HashAlgorithm, DigestsWithTheNamedAlgorithm) {
  const std::string letters = dir.Write("letras.txt", "abcdefghijklmnopqrstuvwxyz");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"hash", "--hash", GetParam().name, letters},
        std::vector<std::string>{"hash", std::string("--hash=") + GetParam().name, letters}}) {
    const auto result = RunProcess(kCli, args);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_EQ(result.out, std::string(GetParam().digestOfLetters) + "  " + letters + "\n");
  }
}

INSTANTIATE_TEST_SUITE_P(
    EveryAlgorithm, HashAlgorithm,
    ::testing::Values(
        AlgorithmDigest{"haval",
                        "1A1DC8099BDAA7F35B4DA4E805F1A28FEE909D8DEE920198185CBCAED8A10A8D"},
        AlgorithmDigest{"md4", "D79E1C308AA5BBCDEEA8ED63DF412DA9"},
        AlgorithmDigest{"md5", "C3FCD3D76192E4007DFB496CCA67E13B"},
        AlgorithmDigest{"ripemd128", "FD2AA607F71DC8F510714922B371834E"},
        AlgorithmDigest{"ripemd160", "F71C27109C692C1B56BBDCEB5B9D2865B3708DBC"},
        AlgorithmDigest{"sha1", "32D10C7B8CF96570CA04CE37F2A19D84240D3A89"},
        AlgorithmDigest{"sha256",
                        "71C480DF93D6AE2F1EFAD1447C66C9525E316218CF51FC8D9ED832F2DAF18B73"},
        AlgorithmDigest{"sha384",
                        "FEB67349DF3DB6F5924815D6C3DC133F091809213731FE5C7B5F4999E463479F"
                        "F2877F5F2936FA63BB43784B12F3EBB4"},
        AlgorithmDigest{"sha512",
                        "4DBFF86CC2CA1BAE1E16468A05CB9881C97F1753BCE3619034898FAA1AABE429"
                        "955A1BF8EC483D7421FE3C1646613A59ED5441FB0F321389F77F48A879C7B1F1"},
        AlgorithmDigest{"tiger", "1714A472EEE57D30040412BFCC55032A0B11602FF37BEEE9"}));

TEST_F(HashCommand, UnreadableFileGetsNoLineButItsReasonAndExitStatusOne) {
  const std::string abc = dir.Write("abc.txt", "abc");
  const std::string missing = dir.File("falta.txt");
  const auto result = RunProcess(kCli, {"hash", "--hash", "sha1", missing, abc});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "A9993E364706816ABA3E25717850C26C9CD0D89D  " + abc + "\n");
  EXPECT_EQ(result.err, "validador-cli: " + missing + ": File not found.\n");
}

struct UsageCase {
  std::vector<std::string> args;
  const char* problem;
};

std::ostream& operator<<(std::ostream& out, const UsageCase& c) {
  for (const auto& arg : c.args) out << '[' << arg << ']';
  return out;
}

class HashUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(HashUsage, ExitsWith64NamingTheValidAlgorithms) {
  const auto result = RunProcess(kCli, GetParam().args);
  EXPECT_EQ(result.exitCode, 64);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find(GetParam().problem), std::string::npos) << result.err;
  EXPECT_NE(result.err.find(kAlgorithmList), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Errors, HashUsage,
    ::testing::Values(UsageCase{{"hash", "--fast", "x"}, "opção desconhecida: --fast"},
                      UsageCase{{"hash", "--hash", "MD5", "x"}, "algoritmo desconhecido: MD5"},
                      UsageCase{{"hash", "--hash", "md5 ", "x"}, "algoritmo desconhecido: md5 "},
                      UsageCase{{"hash"}, "falta o arquivo"},
                      UsageCase{{"hash", "--hash", "sha1"}, "falta o arquivo"},
                      UsageCase{{"hash", "x", "--hash"}, "falta o valor de --hash"}));

TEST(HashHelp, PrintsTheUsageOfHash) {
  const auto result = RunProcess(kCli, {"hash", "--help"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_NE(result.out.find("validador-cli hash [--hash NOME] ARQUIVO..."), std::string::npos);
}

TEST(Selftest, EveryComponentPasses) {
  const auto result = RunProcess(kCli, {"selftest"});
  EXPECT_EQ(result.exitCode, 0);
  EXPECT_EQ(result.out,
            "Haval (256bit, 5 passes) ok\nMD4 ok\nMD5 ok\nRipeMD-128 ok\nRipeMD-160 ok\n"
            "SHA1 ok\nSHA256 ok\nSHA384 ok\nSHA512 ok\nTiger ok\n");
}

TEST(Selftest, RejectsArguments) {
  const auto result = RunProcess(kCli, {"selftest", "md5"});
  EXPECT_EQ(result.exitCode, 64);
  EXPECT_NE(result.err.find("argumento inesperado: md5"), std::string::npos);
}

}  // namespace
