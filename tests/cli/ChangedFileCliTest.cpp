// A file that does not hold what the file system says of it while it is checked is an
// error naming its table, never a success: here a standard name linked to a file under
// /proc, whose size is reported as 0 though it has bytes.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/Delivery.h"
#include "support/RunProcess.h"

namespace {

using testsupport::Delivery;
using testsupport::ProcessResult;
using validador::rtA;

const std::string kProcFile = "/proc/version";
const std::string kBanner = "ERRO!" + std::string(80, '*');
const std::string kAsterisks(87, '*');

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return lines;
}

class ChangedFileCli : public ::testing::TestWithParam<bool> {
 protected:
  void SetUp() override {
    if (!std::filesystem::exists(kProcFile) || std::filesystem::file_size(kProcFile) != 0) {
      GTEST_SKIP() << "no /proc file reporting size 0";
    }
    std::filesystem::remove(delivery.PathOf(rtA));
    std::filesystem::create_symlink(kProcFile, delivery.PathOf(rtA));
  }

  Delivery delivery;
};

TEST_P(ChangedFileCli, IsAnErrorBlockAndTheCommandEnds) {
  const bool wholeFolder = GetParam();
  std::vector<std::string> args;
  if (wholeFolder) {
    args = {"check", delivery.dir.Path().string(), "--case", delivery.caso};
  } else {
    args = {"check-file", delivery.PathOf(rtA)};
  }
  args.insert(args.end(), {"--bank", delivery.bank});
  const ProcessResult result = testsupport::RunProcess(VALIDADOR_CLI_PATH, args, "", 60);

  EXPECT_EQ(result.exitCode, 2);
  EXPECT_NE(result.err.find("Arquivo alterado durante a verificação"), std::string::npos)
      << result.err;
  const std::vector<std::string> expectedEnd = {
      kBanner, "Arquivo alterado durante a verificação: A_cadastro_agencia", kAsterisks};
  const std::vector<std::string> lines = Lines(result.out);
  ASSERT_GE(lines.size(), expectedEnd.size()) << result.out;
  EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()), expectedEnd) << result.out;
  // Only the identification file comes before it in a whole folder; nothing after it.
  EXPECT_EQ(lines.size(), wholeFolder ? 6u : 3u) << result.out;
  for (const std::string& line : lines) EXPECT_FALSE(line.starts_with("Carga efetuada com sucesso: A_"));
}

INSTANTIATE_TEST_SUITE_P(Commands, ChangedFileCli, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Check" : "CheckFile"; });

}  // namespace
