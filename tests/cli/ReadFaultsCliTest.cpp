// validador-cli when a file cannot be read, and how errors are shown: the file and the
// reason, the system's own text kept whole, control characters escaped.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

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
  ASSERT_EQ(::mkfifo(dir.File("fifo").c_str(), 0600), 0);
  std::filesystem::create_symlink(dir.File("laco"), dir.File("laco"));
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
                      // Each bare number or bare refusal says what it means.
                      HashPathCase{"Folder", "pasta", "File access denied (é uma pasta)"},
                      HashPathCase{"Fifo", "fifo", "File access denied (não é um arquivo comum)"},
                      HashPathCase{"LinkLoop", "laco", "I/O error 40 (links em ciclo)"},
                      HashPathCase{"NameTooLong", "n-----------------------------------------------------"
                                   "-----------------------------------------------------------"
                                   "-----------------------------------------------------------"
                                   "-----------------------------------------------------------"
                                   "-----------------------------------------------------------",
                                   "I/O error 36 (nome longo demais)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HashUnreadable, RelativePathIsNamedAsGiven) {
  const ProcessResult result = Cli({"hash", "nao-existe-aqui.txt"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.err, "validador-cli: nao-existe-aqui.txt: File not found.\n");
}

// ---- a folder the system cannot look into ----

// A folder the user may not search, or a path longer than the system allows, is the
// access or name error naming the folder (exit 2), never a "missing" line per file.
struct UnreachableFolderCase {
  const char* name;
  bool singleFile;  // check-file of the statement file inside, else check of the folder
  // Makes the folder from the delivery's (a new path, or the delivery's own made unsearchable).
  std::string (*folderOf)(const Delivery& delivery);
  bool unprivileged;  // run as a user other than the owner (the superuser searches anything)
  std::string reason;
};

std::ostream& operator<<(std::ostream& out, const UnreachableFolderCase& c) { return out << c.name; }

class UnreachableFolder : public ::testing::TestWithParam<UnreachableFolderCase> {
 protected:
  void TearDown() override { std::filesystem::permissions(delivery.dir.Path(), std::filesystem::perms::owner_all); }

  // Runs the command line, as the unprivileged user "nobody" through setpriv when the
  // tests run as the superuser.
  ProcessResult Run(std::vector<std::string> args, bool unprivileged) {
    if (!unprivileged || ::geteuid() != 0) return Cli(args);
    args.insert(args.begin(), {"--reuid=65534", "--regid=65534", "--clear-groups", VALIDADOR_CLI_PATH});
    return RunProcess("/usr/bin/setpriv", args);
  }

  Delivery delivery;
};

TEST_P(UnreachableFolder, IsTheErrorNamingTheFolder) {
  const UnreachableFolderCase& c = GetParam();
  if (c.unprivileged && ::geteuid() == 0 && !std::filesystem::exists("/usr/bin/setpriv")) {
    GTEST_SKIP() << "running as the superuser, who searches any folder, and no setpriv to run as another user";
  }
  const std::string folder = c.folderOf(delivery);
  std::vector<std::string> args;
  if (c.singleFile) {
    args = {"check-file", folder + "/E_EXTRATO_BANCARIO.txt", "--bank", delivery.bank};
  } else {
    args = {"check", folder, "--case", delivery.caso, "--bank", delivery.bank};
  }
  const ProcessResult result = Run(args, c.unprivileged);
  EXPECT_EQ(result.exitCode, 2) << result.err;
  EXPECT_EQ(result.err, "validador-cli: " + folder + ": " + c.reason + ".\n");
  EXPECT_EQ(result.out.find("não existe"), std::string::npos) << result.out;
}

std::string NotSearchable(const Delivery& delivery) {
  std::filesystem::permissions(delivery.dir.Path(), std::filesystem::perms(0644));
  return delivery.dir.Path().string();
}

std::string NameTooLong(const Delivery& delivery) {
  return delivery.dir.Path().string() + "/" + std::string(300, 'p');
}

std::string PathTooLong(const Delivery& delivery) {
  std::string folder = delivery.dir.Path().string();
  while (folder.size() < 5000) folder += "/pasta";
  return folder;
}

INSTANTIATE_TEST_SUITE_P(
    Folders, UnreachableFolder,
    ::testing::Values(
        UnreachableFolderCase{"NotSearchable", false, NotSearchable, true, "File access denied"},
        UnreachableFolderCase{"NotSearchableCheckFile", true, NotSearchable, true, "File access denied"},
        UnreachableFolderCase{"NameTooLong", false, NameTooLong, false, "I/O error 36 (nome longo demais)"},
        UnreachableFolderCase{"PathTooLong", false, PathTooLong, false, "I/O error 36 (nome longo demais)"},
        UnreachableFolderCase{"PathTooLongCheckFile", true, PathTooLong, false,
                              "I/O error 36 (nome longo demais)"}),
    [](const auto& info) { return std::string(info.param.name); });

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
