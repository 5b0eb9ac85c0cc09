#include "validation/check/ElapsedTime.h"

#include <cstdio>

namespace validador {

std::string ElapsedTime::Text() const {
  return Format(std::chrono::duration_cast<std::chrono::seconds>(
      std::chrono::steady_clock::now() - start_));
}

std::string ElapsedTime::Format(std::chrono::seconds elapsed) {
  const long long total = elapsed.count() < 0 ? 0 : elapsed.count();
  char text[32];
  std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", total / 3600, total / 60 % 60,
                total % 60);
  return text;
}

}  // namespace validador
