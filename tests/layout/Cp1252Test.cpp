#include <gtest/gtest.h>

#include "layout/Cp1252.h"
#include "layout/Errors.h"

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

TEST(Cp1252, UndefinedBytesKeepTheirValueAsControls) {
  EXPECT_EQ(Cp1252ToUtf8("\x81"), "\xC2\x81");
  EXPECT_EQ(Utf8ToCp1252("\xC2\x81"), "\x81");
}

TEST(ErrorMessages, FullStopAddedOnlyWhenMissing) {
  EXPECT_EQ(MessageWithFullStop("File not found"), "File not found.");
  EXPECT_EQ(MessageWithFullStop("Done."), "Done.");
  EXPECT_EQ(MessageWithFullStop(""), ".");
}

TEST(ErrorMessages, InOutErrorTextsByCode) {
  EXPECT_STREQ(EInOutError::FromErrno(ENOENT).what(), "File not found");
  EXPECT_STREQ(EInOutError::FromErrno(EACCES).what(), "File access denied");
  EXPECT_STREQ(EInOutError::FromErrno(ENOSPC).what(), "Disk full");
  EXPECT_STREQ(EInOutError::FromErrno(EISDIR).what(), "I/O error 21");
  EXPECT_EQ(EInOutError::FromErrno(EISDIR).ErrorCode(), EISDIR);
}

}  // namespace
}  // namespace validador
