#pragma once
// What the window shows of the error listing of the last check: how many lines with faults
// each file has, in one short line (the files by their type letter), and the same per file
// at length for a tooltip.

#include <QString>

#include <vector>

#include "validation/listing/ErrorListing.h"
#include "validation/check/FileVerdict.h"

namespace validador::ui {

// "Linhas com erro: I 0 · A 0 · B 3 · Y ausente", the files by their type letter in the order
// they were judged; a file that is not there says so. Empty when no file was judged.
QString LinesWithFaultsLine(const std::vector<FileVerdict>& verdicts);

// A table, one row a file: its name, its lines, its lines with faults and its faults; a
// note when a file has more faults than the listing keeps. Empty when no file was listed.
QString ListingDetails(const ErrorListing& listing);

}  // namespace validador::ui
