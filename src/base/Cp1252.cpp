#include "base/Cp1252.h"

#include <array>
#include <cstdint>
#include <optional>

#include "base/Utf8.h"

namespace validador {
namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the page equals Latin-1.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t CodePointOf(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80];
  return byte;
}

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

// The Windows-1252 byte of a code point; nullopt when the page has none for it.
std::optional<char> ByteFor(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (std::size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == cp) return static_cast<char>(0x80 + i);
  }
  return std::nullopt;
}

// What a sequence that is not well-formed UTF-8 decodes to; Windows-1252 has no byte for it.
constexpr char32_t kMalformed = 0xFFFD;

// Decodes one UTF-8 sequence at s[i] and advances i past it; one that is not well formed
// decodes to kMalformed.
char32_t NextCodePoint(std::string_view s, std::size_t& i) {
  const Utf8Char next = DecodeUtf8(s, i);
  i += next.length;
  return next.codePoint.value_or(kMalformed);
}

}  // namespace

std::string Cp1252ToUtf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 8);
  for (const char c : bytes) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) out += ByteFor(NextCodePoint(utf8, i)).value_or('?');
  return out;
}

std::optional<ByteSpan> FirstCharacterOutsideCp1252(std::string_view utf8) {
  std::size_t i = 0;
  while (i < utf8.size()) {
    const std::size_t start = i;
    if (!ByteFor(NextCodePoint(utf8, i))) return ByteSpan{start, i - start};
  }
  return std::nullopt;
}

std::optional<std::string> Utf8ToCp1252Checked(std::string_view utf8) {
  if (FirstCharacterOutsideCp1252(utf8)) return std::nullopt;
  return Utf8ToCp1252(utf8);
}

bool FitsCp1252(std::string_view utf8) { return !FirstCharacterOutsideCp1252(utf8); }

}  // namespace validador
