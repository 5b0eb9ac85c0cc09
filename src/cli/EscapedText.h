#pragma once
// Text for a terminal with nothing in it that the terminal would act on or hide.

#include <string>
#include <string_view>

namespace validador::cli {

// The UTF-8 text with what a terminal would act on or hide written as escapes: NUL as
// \0; tab, line feed and carriage return as \t, \n, \r; other C0 controls and DEL as
// \xNN; C1 controls as \u0080 to \u009F; bytes that are not well-formed UTF-8 as \xNN.
std::string EscapeControls(std::string_view utf8);

}  // namespace validador::cli
