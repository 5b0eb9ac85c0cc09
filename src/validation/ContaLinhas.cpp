// The pre-scan of a data file: line count, wrong type letters, wrong bank numbers.

#include <string>

#include "validation/Carga.h"
#include "validation/LineReader.h"

namespace validador {
namespace {

// Characters 3 to 5 of the line (fewer, or none, when it is shorter).
std::string_view BankNumberOf(std::string_view line) {
  return line.size() > 2 ? line.substr(2, 3) : std::string_view();
}

}  // namespace

std::int32_t Carga::ContaLinhas(RecordTypeIndex type, std::string& wrongLetterMarker,
                                std::string& bankMarker) {
  wrongLetterMarker = "0";
  bankMarker = "0";
  std::int32_t lineCount = 0;
  LineReader reader(FEdit);
  hooks_->SetCursor(CursorKind::DatabaseWait);

  const char letter = LayoutCatalogue::Instance().LetraTipo(type);
  const bool checksBank = type != rtI;
  std::int32_t lastWrongLetter = 0;
  std::string_view line;
  if (!reader.Next(line)) {
    wrongLetterMarker = "-1";
  } else {
    do {
      ++lineCount;
      if (checksBank && BankNumberOf(line) != edtNrBanco) {
        bankMarker = std::to_string(lineCount);
        break;
      }
      if (line.empty() || line.front() != letter) lastWrongLetter = lineCount;
    } while (reader.Next(line));
    if (lastWrongLetter != 0) wrongLetterMarker = std::to_string(lastWrongLetter);
  }

  reader.Close();
  hooks_->SetCursor(CursorKind::Normal);
  return lineCount;
}

}  // namespace validador
