// validador-cli verify: a delivery checked, then verified as received, unchanged or not.

#include <gtest/gtest.h>

#include <algorithm>
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
using validador::rtB;
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
  return out + "Conferência (" + algorithm + "): 8 OK, 0 ALTERADO, 0 TROCADO, 0 AUSENTE, 0 SEM HASH\n" + kClosing +
         "\n";
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
  EXPECT_NE(result.out.find("E\tConferência (sha1): 7 OK, 1 ALTERADO, 0 TROCADO, 0 AUSENTE, 0 SEM HASH\n"),
            std::string::npos);
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
        BadManifestCase{"EmptyLine", "D41D8CD98F00B204E9800998ECF8427E\r\n\r\nD41D8CD98F00B204E9800998ECF8427E\r\n",
                        2, "linha 2: não é um hash"},
        BadManifestCase{"TwoLengths", "D41D8CD98F00B204E9800998ECF8427E\r\nDA39A3EE5E6B4B0D3255BFEF95601890AFD80709\r\n",
                        2, "HASHV.txt, linha 2: hash de 40 caracteres, a linha 1 tem 32"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(VerifyCli, WrongUse) {
  EXPECT_EQ(Cli({"verify"}).exitCode, 64);
  EXPECT_EQ(Cli({"verify", ""}).exitCode, 64);
  EXPECT_EQ(Cli({"verify", Folder(), "--hash", "MD5"}).exitCode, 64);
  EXPECT_EQ(Cli({"verify", Folder(), "--manifest-digest", "xyz"}).exitCode, 64);
}

// The ways a received delivery can differ from the one checked, each with the whole output.
struct Scenario {
  const char* name;
  const char* written;  // the letters of the files there when the manifest was written (md5)
  void (*change)(Delivery&);
  std::vector<std::string> options;
  int exitCode;
  std::vector<std::string> out;  // stdout's lines before the closing line; empty: none at all
  const char* err;               // a text stderr holds, or ""
};

void Unchanged(Delivery&) {}

// One byte of the file changed, the file still valid.
void ChangeOneByte(Delivery& delivery, validador::RecordTypeIndex type) {
  std::string bytes = ReadAll(delivery.PathOf(type));
  const std::size_t digit = bytes.find_first_of("123456789");
  bytes[digit] = bytes[digit] == '1' ? '2' : '1';
  delivery.WriteFile(type, bytes);
}

void SwapContents(Delivery& delivery, validador::RecordTypeIndex a, validador::RecordTypeIndex b) {
  const std::string first = ReadAll(delivery.PathOf(a));
  delivery.WriteFile(a, ReadAll(delivery.PathOf(b)));
  delivery.WriteFile(b, first);
}

// Appends to HASHV.txt.
void AppendToManifest(Delivery& delivery, const std::string& bytes) {
  delivery.dir.Write("HASHV.txt", ReadAll(delivery.dir.File("HASHV.txt")) + bytes);
}

const std::string kSummary = "Conferência (md5): ";

class VerifyScenario : public VerifyCli, public ::testing::WithParamInterface<Scenario> {
 protected:
  // Writes the manifest as a check of the folder holding only the files `letters` would.
  void WriteManifest(const std::string& letters) {
    std::string manifest;
    for (std::size_t i = 0; i < kNames.size(); ++i) {
      if (letters.find(kNames[i][0]) == std::string::npos) continue;
      const ProcessResult hash = Cli({"hash", "--hash", "md5", delivery.PathOf(validador::kProcessingOrder[i])});
      manifest += hash.out.substr(0, 32) + "\r\n";
    }
    delivery.dir.Write("HASHV.txt", manifest);
  }
};

TEST_P(VerifyScenario, NamesWhatReallyChanged) {
  Check("md5");
  WriteManifest(GetParam().written);
  // The files the manifest does not hold are not there either, unless the change adds them.
  for (std::size_t i = 0; i < kNames.size(); ++i) {
    if (std::string(GetParam().written).find(kNames[i][0]) == std::string::npos) {
      delivery.Remove(validador::kProcessingOrder[i]);
    }
  }
  GetParam().change(delivery);
  std::vector<std::string> args = {"verify", Folder()};
  args.insert(args.end(), GetParam().options.begin(), GetParam().options.end());
  const ProcessResult result = Cli(args);
  EXPECT_EQ(result.exitCode, GetParam().exitCode) << result.err;
  std::string expected;
  for (const std::string& line : GetParam().out) expected += line + "\n";
  if (!GetParam().out.empty()) expected += kClosing + "\n";
  EXPECT_EQ(result.out, expected);
  EXPECT_NE(result.err.find(GetParam().err), std::string::npos) << result.err;
  if (std::string(GetParam().err).empty()) {
    EXPECT_EQ(result.err, "");
  }
}

const std::vector<std::string> kOk = {
    "OK I_IDENTIFICA_DADOS.txt",        "OK A_CADASTRO_AGENCIAS.txt", "OK B_CADASTRO_DEPOSITANTES_FAVORECIDOS.txt",
    "OK C_CADASTRO_CONTAS.txt",         "OK E_EXTRATO_BANCARIO.txt",  "OK O_ORIGEM_DESTINO_RECURSOS.txt",
    "OK T_CADASTRO_TITULARES.txt",      "OK Y_OBSERVACOES.txt"};

// The all-OK lines with some replaced: {index, line}; an empty line leaves the entry out.
std::vector<std::string> OkBut(const std::vector<std::pair<std::size_t, std::string>>& changes,
                               const std::string& summary) {
  std::vector<std::string> lines = kOk;
  for (const auto& [index, line] : changes) lines[index] = line;
  std::erase(lines, std::string());
  lines.push_back(kSummary + summary);
  return lines;
}

INSTANTIATE_TEST_SUITE_P(
    Deliveries, VerifyScenario,
    ::testing::Values(
        Scenario{"FirstRemoved", "IABCEOTY", [](Delivery& d) { d.Remove(rtI); }, {}, 1,
                 OkBut({{0, "AUSENTE I_IDENTIFICA_DADOS.txt"}}, "7 OK, 0 ALTERADO, 0 TROCADO, 1 AUSENTE, 0 SEM HASH"),
                 ""},
        Scenario{"MiddleRemoved", "IABCEOTY", [](Delivery& d) { d.Remove(rtC); }, {}, 1,
                 OkBut({{3, "AUSENTE C_CADASTRO_CONTAS.txt"}}, "7 OK, 0 ALTERADO, 0 TROCADO, 1 AUSENTE, 0 SEM HASH"),
                 ""},
        Scenario{"LastRemoved", "IABCEOTY", [](Delivery& d) { d.Remove(rtY); }, {}, 1,
                 OkBut({{7, "AUSENTE Y_OBSERVACOES.txt"}}, "7 OK, 0 ALTERADO, 0 TROCADO, 1 AUSENTE, 0 SEM HASH"),
                 ""},
        Scenario{"ChangedAndRemoved", "IABCEOTY",
                 [](Delivery& d) {
                   ChangeOneByte(d, rtE);
                   d.Remove(validador::rtT);
                 },
                 {}, 1,
                 OkBut({{4, "ALTERADO E_EXTRATO_BANCARIO.txt"}, {6, "AUSENTE T_CADASTRO_TITULARES.txt"}},
                       "6 OK, 1 ALTERADO, 0 TROCADO, 1 AUSENTE, 0 SEM HASH"),
                 ""},
        Scenario{"Swapped", "IABCEOTY", [](Delivery& d) { SwapContents(d, rtA, validador::rtB); }, {}, 1,
                 OkBut({{1, "TROCADO A_CADASTRO_AGENCIAS.txt (conteúdo de B_CADASTRO_DEPOSITANTES_FAVORECIDOS.txt)"},
                        {2, "TROCADO B_CADASTRO_DEPOSITANTES_FAVORECIDOS.txt (conteúdo de A_CADASTRO_AGENCIAS.txt)"}},
                       "6 OK, 0 ALTERADO, 2 TROCADO, 0 AUSENTE, 0 SEM HASH"),
                 ""},
        // Written when C was missing; C is there now.
        Scenario{"ExtraFile", "IABEOTY", [](Delivery& d) { d.WriteFile(rtC, "C\t001\r\n"); },
                 {}, 1,
                 OkBut({{3, "SEM HASH C_CADASTRO_CONTAS.txt"}}, "7 OK, 0 ALTERADO, 0 TROCADO, 0 AUSENTE, 1 SEM HASH"),
                 ""},
        Scenario{"IChangedWithHash", "IABCEOTY", [](Delivery& d) { ChangeOneByte(d, rtI); }, {"--hash", "md5"}, 1,
                 OkBut({{0, "ALTERADO I_IDENTIFICA_DADOS.txt"}}, "7 OK, 1 ALTERADO, 0 TROCADO, 0 AUSENTE, 0 SEM HASH"),
                 ""},
        Scenario{"IChangedAlgorithmFoundFromTheOthers", "IABCEOTY", [](Delivery& d) { ChangeOneByte(d, rtI); }, {}, 1,
                 OkBut({{0, "ALTERADO I_IDENTIFICA_DADOS.txt"}}, "7 OK, 1 ALTERADO, 0 TROCADO, 0 AUSENTE, 0 SEM HASH"),
                 ""},
        Scenario{"IRemovedAndAChangedAlgorithmFoundFromTheOthers", "IABCEOTY",
                 [](Delivery& d) {
                   d.Remove(rtI);
                   ChangeOneByte(d, rtA);
                 },
                 {}, 1,
                 OkBut({{0, "AUSENTE I_IDENTIFICA_DADOS.txt"}, {1, "ALTERADO A_CADASTRO_AGENCIAS.txt"}},
                       "6 OK, 1 ALTERADO, 0 TROCADO, 1 AUSENTE, 0 SEM HASH"),
                 ""},
        Scenario{"LengthCannotFit", "IABCEOTY", Unchanged, {"--hash", "sha256"}, 64, {},
                 "validador-cli: o algoritmo sha256 dá hashes de 64 caracteres, e as linhas do HASHV.txt têm 32\n"},
        Scenario{"TrailingBlankLines", "IABCEOTY", [](Delivery& d) { AppendToManifest(d, "\r\n  \r\n\r\n"); }, {}, 0,
                 OkBut({}, "8 OK, 0 ALTERADO, 0 TROCADO, 0 AUSENTE, 0 SEM HASH"), ""},
        Scenario{"WrittenWithSomeFilesMissingThenAnotherRemoved", "IABEOY", [](Delivery& d) { d.Remove(rtA); }, {}, 1,
                 OkBut({{1, "AUSENTE A_CADASTRO_AGENCIAS.txt"}, {3, ""}, {6, ""}},
                       "5 OK, 0 ALTERADO, 0 TROCADO, 1 AUSENTE, 0 SEM HASH"),
                 ""},
        Scenario{"WrittenWithSomeFilesMissing", "IABEOY", Unchanged, {}, 0,
                 OkBut({{3, ""}, {6, ""}}, "6 OK, 0 ALTERADO, 0 TROCADO, 0 AUSENTE, 0 SEM HASH"), ""},
        // The last line may have been T's or Y's: it is named by its number.
        Scenario{"WrittenWithSomeFilesMissingThenOneRemoved", "IABEOY", [](Delivery& d) { d.Remove(rtY); }, {}, 1,
                 OkBut({{3, ""}, {6, ""}, {7, "AUSENTE (linha 6 do HASHV.txt)"}},
                       "5 OK, 0 ALTERADO, 0 TROCADO, 1 AUSENTE, 0 SEM HASH"),
                 ""},
        Scenario{"EverythingChangedNoAlgorithmFits", "IABCEOTY",
                 [](Delivery& d) {
                   for (const validador::RecordTypeIndex type : validador::kProcessingOrder) ChangeOneByte(d, type);
                 },
                 {}, 1,
                 {"Algoritmo não identificado: nenhum arquivo confere com o HASHV.txt em md4, md5 ou ripemd128 "
                  "(hashes de 32 caracteres)",
                  "ALTERADO I_IDENTIFICA_DADOS.txt", "ALTERADO A_CADASTRO_AGENCIAS.txt",
                  "ALTERADO B_CADASTRO_DEPOSITANTES_FAVORECIDOS.txt", "ALTERADO C_CADASTRO_CONTAS.txt",
                  "ALTERADO E_EXTRATO_BANCARIO.txt", "ALTERADO O_ORIGEM_DESTINO_RECURSOS.txt",
                  "ALTERADO T_CADASTRO_TITULARES.txt", "ALTERADO Y_OBSERVACOES.txt",
                  "Conferência (algoritmo não identificado): 0 OK, 8 ALTERADO, 0 TROCADO, 0 AUSENTE, 0 SEM HASH"},
                 ""},
        Scenario{"NothingToVerify", "", [](Delivery& d) { d.dir.Write("HASHV.txt", ""); }, {"--hash", "md5"}, 1,
                 {"Nada a conferir: o HASHV.txt não tem nenhum hash e a pasta não tem nenhum arquivo da entrega"}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// The report's digest counts in the summary like every other line printed; an altered line
// of the manifest shows both in its file and in HASHV.txt.
TEST_F(VerifyCli, TheManifestCountsInTheSummary) {
  Check("md5");
  const std::string digest = Cli({"hash", "--hash", "md5", Manifest()}).out.substr(0, 32);
  const ProcessResult same = Cli({"verify", Folder(), "--manifest-digest", digest});
  EXPECT_EQ(same.exitCode, 0);
  EXPECT_NE(same.out.find("OK HASHV.txt\nConferência (md5): 9 OK, 0 ALTERADO, 0 TROCADO, 0 AUSENTE, 0 SEM HASH\n"),
            std::string::npos)
      << same.out;
  std::string manifest = ReadAll(Manifest());
  manifest[4 * 34] = manifest[4 * 34] == 'A' ? 'B' : 'A';  // the first digit of E's line
  delivery.dir.Write("HASHV.txt", manifest);
  const ProcessResult altered = Cli({"verify", Folder(), "--manifest-digest", digest});
  EXPECT_EQ(altered.exitCode, 1);
  EXPECT_NE(altered.out.find("ALTERADO E_EXTRATO_BANCARIO.txt\n"), std::string::npos) << altered.out;
  EXPECT_NE(altered.out.find("ALTERADO HASHV.txt\nConferência (md5): 7 OK, 2 ALTERADO, 0 TROCADO, 0 AUSENTE, 0 SEM HASH\n"),
            std::string::npos)
      << altered.out;
}

// The manifest of one chosen file: its line is found among the files, the others have none.
TEST_F(VerifyCli, AManifestOfASingleFileIsFoundAmongTheFiles) {
  const ProcessResult single = Cli({"check-file", delivery.PathOf(rtA), "--bank", delivery.bank,
                                    "--folder", Folder(), "--manifest"});
  ASSERT_EQ(single.exitCode, 1) << single.err;  // its count is not verified
  const ProcessResult result = Cli({"verify", Folder()});
  EXPECT_EQ(result.exitCode, 1);
  EXPECT_EQ(result.out,
            "SEM HASH I_IDENTIFICA_DADOS.txt\nOK A_CADASTRO_AGENCIAS.txt\nSEM HASH "
            "B_CADASTRO_DEPOSITANTES_FAVORECIDOS.txt\nSEM HASH C_CADASTRO_CONTAS.txt\nSEM HASH "
            "E_EXTRATO_BANCARIO.txt\nSEM HASH O_ORIGEM_DESTINO_RECURSOS.txt\nSEM HASH T_CADASTRO_TITULARES.txt\nSEM "
            "HASH Y_OBSERVACOES.txt\nConferência (md5): 1 OK, 0 ALTERADO, 0 TROCADO, 0 AUSENTE, 7 SEM HASH\n" +
                kClosing + "\n");
}

}  // namespace
