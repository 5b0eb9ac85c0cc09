// Long contents give the messages short ones give: a file whose lines end in LF only is
// one long line, a field of megabytes is too long at its line, and so is an analyst name
// of megabytes in the identification file. The file is read in small blocks, so that the
// long line crosses hundreds of them (the memory measure is bench/memory-bounds.sh).

#include "engine/EngineFixture.h"

namespace validador {
namespace {

using testsupport::Join;
using testsupport::ValidRecord;

constexpr std::size_t kLong = std::size_t{3} << 20;

class LongContentsTest : public EngineTest {
 protected:
  LongContentsTest() {
    ScanTuning tuning;
    tuning.blockSize = 4096;
    tuning.judgingThreads = 2;
    SetScanTuning(tuning);
  }
  ~LongContentsTest() override { SetScanTuning(ScanTuning{}); }

  // A run's failure block closed by the driver.
  std::vector<std::string> RunFailure(const std::string& message, RecordTypeIndex type,
                                      bool closedByRun) {
    std::vector<std::string> lines = {kBanner, "E|" + message};
    if (closedByRun) lines.push_back(kAsterisks);
    Append(lines, {"E|" + DigestOf(type), kAsterisks, "N|"});
    return lines;
  }
};

TEST_F(LongContentsTest, LinesEndedByLineFeedsAloneAreOneLine) {
  std::string bytes;
  for (int n = 0; bytes.size() < kLong; ++n) {
    if (n > 0) bytes += '\n';
    bytes += Join(ValidRecord(rtE, delivery.bank, n));
  }
  delivery.WriteFile(rtE, bytes);
  carga.Edit[rtE] = "1";
  carga.cbHashText = "md5";
  ASSERT_TRUE(carga.ProcessaArquivo(delivery.PathOf(rtE), rtE));
  EXPECT_EQ(carga.lblTotReg, "1");
  EXPECT_EQ(LogOf(carga),
            RunFailure("N.º de campos no arquivo diferente dos campos da E_extrato_bancario; linha:1",
                       rtE, true));
}

TEST_F(LongContentsTest, FieldOfMegabytesIsTooLongAtItsLine) {
  auto longField = ValidRecord(rtE, delivery.bank, 1);
  longField[6] = std::string(kLong, 'x');
  delivery.WriteLines(rtE, {Join(ValidRecord(rtE, delivery.bank, 0)), Join(longField),
                            Join(ValidRecord(rtE, delivery.bank, 2))});
  carga.Edit[rtE] = "3";
  carga.cbHashText = "md5";
  ASSERT_TRUE(carga.ProcessaArquivo(delivery.PathOf(rtE), rtE));
  EXPECT_EQ(LogOf(carga),
            RunFailure("E_extrato_bancario: O tamanho do campo no arquivo é maior que na tabela; "
                       "Campo:  descricao_historico; linha:2",
                       rtE, false));
}

// The name is far past its field's limit, which the run of the identification file
// reports; the header check takes the rest of the header as usual and the other files go on.
TEST_F(LongContentsTest, AnalystNameOfMegabytesIsTooLongAndTheCheckGoesOn) {
  auto header = testsupport::HeaderRecord(delivery.caso, delivery.bank, delivery.counts);
  const std::string name = "Fernanda " + std::string(kLong, 'A');
  header[5] = name;
  delivery.WriteFile(rtI, testsupport::CrLfLines({Join(header)}));
  ASSERT_EQ(carga.AbreArquivos(), ComandoResultado::Concluido);
  std::vector<std::string> expected = RunFailure(
      "I_identifica_dados: O tamanho do campo no arquivo é maior que na tabela; Campo:  nm_analist; "
      "linha:1",
      rtI, false);
  for (const RecordTypeIndex type : kProcessingOrder) {
    if (type != rtI) Append(expected, SuccessBlock(type, 3));
  }
  expected.push_back(kClosing);
  EXPECT_EQ(LogOf(carga), expected);
  EXPECT_EQ(carga.Memo2.size(), 8u);
  // The name is kept as far as the header keeps a field, not whole.
  EXPECT_EQ(name.compare(0, carga.NomeAnalista.size(), carga.NomeAnalista), 0);
  EXPECT_GE(carga.NomeAnalista.size(), 200u);
  EXPECT_LE(carga.NomeAnalista.size(), 4096u);
}

}  // namespace
}  // namespace validador
