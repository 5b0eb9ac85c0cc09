// validador-cli verify on a file system where names differ by letter case, as POSIX
// systems have them: a file renamed to another letter case is found under its new name.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/Delivery.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

using testsupport::ProcessResult;
using testsupport::ReadAll;
using validador::rtA;

ProcessResult Cli(const std::vector<std::string>& args) {
  return testsupport::RunProcess(VALIDADOR_CLI_PATH, args);
}

class VerifyPosixCli : public ::testing::Test {
 protected:
  std::string Folder() const { return delivery.dir.Path().string(); }
  std::string Manifest() const { return delivery.dir.File("HASHV.txt"); }

  void Check(const std::string& algorithm) {
    const ProcessResult result = Cli({"check", Folder(), "--case", delivery.caso, "--bank",
                                      delivery.bank, "--hash", algorithm, "--manifest"});
    ASSERT_EQ(result.exitCode, 0) << result.err;
  }

  testsupport::Delivery delivery;
};

TEST_F(VerifyPosixCli, NamesInAnotherLetterCaseAndLineFeedsAlone) {
  Check("tiger");
  std::filesystem::rename(delivery.PathOf(rtA), delivery.dir.File("a_cadastro_agencias.TXT"));
  std::string manifest = ReadAll(Manifest());
  std::string lineFeeds;
  for (const char c : manifest) {
    if (c != '\r') lineFeeds += c;
  }
  lineFeeds.pop_back();  // and no end to the last line
  delivery.dir.Write("HASHV.txt", lineFeeds);
  const ProcessResult result = Cli({"verify", Folder()});
  EXPECT_EQ(result.exitCode, 0) << result.out;
  EXPECT_NE(result.out.find("OK a_cadastro_agencias.TXT\n"), std::string::npos);
}

}  // namespace
