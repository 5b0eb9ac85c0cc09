#pragma once
// Writing a whole file so that readers see either the old content or the new one.

#include <functional>
#include <string>
#include <string_view>

namespace validador::platform {

// Makes `bytes` the content of the file at `path`: they go to a temporary file in the
// same folder, which is flushed to disk and then renamed over the old file. When
// anything fails, the old file is left as it was, no temporary file stays behind and
// EInOutError naming `path` is thrown. A process ended while writing leaves no
// temporary file where the system allows it (an unnamed file until the rename).
void ReplaceFileContents(const std::string& path, std::string_view bytes);

// For tests: called once the bytes are written and flushed, before the new file gets a
// name and takes the old one's place.
void SetAfterWriteHookForTests(std::function<void()> hook);

}  // namespace validador::platform
