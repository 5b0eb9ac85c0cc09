#include "platform/windows/WideText.h"

#include <windows.h>

#include <climits>
#include <stdexcept>

namespace validador::platform {
namespace {

int LengthAsInt(std::size_t length) {
  if (length > static_cast<std::size_t>(INT_MAX)) throw std::length_error("text too long");
  return static_cast<int>(length);
}

}  // namespace

std::wstring WideOf(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int length = LengthAsInt(utf8.size());
  const int wideLength = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), wideLength);
  return wide;
}

std::string Utf8Of(std::wstring_view wide) {
  if (wide.empty()) return {};
  const int length = LengthAsInt(wide.size());
  const int utf8Length =
      ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(utf8Length), '\0');
  ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), length, utf8.data(), utf8Length, nullptr, nullptr);
  return utf8;
}

}  // namespace validador::platform
