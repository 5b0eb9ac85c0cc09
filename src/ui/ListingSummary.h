#pragma once
// What the window shows of the error listing of the last check: how many lines with faults
// each file has, in one short line (the files by their type letter), and the same per file
// at length for a tooltip.

#include <QString>

#include "validation/ErrorListing.h"

namespace validador::ui {

// The type letter of a listed file ('A' for "a_cadastro_agencias.txt"), known by the first
// standard name its upper-cased name holds, as a chosen file is; the name itself when none.
QString ShortNameOf(const FileListing& file);

// "Linhas com erro: I 0 · A 0 · B 3 · Y —", the files in the order they were checked (a
// dash for a file that is not there); empty when no file was listed.
QString LinesWithFaultsLine(const ErrorListing& listing);

// A table, one row a file: its name, its lines, its lines with faults and its faults; a
// note when a file has more faults than the listing keeps. Empty when no file was listed.
QString ListingDetails(const ErrorListing& listing);

}  // namespace validador::ui
