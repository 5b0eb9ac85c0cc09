// `hash` reads a file to its end, whatever size the file system reports for it: a file
// under /proc, reported as empty, gets the digest of the bytes it holds.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "hash/Calchash.h"
#include "support/RunProcess.h"

namespace {

TEST(WholeFileDigestCli, FileReportedEmptyIsDigestedToItsEnd) {
  const std::string path = "/proc/self/cmdline";
  if (!std::filesystem::exists(path) || std::filesystem::file_size(path) != 0) {
    GTEST_SKIP() << "no /proc/self/cmdline reporting size 0";
  }
  const std::vector<std::string> args = {"hash", "--hash", "sha1", path};
  const testsupport::ProcessResult result = testsupport::RunProcess(VALIDADOR_CLI_PATH, args);

  // The program's own command line, each argument ended by a byte 0.
  std::string cmdline = std::string(VALIDADOR_CLI_PATH) + '\0';
  for (const std::string& arg : args) cmdline += arg + '\0';
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, validador::DigestOfBytes(cmdline, "sha1") + "  " + path + "\n");
  EXPECT_NE(result.out.substr(0, 40), validador::DigestOfBytes("", "sha1"));
}

}  // namespace
