#pragma once
// The engine's texts are UTF-8; Windows takes paths and console text as UTF-16.

#include <string>
#include <string_view>

namespace validador::platform {

// UTF-16 of a UTF-8 text; a byte sequence that is not UTF-8 becomes U+FFFD.
std::wstring WideOf(std::string_view utf8);

// UTF-8 of a UTF-16 text; a lone surrogate becomes U+FFFD.
std::string Utf8Of(std::wstring_view wide);

}  // namespace validador::platform
