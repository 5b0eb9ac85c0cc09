#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "base/Errors.h"
#include "support/TestNames.h"
#include "base/StrToInt.h"

namespace validador {
namespace {

struct AcceptedCase {
  const char* text;
  std::int32_t value;
};

class StrToIntAccepts : public ::testing::TestWithParam<AcceptedCase> {};

TEST_P(StrToIntAccepts, GivesTheValue) {
  const AcceptedCase& c = GetParam();
  std::int32_t value = 77;
  EXPECT_TRUE(TryStrToInt(c.text, value)) << '\'' << c.text << '\'';
  EXPECT_EQ(value, c.value) << '\'' << c.text << '\'';
  EXPECT_EQ(StrToInt(c.text), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StrToIntAccepts,
    ::testing::Values(AcceptedCase{"0", 0}, AcceptedCase{"12", 12}, AcceptedCase{"0012", 12},
                      AcceptedCase{"+7", 7}, AcceptedCase{"-7", -7}, AcceptedCase{"-0", 0},
                      AcceptedCase{"   42", 42}, AcceptedCase{" -3", -3},
                      AcceptedCase{"$1F", 31}, AcceptedCase{"$ff", 255}, AcceptedCase{"x10", 16},
                      AcceptedCase{"X10", 16}, AcceptedCase{"0x10", 16}, AcceptedCase{"0XaB", 171},
                      AcceptedCase{"-$10", -16}, AcceptedCase{"+0x10", 16}, AcceptedCase{" $1", 1},
                      AcceptedCase{"$0000000001", 1},
                      AcceptedCase{"2147483647", 2147483647}, AcceptedCase{"-2147483648", INT32_MIN},
                      AcceptedCase{"000000000002147483647", 2147483647},
                      AcceptedCase{"$7FFFFFFF", 2147483647}, AcceptedCase{"-$80000000", INT32_MIN},
                      AcceptedCase{"-0x80000000", INT32_MIN}),
    [](const auto& info) { return testsupport::CaseName(info.index, info.param.text); });

class StrToIntRejects : public ::testing::TestWithParam<const char*> {};

TEST_P(StrToIntRejects, FailsAndLeavesTheValue) {
  std::int32_t value = 77;
  EXPECT_FALSE(TryStrToInt(GetParam(), value)) << '\'' << GetParam() << '\'';
  EXPECT_EQ(value, 77);
}

TEST_P(StrToIntRejects, ThrowsConvertErrorNamingTheWholeText) {
  const std::string text = GetParam();
  try {
    StrToInt(text);
    ADD_FAILURE() << "no error for '" << text << '\'';
  } catch (const EConvertError& error) {
    EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid integer value");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StrToIntRejects,
    ::testing::Values("", " ", "   ", "+", "-", " -", "$", "x", "0x", "-$", "+-1", "--1", "1 ", " 1 ",
                      "1.0", "1,0", "12/", "a", "1a", "0x1G", "$-1", "- 1", "\t1", "1\t", "0b1",
                      "2147483648", "-2147483649", "99999999999999999999", "$80000000", "0x80000000",
                      "$100000000", "\xE7"),
    [](const auto& info) { return testsupport::CaseName(info.index, info.param); });

// The same conversion into 64 bits, for counts of lines: the 32-bit texts give the same
// values, and the wider range takes what a file of more than 2^31 lines declares.
struct Accepted64Case {
  const char* text;
  std::int64_t value;
};

class StrToInt64Accepts : public ::testing::TestWithParam<Accepted64Case> {};

TEST_P(StrToInt64Accepts, GivesTheValue) {
  const Accepted64Case& c = GetParam();
  std::int64_t value = 77;
  EXPECT_TRUE(TryStrToInt64(c.text, value)) << '\'' << c.text << '\'';
  EXPECT_EQ(value, c.value) << '\'' << c.text << '\'';
  EXPECT_EQ(StrToInt64(c.text), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StrToInt64Accepts,
    ::testing::Values(Accepted64Case{"0", 0}, Accepted64Case{"   42", 42}, Accepted64Case{"-7", -7},
                      Accepted64Case{"$1F", 31}, Accepted64Case{"-0x10", -16},
                      Accepted64Case{"2147483648", 2147483648LL},
                      Accepted64Case{"3000000000", 3000000000LL},
                      Accepted64Case{"4294967297", 4294967297LL},
                      Accepted64Case{"-2147483649", -2147483649LL},
                      Accepted64Case{"$80000000", 2147483648LL},
                      Accepted64Case{"9223372036854775807", INT64_MAX},
                      Accepted64Case{"-9223372036854775808", INT64_MIN},
                      Accepted64Case{"0x7FFFFFFFFFFFFFFF", INT64_MAX},
                      Accepted64Case{"-$8000000000000000", INT64_MIN},
                      Accepted64Case{"0000000000000000000000009", 9}),
    [](const auto& info) { return testsupport::CaseName(info.index, info.param.text); });

class StrToInt64Rejects : public ::testing::TestWithParam<const char*> {};

TEST_P(StrToInt64Rejects, FailsAndThrowsConvertErrorNamingTheWholeText) {
  const std::string text = GetParam();
  std::int64_t value = 77;
  EXPECT_FALSE(TryStrToInt64(text, value)) << '\'' << text << '\'';
  EXPECT_EQ(value, 77);
  try {
    StrToInt64(text);
    ADD_FAILURE() << "no error for '" << text << '\'';
  } catch (const EConvertError& error) {
    EXPECT_EQ(std::string(error.what()), "'" + text + "' is not a valid integer value");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, StrToInt64Rejects,
    ::testing::Values("", " ", "+", "-", "$", "0x", "1 ", "1.0", "1a", "- 1", "\t1",
                      "9223372036854775808", "-9223372036854775809", "18446744073709551616",
                      "99999999999999999999", "$8000000000000000", "0x10000000000000000"),
    [](const auto& info) { return testsupport::CaseName(info.index, info.param); });

}  // namespace
}  // namespace validador
