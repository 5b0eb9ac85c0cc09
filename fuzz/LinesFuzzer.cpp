// The line reading of a check against a plain line cutter: the file's bytes cut into
// blocks of sizes chosen by the input, each judged on its own and joined in order, must
// find what judging the plain lines one after the other finds; the first line kept for
// the header must be the plain first line; a line gathered from pieces must be judged as
// the whole line.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "validation/scan/BlockBoundaries.h"
#include "validation/scan/BlockJoiner.h"
#include "validation/scan/BlockVerdict.h"
#include "validation/scan/FirstLineKeeper.h"
#include "validation/scan/LineCondenser.h"
#include "validation/scan/LineJudge.h"
#include "validation/PlainLines.h"

namespace validador::fuzz {
namespace {

constexpr const char* kBank = "001";

// One judge per record type and mode, built once.
const LineJudge& JudgeOf(RecordTypeIndex type, JudgeMode mode) {
  static const auto judges = [] {
    std::vector<std::vector<LineJudge>> all;
    for (int t = 0; t < kRecordTypeCount; ++t) {
      std::vector<LineJudge> byMode;
      for (const JudgeMode m : {JudgeMode::PreScan, JudgeMode::PreScanAndRun}) {
        byMode.emplace_back(static_cast<RecordTypeIndex>(t), kBank, m);
      }
      all.push_back(std::move(byMode));
    }
    return all;
  }();
  return judges[type][static_cast<std::size_t>(mode)];
}

std::string Text(const LineFacts& facts) {
  return "lines " + std::to_string(facts.count) + ", bank " + std::to_string(facts.firstWrongBank) +
         ", letter " + std::to_string(facts.lastWrongLetter) + ", fault " +
         std::to_string(facts.firstFault) + "/" + std::to_string(static_cast<int>(facts.fault)) +
         " " + facts.MensagemErro;
}

// What the driver reads of the facts: the pre-scan's findings always, the run's only
// when the pre-scan lets the file through.
void ExpectSameFindings(const char* what, const LineFacts& found, const LineFacts& plain) {
  const bool same = found.count == plain.count && found.firstWrongBank == plain.firstWrongBank &&
                    found.lastWrongLetter == plain.lastWrongLetter;
  const bool runRead = plain.firstWrongBank == 0 && plain.lastWrongLetter == 0;
  const bool sameRun = !runRead || (found.firstFault == plain.firstFault && found.fault == plain.fault &&
                                    found.MensagemErro == plain.MensagemErro);
  if (!same || !sameRun) Mismatch(what, Text(found), Text(plain));
}

struct Pieces {
  LineFacts facts;
  FirstLine firstLine;
};

// The bytes as a scan sees them: block after block.
Pieces JudgedInBlocks(std::string_view bytes, const LineJudge& judge, BlockSizes& sizes) {
  BlockBoundaries boundaries;
  BlockJoiner joiner(judge, ListingWanted{});
  FirstLineKeeper firstLine(true);
  while (!bytes.empty()) {
    const std::string_view block = bytes.substr(0, sizes.Next());
    bytes.remove_prefix(block.size());
    const BlockBoundaries::Span span = boundaries.Next(block);
    if (!span.judging) continue;
    const std::string_view checked = block.substr(0, span.checkSize);
    firstLine.Feed(checked);
    joiner.Join(JudgeBlock(checked, span.startsLine, span.skipLineFeed, judge));
  }
  joiner.Finish();
  return {joiner.TakeFacts(), firstLine.Result()};
}

LineFacts JudgedLineByLine(const std::vector<std::string>& lines, const LineJudge& judge) {
  LineFacts facts;
  TRetorno fields;
  for (const std::string& line : lines) judge.Judge(line, facts, fields);
  return facts;
}

void CheckFirstLine(const FirstLine& kept, const std::vector<std::string>& lines) {
  ExpectEqual("first line present", kept.present, !lines.empty());
  if (lines.empty()) return;
  LineCondenser whole(FirstLineKeeper::kFieldCap);
  whole.Append(lines[0]);
  ExpectEqual("first line", kept.text, std::string(whole.Line()));
  std::size_t field = 0;
  std::size_t length = 0;
  for (std::size_t i = 0; i <= lines[0].size(); ++i) {
    if (i < lines[0].size() && lines[0][i] != '\t') {
      ++length;
      continue;
    }
    if (field < LineCondenser::kFieldsKept) {
      ExpectEqual("first line field kept", field < kept.fieldCut.size(), true);
      ExpectEqual("first line field cut", static_cast<bool>(kept.fieldCut[field]),
                  length > FirstLineKeeper::kFieldCap);
    }
    ++field;
    length = 0;
  }
  ExpectEqual("first line fields marked", kept.fieldCut.size(),
              std::min(field, LineCondenser::kFieldsKept));
}

// A line gathered from pieces is judged as the whole line, by the pre-scan and the run.
void CheckGathered(const std::string& line, RecordTypeIndex type, BlockSizes& sizes) {
  LineCondenser gathered;
  for (std::string_view rest = line; !rest.empty();) {
    const std::string_view piece = rest.substr(0, sizes.Next());
    gathered.Append(piece);
    rest.remove_prefix(piece.size());
  }
  LineCondenser inOnePiece;
  inOnePiece.Append(line);
  ExpectEqual("gathered line", std::string(gathered.Line()), std::string(inOnePiece.Line()));
  for (const JudgeMode mode : {JudgeMode::PreScan, JudgeMode::PreScanAndRun}) {
    const LineJudge& judge = JudgeOf(type, mode);
    const LineFacts fromPieces = JudgedLineByLine({std::string(gathered.Line())}, judge);
    const LineFacts fromWhole = JudgedLineByLine({line}, judge);
    if (Text(fromPieces) != Text(fromWhole)) Mismatch("gathered line judged", Text(fromPieces), Text(fromWhole));
  }
}

}  // namespace
}  // namespace validador::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace validador;
  using namespace validador::fuzz;
  FuzzInput input(data, size);
  const RecordTypeIndex type = input.Type();
  const std::uint8_t cuts = input.Choice();
  const std::string_view bytes = input.Rest();
  // Blocks of up to 64 bytes, or up to 4 KiB: lines within blocks and across them.
  BlockSizes sizes(cuts, cuts & 0x80 ? 4096 : 64);

  const std::vector<std::string> lines = reference::PlainLines(bytes);
  const LineJudge& judge = JudgeOf(type, JudgeMode::PreScanAndRun);
  const Pieces pieces = JudgedInBlocks(bytes, judge, sizes);
  ExpectSameFindings("facts of the blocks", pieces.facts, JudgedLineByLine(lines, judge));
  CheckFirstLine(pieces.firstLine, lines);
  for (std::size_t i = 0; i < lines.size() && i < 4; ++i) CheckGathered(lines[i], type, sizes);
  return 0;
}
