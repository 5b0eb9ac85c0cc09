#include "validation/check/VerificationLog.h"

#include <algorithm>

namespace validador {

const LogLine& VerificationLog::EscreveLog(std::string_view text, bool errorStyle) {
  lines_.push_back(LogLine{std::string(text), errorStyle ? LogStyle::Error : LogStyle::Normal});
  ++contadorLinhasLog_;
  return lines_.back();
}

const LogLine& VerificationLog::AppendPlain(std::string_view text) {
  lines_.push_back(LogLine{std::string(text), LogStyle::Plain});
  return lines_.back();
}

void VerificationLog::Clear() {
  lines_.clear();
  contadorLinhasLog_ = 0;
}

bool VerificationLog::HasErrorLine() const {
  return std::any_of(lines_.begin(), lines_.end(),
                     [](const LogLine& line) { return line.style == LogStyle::Error; });
}

}  // namespace validador
