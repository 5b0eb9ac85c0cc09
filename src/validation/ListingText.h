#pragma once
// The error listing written out: JSON Lines for pipelines, CSV for a spreadsheet set to
// Portuguese. Both are UTF-8.

#include <optional>
#include <string>
#include <string_view>

#include "validation/ErrorListing.h"

namespace validador {

enum class ListingFormat { JsonLines, Csv };

// The format a file name asks for: ".jsonl" or ".csv", in any letter case; none otherwise.
std::optional<ListingFormat> ListingFormatOf(std::string_view fileName);

// One object a line, '\n' after each: the rows of each file, then its summary ("resumo").
std::string ListingAsJsonLines(const ErrorListing& listing);

// A byte-order mark, a header line, then the rows (no summaries); ';' between fields, CR LF
// after each record, fields quoted where they hold ';', '"' or a line break.
std::string ListingAsCsv(const ErrorListing& listing);

std::string ListingAs(ListingFormat format, const ErrorListing& listing);

// The pieces of a listing written as it grows: what comes before the rows (CSV: the
// byte-order mark and the header line), one row, and a file's summary after its rows
// (JSON Lines only) with `listed` rows listed.
std::string ListingHeader(ListingFormat format);
void AppendListingRow(ListingFormat format, std::string& out, std::string_view arquivo,
                      const ListingRow& row);
void AppendListingSummary(ListingFormat format, std::string& out, const FileListing& file,
                          std::int64_t listed);

}  // namespace validador
