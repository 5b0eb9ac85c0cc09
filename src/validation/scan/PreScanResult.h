#pragma once
// What the pre-scan of a data file found: the lines it read, the last line whose type
// letter is wrong and the first line whose bank number is wrong.

#include <cstdint>

namespace validador {

// How the driver goes on after a pre-scan; the findings are weighed in this order.
enum class PreScanVerdict { WrongLetter, NoLines, WrongBank, Ready };

struct PreScanResult {
  // Lines read: the whole file, or up to and including the first wrong bank number.
  std::int64_t lineCount = 0;
  // The last line read that does not start with the type's letter; 0 for none.
  std::int64_t lastWrongLetterLine = 0;
  // The first line whose characters 3 to 5 differ from the typed bank; 0 for none.
  std::int64_t firstWrongBankLine = 0;

  bool HasNoLines() const { return lineCount == 0; }

  // A wrong letter wins over a bank fault found later in the same scan; a file with no
  // line has neither.
  PreScanVerdict Verdict() const {
    if (lastWrongLetterLine != 0) return PreScanVerdict::WrongLetter;
    if (HasNoLines()) return PreScanVerdict::NoLines;
    if (firstWrongBankLine != 0) return PreScanVerdict::WrongBank;
    return PreScanVerdict::Ready;
  }
};

}  // namespace validador
