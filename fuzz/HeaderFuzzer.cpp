// The identification header check on the first line as a scan keeps it, against a plain
// statement of the check on the whole first line: the same outcome, log lines, declared
// counts, identification values and conversion errors.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzInput.h"
#include "base/Errors.h"
#include "base/StrToInt.h"
#include "validation/scan/BlockBoundaries.h"
#include "validation/check/Carga.h"
#include "validation/scan/FirstLineKeeper.h"
#include "base/Mensagens.h"
#include "validation/PlainLines.h"
#include "validation/ReferenceRules.h"

namespace validador::fuzz {
namespace {

constexpr std::size_t kCap = FirstLineKeeper::kFieldCap;
const std::string kDigest = "D1G";

std::string Kept(const std::string& field) { return field.substr(0, kCap); }

// What the check is to do with the whole first line.
struct Expected {
  bool passed = false;
  std::vector<std::string> log;
  std::string error;  // the conversion error, if the check is to raise one
  std::array<std::string, 8> counts;
  std::vector<std::string> values;  // case, bank, analyst, phone, e-mail (when reached)
  std::vector<std::string> digestList;
};

void AddErrorBlock(std::vector<std::string>& log, const std::string& message) {
  log.insert(log.end(), {texts::ErrorBanner(), message, texts::AsteriskLine()});
}

Expected PlainCheck(const std::string& line, const std::string& caso, const std::string& banco) {
  Expected expected;
  const std::vector<std::string> fields = reference::SplitAtTabs(line);
  if (fields.size() != 16) {
    AddErrorBlock(expected.log, texts::HeaderFieldCount());
    return expected;
  }
  for (int k = 9; k <= 16; ++k) {
    const std::string& text = fields[k - 1];
    std::int64_t value = 0;
    if (text.size() > kCap) {
      expected.error = "'" + Kept(text) + "\x85' is not a valid integer value";
      return expected;
    }
    if (!TryStrToInt64(text, value)) {
      expected.error = "'" + text + "' is not a valid integer value";
      return expected;
    }
    expected.counts[k - 9] = std::to_string(value);
  }
  expected.values = {Kept(fields[1]), Kept(fields[2]), Kept(fields[5]), Kept(fields[6]), Kept(fields[7])};
  // A value too long to be kept whole differs from anything typed.
  const bool caseMatches = fields[1] == caso && fields[1].size() <= kCap;
  const bool bankMatches = fields[2] == banco && fields[2].size() <= kCap;
  if (!caseMatches) AddErrorBlock(expected.log, texts::HeaderWrongCase());
  if (!bankMatches) {
    expected.log.insert(expected.log.end(), {texts::ErrorBanner(), texts::HeaderWrongBank(), kDigest, "",
                                             texts::AsteriskLine()});
  }
  expected.digestList = {kDigest};
  expected.passed = caseMatches && bankMatches;
  return expected;
}

FirstLine KeptInBlocks(std::string_view bytes, BlockSizes& sizes) {
  BlockBoundaries boundaries;
  FirstLineKeeper keeper(true);
  while (!bytes.empty()) {
    const std::string_view block = bytes.substr(0, sizes.Next());
    bytes.remove_prefix(block.size());
    const BlockBoundaries::Span span = boundaries.Next(block);
    if (span.judging) keeper.Feed(block.substr(0, span.checkSize));
  }
  return keeper.Result();
}

std::string LogText(const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines) text += line + " | ";
  return text;
}

}  // namespace
}  // namespace validador::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace validador;
  using namespace validador::fuzz;
  FuzzInput input(data, size);
  const std::uint8_t typed = input.Choice();
  const std::uint8_t cuts = input.Choice();
  const std::string_view bytes = input.Rest();
  BlockSizes sizes(cuts, cuts & 0x80 ? 8192 : 64);

  const std::vector<std::string> lines = reference::PlainLines(bytes);
  const std::string line = lines.empty() ? std::string() : lines[0];
  const std::vector<std::string> fields = reference::SplitAtTabs(line);
  // The typed values: those of the header, or others.
  Carga carga;
  carga.edtNrCaso = (typed & 1) != 0 && fields.size() > 1 ? fields[1] : "2024.001";
  carga.edtNrBanco = (typed & 2) != 0 && fields.size() > 2 ? fields[2] : "001";
  const Expected expected = PlainCheck(line, carga.edtNrCaso, carga.edtNrBanco);

  const FirstLine header = KeptInBlocks(bytes, sizes);
  bool passed = false;
  std::string error;
  try {
    passed = carga.ValidaIdentificacao(header, kDigest);
  } catch (const EConvertError& conversion) {
    error = conversion.what();
  }
  // An error's text is read as a C string: it ends at a byte 0 of the value it quotes.
  const std::string expectedError = expected.error.c_str();
  std::vector<std::string> log;
  for (const LogLine& logLine : carga.Log.Lines()) log.push_back(logLine.text);

  ExpectEqual("conversion error", error, expectedError);
  ExpectEqual("log", LogText(log), LogText(expected.log));
  if (!error.empty()) return 0;
  ExpectEqual("passed", passed, expected.passed);
  ExpectEqual("digest list", LogText(carga.Memo2), LogText(expected.digestList));
  for (std::size_t i = 0; i < expected.counts.size(); ++i) {
    ExpectEqual("declared count", carga.Edit[i], expected.counts[i]);
  }
  if (!expected.values.empty()) {
    const std::vector<std::string> values = {carga.NumCaso, carga.NumBanco, carga.NomeAnalista,
                                             carga.TelContato, carga.EmailContato};
    ExpectEqual("identification values", LogText(values), LogText(expected.values));
  }
  return 0;
}
