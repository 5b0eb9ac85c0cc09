// The commands: "Limpa Tela", "Abre Arquivos", "Abre Arquivo", and the manifest.

#include "engine/EngineFixture.h"
#include "base/Errors.h"
#include "support/TempDir.h"

namespace validador {
namespace {

using testsupport::Join;
using testsupport::ValidRecord;

class CommandsTest : public EngineTest {
 protected:
  void FillEverything() {
    carga.AbreArquivos();
    carga.NumCaso = "caso";
    carga.NumBanco = "banco";
    carga.FEdit = "arquivo";
    carga.PastaSelecionada = "pasta";
  }
};

TEST_F(CommandsTest, LimpaTelaClearsTheRunAndKeepsTheRest) {
  FillEverything();
  ASSERT_FALSE(carga.Memo2.empty());
  carga.LimpaTela();
  EXPECT_TRUE(carga.Log.Lines().empty());
  EXPECT_EQ(carga.Log.ContadorLinhasLog(), 0);
  EXPECT_TRUE(carga.Memo2.empty());
  EXPECT_EQ(carga.Edit, (std::array<std::string, 8>{}));
  EXPECT_EQ(carga.GaugePos, 0);
  EXPECT_EQ(carga.NomeAnalista, "");
  EXPECT_EQ(carga.EmailContato, "");
  EXPECT_EQ(carga.TelContato, "");
  // Nothing of the last file or delivery is left to be shown or printed as this one's:
  EXPECT_EQ(carga.NumCaso, "");
  EXPECT_EQ(carga.NumBanco, "");
  EXPECT_EQ(carga.FEdit, "");
  EXPECT_EQ(carga.lblTotReg, "0");
  EXPECT_FALSE(carga.lblTotRegVisible);
  // Left alone:
  EXPECT_EQ(carga.PastaSelecionada, "pasta");
  EXPECT_EQ(carga.edtNrCaso, delivery.caso);
  EXPECT_EQ(carga.cbHashText, "md5");
}

TEST_F(CommandsTest, EmptyCaseIsNoticedFirstAfterTheScreenIsCleared) {
  carga.EscreveLog("antes", false);
  carga.edtNrCaso = "";
  carga.edtNrBanco = "";
  EXPECT_EQ(carga.AbreArquivos(), ComandoResultado::FaltaCaso);
  EXPECT_EQ(hooks.notices, std::vector<std::string>{"Preencha o n.º do caso!"});
  EXPECT_EQ(hooks.noticeAbout, std::vector<Entrada>{Entrada::Caso});
  EXPECT_TRUE(carga.Log.Lines().empty());
}

TEST_F(CommandsTest, EmptyBankIsNoticed) {
  carga.edtNrBanco = "";
  EXPECT_EQ(carga.AbreArquivos(), ComandoResultado::FaltaBanco);
  EXPECT_EQ(carga.AbreArquivo(), ComandoResultado::FaltaBanco);
  EXPECT_EQ(hooks.notices, (std::vector<std::string>{"Preencha o n.º do banco!",
                                                     "Preencha o n.º do banco!"}));
  EXPECT_TRUE(hooks.dialogFolders.empty());
}

TEST_F(CommandsTest, BlankInputsCountAsFilled) {
  carga.edtNrCaso = " ";
  EXPECT_EQ(carga.AbreArquivos(), ComandoResultado::Concluido);
  EXPECT_TRUE(hooks.notices.empty());
  EXPECT_EQ(LogOf(carga)[1], "E|O número de referência da tabela I está incorreto");
}

TEST_F(CommandsTest, DefaultAlgorithmIsMd5OnlyWhenNothingIsSelected) {
  carga.cbHashIndex = -1;
  carga.cbHashText = "Método hash...";
  carga.AbreArquivos();
  EXPECT_EQ(carga.cbHashIndex, 2);  // the third entry of the list
  EXPECT_EQ(carga.cbHashText, "md5");
  EXPECT_EQ(carga.Memo2.front().size(), 32u);

  carga.cbHashIndex = 8;
  carga.cbHashText = "sha512";
  carga.AbreArquivos();
  EXPECT_EQ(carga.cbHashText, "sha512");
  EXPECT_EQ(carga.Memo2.front().size(), 128u);
}

TEST_F(CommandsTest, TypedTextNamingNoAlgorithmIsNoticedAndNothingRuns) {
  carga.cbHashIndex = 2;
  carga.cbHashText = "MD5";
  EXPECT_EQ(carga.AbreArquivos(), ComandoResultado::AlgoritmoInvalido);
  EXPECT_EQ(carga.AbreArquivo(), ComandoResultado::AlgoritmoInvalido);
  EXPECT_EQ(carga.GeraManifesto(), std::nullopt);
  EXPECT_EQ(hooks.notices.size(), 3u);
  EXPECT_EQ(hooks.noticeAbout.front(), Entrada::Algoritmo);
  EXPECT_TRUE(carga.Log.Lines().empty());
  EXPECT_FALSE(std::filesystem::exists(delivery.dir.File("HASHV.txt")));
}

TEST_F(CommandsTest, CancelledDialogStillAppendsTheClosingLine) {
  carga.edtNrCaso = "";
  EXPECT_EQ(carga.AbreArquivo(), ComandoResultado::Concluido);
  EXPECT_EQ(hooks.dialogFolders, std::vector<std::string>{carga.dlb1});
  EXPECT_EQ(LogOf(carga), std::vector<std::string>{kClosing});
  EXPECT_EQ(carga.Log.ContadorLinhasLog(), 0);
}

TEST_F(CommandsTest, ChosenFileWithoutAStandardName) {
  hooks.chosenFile = delivery.dir.Write("outro.txt", "x");
  carga.AbreArquivo();
  EXPECT_EQ(LogOf(carga), (std::vector<std::string>{
                              kBanner, "E|O arquivo selecionado não possui um nome padrão!", kAsterisks,
                              kClosing}));
  EXPECT_EQ(carga.FEdit, *hooks.chosenFile);
}

TEST_F(CommandsTest, SingleDataFileRunsWithItsCountUnverified) {
  hooks.chosenFile = delivery.PathOf(rtA);
  carga.AbreArquivo();
  std::vector<std::string> expected = {
      kBanner, "E|O arquivo: A_cadastro_agencia não teve o nº de linhas verificado", kAsterisks};
  Append(expected, SuccessBlock(rtA, 3));
  expected.push_back(kClosing);
  EXPECT_EQ(LogOf(carga), expected);
  EXPECT_EQ(carga.Memo2, std::vector<std::string>{DigestOf(rtA)});
}

TEST_F(CommandsTest, SingleIdentificationFileRunsOnlyTheHeaderCheck) {
  carga.edtNrCaso = "";
  hooks.chosenFile = delivery.PathOf(rtI);
  carga.AbreArquivo();
  EXPECT_EQ(LogOf(carga),
            (std::vector<std::string>{kBanner, "E|O número de referência da tabela I está incorreto",
                                      kAsterisks, kClosing}));
  EXPECT_EQ(carga.Memo2, std::vector<std::string>{DigestOf(rtI)});
  EXPECT_EQ(carga.Edit[rtA], "3");
}

TEST_F(CommandsTest, NameSearchUsesTheWholeUpperCasedPathInOrder) {
  // A lower-case A name with extra characters around it is still the A file.
  const std::string aPath = delivery.dir.Write("xa_cadastro_agencias.txt.bak.txt",
                                               testsupport::ReadAll(delivery.PathOf(rtA)));
  hooks.chosenFile = aPath;
  carga.AbreArquivo();
  EXPECT_EQ(LogOf(carga)[3].rfind("N|Carga efetuada com sucesso: A_cadastro_agencia.", 0), 0u);
}

TEST_F(CommandsTest, ChosenIdentificationFileThatDoesNotExistEndsTheCommand) {
  hooks.chosenFile = delivery.dir.File("sumiu/I_IDENTIFICA_DADOS.txt");
  EXPECT_THROW(carga.AbreArquivo(), EInOutError);
  EXPECT_TRUE(carga.Log.Lines().empty());
}

TEST_F(CommandsTest, ConversionErrorEndsTheWholeRunWithoutAClosingLine) {
  delivery.counts[rtC] = "x";
  delivery.WriteHeader();
  EXPECT_THROW(carga.AbreArquivos(), EConvertError);
  EXPECT_TRUE(carga.Log.Lines().empty());
  EXPECT_EQ(carga.Edit[rtB], "3");
}

TEST_F(CommandsTest, ClosingLineIsNotCounted) {
  carga.AbreArquivos();
  const auto& lines = carga.Log.Lines();
  EXPECT_EQ(lines.back().style, LogStyle::Plain);
  EXPECT_EQ(carga.Log.ContadorLinhasLog(), static_cast<int>(lines.size()) - 1);
  EXPECT_EQ(hooks.clears, 1);
}

TEST_F(CommandsTest, ManifestHoldsTheDigestListWithCrLf) {
  carga.AbreArquivos();
  const std::optional<std::string> digest = carga.GeraManifesto();
  ASSERT_TRUE(digest.has_value());
  const std::string manifest = delivery.dir.File("HASHV.txt");
  std::string expected;
  for (const auto& line : carga.Memo2) expected += line + "\r\n";
  EXPECT_EQ(testsupport::ReadAll(manifest), expected);
  EXPECT_EQ(*digest, DigestOf(manifest));
  EXPECT_EQ(carga.PastaSelecionada, carga.dlb1);
  // A second use writes the same manifest again.
  EXPECT_EQ(carga.GeraManifesto(), digest);
}

TEST_F(CommandsTest, EmptyDigestListGivesAnEmptyManifest) {
  carga.cbHashText = "sha1";
  const std::optional<std::string> digest = carga.GeraManifesto();
  EXPECT_EQ(testsupport::ReadAll(delivery.dir.File("HASHV.txt")), "");
  EXPECT_EQ(digest, "DA39A3EE5E6B4B0D3255BFEF95601890AFD80709");
}

TEST_F(CommandsTest, EmptyDigestsBecomeEmptyLines) {
  carga.Memo2 = {"A", ""};
  const std::string manifest = delivery.dir.File("HASHV.txt");
  const std::string digest = carga.GravaManifesto(manifest);
  EXPECT_EQ(testsupport::ReadAll(manifest), "A\r\n\r\n");
  EXPECT_EQ(digest, DigestOf(manifest));
}

TEST_F(CommandsTest, ManifestThatCannotBeWrittenIsAnInputOutputError) {
  carga.dlb1 = delivery.dir.File("nao-existe");
  try {
    carga.GeraManifesto();
    FAIL() << "expected an input/output error";
  } catch (const EInOutError& error) {
    EXPECT_STREQ(error.what(), "File not found");
  }
}

}  // namespace
}  // namespace validador
