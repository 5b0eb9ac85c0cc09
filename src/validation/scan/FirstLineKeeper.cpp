#include "validation/scan/FirstLineKeeper.h"

#include <algorithm>

namespace validador {

void FirstLineKeeper::Feed(std::string_view bytes) {
  if (done_ || bytes.empty()) return;
  const std::size_t lineEnd = bytes.find('\r');
  Take(bytes.substr(0, lineEnd));
  if (lineEnd != std::string_view::npos) done_ = true;
}

FirstLine FirstLineKeeper::Result() const {
  FirstLine line;
  line.present = present_;
  line.text = std::string(condenser_.Line());
  line.fieldCut = cut_;
  return line;
}

// Marks the kept fields that reach past the cap before handing the piece on. Marks are
// kept only for the fields the condenser keeps, however many tabs the line holds.
void FirstLineKeeper::Take(std::string_view piece) {
  present_ = true;
  if (cut_.empty()) cut_.push_back(false);
  for (std::size_t at = 0;;) {
    const std::size_t tab = std::min(piece.find('\t', at), piece.size());
    fieldBytes_ += tab - at;
    if (fieldBytes_ > kFieldCap && field_ < cut_.size()) cut_[field_] = true;
    if (tab == piece.size()) break;
    ++field_;
    if (field_ < LineCondenser::kFieldsKept) cut_.push_back(false);
    fieldBytes_ = 0;
    at = tab + 1;
  }
  condenser_.Append(piece);
}

}  // namespace validador
