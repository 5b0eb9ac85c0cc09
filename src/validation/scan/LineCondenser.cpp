#include "validation/scan/LineCondenser.h"

#include <algorithm>

namespace validador {

void LineCondenser::Append(std::string_view piece) {
  while (!piece.empty()) {
    const std::size_t tab = piece.find('\t');
    const std::string_view part = piece.substr(0, tab);
    if (fields_ <= kFieldsKept) {
      const std::size_t room = fieldCap_ > fieldBytes_ ? fieldCap_ - fieldBytes_ : 0;
      line_.append(part.substr(0, std::min(room, part.size())));
    }
    fieldBytes_ += part.size();
    if (tab == std::string_view::npos) return;
    if (fields_ < kFieldsKept) line_ += '\t';
    ++fields_;
    fieldBytes_ = 0;
    piece.remove_prefix(tab + 1);
  }
}

void LineCondenser::Clear() {
  line_.clear();
  fieldBytes_ = 0;
  fields_ = 1;
}

}  // namespace validador
