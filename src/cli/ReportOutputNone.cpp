// Builds without Qt have no report.
#include "cli/ReportOutput.h"
#include "base/Cp1252.h"
#include "base/Errors.h"

namespace validador::cli {

bool ReportAvailable() { return false; }

void WriteReport(const Carga&, const std::string&, const std::string&) {
  throw Exception(Utf8ToCp1252(kReportUnavailable));
}

}  // namespace validador::cli
