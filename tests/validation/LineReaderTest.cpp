#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "support/TempDir.h"
#include "validation/scan/LineReader.h"

namespace validador {
namespace {

using Lines = std::vector<std::string>;
constexpr std::size_t kBlock = LineReader::kBlockSize;

// Every line of a file through the reader, copied out.
Lines ReadLines(const std::string& path) {
  LineReader reader(path);
  Lines lines;
  std::string_view line;
  while (reader.Next(line)) lines.emplace_back(line);
  return lines;
}

Lines ReadBytesThroughFile(std::string_view bytes) {
  testsupport::TempDir dir;
  return ReadLines(dir.Write("data.txt", bytes));
}

struct LineCase {
  const char* name;
  std::string bytes;
  Lines lines;
};

class LineRule : public ::testing::TestWithParam<LineCase> {};

TEST_P(LineRule, InMemory) { EXPECT_EQ(SplitLines(GetParam().bytes), GetParam().lines); }

TEST_P(LineRule, FromFile) { EXPECT_EQ(ReadBytesThroughFile(GetParam().bytes), GetParam().lines); }

using namespace std::string_literals;

INSTANTIATE_TEST_SUITE_P(
    Cases, LineRule,
    ::testing::Values(
        LineCase{"EmptyFile", "", {}},
        LineCase{"NoFinalBreak", "a\r\nb", {"a", "b"}},
        LineCase{"FinalBreakGivesNoEmptyLine", "a\r\nb\r\n", {"a", "b"}},
        LineCase{"CarriageReturnAlone", "a\rb\r", {"a", "b"}},
        LineCase{"LoneLineFeedIsAByte", "a\nb\nc", {"a\nb\nc"}},
        LineCase{"LineFeedBeforeCarriageReturn", "a\n\r\nb", {"a\n", "b"}},
        LineCase{"OnlyOneLineFeedSkipped", "a\r\n\nb", {"a", "\nb"}},
        LineCase{"EmptyLines", "\r\n\r\n", {"", ""}},
        LineCase{"CrCr", "\r\r", {"", ""}},
        LineCase{"LoneBreak", "\r\n", {""}},
        LineCase{"CtrlZAtStart", "\x1A" "a\r\nb", {}},
        LineCase{"CtrlZInLine", "a\r\nb\x1A" "c\r\nd", {"a", "b"}},
        LineCase{"CtrlZAfterBreak", "a\r\n\x1A" "b", {"a"}},
        LineCase{"CtrlZBetweenCrAndLf", "a\r\x1A\nb", {"a"}},
        LineCase{"NulAndHighBytesKept", "a\0b\xE7\r\n"s, {"a\0b\xE7"s}},
        LineCase{"TabsKept", "A\t001\t\r\n", {"A\t001\t"}}),
    [](const auto& info) { return std::string(info.param.name); });

// Lines placed so that the rule meets the border between two blocks.
TEST(LineReaderBlocks, CarriageReturnEndsABlockAndItsLineFeedStartsTheNext) {
  const std::string first(kBlock - 1, 'x');
  const std::string bytes = first + "\r\nnext\r\n";
  ASSERT_EQ(bytes[kBlock - 1], '\r');
  ASSERT_EQ(bytes[kBlock], '\n');
  EXPECT_EQ(ReadBytesThroughFile(bytes), (Lines{first, "next"}));
}

TEST(LineReaderBlocks, LineFillsTheBlockAndItsCarriageReturnStartsTheNext) {
  const std::string first(kBlock, 'x');
  EXPECT_EQ(ReadBytesThroughFile(first + "\r\nnext"), (Lines{first, "next"}));
}

TEST(LineReaderBlocks, CarriageReturnEndsTheBlockAndTheFile) {
  const std::string first(kBlock - 1, 'x');
  EXPECT_EQ(ReadBytesThroughFile(first + "\r"), Lines{first});
}

TEST(LineReaderBlocks, LoneLineFeedAtStartOfNextBlockWithoutCarriageReturnIsKept) {
  const std::string first(kBlock, 'x');
  EXPECT_EQ(ReadBytesThroughFile(first + "\nz"), Lines{first + "\nz"});
}

TEST(LineReaderBlocks, CtrlZStartsTheSecondBlockAfterAnOpenLine) {
  const std::string first(kBlock, 'x');
  EXPECT_EQ(ReadBytesThroughFile(first + "\x1A" "ignored\r\n"), Lines{first});
}

TEST(LineReaderBlocks, CtrlZInTheFirstBlockStopsTheReadingOfLaterBlocks) {
  std::string rest;
  while (rest.size() < 2 * kBlock) rest += "later\r\n";
  EXPECT_EQ(ReadBytesThroughFile("a\r\nb\x1A" "c\r\n" + rest), (Lines{"a", "b"}));
}

TEST(LineReaderBlocks, LineLongerThanTwoBlocks) {
  std::string longLine(2 * kBlock + 123, 'a');
  for (std::size_t i = 0; i < longLine.size(); i += 997) longLine[i] = static_cast<char>('b' + i % 20);
  EXPECT_EQ(ReadBytesThroughFile("s\r\n" + longLine + "\r\nt"), (Lines{"s", longLine, "t"}));
}

TEST(LineReaderBlocks, GeneratedLinesAcrossManyBordersMatchTheInMemoryRule) {
  std::mt19937 random(20070101);
  std::uniform_int_distribution<int> length(0, 300);
  std::uniform_int_distribution<int> byte(32, 126);
  std::uniform_int_distribution<int> breakKind(0, 9);
  std::string bytes;
  while (bytes.size() < 3 * kBlock + 5000) {
    for (int n = length(random); n > 0; --n) bytes += static_cast<char>(byte(random));
    const int kind = breakKind(random);
    bytes += kind < 6 ? "\r\n" : kind < 8 ? "\r" : kind < 9 ? "\n" : "\r\r\n";
  }
  const Lines expected = SplitLines(bytes);
  ASSERT_GT(expected.size(), 10000u);
  EXPECT_EQ(ReadBytesThroughFile(bytes), expected);
}

TEST(LineReaderErrors, MissingFileRaisesFileNotFound) {
  testsupport::TempDir dir;
  try {
    LineReader reader(dir.File("none.txt"));
    ADD_FAILURE() << "opened a missing file";
  } catch (const EInOutError& error) {
    EXPECT_STREQ(error.what(), "File not found");
  }
}

TEST(LineReaderErrors, AFolderIsNotOpened) {
  testsupport::TempDir dir;
  EXPECT_THROW(LineReader reader(dir.Path().string()), EInOutError);
}

TEST(LineReaderClose, NoLineAfterClose) {
  testsupport::TempDir dir;
  LineReader reader(dir.Write("d.txt", "a\r\nb\r\n"));
  std::string_view line;
  ASSERT_TRUE(reader.Next(line));
  EXPECT_EQ(line, "a");
  reader.Close();
  EXPECT_FALSE(reader.Next(line));
  reader.Close();  // closing twice is harmless
}

}  // namespace
}  // namespace validador
