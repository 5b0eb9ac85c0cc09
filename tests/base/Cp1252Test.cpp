#include <gtest/gtest.h>

#include <cerrno>
#include <optional>
#include <string>

#include "base/Cp1252.h"
#include "base/Errors.h"

namespace validador {
namespace {

struct Cp1252Case {
  const char* utf8;
  const char* cp1252;
};

class Cp1252RoundTrip : public ::testing::TestWithParam<Cp1252Case> {};

TEST_P(Cp1252RoundTrip, ConvertsBothWays) {
  const auto& c = GetParam();
  EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252);
  EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Cp1252RoundTrip,
    ::testing::Values(Cp1252Case{"", ""}, Cp1252Case{"ERRO!", "ERRO!"},
                      Cp1252Case{"Mês inválido", "M\xEAs inv\xE1lido"},
                      Cp1252Case{"N.º de campos", "N.\xBA de campos"},
                      Cp1252Case{"Fim da Verificação", "Fim da Verifica\xE7\xE3o"},
                      Cp1252Case{"Às", "\xC0s"},
                      Cp1252Case{"€ – “x”", "\x80 \x96 \x93x\x94"}));

TEST(Cp1252, UnrepresentableAndMalformedBecomeQuestionMarks) {
  EXPECT_EQ(Utf8ToCp1252("a\xE4\xB8\xAD" "b"), "a?b");  // a CJK character
  EXPECT_EQ(Utf8ToCp1252("a\xC3"), "a?");               // cut sequence
  EXPECT_EQ(Utf8ToCp1252("\xFF"), "?");
}

// Where the checked conversion stops: the first character that Windows-1252 has no
// byte for, or the first bytes that are not well-formed UTF-8.
struct OutsideCase {
  const char* name;
  std::string utf8;
  std::optional<ByteSpan> outside;  // nullopt: the whole text fits
  std::string cp1252;               // the checked conversion, when it fits
};

class Cp1252Checked : public ::testing::TestWithParam<OutsideCase> {};

TEST_P(Cp1252Checked, FindsWhatCannotBeHeldAndConvertsOnlyWhatCan) {
  const OutsideCase& c = GetParam();
  const std::optional<ByteSpan> outside = FirstCharacterOutsideCp1252(c.utf8);
  ASSERT_EQ(outside.has_value(), c.outside.has_value());
  if (outside) {
    EXPECT_EQ(outside->offset, c.outside->offset);
    EXPECT_EQ(outside->length, c.outside->length);
    EXPECT_EQ(Utf8ToCp1252Checked(c.utf8), std::nullopt);
  } else {
    EXPECT_EQ(Utf8ToCp1252Checked(c.utf8), c.cp1252);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Cp1252Checked,
    ::testing::Values(
        OutsideCase{"Empty", "", std::nullopt, ""},
        OutsideCase{"Accents", "Mês € “x”", std::nullopt, "M\xEAs \x80 \x93x\x94"},
        OutsideCase{"UndefinedByteAsControl", "\xC2\x81", std::nullopt, "\x81"},
        OutsideCase{"QuestionMarkItself", "a?", std::nullopt, "a?"},
        OutsideCase{"Arrow", "12→3", ByteSpan{2, 3}, ""},
        OutsideCase{"FourByteCharacter", "1\xF0\x9F\x98\x80", ByteSpan{1, 4}, ""},
        OutsideCase{"StrayByte", "ab\xFF", ByteSpan{2, 1}, ""},
        OutsideCase{"CutSequence", "a\xC3", ByteSpan{1, 1}, ""},
        OutsideCase{"OverlongLetter", "\xC1\x81", ByteSpan{0, 2}, ""},
        OutsideCase{"OverlongNul", "x\xC0\x80", ByteSpan{1, 2}, ""},
        OutsideCase{"Surrogate", "\xED\xA0\x80", ByteSpan{0, 3}, ""},
        OutsideCase{"PastUnicode", "\xF4\x90\x80\x80", ByteSpan{0, 4}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Cp1252, OverlongSequencesBecomeQuestionMarksNotLetters) {
  EXPECT_EQ(Utf8ToCp1252("\xC1\x81" "1"), "?1");  // an overlong "A" is no "A"
}

TEST(Cp1252, UndefinedBytesKeepTheirValueAsControls) {
  EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xC2\x81");
  EXPECT_EQ(Utf8ToCp1252("\xC2\x81"), "\x81");
}

TEST(ErrorMessages, FullStopAddedOnlyWhenMissing) {
  EXPECT_EQ(MessageWithFullStop("File not found"), "File not found.");
  EXPECT_EQ(MessageWithFullStop("Done."), "Done.");
  EXPECT_EQ(MessageWithFullStop(""), ".");
}

TEST(ErrorMessages, MessageKeepsEveryByteWhereWhatStopsAtNul) {
  using namespace std::string_literals;
  const std::string text = "'1\0002' is not a valid integer value"s;
  const EConvertError error(text);
  EXPECT_EQ(error.Message(), text);
  EXPECT_STREQ(error.what(), "'1");
}

TEST(ErrorMessages, InOutErrorTextsByCode) {
  EXPECT_STREQ(EInOutError::FromErrno(ENOENT).what(), "File not found");
  EXPECT_STREQ(EInOutError::FromErrno(EACCES).what(), "File access denied");
  EXPECT_STREQ(EInOutError::FromErrno(ENOSPC).what(), "Disk full");
  EXPECT_EQ(EInOutError::FromErrno(EISDIR).ErrorCode(), EISDIR);
}

// A bare number gets what it means in Portuguese after the system's own text; a number
// with no known meaning stays bare.
struct ErrnoReasonCase {
  int code;
  std::string reason;  // Windows-1252, empty: the bare number
};

class ErrnoReasons : public ::testing::TestWithParam<ErrnoReasonCase> {};

TEST_P(ErrnoReasons, FollowTheNumber) {
  const EInOutError error = EInOutError::FromErrno(GetParam().code, "/x");
  EXPECT_EQ(error.Message(), "I/O error " + std::to_string(GetParam().code) + GetParam().reason);
  EXPECT_EQ(error.ErrorCode(), GetParam().code);
  EXPECT_EQ(error.Path(), "/x");
}

INSTANTIATE_TEST_SUITE_P(Codes, ErrnoReasons,
                         ::testing::Values(ErrnoReasonCase{EISDIR, " (\xE9 uma pasta)"},
                                           ErrnoReasonCase{ENAMETOOLONG, " (nome longo demais)"},
#ifdef ELOOP
                                           ErrnoReasonCase{ELOOP, " (links em ciclo)"},
#endif
                                           ErrnoReasonCase{EFBIG, ""}, ErrnoReasonCase{EIO, ""}));

TEST(ErrorMessages, NotARegularFileSaysWhatIsThere) {
  EXPECT_EQ(EInOutError::NotARegularFile(13, true, "p").Message(), "File access denied (\xE9 uma pasta)");
  EXPECT_EQ(EInOutError::NotARegularFile(13, false, "p").Message(),
            "File access denied (n\xE3o \xE9 um arquivo comum)");
  EXPECT_EQ(EInOutError::NotARegularFile(13, false, "p").ErrorCode(), 13);
}

}  // namespace
}  // namespace validador
