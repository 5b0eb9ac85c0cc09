// The split and the field rules against their plain statement in ReferenceRules,
// over many generated records of every type with random damage: odd bytes, tabs,
// blanks, commas, full stops, letters, accented and high bytes, signs, empty and
// long values, eight blanks, awkward dates. Each line sits in a heap block of
// exactly its size, so a read past its end shows under AddressSanitizer.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "base/StrToInt.h"
#include "validation/RecordMaker.h"
#include "validation/RecordSamples.h"
#include "validation/ReferenceRules.h"
#include "validation/rules/SeparaCampos.h"
#include "validation/rules/ValidaCampos.h"

namespace validador {
namespace {

constexpr int kRecordsPerType = 20000;
constexpr int kFailuresShown = 5;

using samples::RecordMaker;

std::string Shown(std::string_view bytes) {
  std::string text;
  for (const char byte : bytes) {
    const auto code = static_cast<unsigned char>(byte);
    if (code >= 32 && code < 127 && byte != '\\') {
      text += byte;
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", code);
      text += escaped;
    }
  }
  return text;
}

// A copy of `text` in a heap block of exactly its size.
std::unique_ptr<char[]> ExactCopy(const std::string& text) {
  auto copy = std::make_unique<char[]>(text.size());
  std::copy(text.begin(), text.end(), copy.get());
  return copy;
}

class RandomRecords : public ::testing::TestWithParam<RecordTypeIndex> {};

TEST_P(RandomRecords, SplitAndRulesAgreeWithTheReference) {
  const RecordTypeIndex type = GetParam();
  const TLayoutCampos layout = MontaListasLayout(type);
  RecordMaker maker(0x5EED0000u + static_cast<unsigned>(type));
  TRetorno fields;
  std::string MensagemErro;
  int failures = 0;
  int checked = 0;
  for (int n = 0; n < kRecordsPerType && failures < kFailuresShown; ++n) {
    const std::string line = maker.Line(maker.Values(type));
    const std::unique_ptr<char[]> block = ExactCopy(line);
    const std::string_view view(block.get(), line.size());
    const std::vector<std::string> expectedFields = reference::Split(line, type);
    const int count = SeparaCampos(view, type, fields);
    if (count != static_cast<int>(expectedFields.size()) ||
        !std::equal(expectedFields.begin(), expectedFields.end(), fields.begin())) {
      ADD_FAILURE() << "split of '" << Shown(line) << "': count " << count;
      ++failures;
      continue;
    }
    if (count == 0) continue;
    ++checked;
    const std::string expected = reference::Check(expectedFields, type);
    const bool valid = ValidaRegistro(fields, layout, MensagemErro);
    if (MensagemErro != expected || valid != expected.empty()) {
      ADD_FAILURE() << "record '" << Shown(line) << "'\n  engine:    '" << Shown(MensagemErro)
                    << "'\n  reference: '" << Shown(expected) << "'";
      ++failures;
    }
  }
  EXPECT_GT(checked, kRecordsPerType / 2);  // most lines reach the field rules
}

INSTANTIATE_TEST_SUITE_P(AllTypes, RandomRecords, ::testing::Values(rtA, rtB, rtC, rtE, rtI, rtO, rtT, rtY),
                         [](const auto& info) {
                           return std::string(1, LayoutCatalogue::Instance().LetraTipo(info.param));
                         });

TEST(RandomRecords, DatesAgreeWithTheReference) {
  RecordMaker maker(0xDA7E);
  int failures = 0;
  for (int n = 0; n < 200000 && failures < kFailuresShown; ++n) {
    const std::string value = maker.DateLike();
    if (value.empty() || value.size() > 8) continue;
    const std::unique_ptr<char[]> block = ExactCopy(value);
    const std::string engine = ValidaData(std::string_view(block.get(), value.size()));
    const std::string expected = reference::Date(value);
    if (engine != expected) {
      ADD_FAILURE() << "date '" << Shown(value) << "': engine '" << Shown(engine) << "', reference '"
                    << Shown(expected) << "'";
      ++failures;
    }
  }
}

TEST(RandomRecords, SeparatorCountsAgreeWithAPlainCount) {
  RecordMaker maker(0x7AB5);
  for (int n = 0; n < 20000; ++n) {
    std::string line(maker.Below(300), 'a');
    for (char& byte : line) byte = maker.Below(4) == 0 ? '\t' : static_cast<char>(maker.Below(256));
    const std::unique_ptr<char[]> block = ExactCopy(line);
    const auto expected = static_cast<int>(std::count(line.begin(), line.end(), '\t'));
    ASSERT_EQ(ContaSeparadores(std::string_view(block.get(), line.size()), '\t'), expected) << Shown(line);
  }
}

}  // namespace
}  // namespace validador
