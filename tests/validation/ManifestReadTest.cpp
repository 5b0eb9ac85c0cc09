// Reading HASHV.txt back: what the program writes is taken, line ends as other programs may
// leave them too; anything else is refused, naming the line, without holding the file.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/Cp1252.h"
#include "base/Errors.h"
#include "support/TempDir.h"
#include "validation/manifest/Manifesto.h"

namespace {

const std::string kMd5 = "D41D8CD98F00B204E9800998ECF8427E";
const std::string kSha1 = "DA39A3EE5E6B4B0D3255BFEF95601890AFD80709";

std::string Repeated(const std::string& line, int times, const std::string& end = "\r\n") {
  std::string text;
  for (int i = 0; i < times; ++i) text += line + end;
  return text;
}

struct ReadCase {
  const char* name;
  std::string content;
  std::vector<std::string> lines;  // expected, when it is taken
  std::string error;               // expected error's text; empty when it is taken
};

class ManifestRead : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ManifestRead, TakesWhatTheProgramWritesOnly) {
  testsupport::TempDir dir;
  const std::string path = dir.Write("HASHV.txt", GetParam().content);
  if (GetParam().error.empty()) {
    EXPECT_EQ(validador::LeManifesto(path), GetParam().lines);
    return;
  }
  try {
    validador::LeManifesto(path);
    ADD_FAILURE() << "taken";
  } catch (const validador::Exception& error) {
    EXPECT_EQ(validador::Cp1252ToUtf8(error.Message()), GetParam().error);
  }
}

const std::string kLowerMd5 = "d41d8cd98f00b204e9800998ecf8427e";

INSTANTIATE_TEST_SUITE_P(
    Manifests, ManifestRead,
    ::testing::Values(
        ReadCase{"CrLf", Repeated(kMd5, 8), std::vector<std::string>(8, kMd5), ""},
        ReadCase{"Empty", "", {}, ""},
        ReadCase{"LineFeedsAloneNoLastEnd", kMd5 + "\n" + kLowerMd5, {kMd5, kLowerMd5}, ""},
        ReadCase{"BlankLinesAtTheEnd", Repeated(kMd5, 2) + "\r\n \r\n\t\r\n\r\n", {kMd5, kMd5}, ""},
        ReadCase{"BlankLinesAfterEight", Repeated(kMd5, 8) + Repeated("", 5), std::vector<std::string>(8, kMd5),
                 ""},
        ReadCase{"OnlyBlankLines", "\r\n\r\n", {}, ""},
        ReadCase{"BlankLineInTheMiddle", kMd5 + "\r\n\r\n" + kMd5 + "\r\n", {}, "HASHV.txt, linha 2: não é um hash: \"\""},
        ReadCase{"BlanksAround", " " + kMd5 + "\r\n", {}, "HASHV.txt, linha 1: não é um hash: \" " + kMd5 + "\""},
        ReadCase{"NotHexadecimal", kMd5 + "\r\nG" + kMd5.substr(1) + "\r\n", {},
                 "HASHV.txt, linha 2: não é um hash: \"G" + kMd5.substr(1) + "\""},
        ReadCase{"NoAlgorithmsLength", kMd5.substr(1) + "\r\n", {},
                 "HASHV.txt, linha 1: não é um hash: \"" + kMd5.substr(1) + "\""},
        ReadCase{"TwoLengths", kMd5 + "\r\n" + kMd5 + "\r\n" + kSha1 + "\r\n", {},
                 "HASHV.txt, linha 3: hash de 40 caracteres, a linha 1 tem 32"},
        ReadCase{"NineLines", Repeated(kMd5, 9), {},
                 "HASHV.txt, linha 9: mais linhas que os 8 arquivos da entrega; o arquivo não foi gravado pelo "
                 "Validador"},
        ReadCase{"LongerThanAnyDigest", kMd5 + "\r\n" + std::string(129, 'A') + "\r\n", {},
                 "HASHV.txt, linha 2: não é um hash (mais de 128 caracteres)"},
        // A line of megabytes with no end is refused at its start.
        ReadCase{"HugeLineWithNoEnd", std::string(4 << 20, 'A'), {},
                 "HASHV.txt, linha 1: não é um hash (mais de 128 caracteres)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ManifestRead, AFileThatIsNotThereIsAnInputOutputError) {
  testsupport::TempDir dir;
  EXPECT_THROW(validador::LeManifesto(dir.File("HASHV.txt")), validador::EInOutError);
}

#ifndef _WIN32
// (Windows names ignore letter case: there the exact name always finds the file.)
TEST(ManifestFind, TakesTheNameInAnyLetterCaseTheExactOneFirst) {
  testsupport::TempDir dir;
  EXPECT_EQ(validador::FindManifest(dir.Path().string()).path, dir.File("HASHV.txt"));
  dir.Write("hashv.TXT", kMd5);
  const validador::StandardFileChoice lower = validador::FindManifest(dir.Path().string());
  EXPECT_EQ(lower.path, dir.File("hashv.TXT"));
  EXPECT_TRUE(lower.ignored.empty());
}
#endif

}  // namespace
