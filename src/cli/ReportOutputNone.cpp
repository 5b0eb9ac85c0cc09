// Builds without the desktop toolkit have no report.
#include "cli/ReportOutput.h"
#include "layout/Errors.h"

namespace validador::cli {

void WriteReport(const Carga&, const std::string&, const std::string&) {
  throw Exception("relatório indisponível: programa compilado sem o Qt");
}

}  // namespace validador::cli
