// validador-cli verify: a delivery checked, then verified as received, unchanged or not.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/Delivery.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

using testsupport::Delivery;
using testsupport::ProcessResult;
using testsupport::ReadAll;
using testsupport::RunProcess;
using validador::rtA;
using validador::rtC;
using validador::rtE;
using validador::rtI;
using validador::rtY;

const std::string kClosing = "****              Fim da Verificação              ****";
const std::vector<std::string> kNames = {
    "I_IDENTIFICA_DADOS.txt",        "A_CADASTRO_AGENCIAS.txt", "B_CADASTRO_DEPOSITANTES_FAVORECIDOS.txt",
    "C_CADASTRO_CONTAS.txt",         "E_EXTRATO_BANCARIO.txt",  "O_ORIGEM_DESTINO_RECURSOS.txt",
    "T_CADASTRO_TITULARES.txt",      "Y_OBSERVACOES.txt"};

ProcessResult Cli(const std::vector<std::string>& args) { return RunProcess(VALIDADOR_CLI_PATH, args); }

// The lines "OK name" for every file, then the summary.
std::string AllOk(const std::string& algorithm) {
  std::string out;
  for (const std::string& name : kNames) out += "OK " + name + "\n";
  return out + "Conferência (" + algorithm + "): 8 OK, 0 ALTERADO, 0 AUSENTE, 0 SEM HASH\n" + kClosing + "\n";
}

class VerifyCli : public ::testing::Test {
 protected:
  std::string Folder() const { return delivery.dir.Path().string(); }
  std::string Manifest() const { return delivery.dir.File("HASHV.txt"); }

  // Checks the delivery and writes its manifest; a missing file makes the check end in 1.
  // `force`: also over a manifest with more lines.
  void Check(const std::string& algorithm, int exitCode = 0, bool force = false) {
    std::vector<std::string> args = {"check", Folder(), "--case", delivery.caso, "--bank", delivery.bank,
                                     "--hash", algorithm, "--manifest"};
    if (force) args.push_back("--force");
    const ProcessResult result = Cli(args);
    ASSERT_EQ(result.exitCode, exitCode) << result.err;
  }

  Delivery delivery;
};

class VerifyEveryAlgorithm : public VerifyCli, public ::testing::WithParamInterface<const char*> {};

TEST_P(VerifyEveryAlgorithm, FindsTheAlgorithmByItselfOrTakesItGiven) {
  Check(GetParam());
  const ProcessResult found = Cli({"verify", Folder()});
  EXPECT_EQ(found.exitCode, 0) << found.err;
  EXPECT_EQ(found.out, AllOk(GetParam()));
  const ProcessResult given = Cli({"verify", Folder(), "--hash", GetParam()});
  EXPECT_EQ(given.exitCode, 0);
  EXPECT_EQ(given.out, AllOk(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Algorithms, VerifyEveryAlgorithm,
                         ::testing::Values("haval", "md4", "md5", "ripemd128", "ripemd160", "sha1",
                                           "sha256", "sha384", "sha512", "tiger"));

TEST_F(VerifyCli, OneByteChangedIsAltered) {
  Check("sha1");
  std::string bytes = ReadAll(delivery.PathOf(rtE));
  bytes[5] = bytes[5] == '1' ? '2' : '1';
  delivery.WriteFile(rtE, bytes);
  const ProcessResult result = Cli({"verify", Folder(), "--styled"});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.out.find("E\tALTERADO E_EXTRATO_BANCARIO.txt\n"), std::string::npos) << result.out;
  EXPECT_NE(result.out.find("N\tOK O_ORIGEM_DESTINO_RECURSOS.txt\n"), std::string::npos);
  EXPECT_NE(result.out.find("E\tConferência (sha1): 7 OK, 1 ALTERADO, 0 AUSENTE, 0 SEM HASH\n"),
            std::string::npos);
}

// Removing a file moves every later line one file on: positions are all a manifest has.
TEST_F(VerifyCli, AFileRemovedLeavesALineWithNoFile) {
  Check("md5");
  delivery.Remove(rtY);
  const ProcessResult result = Cli({"verify", Folder()});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_NE(result.out.find("OK T_CADASTRO_TITULARES.txt\nAUSENTE (linha 8 do HASHV.txt)\n"),
            std::string::npos)
      << result.out;
  EXPECT_NE(result.out.find("7 OK, 0 ALTERADO, 1 AUSENTE, 0 SEM HASH"), std::string::npos);
}

TEST_F(VerifyCli, AFileWithNoLineAndALineTooMany) {
  Check("md5");
  delivery.Remove(rtC);
  Check("md5", 1, /*force=*/true);  // a manifest of seven files over the one of eight
  delivery.WriteLines(rtC, {"C\t001\t0001\t1\t1\t01012000\t"});
  const ProcessResult added = Cli({"verify", Folder()});
  EXPECT_EQ(added.exitCode, 1);
  EXPECT_NE(added.out.find("SEM HASH Y_OBSERVACOES.txt\n"), std::string::npos) << added.out;
  EXPECT_NE(added.out.find("ALTERADO C_CADASTRO_CONTAS.txt\n"), std::string::npos);

  delivery.Remove(rtC);
  const std::string manifest = ReadAll(Manifest());
  delivery.dir.Write("HASHV.txt", manifest + manifest.substr(0, 34));
  const ProcessResult extra = Cli({"verify", Folder()});
  EXPECT_EQ(extra.exitCode, 1);
  EXPECT_NE(extra.out.find("7 OK, 0 ALTERADO, 1 AUSENTE, 0 SEM HASH"), std::string::npos) << extra.out;
}

TEST_F(VerifyCli, AManifestOfASingleFileMatchesNoAlgorithmOnTheIdentificationFile) {
  const ProcessResult single = Cli({"check-file", delivery.PathOf(rtA), "--bank", delivery.bank,
                                    "--folder", Folder(), "--manifest"});
  ASSERT_EQ(single.exitCode, 1) << single.err;  // its count is not verified
  const ProcessResult result = Cli({"verify", Folder()});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out, "A linha 1 do HASHV.txt não confere com I_IDENTIFICA_DADOS.txt em nenhum "
                        "algoritmo de hash de 32 caracteres\n" + kClosing + "\n");
}

TEST_F(VerifyCli, TheManifestAgainstTheReportsDigest) {
  Check("sha512");
  const ProcessResult hash = Cli({"hash", "--hash", "sha512", Manifest()});
  std::string digest = hash.out.substr(0, 128);
  // As copied from the report: two lines, lower case.
  std::string typed = digest.substr(0, 64) + "\n" + digest.substr(64);
  for (char& c : typed) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  const ProcessResult same = Cli({"verify", Folder(), "--manifest-digest", typed});
  EXPECT_EQ(same.exitCode, 0);
  EXPECT_NE(same.out.find("OK HASHV.txt\n"), std::string::npos);
  digest[0] = digest[0] == 'A' ? 'B' : 'A';
  const ProcessResult other = Cli({"verify", Folder(), "--manifest-digest", digest});
  EXPECT_EQ(other.exitCode, 1);
  EXPECT_NE(other.out.find("ALTERADO HASHV.txt\n"), std::string::npos);
}

struct BadManifestCase {
  const char* name;
  const char* content;  // nullptr: no manifest
  int exitCode;
  const char* message;
};

class VerifyBadManifest : public VerifyCli, public ::testing::WithParamInterface<BadManifestCase> {};

TEST_P(VerifyBadManifest, IsAClearError) {
  if (GetParam().content != nullptr) delivery.dir.Write("HASHV.txt", GetParam().content);
  const ProcessResult result = Cli({"verify", Folder()});
  EXPECT_EQ(result.exitCode, GetParam().exitCode);
  EXPECT_NE(result.err.find(GetParam().message), std::string::npos) << result.err;
}

INSTANTIATE_TEST_SUITE_P(
    Manifests, VerifyBadManifest,
    ::testing::Values(
        BadManifestCase{"Missing", nullptr, 2, "File not found."},
        BadManifestCase{"BlanksAround", " D41D8CD98F00B204E9800998ECF8427E\r\n", 2,
                        "HASHV.txt, linha 1: não é um hash"},
        BadManifestCase{"OddLength", "D41D8CD98F00B204E9800998ECF8427\r\n", 2, "linha 1: não é um hash"},
        BadManifestCase{"NotHexadecimal", "D41D8CD98F00B204E9800998ECF8427E\r\nG41D8CD98F00B204E9800998ECF8427E\r\n",
                        2, "linha 2: não é um hash"},
        BadManifestCase{"EmptyLine", "D41D8CD98F00B204E9800998ECF8427E\r\n\r\n", 2, "linha 2: não é um hash"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VerifyCli, WrongUse) {
  EXPECT_EQ(Cli({"verify"}).exitCode, 64);
  EXPECT_EQ(Cli({"verify", ""}).exitCode, 64);
  EXPECT_EQ(Cli({"verify", Folder(), "--hash", "MD5"}).exitCode, 64);
  EXPECT_EQ(Cli({"verify", Folder(), "--manifest-digest", "xyz"}).exitCode, 64);
}

}  // namespace
