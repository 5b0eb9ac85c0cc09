#pragma once
// The result report of a check written as a PDF file (`--report`).

#include <string>

#include "validation/check/Carga.h"

namespace validador::cli {

// Whether this build writes reports: a build without Qt has none, and `--report` is
// then a usage error, given before anything is checked.
bool ReportAvailable();
inline constexpr const char* kReportUnavailable =
    "--report indisponível: o programa foi compilado sem o relatório (sem o Qt)";
inline constexpr const char* kWorkbookUnavailable =
    "--errors .xlsx indisponível: o programa foi compilado sem a libxlsxwriter";

// Writes the report of `carga` with the manifest digest to `pdfPath`, whole or not at
// all: the old file stays as it was when anything fails. Throws validador::Exception
// when the report cannot be painted, EInOutError naming the path when it cannot be
// written.
void WriteReport(const Carga& carga, const std::string& manifestDigest,
                 const std::string& pdfPath);

}  // namespace validador::cli
