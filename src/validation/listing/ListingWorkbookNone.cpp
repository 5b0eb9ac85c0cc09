// Builds without libxlsxwriter write no workbook.
#include "base/Errors.h"
#include "validation/listing/ListingWorkbook.h"

namespace validador {

bool WorkbookAvailable() { return false; }

std::string ListingAsWorkbook(const ErrorListing&, const ListingDelivery&) {
  throw Exception("Planilha indispon\xEDvel: o programa foi compilado sem a libxlsxwriter");
}

}  // namespace validador
