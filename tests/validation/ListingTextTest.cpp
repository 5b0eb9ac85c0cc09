// The error listing as JSON Lines and as CSV: keys and columns in order, nulls, escapes,
// quoting, the byte-order mark, cut values, Windows-1252 turned into UTF-8.

#include <gtest/gtest.h>

#include "validation/listing/ListingText.h"

namespace validador {
namespace {

ErrorListing Sample() {
  ErrorListing listing(0);
  FileListing& file = listing.BeginFile("E_EXTRATO_BANCARIO.txt");
  ListingRow whole;
  whole.regra = Regra::Arquivo;
  whole.mensagem = "Arquivo Vazio: E_extrato_bancario";
  listing.Add(whole);
  ListingRow field;
  field.linha = 12;
  field.regra = Regra::Campo;
  field.coluna = 7;
  field.campo = "descricao_historico";
  field.mensagem = "Espa\xE7os no in\xED" "cio / final do campo  descricao_historico";
  GuardaValor(field, " a;b \"c\"\r\nd\\\x01\xE7");
  listing.Add(field);
  ListingRow cut;
  cut.linha = 13;
  cut.regra = Regra::Campo;
  cut.coluna = 4;
  cut.campo = "num_conta";
  cut.mensagem = "m";
  GuardaValor(cut, std::string(250, '9'));
  listing.Add(cut);
  file.linhas = 20;
  file.linhasComErro = 2;
  return listing;
}

TEST(ListingText, JsonLinesHasOneObjectALineWithItsKeysInOrder) {
  const std::string text = ListingAsJsonLines(Sample());
  const std::string cutValue = std::string(200, '9') + "\xE2\x80\xA6";
  EXPECT_EQ(text,
            "{\"arquivo\":\"E_EXTRATO_BANCARIO.txt\",\"linha\":null,\"regra\":\"arquivo\",\"coluna\":null,"
            "\"campo\":null,\"mensagem\":\"Arquivo Vazio: E_extrato_bancario\",\"valor\":null}\n"
            "{\"arquivo\":\"E_EXTRATO_BANCARIO.txt\",\"linha\":12,\"regra\":\"campo\",\"coluna\":7,"
            "\"campo\":\"descricao_historico\",\"mensagem\":\"Espaços no início / final do campo  "
            "descricao_historico\",\"valor\":\" a;b \\\"c\\\"\\r\\nd\\\\\\u0001ç\"}\n"
            "{\"arquivo\":\"E_EXTRATO_BANCARIO.txt\",\"linha\":13,\"regra\":\"campo\",\"coluna\":4,"
            "\"campo\":\"num_conta\",\"mensagem\":\"m\",\"valor\":\"" + cutValue + "\"}\n"
            "{\"arquivo\":\"E_EXTRATO_BANCARIO.txt\",\"linha\":null,\"regra\":\"resumo\",\"coluna\":null,"
            "\"campo\":null,\"mensagem\":null,\"valor\":null,\"linhas\":20,\"linhas_com_erro\":2,"
            "\"erros\":3,\"listados\":3}\n");
}

TEST(ListingText, CsvOpensInASpreadsheetSetToPortuguese) {
  const std::string text = ListingAsCsv(Sample());
  EXPECT_EQ(text,
            "\xEF\xBB\xBF" "arquivo;linha;regra;coluna;campo;mensagem;valor\r\n"
            "E_EXTRATO_BANCARIO.txt;;arquivo;;;Arquivo Vazio: E_extrato_bancario;\r\n"
            "E_EXTRATO_BANCARIO.txt;12;campo;7;descricao_historico;Espaços no início / final do campo  "
            "descricao_historico;\" a;b \"\"c\"\"\r\nd\\\\x01ç\"\r\n"
            "E_EXTRATO_BANCARIO.txt;13;campo;4;num_conta;m;" + std::string(200, '9') + "\xE2\x80\xA6\r\n");
}

struct CsvValueCase {
  const char* name;
  std::string value;    // Windows-1252, as the row keeps it
  std::string csvField; // the field as the CSV writes it
};

class CsvValue : public ::testing::TestWithParam<CsvValueCase> {};

// One field row with the value, and the message standing where a formula could too.
std::string CsvOfValue(const std::string& value, const std::string& mensagem = "m") {
  ErrorListing listing(0);
  listing.BeginFile("E_EXTRATO_BANCARIO.txt");
  ListingRow row;
  row.linha = 2;
  row.regra = Regra::Campo;
  row.coluna = 10;
  row.campo = "valor_lancamento";
  row.mensagem = mensagem;
  GuardaValor(row, value);
  listing.Add(row);
  const std::string text = ListingAsCsv(listing);
  const std::string lead = "E_EXTRATO_BANCARIO.txt;2;campo;10;valor_lancamento;";
  const std::size_t start = text.find(lead);
  return start == std::string::npos ? text : text.substr(start + lead.size());
}

TEST_P(CsvValue, ShowsInASpreadsheetAsTheTextItIs) {
  EXPECT_EQ(CsvOfValue(GetParam().value), "m;" + GetParam().csvField + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    Values, CsvValue,
    ::testing::Values(
        CsvValueCase{"Equals", "=1+1", "'=1+1"},
        CsvValueCase{"Plus", "+55", "'+55"},
        CsvValueCase{"Minus", "-3", "'-3"},
        CsvValueCase{"At", "@SUM(A1)", "'@SUM(A1)"},
        CsvValueCase{"LeadingTab", "\tx", "'\tx"},
        CsvValueCase{"LeadingCarriageReturn", "\rx", "\"'\rx\""},
        CsvValueCase{"FormulaWithSeparator", "=A1;\"b\"", "\"'=A1;\"\"b\"\"\""},
        CsvValueCase{"FormulaCharacterInside", "1=1-2+3@", "1=1-2+3@"},
        CsvValueCase{"LeadingBlankThenFormula", " =1", " =1"},
        CsvValueCase{"Nul", std::string("1\0" "2", 3), "1\\02"},
        CsvValueCase{"LeadingNul", std::string("\0=", 2), "\\0="},
        CsvValueCase{"Escape", "\x1B[2J", "\\x1B[2J"},
        CsvValueCase{"OtherControls", "a\x01\x1F\x7F", "a\\x01\\x1F\\x7F"},
        CsvValueCase{"Plain", "12.345,67", "12.345,67"},
        CsvValueCase{"Accented", "a\xE7\xE3o", "ação"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ListingText, EveryCsvFieldIsGuardedNotOnlyTheValue) {
  EXPECT_EQ(CsvOfValue("v", "-m\x1B"), "'-m\\x1B;v\r\n");
}

TEST(ListingText, JsonLinesKeepTheRawValue) {
  ErrorListing listing(0);
  listing.BeginFile("E.txt");
  ListingRow row;
  row.regra = Regra::Campo;
  row.mensagem = "=m";
  GuardaValor(row, "=1+1");
  listing.Add(row);
  const std::string text = ListingAsJsonLines(listing);
  EXPECT_NE(text.find("\"mensagem\":\"=m\",\"valor\":\"=1+1\"}"), std::string::npos) << text;
}

TEST(ListingText, TheFormatFollowsTheFileName) {
  EXPECT_EQ(ListingFormatOf("erros.jsonl"), ListingFormat::JsonLines);
  EXPECT_EQ(ListingFormatOf("/tmp/Erros.CSV"), ListingFormat::Csv);
  EXPECT_EQ(ListingFormatOf("/tmp/Erros.Xlsx"), ListingFormat::Workbook);
  EXPECT_EQ(ListingFormatOf("erros.json"), std::nullopt);
  EXPECT_EQ(ListingFormatOf("erros.xls"), std::nullopt);
  EXPECT_EQ(ListingFormatOf("erros.txt"), std::nullopt);
  EXPECT_EQ(ListingFormatOf("csv"), std::nullopt);
}

TEST(ListingText, AFileNameThatIsNotUtf8IsStillValidJson) {
  ErrorListing listing(0);
  listing.BeginFile("A_\xE7.txt");
  const std::string expected = "{\"arquivo\":\"A_\xEF\xBF\xBD.txt\",";
  EXPECT_EQ(ListingAsJsonLines(listing).substr(0, expected.size()), expected);
}

}  // namespace
}  // namespace validador
