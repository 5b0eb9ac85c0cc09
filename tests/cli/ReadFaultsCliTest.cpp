// validador-cli when a file cannot be read, and how errors are shown: the file and the
// reason, the system's own text kept whole, control characters escaped.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/Delivery.h"
#include "support/RunProcess.h"

namespace {

using testsupport::Delivery;
using testsupport::ProcessResult;
using testsupport::ReadAll;
using testsupport::RunProcess;
using testsupport::TempDir;

ProcessResult Cli(const std::vector<std::string>& args) {
  return RunProcess(VALIDADOR_CLI_PATH, args);
}

// Regular files that even the superuser cannot read: the open is refused, or the read fails.
struct UnreadableCase {
  const char* name;
  const char* target;  // a link to it takes the place of a file
  const char* reason;
};

std::ostream& operator<<(std::ostream& out, const UnreadableCase& c) { return out << c.name; }

const auto kUnreadable = ::testing::Values(
    UnreadableCase{"OpenRefused", "/proc/sys/vm/drop_caches", "File access denied"},
    UnreadableCase{"ReadFails", "/proc/self/mem", "I/O error 5"});

void SkipWithoutTarget(const UnreadableCase& c) {
  if (!std::filesystem::is_regular_file(c.target)) GTEST_SKIP() << c.target << " is not here";
}

class UnreadableFile : public ::testing::TestWithParam<UnreadableCase> {
 protected:
  Delivery delivery;
};

// `hash` gives no line for a file it cannot read, tells why, and goes on with the rest.
TEST_P(UnreadableFile, HashGivesNoLineForItAndSaysWhy) {
  SkipWithoutTarget(GetParam());
  const std::string link = delivery.dir.File("ilegivel.txt");
  std::filesystem::create_symlink(GetParam().target, link);
  const std::string abc = delivery.dir.Write("abc.txt", "abc");
  const ProcessResult result = Cli({"hash", link, abc});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "900150983CD24FB0D6963F7D28E17F72  " + abc + "\n");
  EXPECT_EQ(result.err, "validador-cli: " + link + ": " + GetParam().reason + ".\n");
}

// A standard file that cannot be read ends the check: no manifest with an empty line
// for it is written, and the one there stays as it was.
TEST_P(UnreadableFile, CheckEndsWithoutWritingTheManifest) {
  SkipWithoutTarget(GetParam());
  const std::string fileA = delivery.PathOf(validador::rtA);
  std::filesystem::remove(fileA);
  std::filesystem::create_symlink(GetParam().target, fileA);
  const std::string oldManifest = delivery.dir.Write("HASHV.txt", "OLD\r\n");
  const ProcessResult result = Cli({"check", delivery.dir.Path().string(), "--case", delivery.caso,
                                    "--bank", delivery.bank, "--manifest"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.err, "validador-cli: " + fileA + ": " + GetParam().reason + ".\n");
  EXPECT_EQ(ReadAll(oldManifest), "OLD\r\n");
}

INSTANTIATE_TEST_SUITE_P(Kinds, UnreadableFile, kUnreadable,
                         [](const auto& info) { return std::string(info.param.name); });

// Other files `hash` cannot read, by what stands at the path.
struct HashPathCase {
  const char* name;
  const char* file;  // inside the folder
  const char* reason;
};

std::ostream& operator<<(std::ostream& out, const HashPathCase& c) { return out << c.name; }

class HashUnreadablePath : public ::testing::TestWithParam<HashPathCase> {};

TEST_P(HashUnreadablePath, SaysWhyOnStderrOnly) {
  TempDir dir;
  std::filesystem::create_directory(dir.File("pasta"));
  dir.Write("arquivo", "x");
  const std::string path = dir.File(GetParam().file);
  const ProcessResult result = Cli({"hash", "--hash", "sha1", path});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "");
  EXPECT_EQ(result.err, "validador-cli: " + path + ": " + GetParam().reason + ".\n");
}

INSTANTIATE_TEST_SUITE_P(
    Paths, HashUnreadablePath,
    ::testing::Values(HashPathCase{"Missing", "falta.txt", "File not found"},
                      HashPathCase{"UnderAFile", "arquivo/x.txt", "File not found"},
                      HashPathCase{"Folder", "pasta", "File access denied"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HashUnreadable, RelativePathIsNamedAsGiven) {
  const ProcessResult result = Cli({"hash", "nao-existe-aqui.txt"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "validador-cli: nao-existe-aqui.txt: File not found.\n");
}

// ---- how an error that ends a command is shown ----

// Bytes a terminal would act on or hide, in a file name or in the system's message.
struct EscapeCase {
  const char* name;
  std::string fileName;  // a missing file `hash` is asked for
  std::string shownName;
};

std::ostream& operator<<(std::ostream& out, const EscapeCase& c) { return out << c.name; }

class ErrorLineEscapes : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(ErrorLineEscapes, ControlsInTheFileNameAreEscaped) {
  TempDir dir;
  const ProcessResult result = Cli({"hash", dir.File(GetParam().fileName)});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err,
            "validador-cli: " + dir.File(GetParam().shownName) + ": File not found.\n");
}

INSTANTIATE_TEST_SUITE_P(
    Names, ErrorLineEscapes,
    ::testing::Values(EscapeCase{"Control", "a\x01" "b.txt", "a\\x01b.txt"},
                      EscapeCase{"LineBreakAndTab", "a\nb\tc\r", "a\\nb\\tc\\r"},
                      EscapeCase{"EscapeAndDelete", "\x1B[31m\x7F", "\\x1B[31m\\x7F"},
                      EscapeCase{"C1Control", "a\xC2\x9B" "b", "a\\u009Bb"},
                      EscapeCase{"NotUtf8", "caf\xE9", "caf\\xE9"},
                      EscapeCase{"Accents", "ação.txt", "ação.txt"}),
    [](const auto& info) { return std::string(info.param.name); });

// A declared count holding a NUL: the whole message is shown, the NUL escaped.
TEST(ErrorLine, NulInTheMessageIsEscapedNotCut) {
  Delivery delivery;
  delivery.counts[validador::rtA] = std::string("1\0" "2", 3);
  delivery.WriteHeader();
  const ProcessResult result = Cli({"check", delivery.dir.Path().string(), "--case",
                                    delivery.caso, "--bank", delivery.bank});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.err,
            "validador-cli: I_IDENTIFICA_DADOS.txt, quantidade declarada de A: '1\\02' is not a valid "
            "integer value.\n");
}

}  // namespace
