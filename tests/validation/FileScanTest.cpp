// The one read of a file against a plain, line-by-line statement of the pre-scan and the
// record run, on generated files cut into blocks of every size: faults in every position,
// lines that cross blocks or outgrow them, every kind of line end, a byte 26, files whose
// size is a multiple of nothing in particular.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "hash/Calchash.h"
#include "support/TempDir.h"
#include "validation/scan/FileScan.h"
#include "validation/PlainLines.h"
#include "validation/RecordMaker.h"
#include "validation/RecordSamples.h"
#include "validation/ReferenceRules.h"

namespace validador {
namespace {

using reference::PlainLines;
using samples::RecordMaker;

// The pre-scan and the record run, each as its own loop over the lines.
LineFacts PlainFacts(std::string_view bytes, RecordTypeIndex type, const std::string& bank) {
  const std::vector<std::string> lines = PlainLines(bytes);
  const char letter = LayoutCatalogue::Instance().LetraTipo(type);
  LineFacts facts;
  facts.count = static_cast<std::int64_t>(lines.size());
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const std::string bankPart = line.size() > 2 ? line.substr(2, 3) : std::string();
    if (type != rtI && bankPart != bank) {
      facts.firstWrongBank = static_cast<std::int64_t>(i + 1);
      break;
    }
    if (line.empty() || line[0] != letter) facts.lastWrongLetter = static_cast<std::int64_t>(i + 1);
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::vector<std::string> values = reference::Split(lines[i], type);
    const std::string message = values.empty() ? std::string() : reference::Check(values, type);
    if (values.empty() || !message.empty()) {
      facts.firstFault = static_cast<std::int64_t>(i + 1);
      facts.fault = values.empty() ? RunFault::FieldCount : RunFault::Record;
      facts.MensagemErro = message;
      break;
    }
  }
  return facts;
}

// A file of generated records with the faults and line ends a delivery may have.
class FileMaker {
 public:
  explicit FileMaker(std::uint64_t seed) : records_(seed), random_(seed * 7919 + 1) {}

  std::string File(RecordTypeIndex type) {
    const bool cleanPreScan = Below(2) == 0;
    const int lines = Below(6) == 0 ? Below(3) : Below(120);
    std::string bytes;
    for (int n = 0; n < lines; ++n) {
      std::vector<std::string> values = records_.Values(type);
      if (type != rtI) values[1] = "001";
      std::string line = Below(25) == 0 ? LongLine(values) : records_.Line(values);
      if (!cleanPreScan) line = WithPreScanFault(std::move(line));
      if (Below(30) == 0) line.insert(Below(static_cast<int>(line.size()) + 1), "\n");
      bytes += line;
      if (n + 1 < lines || Below(2) == 0) bytes += LineEnd();
    }
    if (Below(12) == 0 && !bytes.empty()) bytes.insert(Below(static_cast<int>(bytes.size())), "\x1A");
    return bytes;
  }

  int Below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

 private:
  std::string LineEnd() {
    switch (Below(10)) {
      case 0:
        return "\r";
      case 1:
        return "\r\r\n";
      default:
        return "\r\n";
    }
  }

  // A field far past any limit, or far too many fields.
  std::string LongLine(std::vector<std::string> values) {
    const std::size_t field = 1 + Below(static_cast<int>(values.size()) - 1);
    if (Below(2) == 0) {
      values[field] = std::string(300 + Below(9000), 'x');
    } else {
      values[field] += std::string(40 + Below(3000), '\t');
    }
    std::string line;
    for (std::size_t i = 0; i < values.size(); ++i) line += (i == 0 ? "" : "\t") + values[i];
    return line;
  }

  std::string WithPreScanFault(std::string line) {
    switch (Below(12)) {
      case 0:
        return line.size() > 3 ? line.replace(2, 3, "002") : line;
      case 1:
        return line.empty() ? line : line.replace(0, 1, "Z");
      case 2:
        return "";
      default:
        return line;
    }
  }

  RecordMaker records_;
  std::mt19937_64 random_;
};

constexpr RecordTypeIndex kTypes[] = {rtA, rtB, rtC, rtE, rtI, rtO, rtT, rtY};

std::string Describe(const LineFacts& facts) {
  return "lines " + std::to_string(facts.count) + ", bank " + std::to_string(facts.firstWrongBank) +
         ", letter " + std::to_string(facts.lastWrongLetter) + ", fault " +
         std::to_string(facts.firstFault) + " (" + std::to_string(static_cast<int>(facts.fault)) +
         ") " + facts.MensagemErro;
}

// What the driver reads of the facts: the pre-scan's findings always, the run's only when
// the pre-scan lets the file through to it.
void ExpectSameFindings(const LineFacts& scanned, const LineFacts& plain) {
  EXPECT_EQ(scanned.PreScanLines(), plain.PreScanLines()) << Describe(scanned) << " / " << Describe(plain);
  EXPECT_EQ(scanned.firstWrongBank, plain.firstWrongBank);
  EXPECT_EQ(scanned.lastWrongLetter, plain.lastWrongLetter);
  if (plain.firstWrongBank == 0 && plain.lastWrongLetter == 0) {
    EXPECT_EQ(scanned.count, plain.count);
    EXPECT_EQ(scanned.firstFault, plain.firstFault) << Describe(scanned) << " / " << Describe(plain);
    EXPECT_EQ(scanned.fault, plain.fault);
    EXPECT_EQ(scanned.MensagemErro, plain.MensagemErro);
  }
}

class FileScanTest : public ::testing::Test {
 protected:
  void TearDown() override { SetScanTuning(ScanTuning{}); }
  testsupport::TempDir dir;
};

TEST_F(FileScanTest, FindsWhatThePlainLoopsFindInBlocksOfEverySize) {
  FileMaker maker(20241210);
  ScanObserver observer;
  int compared = 0;
  for (int round = 0; round < 40; ++round) {
    for (const RecordTypeIndex type : kTypes) {
      const std::string bytes = maker.File(type);
      const std::string path = dir.Write("f.txt", bytes);
      ScanTuning tuning;
      constexpr std::size_t kBlockSizes[] = {1, 2, 3, 7, 64, 509, 4096, 1 << 20};
      tuning.blockSize = kBlockSizes[maker.Below(8)];
      // Blocks of a few bytes take a handover per byte or two: only on short files.
      if (tuning.blockSize < 64 && bytes.size() > 3000) tuning.blockSize = 61;
      tuning.judgingThreads = 1 + maker.Below(3);
      tuning.blocksInMemory = 1 + maker.Below(6);
      SetScanTuning(tuning);
      ScanRequest request;
      request.type = type;
      request.bank = "001";
      request.algorithm = "md5";
      request.keepFirstLine = true;
      SCOPED_TRACE("round " + std::to_string(round) + ", type " + std::to_string(type) + ", block " +
                   std::to_string(tuning.blockSize));
      const ScanOutcome outcome = ScanFile(path, request, observer);
      ExpectSameFindings(outcome.facts, PlainFacts(bytes, type, "001"));
      EXPECT_EQ(outcome.digest, DigestOfBytes(bytes, "md5"));
      EXPECT_EQ(outcome.bytesRead, bytes.size());
      const std::vector<std::string> lines = PlainLines(bytes);
      EXPECT_EQ(outcome.firstLine.present, !lines.empty());
      if (!lines.empty() && lines[0].size() < 4096 &&
          std::count(lines[0].begin(), lines[0].end(), '\t') < 33) {
        EXPECT_EQ(outcome.firstLine.text, lines[0]);
      }
      ++compared;
      if (HasFailure()) return;
    }
  }
  EXPECT_EQ(compared, 40 * 8);
}

// The listing's rows of one line, stage by stage, with each field judged alone as the only
// bad field of an otherwise valid record.
void PlainRows(const std::string& line, std::int64_t number, RecordTypeIndex type,
               std::vector<ListingRow>& rows, std::int64_t& linesWithError) {
  const std::size_t before = rows.size();
  ListingRow row;
  row.linha = number;
  const std::string bankPart = line.size() > 2 ? line.substr(2, 3) : std::string();
  const std::vector<std::string> values = reference::Split(line, type);
  if (type != rtI && bankPart != "001") {
    row.regra = Regra::Banco;
  } else if (line.empty() || line[0] != LayoutCatalogue::Instance().LetraTipo(type)) {
    row.regra = Regra::Letra;
  } else if (values.empty()) {
    row.regra = Regra::Campos;
  } else {
    for (std::size_t i = 0; i < values.size(); ++i) {
      std::vector<std::string> alone = samples::ValidRecord(type);
      alone[i] = values[i];
      const std::string message = reference::Check(alone, type);
      if (message.empty()) continue;
      ListingRow field = row;
      field.regra = Regra::Campo;
      field.coluna = static_cast<int>(i) + 1;
      field.mensagem = message;
      field.valor = values[i].substr(0, ListingRow::kValueCharacters);
      field.valorCortado = values[i].size() > ListingRow::kValueCharacters;
      rows.push_back(field);
    }
    if (rows.size() > before) ++linesWithError;
    return;
  }
  rows.push_back(row);
  ++linesWithError;
}

std::string Describe(const ListingRow& row) {
  return std::to_string(row.linha) + " " + std::string(NomeDaRegra(row.regra)) + " " +
         std::to_string(row.coluna) + " " + row.mensagem + " [" + row.valor + "]";
}

TEST_F(FileScanTest, ListsEveryBadLineAsThePlainStagesDo) {
  FileMaker maker(4242);
  ScanObserver observer;
  for (int round = 0; round < 25; ++round) {
    for (const RecordTypeIndex type : kTypes) {
      const std::string bytes = maker.File(type);
      const std::string path = dir.Write("f.txt", bytes);
      ScanTuning tuning;
      constexpr std::size_t kBlockSizes[] = {61, 509, 4096, 1 << 20};
      tuning.blockSize = kBlockSizes[maker.Below(4)];
      tuning.judgingThreads = 1 + maker.Below(3);
      SetScanTuning(tuning);
      const std::int64_t cap = maker.Below(3) == 0 ? 5 : -1;
      ScanRequest request;
      request.type = type;
      request.bank = "001";
      request.listing = {true, cap};
      SCOPED_TRACE("round " + std::to_string(round) + ", type " + std::to_string(type));
      const ScanOutcome outcome = ScanFile(path, request, observer);

      std::vector<ListingRow> expected;
      std::int64_t linesWithError = 0;
      const std::vector<std::string> lines = PlainLines(bytes);
      for (std::size_t i = 0; i < lines.size(); ++i) {
        PlainRows(lines[i], static_cast<std::int64_t>(i + 1), type, expected, linesWithError);
      }
      ExpectSameFindings(outcome.facts, PlainFacts(bytes, type, "001"));
      EXPECT_EQ(outcome.rows.rowCount, static_cast<std::int64_t>(expected.size()));
      EXPECT_EQ(outcome.rows.linesWithError, linesWithError);
      const std::size_t kept = cap < 0 ? expected.size() : std::min<std::size_t>(expected.size(), 5);
      ASSERT_EQ(outcome.rows.rows.size(), kept);
      for (std::size_t i = 0; i < kept; ++i) {
        const ListingRow& got = outcome.rows.rows[i];
        EXPECT_EQ(Describe(got), Describe(expected[i]));
        EXPECT_EQ(got.valorCortado, expected[i].valorCortado);
      }
      if (HasFailure()) return;
    }
  }
}

// Blocks that end exactly at a line end, or begin with a byte 26, a CR or a line feed:
// the cases where the pieces of lines meet.
struct BoundaryCase {
  const char* name;
  std::string bytes;
  std::size_t blockSize;
};

class FileScanBoundary : public FileScanTest, public ::testing::WithParamInterface<BoundaryCase> {};

TEST_P(FileScanBoundary, FindsWhatThePlainLoopsFind) {
  const BoundaryCase& c = GetParam();
  const std::string path = dir.Write("Y.txt", c.bytes);
  for (const unsigned threads : {1u, 2u}) {
    ScanTuning tuning;
    tuning.blockSize = c.blockSize;
    tuning.judgingThreads = threads;
    SetScanTuning(tuning);
    ScanObserver observer;
    ScanRequest request;
    request.type = rtY;
    request.bank = "001";
    request.keepFirstLine = true;
    const ScanOutcome outcome = ScanFile(path, request, observer);
    const LineFacts plain = PlainFacts(c.bytes, rtY, "001");
    EXPECT_EQ(outcome.facts.count, plain.count) << Describe(outcome.facts);
    ExpectSameFindings(outcome.facts, plain);
    const std::vector<std::string> lines = PlainLines(c.bytes);
    EXPECT_EQ(outcome.firstLine.present, !lines.empty());
    if (!lines.empty()) {
      EXPECT_EQ(outcome.firstLine.text, lines[0]);
    }
  }
}

const std::string kLine = "Y\t001\t001\tobs";  // a valid Y record, 14 bytes

INSTANTIATE_TEST_SUITE_P(
    Cases, FileScanBoundary,
    ::testing::Values(
        BoundaryCase{"CrLfAtBlockEndThenByte26", kLine + "\r\n\x1A", kLine.size() + 2},
        BoundaryCase{"CrLfAtBlockEndThenByte26AndMore", kLine + "\r\n\x1A" + kLine, kLine.size() + 2},
        BoundaryCase{"CrAtBlockEndThenByte26", kLine + "\r\x1A", kLine.size() + 1},
        BoundaryCase{"CrAtBlockEndThenLineFeedAndByte26", kLine + "\r\n\x1A", kLine.size() + 1},
        BoundaryCase{"LineAtBlockEndThenByte26", kLine + "\x1A\r\n", kLine.size()},
        BoundaryCase{"CrLfAtBlockEndThenEmptyLine", kLine + "\r\n\r\n" + kLine, kLine.size() + 2},
        BoundaryCase{"CrLfAtBlockEndThenLine", kLine + "\r\n" + kLine + "\r\n", kLine.size() + 2},
        BoundaryCase{"Byte26First", "\x1A" + kLine, 1},
        BoundaryCase{"TwoCrLfBlocksThenByte26", kLine + "\r\n" + kLine + "\r\n\x1A",
                     kLine.size() + 2}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace validador
