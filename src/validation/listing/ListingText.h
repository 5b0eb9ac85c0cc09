#pragma once
// The error listing written out: JSON Lines for pipelines, CSV for a spreadsheet set to
// Portuguese. Both are UTF-8.

#include <optional>
#include <string>
#include <string_view>

#include "validation/listing/ErrorListing.h"

namespace validador {

enum class ListingFormat { JsonLines, Csv, Workbook };

// Bytes that do not form UTF-8 (a file name's) become the replacement character.
std::string ValidUtf8(std::string_view bytes);

// A row's value as the listings show it: UTF-8, with "…" after a cut value.
std::string ListingValueText(const ListingRow& row);

// The format a file name asks for: ".jsonl", ".csv" or ".xlsx", in any letter case; none
// otherwise.
std::optional<ListingFormat> ListingFormatOf(std::string_view fileName);

// One object a line, '\n' after each: the rows of each file, then its summary ("resumo").
std::string ListingAsJsonLines(const ErrorListing& listing);

// A byte-order mark, a header line, then the rows (no summaries); ';' between fields, CR LF
// after each record, fields quoted where they hold ';', '"' or a line break. A spreadsheet
// shows every field as the text it is: control bytes other than tab and the line breaks
// are escaped (\0, \x1B) and a field starting with '=', '+', '-', '@', a tab or a CR gets
// an apostrophe before it.
std::string ListingAsCsv(const ErrorListing& listing);

// JSON Lines or CSV.
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
