// The outputs of a check are checked before anything is read or written: the folders of
// --errors, --report and the manifest must exist and take a new file. A failure is a wrong
// use (64) and nothing is checked or written.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/Delivery.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

using testsupport::Delivery;
using testsupport::ProcessResult;
using testsupport::RunProcess;

ProcessResult Cli(const std::vector<std::string>& args) { return RunProcess(VALIDADOR_CLI_PATH, args); }

struct OutputCase {
  const char* name;
  std::vector<std::string> extra;  // "{file}" stands for a plain file, "{dir}" for the delivery
  const char* message;
};

class OutputsFirst : public ::testing::TestWithParam<OutputCase> {};

TEST_P(OutputsFirst, AreRefusedBeforeTheCheck) {
  Delivery delivery;
  const std::string folder = delivery.dir.Path().string();
  const testsupport::TempDir other;
  const std::string file = other.Write("arquivo", "x");
  std::vector<std::string> args = {"check", folder, "--case", delivery.caso, "--bank", delivery.bank};
  for (std::string arg : GetParam().extra) {
    for (const auto& [mark, value] : {std::pair<std::string, std::string>{"{file}", file}, {"{dir}", folder}}) {
      if (const auto at = arg.find(mark); at != std::string::npos) arg.replace(at, mark.size(), value);
    }
    args.push_back(arg);
  }
  const ProcessResult result = Cli(args);
  EXPECT_EQ(result.exitCode, 64);
  EXPECT_EQ(result.out, "");  // nothing was checked
  EXPECT_TRUE(result.err.starts_with(std::string("validador-cli: ") + GetParam().message)) << result.err;
  EXPECT_FALSE(std::filesystem::exists(delivery.dir.File("HASHV.txt")));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(other.Path()), {}), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, OutputsFirst,
    ::testing::Values(
#ifndef _WIN32
        OutputCase{"ListingInAMissingFolder", {"--manifest", "--errors", "/nao/existe/erros.csv"},
                   "--errors: não é possível gravar na pasta /nao/existe: File not found."},
#else
        // Windows names the folder with its own separators and its own error for it.
        OutputCase{"ListingInAMissingFolder", {"--manifest", "--errors", "/nao/existe/erros.csv"},
                   "--errors: não é possível gravar na pasta "},
#endif
        OutputCase{"ListingUnderAFile", {"--manifest", "--errors", "{file}/erros.csv"},
                   "--errors: não é possível gravar na pasta "},
#ifdef VALIDADOR_HAS_REPORT
        OutputCase{"ReportInAMissingFolder", {"--report", "/nao/existe/r.pdf"},
                   "--report: não é possível gravar na pasta /nao/existe: File not found."},
#endif
#ifndef _WIN32
        // Not even root may create a file in /proc.
        OutputCase{"ListingInAFolderThatTakesNoFile", {"--manifest", "--errors", "/proc/erros.jsonl"},
                   "--errors: não é possível gravar na pasta /proc: "},
#endif
        OutputCase{"ListingInAMissingSubfolder", {"--errors", "{dir}/../nao/e.csv", "--manifest"},
                   "--errors: não é possível gravar na pasta "}),
    [](const auto& info) { return std::string(info.param.name); });

#ifndef _WIN32
// The manifest's folder is the chosen one: a folder that takes no file (/proc, even for
// root) is refused before its files are read.
TEST(OutputsFirstManifest, AFolderThatTakesNoFileIsRefusedBeforeItIsRead) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"check", "/proc", "--case", "1", "--bank", "001", "--manifest"},
        std::vector<std::string>{"check-file", "/proc/self/status", "--bank", "001", "--folder", "/proc",
                                 "--manifest"}}) {
    const ProcessResult result = Cli(args);
    EXPECT_EQ(result.exitCode, 64);
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(result.err.starts_with("validador-cli: HASHV.txt: não é possível gravar na pasta /proc: "))
        << result.err;
  }
}
#endif

}  // namespace
