#pragma once
// The result report of a check written as a PDF file (`--report`).

#include <string>

#include "validation/Carga.h"

namespace validador::cli {

// Writes the report of `carga` with the manifest digest to `pdfPath`; throws
// validador::Exception when it cannot.
void WriteReport(const Carga& carga, const std::string& manifestDigest,
                 const std::string& pdfPath);

}  // namespace validador::cli
