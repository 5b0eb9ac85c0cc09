#pragma once
// The first line of a file kept apart as it is read, with room for long fields (the
// identification header's): every field up to a generous length, a longer one kept cut
// and marked.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "validation/scan/LineCondenser.h"

namespace validador {

// The first line's fields, each kept up to FirstLineKeeper::kFieldCap bytes; a field
// longer than that is kept cut and marked.
struct FirstLine {
  bool present = false;
  std::string text;
  std::vector<bool> fieldCut;  // by field, from 0, for the fields kept
};

class FirstLineKeeper {
 public:
  // Bytes kept of each field of the first line.
  static constexpr std::size_t kFieldCap = 4096;

  // With `wanted` false the keeper takes nothing.
  explicit FirstLineKeeper(bool wanted) : done_(!wanted), condenser_(kFieldCap) {}

  // The next bytes of the file, in order, up to the end the checks see.
  void Feed(std::string_view bytes);
  FirstLine Result() const;

 private:
  void Take(std::string_view piece);

  bool done_;
  bool present_ = false;
  LineCondenser condenser_;
  std::vector<bool> cut_;        // marks of the fields kept
  std::size_t field_ = 0;        // the field being read, from 0
  std::size_t fieldBytes_ = 0;   // its bytes so far
};

}  // namespace validador
