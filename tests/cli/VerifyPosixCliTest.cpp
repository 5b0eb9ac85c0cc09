// validador-cli verify with what POSIX systems have: names that differ by letter case (a file
// renamed to another letter case is found under its new name), /proc files and signals.

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <utility>

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

// HASHV.txt renamed to upper case (an 8.3 or ISO copy) is found; `check --manifest` then
// replaces it under that name instead of writing a second manifest beside it.
TEST_F(VerifyPosixCli, TheManifestInAnotherLetterCase) {
  Check("md5");
  std::filesystem::rename(Manifest(), delivery.dir.File("HASHV.TXT"));
  const ProcessResult found = Cli({"verify", Folder()});
  EXPECT_EQ(found.exitCode, 0) << found.err;
  EXPECT_NE(found.out.find("8 OK, 0 ALTERADO"), std::string::npos) << found.out;
  delivery.dir.Write("HASHV.TXT", "antigo");
  const ProcessResult check = Cli({"check", Folder(), "--case", delivery.caso, "--bank", delivery.bank,
                                   "--hash", "md5", "--manifest"});
  EXPECT_EQ(check.exitCode, 0) << check.err;
  EXPECT_FALSE(std::filesystem::exists(Manifest()));
  EXPECT_EQ(ReadAll(delivery.dir.File("HASHV.TXT")).size(), 8u * 34u);
  EXPECT_EQ(Cli({"verify", Folder()}).exitCode, 0);
}

// A second name for one standard file, differing only in letter case, is warned about as
// `check` warns; the exact name is the one verified.
TEST_F(VerifyPosixCli, WarnsOfASecondNameForAFile) {
  Check("md5");
  delivery.dir.Write("a_cadastro_agencias.TXT", "outro conteúdo\r\n");
  const ProcessResult result = Cli({"verify", Folder()});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err,
            "validador-cli: aviso: nomes que só diferem em maiúsculas e minúsculas; verificado: "
            "A_CADASTRO_AGENCIAS.txt; ignorado: a_cadastro_agencias.TXT\n");
  EXPECT_NE(result.out.find("OK A_CADASTRO_AGENCIAS.txt\n"), std::string::npos);
}

// A file that does not hold what the file system says of it (here a /proc file, size 0 but
// bytes there) is named in the log and ends the command, as in `check`.
TEST_F(VerifyPosixCli, AFileChangedWhileReadEndsTheCommand) {
  const std::string procFile = "/proc/version";
  if (!std::filesystem::exists(procFile) || std::filesystem::file_size(procFile) != 0) {
    GTEST_SKIP() << "no /proc file reporting size 0";
  }
  Check("md5");
  std::filesystem::remove(delivery.PathOf(rtA));
  std::filesystem::create_symlink(procFile, delivery.PathOf(rtA));
  const ProcessResult result = Cli({"verify", Folder(), "--hash", "md5"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_NE(result.out.find("Arquivo alterado durante a verificação: A_cadastro_agencia\n"), std::string::npos)
      << result.out;
  EXPECT_EQ(result.out.find("Conferência"), std::string::npos);
  EXPECT_NE(result.err.find("Arquivo alterado durante a verificação"), std::string::npos) << result.err;
}

// SIGINT and SIGTERM stop the reading of a large file within a block: the log says so and
// ends with the closing line; the exit status is the shell's for the signal.
TEST_F(VerifyPosixCli, SignalsInterruptTheReading) {
  Check("md5");
  std::filesystem::resize_file(delivery.PathOf(validador::rtE), std::uintmax_t{8} << 30);  // sparse
  for (const auto& [signal, status] : {std::pair{"INT", 130}, std::pair{"TERM", 143}}) {
    const std::string out = delivery.dir.File("saida.txt");
    const std::string command = "'" + std::string(VALIDADOR_CLI_PATH) + "' verify '" + Folder() +
                                "' --hash md5 > '" + out + "' 2>/dev/null & pid=$!; sleep 1; kill -" + signal +
                                " $pid; wait $pid; exit $?";
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WEXITSTATUS(raw), status) << signal;
    EXPECT_EQ(ReadAll(out),
              "Verificação interrompida pelo usuário\n****              Fim da Verificação              ****\n")
        << signal;
  }
}

}  // namespace
