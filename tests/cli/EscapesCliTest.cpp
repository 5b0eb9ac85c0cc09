// Names and arguments that hold line breaks or terminal controls never reach the output
// raw: `hash` escapes a name as md5sum does, usage errors and the progress line escape
// controls as the other errors do. POSIX only: such names and a pseudo-terminal.

#include <gtest/gtest.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "support/Delivery.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

using testsupport::ProcessResult;
using testsupport::RunProcess;
using testsupport::TempDir;

const std::string kCli = VALIDADOR_CLI_PATH;
const std::string kMd5OfAbc = "900150983CD24FB0D6963F7D28E17F72";

// ---- hash: one line a file, whatever its name ----

struct HashNameCase {
  const char* name;
  std::string fileName;
  std::string shown;   // the name as the line gives it
  bool escaped;        // the line starts with a backslash
};

std::ostream& operator<<(std::ostream& out, const HashNameCase& c) { return out << c.name; }

class HashName : public ::testing::TestWithParam<HashNameCase> {};

TEST_P(HashName, IsWrittenAsMd5sumWritesIt) {
  const HashNameCase& c = GetParam();
  TempDir dir;
  const std::string path = dir.Write(c.fileName, "abc");
  const std::string folder = dir.Path().string();
  const ProcessResult result = RunProcess(kCli, {"hash", path});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, (c.escaped ? "\\" : "") + kMd5OfAbc + "  " + folder + "/" + c.shown + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Names, HashName,
    ::testing::Values(HashNameCase{"Plain", "abc.txt", "abc.txt", false},
                      // A line feed would otherwise forge a second digest line.
                      HashNameCase{"LineFeed", "a\n" + kMd5OfAbc + "  b.txt", "a\\n" + kMd5OfAbc + "  b.txt", true},
                      HashNameCase{"CarriageReturn", "a\rb.txt", "a\\rb.txt", true},
                      HashNameCase{"Backslash", "a\\nb.txt", "a\\\\nb.txt", true},
                      HashNameCase{"Both", "x\\\n", "x\\\\\\n", true},
                      // Other controls are the terminal's business, as with md5sum.
                      HashNameCase{"Tab", "a\tb.txt", "a\tb.txt", false}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- usage errors quote arguments with their controls escaped ----

struct UsageEscapeCase {
  const char* name;
  std::vector<std::string> args;
  std::string firstLine;  // stderr's first line
};

std::ostream& operator<<(std::ostream& out, const UsageEscapeCase& c) { return out << c.name; }

class UsageEscape : public ::testing::TestWithParam<UsageEscapeCase> {};

TEST_P(UsageEscape, ShowsTheArgumentEscaped) {
  const ProcessResult result = RunProcess(kCli, GetParam().args);
  EXPECT_EQ(result.exitCode, 64);
  EXPECT_EQ(result.err.substr(0, result.err.find('\n')), GetParam().firstLine) << result.err;
  EXPECT_EQ(result.err.find('\x1b'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, UsageEscape,
    ::testing::Values(
        UsageEscapeCase{"Algorithm", {"hash", "--hash", "x\x1b[2J", "f"},
                        "validador-cli: algoritmo desconhecido: x\\x1B[2J"},
        UsageEscapeCase{"CheckAlgorithm",
                        {"check", ".", "--case", "1", "--bank", "001", "--hash", "\x1b]0;t\x07"},
                        "validador-cli: algoritmo desconhecido: \\x1B]0;t\\x07 (válidos: haval, md4, "
                        "md5, ripemd128, ripemd160, sha1, sha256, sha384, sha512, tiger)"},
        UsageEscapeCase{"Command", {"x\ry"}, "validador-cli: comando desconhecido: x\\ry"},
        UsageEscapeCase{"ListingName",
                        {"check", ".", "--case", "1", "--bank", "001", "--errors", "e\x1b[1m.txt"},
                        "validador-cli: --errors pede um arquivo .csv, .jsonl ou .xlsx: e\\x1B[1m.txt"},
        UsageEscapeCase{"C1Control", {"check", ".", "--case", "1", "--bank", "001", "--max-errors", "\xc2\x9b" "5", "--errors", "e.csv"},
                        "validador-cli: --max-errors pede um número inteiro de 0 em diante: \\u009B5"}),
    [](const auto& info) { return std::string(info.param.name); });

// The algorithm note after a usage error of `hash` keeps its own line break.
TEST(UsageEscape, TheProgramsOwnNoteKeepsItsLines) {
  const ProcessResult result = RunProcess(kCli, {"hash", "--hash", "x"});
  EXPECT_EQ(result.exitCode, 64);
  EXPECT_NE(result.err.find("algoritmo desconhecido: x\nAlgoritmos: haval,"), std::string::npos)
      << result.err;
}

// ---- the progress line of check-file, on a terminal ----

// Runs the program with a pseudo-terminal as stdin, stdout and stderr; everything it
// wrote there.
std::string RunOnATerminal(const std::vector<std::string>& args) {
  int terminal = -1;
  const pid_t child = ::forkpty(&terminal, nullptr, nullptr, nullptr);
  if (child == 0) {
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(kCli.c_str()));
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(kCli.c_str(), argv.data());
    ::_exit(127);
  }
  std::string seen;
  char buffer[4096];
  for (;;) {
    const ssize_t got = ::read(terminal, buffer, sizeof buffer);
    if (got > 0) {
      seen.append(buffer, static_cast<std::size_t>(got));
    } else if (got < 0 && errno == EINTR) {
      continue;
    } else {
      break;  // EIO once the program has ended
    }
  }
  ::close(terminal);
  int status = 0;
  ::waitpid(child, &status, 0);
  return seen;
}

TEST(ProgressLine, ShowsTheChosenNameEscaped) {
  testsupport::Delivery delivery;
  const std::string name = "\x1b[2J" "E_EXTRATO_BANCARIO.txt";
  const std::string chosen = delivery.dir.Write(name, testsupport::ReadAll(delivery.PathOf(validador::rtE)));
  const std::string seen = RunOnATerminal({"check-file", chosen, "--bank", delivery.bank});
  EXPECT_NE(seen.find("\r\x1b[K\\x1B[2JE_EXTRATO_BANCARIO.txt 100%"), std::string::npos) << seen;
  EXPECT_EQ(seen.find("\x1b[2J"), std::string::npos) << seen;
}

}  // namespace
