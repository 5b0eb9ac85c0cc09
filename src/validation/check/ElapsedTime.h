#pragma once
// The elapsed time of a file run, on a monotonic clock, as "hh:nn:ss".

#include <chrono>
#include <string>

namespace validador {

class ElapsedTime {
 public:
  ElapsedTime() : start_(std::chrono::steady_clock::now()) {}
  // Whole seconds since construction, written "hh:nn:ss" (hours grow past 99).
  std::string Text() const;
  static std::string Format(std::chrono::seconds elapsed);

 private:
  std::chrono::steady_clock::time_point start_;
};

}  // namespace validador
