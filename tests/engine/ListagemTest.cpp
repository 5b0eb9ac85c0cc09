// The error listing of a check: the rows about whole files beside those of the lines, every
// file even where the log stops, the cap, and a log that is the same with or without it.

#include <algorithm>
#include <optional>

#include "engine/EngineFixture.h"
#include "base/Cp1252.h"
#include "support/TempDir.h"
#include "validation/scan/FileScan.h"
#include "validation/listing/ListingSpool.h"
#include "validation/listing/ListingText.h"

namespace validador {
namespace {

using testsupport::Join;
using testsupport::ValidRecord;

class ListagemTest : public EngineTest {
 protected:
  ListagemTest() { carga.ListagemPedida = 0; }

  const FileListing& FileOf(std::string_view arquivo) const {
    for (const FileListing& file : carga.Listagem.Files()) {
      if (file.arquivo == arquivo) return file;
    }
    ADD_FAILURE() << "no rows for " << arquivo;
    static const FileListing none;
    return none;
  }

  // The rows of a file as "linha regra coluna mensagem" (0 for a row about the whole file).
  std::vector<std::string> RowsOf(std::string_view arquivo) const {
    std::vector<std::string> rows;
    for (const ListingRow& row : FileOf(arquivo).rows) {
      rows.push_back(std::to_string(row.linha) + " " + std::string(NomeDaRegra(row.regra)) + " " +
                     std::to_string(row.coluna) + " " + Cp1252ToUtf8(row.mensagem));
    }
    return rows;
  }
};

// One fault of each kind about a whole file, each in its own delivery.
struct WholeFileCase {
  const char* name;
  void (*damage)(testsupport::Delivery& delivery);
  RecordTypeIndex type;
  std::vector<std::string> rows;
};

class WholeFileRows : public ListagemTest, public ::testing::WithParamInterface<WholeFileCase> {};

TEST_P(WholeFileRows, AreListedWithTheLogsTexts) {
  GetParam().damage(delivery);
  carga.AbreArquivos();
  const std::string arquivo(LayoutCatalogue::Instance().NomeArquivo(GetParam().type));
  EXPECT_EQ(RowsOf(arquivo), GetParam().rows);
  EXPECT_EQ(carga.Listagem.Files().size(), 8u);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, WholeFileRows,
    ::testing::Values(
        WholeFileCase{"Missing", [](testsupport::Delivery& d) { d.Remove(rtB); }, rtB,
                      {"0 arquivo 0 Arquivo: B_cad_deposit_favorecidos não existe na pasta selecionada!"}},
        WholeFileCase{"Empty", [](testsupport::Delivery& d) { d.WriteFile(rtE, ""); }, rtE,
                      {"0 arquivo 0 Arquivo Vazio: E_extrato_bancario",
                       // the header still declares the file's three lines
                       "0 arquivo 0 Arquivo: E_extrato_bancario. O nº de linhas do arquivo difere do "
                       "arquivo I_identifica_dados"}},
        WholeFileCase{"CountDiffers",
                      [](testsupport::Delivery& d) {
                        d.counts[rtC] = "7";
                        d.WriteHeader();
                      },
                      rtC,
                      {"0 arquivo 0 Arquivo: C_cadastro_contas. O nº de linhas do arquivo difere do "
                       "arquivo I_identifica_dados"}},
        WholeFileCase{"Utf8Text",
                      [](testsupport::Delivery& d) {
                        auto fields = ValidRecord(rtY, "001");
                        fields[3] = "descri\xC3\xA7\xC3\xA3o";  // "descrição" in UTF-8
                        d.WriteLines(rtY, {Join(fields)});
                        d.WriteHeader();
                      },
                      rtY,
                      {"0 codificacao 0 O arquivo parece estar codificado em UTF-8; o layout pede "
                       "Windows-1252"}},
        WholeFileCase{"Utf8ByteOrderMark",
                      [](testsupport::Delivery& d) {
                        d.WriteLines(rtY, {"\xEF\xBB\xBF" + Join(ValidRecord(rtY, "001"))});
                        d.WriteHeader();
                      },
                      rtY,
                      {"0 codificacao 0 O arquivo parece estar codificado em UTF-8; o layout pede "
                       "Windows-1252",
                       // the mark moves characters 3 to 5: the bank stage fails first
                       "1 banco 0 O nº do banco no arquivo difere do informado; linha: 1     "
                       "Y_observacoes"}},
        WholeFileCase{"WrongCaseInTheHeader",
                      [](testsupport::Delivery& d) {
                        d.caso = "outro";
                        d.WriteHeader();
                      },
                      rtI, {"0 arquivo 0 O número de referência da tabela I está incorreto"}}),
    [](const auto& info) { return std::string(info.param.name); });

// An empty file gets its own row and, like any data file, the row of its declared count.
struct EmptyFileCase {
  const char* name;
  std::string declared;  // the E count in the header; "" for a file checked on its own
  std::vector<std::string> rows;
};

class EmptyFileRows : public ListagemTest, public ::testing::WithParamInterface<EmptyFileCase> {};

TEST_P(EmptyFileRows, WeighTheDeclaredCount) {
  delivery.WriteFile(rtE, "");
  if (GetParam().declared.empty()) {
    hooks.chosenFile = delivery.PathOf(rtE);
    carga.AbreArquivo();
  } else {
    delivery.counts[rtE] = GetParam().declared;
    delivery.WriteHeader();
    carga.AbreArquivos();
  }
  EXPECT_EQ(RowsOf("E_EXTRATO_BANCARIO.txt"), GetParam().rows);
  // The log is the driver's: the empty-file block, never a count block.
  for (const std::string& line : LogOf(carga)) EXPECT_EQ(line.find("linhas"), std::string::npos) << line;
}

const std::string kEmptyRow = "0 arquivo 0 Arquivo Vazio: E_extrato_bancario";
const std::string kDiffersRow =
    "0 arquivo 0 Arquivo: E_extrato_bancario. O nº de linhas do arquivo difere do arquivo I_identifica_dados";

INSTANTIATE_TEST_SUITE_P(
    Counts, EmptyFileRows,
    ::testing::Values(
        EmptyFileCase{"DeclaredZero", "0", {kEmptyRow}},
        EmptyFileCase{"DeclaredSome", "5", {kEmptyRow, kDiffersRow}},
        EmptyFileCase{"DeclaredPast32Bits", "9999999999", {kEmptyRow, kDiffersRow}},
        EmptyFileCase{"DeclaredNegative", "-1", {kEmptyRow, kDiffersRow}},
        EmptyFileCase{"NoneDeclared", "",
                      {kEmptyRow, "0 arquivo 0 O arquivo: E_extrato_bancario não teve o nº de linhas verificado"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ListagemTest, ListsEveryStageOfTheLinesWithTheLineNumberInTheText) {
  auto wrongBank = ValidRecord(rtE, "002", 1);
  auto wrongLetter = ValidRecord(rtE, "001", 2);
  wrongLetter[0] = "X";
  auto twoFields = ValidRecord(rtE, "001", 3);
  twoFields[4] = "9";   // account type
  twoFields[10] = "c";  // nature of entry
  delivery.WriteLines(rtE, {Join(ValidRecord(rtE, "001", 0)), Join(wrongBank), Join(wrongLetter),
                            Join(ValidRecord(rtE, "001", 4)) + "\textra", Join(twoFields)});
  delivery.WriteHeader();
  carga.AbreArquivos();
  EXPECT_EQ(RowsOf("E_EXTRATO_BANCARIO.txt"),
            (std::vector<std::string>{
                "2 banco 0 O nº do banco no arquivo difere do informado; linha: 2     E_extrato_bancario",
                "3 letra 0 O conteúdo do do arquivo não corresponde ao especificado no layout; linha: "
                "3\tE_extrato_bancario",
                "4 campos 0 N.º de campos no arquivo diferente dos campos da E_extrato_bancario; linha:4",
                "5 campo 5 Tipo de conta inválida ", "5 campo 11 Natureza lançamento inválida "}));
  const FileListing& file = FileOf("E_EXTRATO_BANCARIO.txt");
  EXPECT_EQ(file.linhas, 5);
  EXPECT_EQ(file.linhasComErro, 4);
  EXPECT_EQ(file.erros, 5);
  const ListingRow& field = file.rows.back();
  EXPECT_EQ(field.campo, "natureza_lancamento");
  EXPECT_EQ(field.valor, "c");
}

TEST_F(ListagemTest, ListsTheFilesTheLogDoesNotReach) {
  carga.edtNrBanco = "002";  // the header's bank differs: the log stops at the I file
  delivery.Remove(rtT);
  carga.AbreArquivos();
  EXPECT_EQ(LogOf(carga).size(), 6u);  // the header's block and the closing line only
  ASSERT_EQ(carga.Listagem.Files().size(), 8u);
  EXPECT_EQ(RowsOf("I_IDENTIFICA_DADOS.txt"),
            (std::vector<std::string>{"0 arquivo 0 O nº do banco difere do informado: linha 1     "
                                      "I_identifica_dados"}));
  EXPECT_EQ(RowsOf("A_CADASTRO_AGENCIAS.txt").front(),
            "1 banco 0 O nº do banco no arquivo difere do informado; linha: 1     A_cadastro_agencia");
  EXPECT_EQ(FileOf("A_CADASTRO_AGENCIAS.txt").erros, 3);
  EXPECT_EQ(RowsOf("T_CADASTRO_TITULARES.txt"),
            (std::vector<std::string>{
                "0 arquivo 0 Arquivo: T_cadastro_titulares não existe na pasta selecionada!"}));
}

TEST_F(ListagemTest, KeepsAtMostTheCapAndCountsTheRest) {
  carga.ListagemPedida = 2;
  std::vector<std::string> lines;
  for (int n = 0; n < 5; ++n) {
    auto fields = ValidRecord(rtE, "001", n);
    fields[10] = "x";
    lines.push_back(Join(fields));
  }
  delivery.WriteLines(rtE, lines);
  delivery.WriteHeader();
  carga.AbreArquivos();
  const FileListing& file = FileOf("E_EXTRATO_BANCARIO.txt");
  EXPECT_EQ(file.rows.size(), 2u);
  EXPECT_EQ(file.erros, 5);
  EXPECT_EQ(file.linhasComErro, 5);
}

TEST_F(ListagemTest, TheLogAndTheDigestsAreTheSameWithoutIt) {
  auto bad = ValidRecord(rtE, "001", 1);
  bad[7] = "31042007";
  delivery.WriteLines(rtE, {Join(ValidRecord(rtE, "001", 0)), Join(bad)});
  delivery.WriteFile(rtO, "");
  carga.AbreArquivos();
  const std::vector<std::string> withListing = LogOf(carga);
  const std::vector<std::string> digests = carga.Memo2;
  carga.ListagemPedida.reset();
  carga.AbreArquivos();
  EXPECT_EQ(LogOf(carga), withListing);
  EXPECT_EQ(carga.Memo2, digests);
  EXPECT_TRUE(carga.Listagem.Files().empty());
}

TEST_F(ListagemTest, ASingleFileHasItsCountUnverified) {
  hooks.chosenFile = delivery.PathOf(rtA);
  carga.AbreArquivo();
  ASSERT_EQ(carga.Listagem.Files().size(), 1u);
  EXPECT_EQ(RowsOf("A_CADASTRO_AGENCIAS.txt"),
            (std::vector<std::string>{
                "0 arquivo 0 O arquivo: A_cadastro_agencia não teve o nº de linhas verificado"}));
}

// Rows sent to disk as they are found give the same listing, byte for byte, as rows held
// in memory: the same order (each file's own rows before its lines'), the same cap.
struct SpoolCase {
  ListingFormat format;
  std::int64_t maxErrors;
};

class SpooledListing : public ListagemTest, public ::testing::WithParamInterface<SpoolCase> {
 protected:
  std::string Listing(bool onDisk) {
    carga.ListagemPedida = GetParam().maxErrors;
    if (onDisk) carga.ListagemEmDisco = Carga::ListingOnDisk{GetParam().format, spoolDir.Path().string()};
    carga.AbreArquivos();
    if (!onDisk) return ListingAs(GetParam().format, carga.Listagem);
    EXPECT_NE(carga.Listagem.Spool(), nullptr);
    std::string text;
    carga.Listagem.Spool()->Produce([&text](std::string_view piece) { text.append(piece); });
    return text;
  }

  testsupport::TempDir spoolDir;
};

TEST_P(SpooledListing, IsTheListingHeldInMemory) {
  // Bad lines in several files, a whole-file row (the count) before them, a missing file.
  std::vector<std::string> lines;
  for (int i = 0; i < 40; ++i) {
    testsupport::Fields record = ValidRecord(rtE, "001", i);
    if (i % 3 == 0) record[0] = "002";           // bank number
    if (i % 3 == 1) record.pop_back();           // field count
    if (i % 3 == 2) record[7] = "31042024";      // a field
    lines.push_back(Join(record));
  }
  delivery.WriteFile(rtE, testsupport::CrLfLines(lines));
  delivery.WriteFile(rtT, testsupport::ReadAll(delivery.PathOf(rtT)) + "x\r\n");
  delivery.Remove(rtY);
  const std::string inMemory = Listing(false);
  const std::string onDisk = Listing(true);
  EXPECT_EQ(onDisk, inMemory);
  // Every file with a fault has a row, whatever the cap: E, T, Y, and CSV's header or
  // JSON Lines' summaries.
  EXPECT_GE(std::count(inMemory.begin(), inMemory.end(), '\n'), 4);
#ifndef _WIN32
  // POSIX work files have no name; Windows ones keep theirs until they are closed.
  EXPECT_TRUE(testsupport::NamesIn(spoolDir.Path()).empty());
#endif
}

INSTANTIATE_TEST_SUITE_P(
    Caps, SpooledListing,
    ::testing::Values(SpoolCase{ListingFormat::Csv, 0}, SpoolCase{ListingFormat::JsonLines, 0},
                      SpoolCase{ListingFormat::Csv, 1}, SpoolCase{ListingFormat::JsonLines, 2},
                      SpoolCase{ListingFormat::JsonLines, 15}, SpoolCase{ListingFormat::Csv, 1000}),
    [](const auto& info) {
      return std::string(info.param.format == ListingFormat::Csv ? "Csv" : "JsonLines") + "Cap" +
             std::to_string(info.param.maxErrors);
    });

// Text after the first byte 26 (end of text) of a table is never judged, though its digest
// covers it: the shell is told how many bytes, the listing has the same row about the
// whole file, and the log is the one of the text before it. A byte 26 that ends the file
// leaves nothing unchecked.
struct EndOfTextCase {
  const char* name;
  std::string tail;                      // appended to the valid statement file
  std::optional<std::uint64_t> unchecked;  // bytes the notice names; none: no notice
  std::size_t blockSize;                 // bytes per block read
};

class EndOfText : public ListagemTest, public ::testing::WithParamInterface<EndOfTextCase> {
 protected:
  void TearDown() override { SetScanTuning(ScanTuning{}); }
};

TEST_P(EndOfText, TellsTheBytesNotChecked) {
  const EndOfTextCase& c = GetParam();
  ScanTuning tuning;
  tuning.blockSize = c.blockSize;
  SetScanTuning(tuning);
  const std::string text = testsupport::ReadAll(delivery.PathOf(rtE));
  delivery.WriteFile(rtE, text + c.tail);
  carga.AbreArquivos();

  const std::string notice =
      !c.unchecked ? ""
      : *c.unchecked == 1
          ? "Arquivo: E_extrato_bancario: 1 byte depois do caractere de fim de texto (Ctrl-Z) não foi verificado"
          : "Arquivo: E_extrato_bancario: " + std::to_string(*c.unchecked) +
                " bytes depois do caractere de fim de texto (Ctrl-Z) não foram verificados";
  EXPECT_EQ(hooks.textAfterEnd,
            c.unchecked ? std::vector<std::string>{"E_EXTRATO_BANCARIO.txt: " + notice}
                        : std::vector<std::string>{});
  EXPECT_EQ(RowsOf("E_EXTRATO_BANCARIO.txt"),
            c.unchecked ? std::vector<std::string>{"0 arquivo 0 " + notice} : std::vector<std::string>{});
  // The log is that of the text before the byte 26: the file passes, whatever follows.
  const std::vector<std::string> log = LogOf(carga);
  EXPECT_NE(std::find(log.begin(), log.end(),
                      "N|Carga efetuada com sucesso: E_extrato_bancario.\tOk - hh:nn:ss, N.º de Registros: 3"),
            log.end())
      << testing::PrintToString(log);
  EXPECT_FALSE(carga.Log.HasErrorLine());
}

INSTANTIATE_TEST_SUITE_P(
    Tails, EndOfText,
    ::testing::Values(
        EndOfTextCase{"NoByte26", "", std::nullopt, 1 << 20},
        EndOfTextCase{"Byte26EndsTheFile", "\x1A", std::nullopt, 1 << 20},
        EndOfTextCase{"OneByteAfterIt", "\x1A\n", 1, 1 << 20},
        EndOfTextCase{"LinesAfterIt", "\x1A" "x\ty\r\nlixo\r\n", 11, 1 << 20},
        EndOfTextCase{"ALaterByte26IsCounted", "\x1A" "ab\x1A" "cd", 5, 1 << 20},
        // Blocks of 16 bytes: the byte 26 in one block, the bytes after it in many.
        EndOfTextCase{"TailOverManyBlocks", "\x1A" + std::string(100, 'z'), 100, 16}),
    [](const auto& info) { return std::string(info.param.name); });

// Without the listing the shell is still told.
TEST_F(ListagemTest, TextAfterEndOfTextIsToldWithoutTheListing) {
  carga.ListagemPedida.reset();
  delivery.WriteFile(rtY, testsupport::ReadAll(delivery.PathOf(rtY)) + "\x1A" "abc");
  carga.AbreArquivos();
  EXPECT_EQ(hooks.textAfterEnd,
            std::vector<std::string>{"Y_OBSERVACOES.txt: Arquivo: Y_observacoes: 3 bytes depois do "
                                     "caractere de fim de texto (Ctrl-Z) não foram verificados"});
  EXPECT_TRUE(carga.Listagem.Files().empty());
}

}  // namespace
}  // namespace validador
