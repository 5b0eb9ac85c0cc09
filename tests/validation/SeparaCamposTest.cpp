#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "validation/rules/SeparaCampos.h"
#include "support/TestNames.h"

namespace validador {
namespace {

using Fields = std::vector<std::string>;

std::string JoinWithTabs(const Fields& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) line += (i == 0 ? "" : "\t") + fields[i];
  return line;
}

struct SplitCase {
  const char* name;
  RecordTypeIndex type;
  std::string line;
  int count;
  Fields fields;  // the first `count` entries
};

class SeparaCamposCases : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SeparaCamposCases, CountAndFields) {
  const SplitCase& c = GetParam();
  TRetorno retorno;
  const int count = SeparaCampos(c.line, c.type, retorno);
  EXPECT_EQ(count, c.count);
  EXPECT_EQ(retorno.size(), 35u);
  ASSERT_EQ(c.fields.size(), static_cast<std::size_t>(c.count));
  for (int i = 0; i < c.count; ++i) EXPECT_EQ(retorno[i], c.fields[i]) << "field " << i;
}

const Fields kYFields = {"Y", "001", "obs1", "texto"};

INSTANTIATE_TEST_SUITE_P(
    Lines, SeparaCamposCases,
    ::testing::Values(
        SplitCase{"Exact", rtY, JoinWithTabs(kYFields), 4, kYFields},
        SplitCase{"OneTabTooFew", rtY, "Y\t001\tobs1", 0, {}},
        SplitCase{"OneTabTooMany", rtY, "Y\t001\tobs1\ttexto\tmais", 0, {}},
        SplitCase{"EmptyLine", rtY, "", 0, {}},
        SplitCase{"TrailingTabGivesEmptyLast", rtY, "Y\t001\tobs1\t", 4, {"Y", "001", "obs1", ""}},
        SplitCase{"LeadingTabGivesEmptyFirst", rtY, "\t001\tobs1\tx", 4, {"", "001", "obs1", "x"}},
        SplitCase{"TwoTabsGiveEmptyBetween", rtY, "Y\t\t\tx", 4, {"Y", "", "", "x"}},
        SplitCase{"OnlyTabs", rtY, "\t\t\t", 4, {"", "", "", ""}},
        SplitCase{"BlanksKept", rtY, "Y\t 001 \t obs\t ", 4, {"Y", " 001 ", " obs", " "}},
        SplitCase{"OtherSeparatorsAreBytes", rtY, "Y;1\t0,1\t\r\n\t|", 4, {"Y;1", "0,1", "\r\n", "|"}},
        SplitCase{"ALineOfThirteen", rtA, JoinWithTabs(Fields(13, "v")), 13, Fields(13, "v")},
        SplitCase{"ALineOfFourteen", rtA, JoinWithTabs(Fields(14, "v")), 0, {}},
        SplitCase{"BLineOfThirtyOne", rtB, JoinWithTabs(Fields(31, "b")), 31, Fields(31, "b")},
        SplitCase{"YLineAgainstELayout", rtE, JoinWithTabs(kYFields), 0, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SeparaCampos, ReusedArrayGetsAnEmptyLastFieldAfterALineWithAValueThere) {
  TRetorno retorno;
  ASSERT_EQ(SeparaCampos("Y\t001\tobs1\tcheio", rtY, retorno), 4);
  ASSERT_EQ(SeparaCampos("Y\t002\tobs2\t", rtY, retorno), 4);
  EXPECT_EQ(retorno[1], "002");
  EXPECT_EQ(retorno[3], "");
}

TEST(SeparaCampos, FieldsAreViewsIntoTheLine) {
  const std::string line = "Y\t001\tobs1\ttexto";
  TRetorno retorno;
  ASSERT_EQ(SeparaCampos(line, rtY, retorno), 4);
  EXPECT_EQ(retorno[2].data(), line.data() + 6);
}

// Lines longer than the 64-byte chunks that the split scans, with the tabs of a
// Y line (three) placed on and around the chunk borders.
TEST(SeparaCampos, TabsOnAndAroundChunkBorders) {
  const std::vector<std::size_t> spots = {0, 1, 62, 63, 64, 65, 127, 128, 129, 191, 192, 199};
  TRetorno retorno;
  for (std::size_t a = 0; a < spots.size(); ++a) {
    for (std::size_t b = a + 1; b < spots.size(); ++b) {
      for (std::size_t c = b + 1; c < spots.size(); ++c) {
        std::string line(200, 'x');
        for (std::size_t i = 0; i < line.size(); ++i) line[i] = static_cast<char>('a' + i % 26);
        line[spots[a]] = line[spots[b]] = line[spots[c]] = '\t';
        const Fields expected = {line.substr(0, spots[a]), line.substr(spots[a] + 1, spots[b] - spots[a] - 1),
                                 line.substr(spots[b] + 1, spots[c] - spots[b] - 1), line.substr(spots[c] + 1)};
        SCOPED_TRACE(std::to_string(spots[a]) + "," + std::to_string(spots[b]) + "," + std::to_string(spots[c]));
        ASSERT_EQ(ContaSeparadores(line, '\t'), 3);
        ASSERT_EQ(SeparaCampos(line, rtY, retorno), 4);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(retorno[i], expected[i]);
        line += '\t';
        EXPECT_EQ(SeparaCampos(line, rtY, retorno), 0);
      }
    }
  }
}

TEST(ContaSeparadores, CountsOnlyTheSeparator) {
  EXPECT_EQ(ContaSeparadores("", '\t'), 0);
  EXPECT_EQ(ContaSeparadores("abc", '\t'), 0);
  EXPECT_EQ(ContaSeparadores("\ta\t\tb\t", '\t'), 4);
  EXPECT_EQ(ContaSeparadores("a;b\tc", ';'), 1);
  EXPECT_EQ(ContaSeparadores(std::string(64, '\t'), '\t'), 64);
  EXPECT_EQ(ContaSeparadores(std::string(1000, '\t') + "x", '\t'), 1000);
  EXPECT_EQ(ContaSeparadores(std::string(1000, '\x89'), '\t'), 0);  // 0x89 is not 0x09
}

struct CutCase {
  std::string line;
  std::string field;
  std::string rest;
};

class ExtraiCampoCases : public ::testing::TestWithParam<CutCase> {};

TEST_P(ExtraiCampoCases, CutsTheFirstField) {
  std::string_view line = GetParam().line;
  std::string_view field = "stale";
  ExtraiCampo(line, field);
  EXPECT_EQ(field, GetParam().field);
  EXPECT_EQ(line, GetParam().rest);
}

INSTANTIATE_TEST_SUITE_P(Lines, ExtraiCampoCases,
                         ::testing::Values(CutCase{"a\tb\tc", "a", "b\tc"}, CutCase{"\tb", "", "b"},
                                           CutCase{"a\t", "a", ""}, CutCase{"abc", "abc", ""},
                                           CutCase{"", "", ""}),
                         [](const auto& info) { return testsupport::CaseName(info.index, info.param.line); });

}  // namespace
}  // namespace validador
