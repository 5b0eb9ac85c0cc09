#pragma once
// A line gathered from pieces (it crossed the end of a read block) without holding all of
// it: every field is kept up to a cap, and fields past the most a layout has are
// dropped but one. The rules judge the gathered line exactly as they would the whole one:
// no field limit reaches the cap, so a cut field is still too long, keeps its first bytes
// and its first character; and a line with too many fields still has too many.

#include <cstddef>
#include <string>
#include <string_view>

namespace validador {

class LineCondenser {
 public:
  // Bytes kept of a field: one more than any field limit of the layouts can use.
  static constexpr std::size_t kFieldCap = 257;
  // Fields kept: one more than the largest layout has.
  static constexpr std::size_t kFieldsKept = 33;

  explicit LineCondenser(std::size_t fieldCap = kFieldCap) : fieldCap_(fieldCap) {}

  // Adds the next piece of the line.
  void Append(std::string_view piece);
  // The line as gathered so far.
  std::string_view Line() const { return line_; }
  // Starts a new line.
  void Clear();

 private:
  std::size_t fieldCap_;
  std::string line_;
  std::size_t fieldBytes_ = 0;  // bytes of the current (last) field seen so far
  std::size_t fields_ = 1;      // fields begun so far
};

}  // namespace validador
