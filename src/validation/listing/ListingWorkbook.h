#pragma once
// The error listing as a workbook for a spreadsheet: the rows on sheet "Erros" (every value
// a text cell, so that nothing is read as a number or a formula), the per-file counts on
// "Resumo" and what was checked on "Entrega".

#include <string>

#include "validation/listing/ErrorListing.h"

namespace validador {

// What the sheet "Entrega" tells, in UTF-8.
struct ListingDelivery {
  std::string pasta;
  std::string caso;
  std::string banco;
  std::string algoritmo;
  std::string dataHora;  // "dd/mm/aaaa hh:mm:ss"
  std::string versao;
};

// Whether this build writes workbooks (it needs libxlsxwriter).
bool WorkbookAvailable();

// The workbook's bytes. A sheet holds at most kWorkbookRows rows below its header; rows
// past them are left out of "Erros" and counted in "Resumo" as not listed. Throws
// validador::Exception when the workbook cannot be made.
std::string ListingAsWorkbook(const ErrorListing& listing, const ListingDelivery& delivery);

inline constexpr std::int64_t kWorkbookRows = 1048575;

}  // namespace validador
