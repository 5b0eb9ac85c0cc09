// What validador-cli says on stderr: every line starts with the program's name, and an
// error names what is wrong (the file and the box of a declared count that is no number).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Delivery.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"
#include "support/TextLines.h"

namespace {

using testsupport::Delivery;
using testsupport::ProcessResult;
using testsupport::RunProcess;

ProcessResult Cli(const std::vector<std::string>& args) { return RunProcess(VALIDADOR_CLI_PATH, args); }

// "{dir}" in an argument stands for the delivery's folder.
std::vector<std::string> WithFolder(std::vector<std::string> args, const std::string& folder) {
  for (std::string& arg : args) {
    if (arg == "{dir}") arg = folder;
  }
  return args;
}

struct StderrCase {
  const char* name;
  std::vector<std::string> args;
  const char* manifest;  // HASHV.txt written first when not null
  const char* countOfA;  // the header's declared count of A when not null
  int exitCode;
};

class StderrLines : public ::testing::TestWithParam<StderrCase> {};

TEST_P(StderrLines, EachStartsWithTheProgramName) {
  Delivery delivery;
  const StderrCase& c = GetParam();
  if (c.manifest != nullptr) delivery.dir.Write("HASHV.txt", c.manifest);
  if (c.countOfA != nullptr) {
    delivery.counts[validador::rtA] = c.countOfA;
    delivery.WriteHeader();
  }
  const ProcessResult result = Cli(WithFolder(c.args, delivery.dir.Path().string()));
  EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
  const std::vector<std::string> lines = testsupport::LinesOf(result.err);
  ASSERT_FALSE(lines.empty());
  for (const std::string& line : lines) {
    EXPECT_TRUE(line.starts_with("validador-cli: ")) << line;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StderrLines,
    ::testing::Values(
        StderrCase{"EmptyCase", {"check", "{dir}", "--case", "", "--bank", "001"}, nullptr, nullptr, 64},
        StderrCase{"EmptyBank", {"check-file", "{dir}/x.txt", "--bank", ""}, nullptr, nullptr, 64},
        StderrCase{"UnknownOption", {"check", "{dir}", "--rapido"}, nullptr, nullptr, 64},
        StderrCase{"ConversionError", {"check", "{dir}", "--case", "2024.001", "--bank", "001"}, nullptr,
                   "3a", 2},
        StderrCase{"HashOfNoName", {"hash", ""}, nullptr, nullptr, 1},
        StderrCase{"ManifestLineNoDigest", {"verify", "{dir}"}, "isto n\xC3\xA3o \xC3\xA9 um hash\r\n", nullptr,
                   2},
        StderrCase{"MissingFolder", {"verify", "{dir}/falta"}, nullptr, nullptr, 64}),
    [](const auto& info) { return std::string(info.param.name); });

struct CountCase {
  const char* name;
  validador::RecordTypeIndex type;
  char letter;
  const char* value;
};

class ConversionError : public ::testing::TestWithParam<CountCase> {};

// The system's own text, unchanged, after the file and the box it fills.
TEST_P(ConversionError, NamesTheFileAndTheDeclaredCount) {
  Delivery delivery;
  delivery.counts[GetParam().type] = GetParam().value;
  delivery.WriteHeader();
  for (const bool singleFile : {false, true}) {
    const ProcessResult result =
        singleFile ? Cli({"check-file", delivery.PathOf(validador::rtI), "--bank", delivery.bank})
                   : Cli({"check", delivery.dir.Path().string(), "--case", delivery.caso, "--bank",
                          delivery.bank});
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.err, std::string("validador-cli: I_IDENTIFICA_DADOS.txt, quantidade declarada de ") +
                              GetParam().letter + ": '" + GetParam().value +
                              "' is not a valid integer value.\n");
  }
}

INSTANTIATE_TEST_SUITE_P(Counts, ConversionError,
                         ::testing::Values(CountCase{"A", validador::rtA, 'A', "x"},
                                           CountCase{"E", validador::rtE, 'E', "3a"},
                                           CountCase{"I", validador::rtI, 'I', "1 "},
                                           CountCase{"Y", validador::rtY, 'Y', "9999999999999999999"}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
