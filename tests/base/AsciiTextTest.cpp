// Letter case and hexadecimal digits in ASCII, the same whatever the locale.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "base/AsciiText.h"

namespace validador {
namespace {

TEST(AsciiTextTest, UpperCaseTouchesOnlyAsciiLetters) {
  EXPECT_EQ(UpperAscii("a_cadastro_agencia.txt"), "A_CADASTRO_AGENCIA.TXT");
  EXPECT_EQ(UpperAscii("az AZ 09 {}`@"), "AZ AZ 09 {}`@");
  // Windows-1252 and UTF-8 letters outside ASCII keep their bytes.
  EXPECT_EQ(UpperAscii("\xE7\xE3o \xC3\xA7"), "\xE7\xE3O \xC3\xA7");
  EXPECT_EQ(UpperAscii(""), "");
}

TEST(AsciiTextTest, HexadecimalIsDigitsAndSixLettersInEitherCase) {
  for (const char* text : {"0", "09af", "09AF", "DeadBeef"}) EXPECT_TRUE(IsHexadecimal(text)) << text;
  for (const char* text : {"", "g", "0x1F", "12 34", "AB\r", "-1"}) EXPECT_FALSE(IsHexadecimal(text)) << text;
}

TEST(AsciiTextTest, HexTextIsTwoUpperCaseDigitsPerByte) {
  const std::uint8_t bytes[] = {0x00, 0x0F, 0xA5, 0xFF};
  EXPECT_EQ(HexText(bytes, 4), "000FA5FF");
  EXPECT_EQ(HexText(bytes, 0), "");
}

}  // namespace
}  // namespace validador
