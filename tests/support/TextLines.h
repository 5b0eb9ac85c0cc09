#pragma once
// A program's output cut into lines.

#include <string>
#include <vector>

namespace testsupport {

// The lines of `text`, split at each line feed (no empty line after the last one).
std::vector<std::string> LinesOf(const std::string& text);

}  // namespace testsupport
