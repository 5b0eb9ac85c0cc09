// The identification header: field count, declared counts, contact data, and the
// comparison of case and bank numbers.

#include "engine/EngineFixture.h"
#include "base/Errors.h"

namespace validador {
namespace {

using testsupport::CrLfLines;
using testsupport::HeaderRecord;
using testsupport::Join;

class HeaderTest : public EngineTest {
 protected:
  void WriteHeader(const testsupport::Fields& fields) {
    delivery.WriteFile(rtI, CrLfLines({Join(fields)}));
  }
  testsupport::Fields Header() const {
    return HeaderRecord(delivery.caso, delivery.bank,
                        {"10", "0012", "7", "  5", "1", "+3", "$1F", "0"});
  }
};

TEST_F(HeaderTest, PassingHeaderFillsBoxesAndValuesAndListsTheDigest) {
  WriteHeader(Header());
  EXPECT_TRUE(carga.ValidaIdentificacao(delivery.PathOf(rtI)));
  EXPECT_EQ(carga.Edit, (std::array<std::string, 8>{"10", "12", "7", "5", "1", "3", "31", "0"}));
  EXPECT_EQ(carga.NumCaso, delivery.caso);
  EXPECT_EQ(carga.NumBanco, delivery.bank);
  EXPECT_EQ(Cp1252ToUtf8(carga.NomeAnalista), "Fernanda Araújo");
  EXPECT_EQ(carga.TelContato, "6133330000");
  EXPECT_EQ(carga.EmailContato, "fernanda@exemplo.com.br");
  EXPECT_TRUE(carga.Log.Lines().empty());
  EXPECT_EQ(carga.Memo2, std::vector<std::string>{DigestOf(rtI)});
}

class HeaderFieldCountTest : public HeaderTest, public ::testing::WithParamInterface<int> {};

TEST_P(HeaderFieldCountTest, WrongFieldCountWritesItsBlockAndNoDigest) {
  auto fields = Header();
  fields.resize(GetParam(), "1");
  WriteHeader(fields);
  carga.Edit[0] = "keep";
  EXPECT_FALSE(carga.ValidaIdentificacao(delivery.PathOf(rtI)));
  EXPECT_EQ(LogOf(carga), (std::vector<std::string>{
                              kBanner, "E|N.º de campos no arquivo diferente da Tabela", kAsterisks}));
  EXPECT_TRUE(carga.Memo2.empty());
  EXPECT_EQ(carga.Edit[0], "keep");
  EXPECT_EQ(carga.NumCaso, "");
}

INSTANTIATE_TEST_SUITE_P(FifteenOrSeventeen, HeaderFieldCountTest, ::testing::Values(15, 17, 1));

TEST_F(HeaderTest, EmptyIdentificationFileHasTheWrongFieldCount) {
  delivery.WriteFile(rtI, "");
  EXPECT_FALSE(carga.ValidaIdentificacao(delivery.PathOf(rtI)));
  EXPECT_EQ(LogOf(carga).size(), 3u);
}

TEST_F(HeaderTest, WrongCaseOnlyListsTheDigestSilently) {
  WriteHeader(Header());
  carga.edtNrCaso = "outro";
  EXPECT_FALSE(carga.ValidaIdentificacao(delivery.PathOf(rtI)));
  EXPECT_EQ(LogOf(carga),
            (std::vector<std::string>{kBanner, "E|O número de referência da tabela I está incorreto",
                                      kAsterisks}));
  EXPECT_EQ(carga.Memo2, std::vector<std::string>{DigestOf(rtI)});
  EXPECT_EQ(carga.NumCaso, delivery.caso);  // the header's, not the typed one
}

TEST_F(HeaderTest, WrongCaseAndBankGiveBothBlocksAndTheDigestOnce) {
  WriteHeader(Header());
  carga.edtNrCaso = "outro";
  carga.edtNrBanco = "002";
  EXPECT_FALSE(carga.ValidaIdentificacao(delivery.PathOf(rtI)));
  const std::string digest = DigestOf(rtI);
  EXPECT_EQ(LogOf(carga),
            (std::vector<std::string>{
                kBanner, "E|O número de referência da tabela I está incorreto", kAsterisks, kBanner,
                "E|O nº do banco difere do informado: linha 1     I_identifica_dados", "E|" + digest,
                "E|", kAsterisks}));
  EXPECT_EQ(carga.Memo2, std::vector<std::string>{digest});
}

TEST_F(HeaderTest, CaseComparisonIsExactBlanksIncluded) {
  WriteHeader(Header());
  carga.edtNrCaso = delivery.caso + " ";
  EXPECT_FALSE(carga.ValidaIdentificacao(delivery.PathOf(rtI)));
}

TEST_F(HeaderTest, NonIntegerCountEndsTheCommandKeepingWhatWasTakenBefore) {
  auto fields = Header();
  fields[10] = "12a";  // c_qtde_reg, the third count
  WriteHeader(fields);
  carga.NumCaso = "antigo";
  carga.edtNrCaso = "";
  try {
    carga.ValidaIdentificacao(delivery.PathOf(rtI));
    FAIL() << "expected a conversion error";
  } catch (const EConvertError& error) {
    EXPECT_STREQ(error.what(), "'12a' is not a valid integer value");
  }
  EXPECT_EQ(carga.Edit[0], "10");
  EXPECT_EQ(carga.Edit[1], "12");
  EXPECT_EQ(carga.Edit[2], "");
  EXPECT_EQ(carga.TelContato, "6133330000");
  EXPECT_EQ(carga.NumCaso, "antigo");
  EXPECT_TRUE(carga.Memo2.empty());
}

TEST_F(HeaderTest, EmptyCountFieldIsAConversionError) {
  auto fields = Header();
  fields[15] = "";
  WriteHeader(fields);
  EXPECT_THROW(carga.ValidaIdentificacao(delivery.PathOf(rtI)), EConvertError);
}

TEST_F(HeaderTest, OnlyTheFirstLineIsTheHeader) {
  auto other = Header();
  other[1] = "segundo";
  delivery.WriteFile(rtI, CrLfLines({Join(Header()), Join(other)}));
  EXPECT_TRUE(carga.ValidaIdentificacao(delivery.PathOf(rtI)));
  EXPECT_EQ(carga.NumCaso, delivery.caso);
}

TEST_F(HeaderTest, MissingFileIsAnInputOutputError) {
  try {
    carga.ValidaIdentificacao(delivery.dir.File("nada.txt"));
    FAIL() << "expected an input/output error";
  } catch (const EInOutError& error) {
    EXPECT_STREQ(error.what(), "File not found");
  }
}

struct SeparatorCase {
  const char* line;
  int n;
  int position;
};

class PosicaoSeparadorTest : public ::testing::TestWithParam<SeparatorCase> {};

TEST_P(PosicaoSeparadorTest, FindsTheNthSeparatorOrTheLast) {
  const auto& c = GetParam();
  EXPECT_EQ(Carga::PosicaoSeparador("\t", c.line, c.n), c.position);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PosicaoSeparadorTest,
    ::testing::Values(SeparatorCase{"a\tb\tc", 1, 2}, SeparatorCase{"a\tb\tc", 2, 4},
                      SeparatorCase{"a\tb\tc", 3, 4}, SeparatorCase{"abc", 1, 0},
                      SeparatorCase{"abc", 5, 0}, SeparatorCase{"\t\t", 2, 2},
                      SeparatorCase{"", 1, 0}, SeparatorCase{"ab\t", 1, 3}));

}  // namespace
}  // namespace validador
