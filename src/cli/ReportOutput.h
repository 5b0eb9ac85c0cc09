#pragma once
// The result report of a check written as a PDF file (`--report`).

#include <string>

#include "validation/Carga.h"

namespace validador::cli {

// Whether this build writes reports: a build without Qt has none, and `--report` is
// then a usage error, given before anything is checked.
bool ReportAvailable();
inline constexpr const char* kReportUnavailable =
    "--report indisponível: o programa foi compilado sem o relatório (sem o Qt)";

// Writes the report of `carga` with the manifest digest to `pdfPath`; throws
// validador::Exception when it cannot.
void WriteReport(const Carga& carga, const std::string& manifestDigest,
                 const std::string& pdfPath);

}  // namespace validador::cli
