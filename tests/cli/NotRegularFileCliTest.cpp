// A standard name that holds something other than a regular file (a FIFO, a folder, a
// link to nothing) is a file that is not there, for `check` and `check-file` alike: it is
// never opened, so a FIFO never makes the command wait.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "support/Delivery.h"
#include "support/RunProcess.h"

namespace {

using testsupport::Delivery;
using testsupport::ProcessResult;
using validador::RecordTypeIndex;
using validador::rtA;
using validador::rtI;

const std::string kClosing = "****              Fim da Verificação              ****";
// Long enough for a check of a small delivery under the sanitizers; a hang ends here.
constexpr unsigned kTimeoutSeconds = 60;

enum class Kind { Fifo, Folder, DanglingLink };

enum class Command {
  CheckWithoutI,      // check: the identification file is the odd one
  CheckWithoutA,      // check: a data file is the odd one
  CheckFileA,         // check-file on the odd data file
  CheckFileI,         // check-file on the odd identification file
};

const char* KindName(Kind kind) {
  switch (kind) {
    case Kind::Fifo:
      return "Fifo";
    case Kind::Folder:
      return "Folder";
    case Kind::DanglingLink:
      return "DanglingLink";
  }
  return "";
}

const char* CommandName(Command command) {
  switch (command) {
    case Command::CheckWithoutI:
      return "CheckWithoutI";
    case Command::CheckWithoutA:
      return "CheckWithoutA";
    case Command::CheckFileA:
      return "CheckFileA";
    case Command::CheckFileI:
      return "CheckFileI";
  }
  return "";
}

RecordTypeIndex OddType(Command command) {
  return command == Command::CheckWithoutI || command == Command::CheckFileI ? rtI : rtA;
}

// Puts something of `kind` where the file is.
void ReplaceByKind(const std::string& path, Kind kind) {
  std::filesystem::remove(path);
  switch (kind) {
    case Kind::Fifo:
      ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0);
      break;
    case Kind::Folder:
      std::filesystem::create_directory(path);
      break;
    case Kind::DanglingLink:
      std::filesystem::create_symlink(path + ".gone", path);
      break;
  }
}

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

class NotRegularFile : public ::testing::TestWithParam<std::tuple<Kind, Command>> {
 protected:
  ProcessResult Run(Command command) const {
    std::vector<std::string> args;
    if (command == Command::CheckWithoutI || command == Command::CheckWithoutA) {
      args = {"check", delivery.dir.Path().string(), "--case", delivery.caso};
    } else {
      args = {"check-file", delivery.PathOf(OddType(command))};
    }
    args.insert(args.end(), {"--bank", delivery.bank});
    return testsupport::RunProcess(VALIDADOR_CLI_PATH, args, "", kTimeoutSeconds);
  }

  Delivery delivery;
};

TEST_P(NotRegularFile, IsReportedAsNotThereWithoutWaiting) {
  const auto [kind, command] = GetParam();
  const RecordTypeIndex type = OddType(command);
  ReplaceByKind(delivery.PathOf(type), kind);

  const ProcessResult result = Run(command);

  ASSERT_NE(result.exitCode, 128 + SIGALRM) << "the command hung";
  if (command == Command::CheckFileI) {
    // "Abre Arquivo" runs only the header check on an identification file, and a missing
    // one is an input/output error that ends the command.
    EXPECT_EQ(result.exitCode, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_NE(result.err.find("File not found"), std::string::npos) << result.err;
    return;
  }
  const std::string tabela(validador::LayoutCatalogue::Instance().NomeTabela(type));
  const std::vector<std::string> lines = Lines(result.out);
  EXPECT_EQ(result.exitCode, 1) << result.err;
  EXPECT_EQ(result.err, "");
  ASSERT_GE(lines.size(), 3u) << result.out;
  EXPECT_EQ(lines.back(), kClosing);
  const std::vector<std::string> missing = {
      "Arquivo: " + tabela + " não existe na pasta selecionada!", ""};
  if (command == Command::CheckWithoutA) {
    // The other files are checked as usual; the odd one's block stands in its place.
    const auto at = std::find(lines.begin(), lines.end(), missing[0]);
    ASSERT_NE(at, lines.end()) << result.out;
    EXPECT_EQ(*(at + 1), "");
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) {
                              return line.starts_with("Carga efetuada com sucesso: ");
                            }),
              7);
  } else {
    EXPECT_EQ(lines, (std::vector<std::string>{missing[0], missing[1], kClosing}));
  }
}

INSTANTIATE_TEST_SUITE_P(
    KindsAndCommands, NotRegularFile,
    ::testing::Combine(::testing::Values(Kind::Fifo, Kind::Folder, Kind::DanglingLink),
                       ::testing::Values(Command::CheckWithoutI, Command::CheckWithoutA,
                                         Command::CheckFileA, Command::CheckFileI)),
    [](const auto& info) {
      return std::string(KindName(std::get<0>(info.param))) + "_" +
             CommandName(std::get<1>(info.param));
    });

}  // namespace
