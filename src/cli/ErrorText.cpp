#include "cli/ErrorText.h"

#include <cstdio>

#include "base/Cp1252.h"
#include "base/Errors.h"
#include "validation/scan/FileScan.h"

namespace validador::cli {
namespace {

// The file an error names (or the file and the box, for a conversion error), or nullptr.
const std::string* PathOf(const std::exception& error) {
  const std::string* path = nullptr;
  if (const auto* io = dynamic_cast<const EInOutError*>(&error)) path = &io->Path();
  if (const auto* changed = dynamic_cast<const EFileChanged*>(&error)) path = &changed->Path();
  if (const auto* convert = dynamic_cast<const EConvertError*>(&error)) path = &convert->Where();
  return path != nullptr && !path->empty() ? path : nullptr;
}

}  // namespace

std::string ErrorLine(const std::exception& error) {
  // The system's messages are Windows-1252; others (the runtime's own) are taken as they are.
  const auto* ours = dynamic_cast<const Exception*>(&error);
  const std::string message = MessageWithFullStop(ours != nullptr ? ours->Message() : error.what());
  const std::string shown = EscapeControls(ours != nullptr ? Cp1252ToUtf8(message) : message);
  if (const std::string* path = PathOf(error)) {
    return std::string(kProgramPrefix) + EscapeControls(*path) + ": " + shown;
  }
  return std::string(kProgramPrefix) + shown;
}

void ReportError(const std::exception& error) {
  const std::string line = ErrorLine(error) + "\n";
  std::fwrite(line.data(), 1, line.size(), stderr);
  std::fflush(stderr);
}

}  // namespace validador::cli
