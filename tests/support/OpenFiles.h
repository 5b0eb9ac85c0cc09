#pragma once
// Whether a file is still held open: what tells that a reader let go of it.

#include <string>

namespace testsupport {

// True while this process holds the file (path in UTF-8) open; on Windows, while any
// process holds it open.
bool IsHeldOpen(const std::string& path);

}  // namespace testsupport
