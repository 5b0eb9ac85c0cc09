#pragma once
// Valid records of every record type and whole delivery folders built from them,
// for tests that run checks over real files.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "layout/UGlobal.h"
#include "support/TempDir.h"

namespace testsupport {

using Fields = std::vector<std::string>;

// The fields of a valid record of `type` for the bank number (Windows-1252 texts).
// `n` varies the values from record to record.
Fields ValidRecord(validador::RecordTypeIndex type, const std::string& bank = "001", int n = 0);

// The identification header: case, bank and the eight declared counts (A,B,C,E,I,O,T,Y).
Fields HeaderRecord(const std::string& caso, const std::string& bank,
                    const std::array<std::string, 8>& counts);

// Fields joined with tabs.
std::string Join(const Fields& fields);

// Lines joined, each ended by CR LF.
std::string CrLfLines(const std::vector<std::string>& lines);

// A delivery folder: eight files of valid records, with an identification header
// that declares every count. Individual files can be replaced or removed afterwards.
struct Delivery {
  explicit Delivery(const std::string& caso = "2024.001", const std::string& bank = "001",
                    int linesPerFile = 3);

  // Path of the record type's standard file.
  std::string PathOf(validador::RecordTypeIndex type) const;
  // Replaces the file's bytes exactly.
  void WriteFile(validador::RecordTypeIndex type, std::string_view bytes) const;
  // Replaces the file with these lines (CR LF) and, unless it is the I file,
  // declares their count in the header.
  void WriteLines(validador::RecordTypeIndex type, const std::vector<std::string>& lines);
  void Remove(validador::RecordTypeIndex type) const;
  // Rewrites the header with the current counts.
  void WriteHeader();

  TempDir dir;
  std::string caso;
  std::string bank;
  std::array<std::string, 8> counts;
};

}  // namespace testsupport
