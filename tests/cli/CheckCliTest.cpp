// validador-cli check and check-file as a user runs them: output, styles, exit codes,
// manifest.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "support/Delivery.h"
#include "support/RunProcess.h"

namespace {

using testsupport::LinesOf;

using testsupport::Delivery;
using testsupport::ProcessResult;
using testsupport::RunProcess;
using validador::rtA;
using validador::rtC;
using validador::rtI;

const std::string kClosing = "****              Fim da Verificação              ****";

ProcessResult Cli(const std::vector<std::string>& args) {
  return RunProcess(VALIDADOR_CLI_PATH, args);
}

class CheckCli : public ::testing::Test {
 protected:
  std::vector<std::string> CheckArgs() const {
    return {"check", delivery.dir.Path().string(), "--case", delivery.caso, "--bank", delivery.bank};
  }
  Delivery delivery;
};

TEST_F(CheckCli, ValidDeliveryPrintsTheLogAndExitsZero) {
  const auto result = Cli(CheckArgs());
  EXPECT_EQ(result.exitCode, 0) << result.err;
  const auto lines = LinesOf(result.out);
  ASSERT_EQ(lines.size(), 25u);
  EXPECT_EQ(lines.back(), kClosing);
  EXPECT_TRUE(std::regex_match(lines[0], std::regex("Carga efetuada com sucesso: I_identifica_dados\\.\t"
                                                    "Ok - \\d\\d:\\d\\d:\\d\\d, N\\.º de Registros: 1")));
  EXPECT_TRUE(std::regex_match(lines[1], std::regex("[0-9A-F]{32}")));
  EXPECT_EQ(lines[2], "");
  EXPECT_EQ(result.err, "");
  EXPECT_FALSE(std::filesystem::exists(delivery.dir.File("HASHV.txt")));
}

TEST_F(CheckCli, StyledOutputAndManifest) {
  auto args = CheckArgs();
  args.insert(args.end(), {"--styled", "--manifest", "--hash", "sha256"});
  delivery.Remove(rtC);
  const auto result = Cli(args);
  EXPECT_EQ(result.exitCode, 1);
  const auto lines = LinesOf(result.out);
  EXPECT_EQ(lines.back(), "-\t" + kClosing);
  EXPECT_EQ(lines[0].substr(0, 2), "N\t");
  bool sawMissing = false;
  std::vector<std::string> digests;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] == "E\tArquivo: C_cadastro_contas não existe na pasta selecionada!") {
      sawMissing = true;
      EXPECT_EQ(lines[i + 1], "N\t");
    }
    if (std::regex_match(lines[i], std::regex("N\t[0-9A-F]{64}"))) digests.push_back(lines[i].substr(2));
  }
  EXPECT_TRUE(sawMissing);
  ASSERT_EQ(digests.size(), 7u);
  std::string manifest;
  for (const auto& digest : digests) manifest += digest + "\r\n";
  EXPECT_EQ(testsupport::ReadAll(delivery.dir.File("HASHV.txt")), manifest);
}

TEST_F(CheckCli, ErrorEndingTheCommandExitsTwoWithoutTheClosingLine) {
  delivery.counts[rtA] = "muitas";
  delivery.WriteHeader();
  auto args = CheckArgs();
  args.push_back("--manifest");
  const auto result = Cli(args);
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.err,
            "validador-cli: I_IDENTIFICA_DADOS.txt, quantidade declarada de A: 'muitas' is not a valid "
            "integer value.\n");
  EXPECT_EQ(result.out, "");
  EXPECT_FALSE(std::filesystem::exists(delivery.dir.File("HASHV.txt")));
}

TEST_F(CheckCli, MissingIdentificationFileInCheckFileIsAnInputOutputError) {
  const std::string missing = testsupport::Utf8OfPath(
      delivery.dir.Path() / "I_IDENTIFICA_DADOS.TXT.old" / "I_IDENTIFICA_DADOS.txt");
  const auto result = Cli({"check-file", missing, "--bank", "001"});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.err, "validador-cli: " + missing + ": File not found.\n");
}

TEST_F(CheckCli, CheckFileRunsOneFile) {
  const auto result = Cli({"check-file", delivery.PathOf(rtA), "--bank", "001", "--styled"});
  EXPECT_EQ(result.exitCode, 1) << result.err;
  const auto lines = LinesOf(result.out);
  ASSERT_EQ(lines.size(), 7u);
  EXPECT_EQ(lines[1], "E\tO arquivo: A_cadastro_agencia não teve o nº de linhas verificado");
  EXPECT_EQ(lines[3].substr(0, 47), "N\tCarga efetuada com sucesso: A_cadastro_agenci");
  EXPECT_EQ(lines[6], "-\t" + kClosing);
}

TEST_F(CheckCli, CheckFileManifestGoesToTheFolderOption) {
  testsupport::TempDir other;
  const auto result = Cli({"check-file", delivery.PathOf(rtI), "--bank", "001", "--case",
                           delivery.caso, "--folder", other.Path().string(), "--manifest"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(LinesOf(result.out), std::vector<std::string>{kClosing});
  const std::string manifest = testsupport::ReadAll(other.File("HASHV.txt"));
  EXPECT_TRUE(std::regex_match(manifest, std::regex("[0-9A-F]{32}\r\n")));
  EXPECT_FALSE(std::filesystem::exists(delivery.dir.File("HASHV.txt")));
}

struct UsageCase {
  const char* name;
  std::vector<std::string> args;
  const char* errContains;
};

#ifdef _WIN32
// The cases whose arguments hold bytes that are no UTF-8: Windows hands a program its
// arguments in UTF-16, so only a POSIX program can be given them.
bool HoldsBytesNotUtf8(const UsageCase& c) {
  const std::string_view name = c.name;
  return name == "BankNotUtf8" || name == "CaseOverlong";
}
#endif

class CheckCliUsage : public ::testing::TestWithParam<UsageCase> {};

TEST_P(CheckCliUsage, ExitsWith64) {
  const auto& c = GetParam();
#ifdef _WIN32
  if (HoldsBytesNotUtf8(c)) GTEST_SKIP() << "no way to pass bytes that are no UTF-8 on Windows";
#endif
  const auto result = Cli(c.args);
  EXPECT_EQ(result.exitCode, 64);
  EXPECT_NE(result.err.find(c.errContains), std::string::npos) << result.err;
  EXPECT_EQ(result.out, "");
}

INSTANTIATE_TEST_SUITE_P(
    Errors, CheckCliUsage,
    ::testing::Values(
        UsageCase{
            "EmptyCase", {"check", ".", "--case", "", "--bank", "001"}, "Preencha o n.º do caso!"},
        UsageCase{
            "EmptyBank", {"check", ".", "--case", "1", "--bank", ""}, "Preencha o n.º do banco!"},
        UsageCase{
            "EmptyBankSingle", {"check-file", "x.txt", "--bank="}, "Preencha o n.º do banco!"},
        UsageCase{"LongBank", {"check", ".", "--case", "1", "--bank", "0011"}, "três caracteres"},
        UsageCase{"UnknownAlgorithm",
                  {"check", ".", "--case", "1", "--bank", "001", "--hash", "MD5"},
                  "haval, md4, md5, ripemd128, ripemd160, sha1, sha256, sha384, sha512, tiger"},
        UsageCase{
            "UnknownOption", {"check", ".", "--case", "1", "--bank", "001", "--fast"}, "--fast"},
        UsageCase{"FolderOnlyForCheckFile", {"check", ".", "--folder", "x"}, "--folder"},
        UsageCase{"MissingValue", {"check", ".", "--case"}, "--case"},
        UsageCase{"MissingCase", {"check", ".", "--bank", "001"}, "--case"},
        UsageCase{"MissingFolder", {"check", "--case", "1", "--bank", "001"}, "PASTA"},
        UsageCase{"TwoFolders", {"check", ".", "..", "--case", "1", "--bank", "001"}, ".."},
        UsageCase{"UnknownCommand", {"verifica"}, "verifica"},
        // An empty folder or file is never the root of the file system.
        UsageCase{"EmptyFolder",
                  {"check", "", "--case", "1", "--bank", "001"},
                  "a PASTA não pode ser vazia"},
        UsageCase{"EmptyFolderOption",
                  {"check-file", "x.txt", "--bank", "001", "--folder", ""},
                  "a pasta de --folder não pode ser vazia"},
        // A folder that is not there is named, not reported as eight missing files.
        UsageCase{"FolderDoesNotExist",
                  {"check", "/nao/existe", "--case", "1", "--bank", "001"},
                  "validador-cli: a PASTA não existe: /nao/existe\n"},
        UsageCase{"FolderIsAFile",
                  {"check", VALIDADOR_SOURCE_DIR "/README.md", "--case", "1", "--bank", "001"},
                  "a PASTA não é uma pasta: " VALIDADOR_SOURCE_DIR "/README.md\n"},
        UsageCase{"FolderOptionDoesNotExist",
                  {"check-file", "x.txt", "--bank", "001", "--folder", "/nao/existe"},
                  "validador-cli: a pasta de --folder não existe: /nao/existe\n"},
        UsageCase{"VerifyFolderDoesNotExist", {"verify", "/nao/existe"},
                  "validador-cli: a PASTA não existe: /nao/existe\n"},
        UsageCase{"VerifyFolderIsAFile", {"verify", VALIDADOR_SOURCE_DIR "/README.md"},
                  "a PASTA não é uma pasta: "},
        UsageCase{"EmptyFolderOptionInline",
                  {"check-file", "x.txt", "--bank", "001", "--folder="},
                  "a pasta de --folder não pode ser vazia"},
        UsageCase{"EmptyFile", {"check-file", "", "--bank", "001"}, "o ARQUIVO não pode ser vazio"},
        // A character Windows-1252 cannot hold would become '?', which might match.
        UsageCase{"CaseOutsideCp1252",
                  {"check", ".", "--case", "2024→1", "--bank", "001"},
                  "--case: o caractere \"→\" não existe no Windows-1252"},
        UsageCase{"BankOutsideCp1252",
                  {"check", ".", "--case", "1", "--bank", "0\xF0\x9F\x98\x80"},
                  "--bank: o caractere \"\xF0\x9F\x98\x80\" não existe no Windows-1252"},
        UsageCase{"BankNotUtf8",
                  {"check-file", "x.txt", "--bank",
                   "0\xE7"
                   "1"},
                  "--bank: o caractere \"\\xE7\" não existe no Windows-1252"},
        UsageCase{"CaseOverlong",
                  {"check", ".", "--case", "\xC1\x81", "--bank", "001"},
                  "--case: o caractere \"\\xC1\\x81\" não existe no Windows-1252"}),
    [](const auto& info) { return std::string(info.param.name); });

// A manifest with more lines than the new one is not replaced without --force: exit 64
// naming both counts, the old file left as it was. One with as many lines or fewer, or
// none at all, is written as before.
struct ShorterManifestCase {
  const char* name;
  bool singleFile;               // check-file of the statement file, else check of the folder
  std::optional<std::string> oldManifest;
  bool force;
  int exitCode;
  std::string refusal;           // the count part of the message; empty: the manifest is written
  std::size_t newLines;          // lines of the manifest written
};

std::ostream& operator<<(std::ostream& out, const ShorterManifestCase& c) { return out << c.name; }

std::string DigestLines(int count) {
  std::string lines;
  for (int i = 0; i < count; ++i) lines += std::string(32, static_cast<char>('A' + i)) + "\r\n";
  return lines;
}

class ShorterManifest : public CheckCli, public ::testing::WithParamInterface<ShorterManifestCase> {};

TEST_P(ShorterManifest, IsRefusedUnlessForced) {
  const ShorterManifestCase& c = GetParam();
  const std::string manifest = delivery.dir.File("HASHV.txt");
  if (c.oldManifest) delivery.dir.Write("HASHV.txt", *c.oldManifest);
  if (!c.singleFile) std::filesystem::remove(delivery.PathOf(validador::rtY));
  std::vector<std::string> args =
      c.singleFile ? std::vector<std::string>{"check-file", delivery.PathOf(validador::rtE), "--bank", delivery.bank}
                   : CheckArgs();
  args.push_back("--manifest");
  if (c.force) args.push_back("--force");
  const ProcessResult result = Cli(args);
  EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
  if (!c.refusal.empty()) {
    EXPECT_EQ(result.err, "validador-cli: " + manifest + c.refusal +
                              "; use --force para substituí-lo\nvalidador-cli: use 'validador-cli --help' para ver o uso.\n");
    EXPECT_EQ(testsupport::ReadAll(manifest), *c.oldManifest);
    return;
  }
  EXPECT_EQ(result.err, "");
  EXPECT_EQ(LinesOf(testsupport::ReadAll(manifest)).size(), c.newLines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ShorterManifest,
    ::testing::Values(
        ShorterManifestCase{"FileOverAFolderManifest", true, DigestLines(8), false, 64,
                            " tem 8 linhas e o novo teria 1", 0},
        ShorterManifestCase{"LastLineWithoutItsEnd", true, DigestLines(2).substr(0, 66), false, 64,
                            " tem 2 linhas e o novo teria 1", 0},
        ShorterManifestCase{"FolderWithAFileGone", false, DigestLines(8), false, 64,
                            " tem 8 linhas e o novo teria 7", 0},
        ShorterManifestCase{"Forced", true, DigestLines(8), true, 1, "", 1},
        ShorterManifestCase{"AsManyLines", true, DigestLines(1), false, 1, "", 1},
        ShorterManifestCase{"FewerLines", false, DigestLines(3), false, 1, "", 7},
        ShorterManifestCase{"NoManifest", true, std::nullopt, false, 1, "", 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CheckCliHelp, HelpExitsZero) {
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--help"}, {"check", "--help"}, {"check-file", "--help"}}) {
    const auto result = Cli(args);
    EXPECT_EQ(result.exitCode, 0);
    EXPECT_NE(result.out.find("check"), std::string::npos);
  }
}

}  // namespace
