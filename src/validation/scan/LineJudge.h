#pragma once
// The checks of every line of one file: the pre-scan's bank number and type letter, and
// the record run's field count and field rules. Shared, unchanged, by every thread that
// judges a part of the file.

#include <cstdint>
#include <string>
#include <string_view>

#include "layout/UGlobal.h"
#include "validation/scan/LineFacts.h"
#include "validation/scan/LineRows.h"
#include "validation/rules/SeparaCampos.h"
#include "validation/rules/ValidaCampos.h"

namespace validador {

// Which questions are asked of each line.
enum class JudgeMode : std::uint8_t {
  PreScan,        // bank number and type letter only
  PreScanAndRun,  // also field count and field rules, while the pre-scan would let the file through
};

class LineJudge {
 public:
  // `bank` is the typed bank number (not looked at for the identification file).
  LineJudge(RecordTypeIndex type, std::string bank, JudgeMode mode);

  // Judges the line that follows those already in `facts` and adds it to them. `fields`
  // is the caller's room for the line's fields.
  void Judge(std::string_view line, LineFacts& facts, TRetorno& fields) const;

  // As Judge, and also gives the line's rows of the error listing: the first of the bank,
  // letter and field-count stages that fails, or else one row per field that fails judged
  // alone.
  void JudgeAndList(std::string_view line, LineFacts& facts, TRetorno& fields,
                    LineRows& rows) const;

  RecordTypeIndex Type() const { return type_; }

 private:
  RecordTypeIndex type_;
  char letter_;
  bool checksBank_;
  std::string bank_;
  bool run_;
  int fieldCount_;
  TLayoutCampos layout_;

  void ListFields(const TRetorno& fields, std::int64_t line, LineRows& rows) const;
};

}  // namespace validador
