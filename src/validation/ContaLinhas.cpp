// The pre-scan of a data file: line count, wrong type letters, wrong bank numbers.

#include <string>

#include "validation/Carga.h"
#include "validation/LineReader.h"

namespace validador {
namespace {

// Characters 3 to 5 of the line (fewer, or none, when it is shorter).
std::string_view BankNumberOf(std::string_view line) {
  return line.size() > 2 ? line.substr(2, kBankNumberLength) : std::string_view();
}

}  // namespace

PreScanResult Carga::ContaLinhas(RecordTypeIndex type) {
  PreScanResult scan;
  LineReader reader(FEdit);
  hooks_->PreScanStarted();

  const char letter = LayoutCatalogue::Instance().LetraTipo(type);
  const bool checksBank = type != rtI;
  std::string_view line;
  while (reader.Next(line)) {
    ++scan.lineCount;
    if (checksBank && BankNumberOf(line) != edtNrBanco) {
      scan.firstWrongBankLine = scan.lineCount;
      break;
    }
    if (line.empty() || line.front() != letter) scan.lastWrongLetterLine = scan.lineCount;
  }

  reader.Close();
  hooks_->PreScanFinished();
  return scan;
}

}  // namespace validador
