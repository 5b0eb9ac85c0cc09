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
// temporary file where the system allows it (an unnamed file until the rename); where it
// does not (no unnamed files on that file system, Windows), SIGINT, SIGTERM and SIGHUP
// (Ctrl+C, Ctrl+Break and closing the console on Windows) remove the temporary file
// before the process ends.
void ReplaceFileContents(const std::string& path, std::string_view bytes);

// Hands the bytes of a file, in order, to `write`, piece by piece. It may be asked more
// than once, each time from the start.
using ByteProducer = std::function<void(const std::function<void(std::string_view)>& write)>;

// As ReplaceFileContents, with bytes that come in pieces (a file too large for memory).
void ReplaceFileWith(const std::string& path, const ByteProducer& produce);

// For tests: called once the bytes are written and flushed, before the new file gets a
// name and takes the old one's place.
void SetAfterWriteHookForTests(std::function<void()> hook);

// For tests: false makes the write use a named temporary file from the start, as on a
// file system with no unnamed files (no effect on Windows, which has none).
void SetUnnamedTemporaryFilesForTests(bool allowed);

}  // namespace validador::platform
