// The UTF-8 decoder: well-formed sequences of each length, and how far a sequence that is
// not well formed reaches.

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/Utf8.h"

namespace validador {
namespace {

struct Utf8Case {
  const char* name;
  std::string text;
  std::size_t at;
  std::optional<char32_t> codePoint;
  std::size_t length;
};

class Utf8Test : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Test, DecodesOneCharacter) {
  const Utf8Case& c = GetParam();
  const Utf8Char decoded = DecodeUtf8(c.text, c.at);
  EXPECT_EQ(decoded.codePoint, c.codePoint);
  EXPECT_EQ(decoded.length, c.length);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, Utf8Test,
    ::testing::Values(Utf8Case{"Ascii", "a", 0, U'a', 1},
                      Utf8Case{"TwoBytes", "\xC3\xA9", 0, U'\u00E9', 2},
                      Utf8Case{"ThreeBytes", "x\xE2\x82\xACy", 1, U'\u20AC', 3},
                      Utf8Case{"FourBytes", "\xF0\x9F\x98\x80", 0, U'\U0001F600', 4},
                      Utf8Case{"LastCodePoint", "\xF4\x8F\xBF\xBF", 0, U'\U0010FFFF', 4},
                      Utf8Case{"StrayContinuation", "\x80" "a", 0, std::nullopt, 1},
                      Utf8Case{"OverlongTwoBytes", "\xC0\x80", 0, std::nullopt, 2},
                      Utf8Case{"OverlongThreeBytes", "\xE0\x80\x80", 0, std::nullopt, 3},
                      Utf8Case{"Surrogate", "\xED\xA0\x80", 0, std::nullopt, 3},
                      Utf8Case{"PastTheLastCodePoint", "\xF4\x90\x80\x80", 0, std::nullopt, 4},
                      Utf8Case{"CutShortAtTheEnd", "\xE2\x82", 0, std::nullopt, 2},
                      Utf8Case{"CutShortByAnotherCharacter", "\xE2" "A", 0, std::nullopt, 1},
                      Utf8Case{"NoSuchLead", "\xF8\x80\x80\x80\x80", 0, std::nullopt, 1}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace validador
