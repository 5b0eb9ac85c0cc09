#pragma once
// The error listing written to its file in the format asked for, whole or not at all.

#include <string>

#include "validation/listing/ListingText.h"
#include "validation/listing/ListingWorkbook.h"

namespace validador {

class Carga;

// What the workbook's sheet "Entrega" tells about the last check of `carga`, dated now.
ListingDelivery EntregaDaCarga(const Carga& carga);

// Replaces the file at `path` with the listing: the old file stays as it was when
// anything fails (EInOutError naming the path, or validador::Exception).
void WriteListingFile(const std::string& path, ListingFormat format, const ErrorListing& listing,
                      const ListingDelivery& delivery);

}  // namespace validador
