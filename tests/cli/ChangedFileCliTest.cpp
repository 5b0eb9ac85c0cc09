// A file under /proc, whose size is reported as 0 though it has bytes, linked to a
// standard name: it is read to its end and judged like any other file, not taken for a
// file that changed while it was checked.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "support/Delivery.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

using testsupport::LinesOf;

using testsupport::Delivery;
using testsupport::ProcessResult;
using validador::rtA;

const std::string kProcFile = "/proc/version";

class ChangedFileCli : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kProcFile) || std::filesystem::file_size(kProcFile) != 0) {
      GTEST_SKIP() << "no /proc file reporting size 0";
    }
    std::filesystem::remove(delivery.PathOf(rtA));
    std::filesystem::create_symlink(kProcFile, delivery.PathOf(rtA));
  }

  // The lines of a file as the check counts them: its line feeds, and a last line
  // without one.
  static std::size_t LinesIn(const std::string& path) {
    const std::string bytes = testsupport::ReadAll(path);
    std::size_t count = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    return count + (!bytes.empty() && bytes.back() != '\n' ? 1 : 0);
  }

  Delivery delivery;
  testsupport::TempDir errors;
};

TEST_P(ChangedFileCli, IsReadToItsEndAndJudged) {
  const bool wholeFolder = GetParam();
  std::vector<std::string> args;
  if (wholeFolder) {
    args = {"check", delivery.dir.Path().string(), "--case", delivery.caso};
  } else {
    args = {"check-file", delivery.PathOf(rtA)};
  }
  args.insert(args.end(), {"--bank", delivery.bank, "--errors", errors.File("erros.jsonl")});
  const ProcessResult result = testsupport::RunProcess(VALIDADOR_CLI_PATH, args, "", 60);

  // Its text is no agency line: the log has error lines, and the command runs to its end.
  EXPECT_EQ(result.exitCode, 1) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(result.out.find("alterado"), std::string::npos) << result.out;
  const std::vector<std::string> lines = LinesOf(result.out);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back(), "****              Fim da Verificação              ****");
  // The listing counts the file's lines: every one was read.
  const std::string listing = testsupport::ReadAll(errors.File("erros.jsonl"));
  EXPECT_NE(listing.find("{\"arquivo\":\"A_CADASTRO_AGENCIAS.txt\",\"linha\":null,\"regra\":\"resumo\","
                         "\"coluna\":null,\"campo\":null,\"mensagem\":null,\"valor\":null,\"linhas\":" +
                         std::to_string(LinesIn(kProcFile))),
            std::string::npos)
      << listing;
}

INSTANTIATE_TEST_SUITE_P(Commands, ChangedFileCli, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Check" : "CheckFile"; });

}  // namespace
