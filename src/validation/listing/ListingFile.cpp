#include "validation/listing/ListingFile.h"

#include <chrono>
#include <cstdio>
#include <ctime>

#include "ProgramVersion.h"
#include "base/Cp1252.h"
#include "platform/ReplaceFile.h"
#include "validation/check/Carga.h"

namespace validador {
namespace {

// The local date and time, day first and 24 hours, as Brazil writes them.
std::string NowText() {
  const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
  std::tm local{};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  char text[80];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", local.tm_mday, local.tm_mon + 1,
                local.tm_year + 1900, local.tm_hour, local.tm_min, local.tm_sec);
  return text;
}

}  // namespace

ListingDelivery EntregaDaCarga(const Carga& carga) {
  ListingDelivery delivery;
  delivery.pasta = carga.PastaVerificada.empty() ? carga.dlb1 : carga.PastaVerificada;
  delivery.caso = Cp1252ToUtf8(carga.edtNrCaso);
  delivery.banco = Cp1252ToUtf8(carga.edtNrBanco);
  delivery.algoritmo = Cp1252ToUtf8(carga.cbHashText);
  delivery.dataHora = NowText();
  delivery.versao = kProgramVersion;
  return delivery;
}

void WriteListingFile(const std::string& path, ListingFormat format, const ErrorListing& listing,
                      const ListingDelivery& delivery) {
  const std::string bytes = format == ListingFormat::Workbook ? ListingAsWorkbook(listing, delivery)
                                                              : ListingAs(format, listing);
  platform::ReplaceFileContents(path, bytes);
}

}  // namespace validador
