// The file driver over whole folders: each outcome block with its lines, styles
// and digests, and what stops what.

#include "engine/EngineFixture.h"

namespace validador {
namespace {

using testsupport::Join;
using testsupport::ValidRecord;

constexpr std::array<RecordTypeIndex, 8> kOrder = {rtI, rtA, rtB, rtC, rtE, rtO, rtT, rtY};

class DriverTest : public EngineTest {};

TEST_F(DriverTest, AllEightFilesValid) {
  ASSERT_EQ(carga.AbreArquivos(), ComandoResultado::Concluido);

  std::vector<std::string> expected;
  std::vector<std::string> digests;
  for (const RecordTypeIndex type : kOrder) {
    Append(expected, SuccessBlock(type, type == rtI ? 1 : 3));
    digests.push_back(DigestOf(type));
  }
  expected.push_back(kClosing);
  EXPECT_EQ(LogOf(carga), expected);
  EXPECT_EQ(carga.Memo2, digests);
  EXPECT_EQ(carga.Log.ContadorLinhasLog(), 24);
  EXPECT_FALSE(carga.Log.HasErrorLine());
  EXPECT_EQ(carga.PastaSelecionada, carga.dlb1);
  EXPECT_EQ(carga.FEdit, delivery.PathOf(rtY));
  EXPECT_TRUE(carga.lblTotRegVisible);
  EXPECT_EQ(carga.lblTotReg, "3");
  EXPECT_EQ(carga.GaugeMax, 3);
  EXPECT_EQ(carga.GaugePos, 3);
  EXPECT_TRUE(hooks.cannotRead.empty());
  // Every log line reached the shell, in order.
  ASSERT_EQ(hooks.added.size(), carga.Log.Lines().size());
  EXPECT_EQ(hooks.added.back().text, carga.Log.Lines().back().text);
}

TEST_F(DriverTest, MissingIdentificationFileStopsEverything) {
  delivery.Remove(rtI);
  carga.AbreArquivos();
  EXPECT_EQ(LogOf(carga),
            (std::vector<std::string>{"E|Arquivo: I_identifica_dados não existe na pasta selecionada!",
                                      "N|", kClosing}));
  EXPECT_TRUE(carga.Memo2.empty());
}

TEST_F(DriverTest, HeaderBankDiffersStopsTheRunWithTheDigestListed) {
  carga.edtNrBanco = "002";
  carga.AbreArquivos();
  const std::string digest = DigestOf(rtI);
  EXPECT_EQ(LogOf(carga),
            (std::vector<std::string>{
                kBanner, "E|O nº do banco difere do informado: linha 1     I_identifica_dados",
                "E|" + digest, "E|", kAsterisks, kClosing}));
  EXPECT_EQ(carga.Memo2, std::vector<std::string>{digest});
}

TEST_F(DriverTest, MissingDataFileDoesNotStopTheOthers) {
  delivery.Remove(rtB);
  carga.AbreArquivos();
  std::vector<std::string> expected;
  Append(expected, SuccessBlock(rtI, 1));
  Append(expected, SuccessBlock(rtA, 3));
  Append(expected, {"E|Arquivo: B_cad_deposit_favorecidos não existe na pasta selecionada!", "N|"});
  for (const RecordTypeIndex type : {rtC, rtE, rtO, rtT, rtY}) Append(expected, SuccessBlock(type, 3));
  expected.push_back(kClosing);
  EXPECT_EQ(LogOf(carga), expected);
  EXPECT_EQ(carga.Memo2.size(), 7u);
}

TEST_F(DriverTest, EmptyFileBlockEndsWithAnErrorStyleEmptyLine) {
  delivery.WriteLines(rtE, {});
  delivery.WriteHeader();
  ASSERT_FALSE(carga.ProcessaArquivo(delivery.PathOf(rtE), rtE));
  const std::string digest = DigestOf(rtE);
  EXPECT_EQ(digest, "D41D8CD98F00B204E9800998ECF8427E");
  EXPECT_EQ(LogOf(carga), (std::vector<std::string>{kBanner, "E|Arquivo Vazio: E_extrato_bancario",
                                                    "E|" + digest, kAsterisks, "E|"}));
  EXPECT_EQ(carga.Memo2, std::vector<std::string>{digest});
  EXPECT_EQ(carga.lblTotReg, "0");
}

TEST_F(DriverTest, WrongBankNumberStopsTheScanAtThatLine) {
  std::vector<std::string> lines;
  for (int n = 0; n < 20; ++n) lines.push_back(Join(ValidRecord(rtC, n == 11 ? "999" : "001", n)));
  delivery.WriteLines(rtC, lines);
  ASSERT_FALSE(carga.ProcessaArquivo(delivery.PathOf(rtC), rtC));
  const std::string digest = DigestOf(rtC);
  EXPECT_EQ(LogOf(carga),
            (std::vector<std::string>{
                kBanner, "E|O nº do banco no arquivo difere do informado; linha: 12     C_cadastro_contas",
                "E|" + digest, kAsterisks, "N|"}));
  EXPECT_EQ(carga.lblTotReg, "12");
  EXPECT_EQ(carga.Memo2, std::vector<std::string>{digest});
}

TEST_F(DriverTest, WrongLetterReportsTheLastSuchLineWithATab) {
  std::vector<std::string> lines;
  for (int n = 0; n < 6; ++n) {
    auto fields = ValidRecord(rtY, "001", n);
    if (n == 1 || n == 4) fields[0] = "X";
    lines.push_back(Join(fields));
  }
  delivery.WriteLines(rtY, lines);
  ASSERT_FALSE(carga.ProcessaArquivo(delivery.PathOf(rtY), rtY));
  const std::string digest = DigestOf(rtY);
  EXPECT_EQ(LogOf(carga),
            (std::vector<std::string>{kBanner,
                                      "E|O conteúdo do do arquivo não corresponde ao especificado no "
                                      "layout; linha: 5\tY_observacoes",
                                      "E|" + digest, kAsterisks, "N|"}));
  EXPECT_EQ(carga.lblTotReg, "6");
  EXPECT_EQ(carga.Memo2, std::vector<std::string>{digest});
}

TEST_F(DriverTest, WrongLetterInTheIdentificationFileKeepsItsDigestOnce) {
  delivery.WriteFile(rtI, testsupport::CrLfLines(
                              {Join(testsupport::HeaderRecord(delivery.caso, delivery.bank,
                                                              delivery.counts)),
                               "X"}));
  ASSERT_FALSE(carga.ProcessaArquivo(delivery.PathOf(rtI), rtI));
  const std::string digest = DigestOf(rtI);
  EXPECT_EQ(LogOf(carga),
            (std::vector<std::string>{kBanner,
                                      "E|O conteúdo do do arquivo não corresponde ao especificado no "
                                      "layout; linha: 2\tI_identifica_dados",
                                      "E|" + digest, kAsterisks, "N|"}));
  EXPECT_EQ(carga.Memo2, std::vector<std::string>{digest});
}

TEST_F(DriverTest, FailedRecordClosesTheBlockAfterTheRunsLines) {
  std::vector<std::string> lines;
  for (int n = 0; n < 45; ++n) {
    auto fields = ValidRecord(rtE, "001", n);
    if (n == 39) fields[9] = "1500";  // money without a comma
    lines.push_back(Join(fields));
  }
  delivery.WriteLines(rtE, lines);
  carga.Edit[rtE] = "45";
  ASSERT_TRUE(carga.ProcessaArquivo(delivery.PathOf(rtE), rtE));
  const std::string digest = DigestOf(rtE);
  EXPECT_EQ(LogOf(carga),
            (std::vector<std::string>{
                kBanner, "E|E_extrato_bancario: Campo numérico vazio / Campo sem vírgula; linha:40",
                "E|" + digest, kAsterisks, "N|"}));
  EXPECT_EQ(carga.GaugePos, 39);
  EXPECT_EQ(carga.Memo2, std::vector<std::string>{digest});
}

TEST_F(DriverTest, IdentificationRecordFailureStillLetsTheOthersRun) {
  auto header = testsupport::HeaderRecord(delivery.caso, delivery.bank, delivery.counts);
  header[4] = "31042024";  // 31 April
  delivery.WriteFile(rtI, testsupport::CrLfLines({Join(header)}));
  carga.AbreArquivos();
  const auto log = LogOf(carga);
  const std::string digest = DigestOf(rtI);
  const std::vector<std::string> first(log.begin(), log.begin() + 5);
  EXPECT_EQ(first, (std::vector<std::string>{kBanner, "E|I_identifica_dados: Dia inválido; linha:1",
                                             "E|" + digest, kAsterisks, "N|"}));
  EXPECT_EQ(carga.Memo2.size(), 8u);
  EXPECT_EQ(carga.Memo2.front(), digest);
  EXPECT_EQ(log.back(), kClosing);
}

TEST_F(DriverTest, StandardNamesAreFoundIgnoringCase) {
  const std::string exact = delivery.PathOf(rtO);
  const std::string lower = delivery.dir.File("o_origem_destino_recursos.TXT");
  std::filesystem::rename(exact, lower);
  carga.AbreArquivos();
  EXPECT_FALSE(carga.Log.HasErrorLine());
  EXPECT_EQ(carga.Memo2.size(), 8u);
  EXPECT_EQ(carga.Memo2[5], DigestOf(lower));
}

TEST_F(DriverTest, ControlZAndLoneLineFeedsThroughTheWholeChain) {
  // Everything after the byte 26 is ignored by the checks but digested.
  delivery.WriteFile(rtY, testsupport::CrLfLines({Join(ValidRecord(rtY)), Join(ValidRecord(rtY))}) +
                              "\x1A" "garbage\r\nmore");
  // Lone line feeds: the whole file is one line, whose count then differs.
  delivery.WriteFile(rtC, Join(ValidRecord(rtC)) + "\n" + Join(ValidRecord(rtC)) + "\n");
  delivery.counts[rtY] = "2";
  delivery.counts[rtC] = "1";
  delivery.WriteHeader();
  carga.AbreArquivos();
  const auto log = LogOf(carga);
  // C: one line of 13 fields against a 7-field layout.
  EXPECT_NE(std::find(log.begin(), log.end(),
                      "E|N.º de campos no arquivo diferente dos campos da C_cadastro_contas; linha:1"),
            log.end());
  EXPECT_NE(std::find(log.begin(), log.end(),
                      "N|Carga efetuada com sucesso: Y_observacoes.\tOk - hh:nn:ss, N.º de Registros: 2"),
            log.end());
  EXPECT_EQ(carga.Memo2.back(), DigestOf(rtY));
  EXPECT_NE(carga.Memo2.back(), "");
}

// What the shell hears of a folder check: each file taken up and let go, and the count of
// its lines in between when the file is there.
TEST_F(DriverTest, TellsTheShellWhatHappensInOrder) {
  delivery.Remove(rtB);
  carga.AbreArquivos();
  std::vector<std::string> expected = {"FolderCheckStarted"};
  for (const RecordTypeIndex type : kOrder) {
    expected.push_back("FileStarted " + delivery.PathOf(type));
    if (type != rtB) Append(expected, {"PreScanStarted", "PreScanFinished"});
    expected.push_back("FileFinished");
  }
  expected.push_back("FolderCheckFinished");
  EXPECT_EQ(hooks.events, expected);
}

}  // namespace
}  // namespace validador
