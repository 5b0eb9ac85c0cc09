#pragma once
// The judgement of one standard file, made once from the one read of it: everything the
// log blocks, the error listing, the window's tally and the report's data say about the
// file is read from here, never judged again.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "layout/UGlobal.h"
#include "validation/listing/ErrorListing.h"
#include "validation/scan/FileScan.h"
#include "validation/scan/PreScanResult.h"
#include "validation/scan/RunResult.h"

namespace validador {

// The identification header, judged on the I file only.
struct HeaderVerdict {
  bool judged = false;          // false for every other file
  bool fieldCountRight = true;  // the header line has its 16 fields
  bool caseRight = true;        // its case number is the typed one (and was kept whole)
  bool bankRight = true;        // its bank number is the typed one (and was kept whole)

  bool Passed() const { return fieldCountRight && caseRight && bankRight; }
};

// How a data file's line count stands against the count the identification file declared.
enum class CountCheck {
  NotCompared,  // the I file, or a file that is not there
  Unverified,   // no count declared (the box is empty)
  Equal,
  Differs,
};

// The count box's text against the file's lines. The box holds what the header check
// wrote there (a 64-bit integer in decimal) or nothing.
CountCheck CompareDeclaredCount(std::string_view declared, std::int64_t lineCount);

// How far the file's check went and how it ended.
enum class FileOutcome {
  Missing,           // no regular file at the standard name
  HeaderFailed,      // the I file's header check failed
  HeaderPassed,      // the I file checked on its own: its header check alone, passed
  StoppedBeforeRun,  // wrong letter, no line, or wrong bank number
  RunFailed,         // the record run stopped at a count, a field count or a record
  RunPassed,         // every line valid
};

struct FileVerdict {
  RecordTypeIndex type = rtA;
  std::string path;
  std::string nameOnDisk;  // the file's name as found in the folder
  bool present = false;
  bool empty = false;      // present and without a line
  bool headerOnly = false; // the I file checked on its own: no pre-scan or run in the log
  // False for a file only the error listing takes in: the identification file had stopped
  // the check, and the log says nothing of it.
  bool inLog = true;

  HeaderVerdict header;
  std::string declaredCount;  // the count box's text; empty when none was declared
  CountCheck count = CountCheck::NotCompared;

  PreScanResult preScan;
  RunResult run;  // what the record run finds, when the pre-scan lets it run

  std::string digest;  // uppercase hexadecimal; empty when the file could not be digested
  bool looksUtf8 = false;
  std::optional<std::uint64_t> bytesAfterEndOfText;  // see ScanOutcome

  // The error listing's rows about the whole file, then those of its lines (as many as the
  // listing keeps), with their counts; filled only when the listing was asked for.
  std::vector<ListingRow> wholeFileRows;
  LineRows lineRows;
  std::int64_t lines = 0;  // every line of the file

  FileOutcome Outcome() const;
  // No fault at all: the log has no line in the error style for this file.
  bool Passed() const;
  // The lines with a fault and every fault, as the listing counts them.
  std::int64_t LinesWithFaults() const { return lineRows.linesWithError; }
  std::int64_t Faults() const {
    return static_cast<std::int64_t>(wholeFileRows.size()) + lineRows.rowCount;
  }
};

// What the judgement needs beside the read: the typed numbers and the declared count.
struct FileJudgeInputs {
  RecordTypeIndex type = rtA;
  std::string path;
  std::string typedCase;      // the case number as typed (Windows-1252)
  std::string typedBank;      // the bank number as typed
  std::string declaredCount;  // the record type's count box
  bool listing = false;       // also the error listing's rows
  bool headerOnly = false;    // the I file on its own: only its header is checked
  bool inLog = true;          // see FileVerdict::inLog
};

// The verdict on a file that is not there.
FileVerdict JudgeMissingFile(const FileJudgeInputs& inputs);

// The verdict on a file from its one read. The only place where a file's rules are weighed:
// header, pre-scan, declared count, record run, listing rows.
FileVerdict JudgeFile(const FileJudgeInputs& inputs, const ScanOutcome& scan);

// The I file's header line against the typed numbers.
HeaderVerdict JudgeHeader(const FirstLine& header, std::string_view typedCase,
                          std::string_view typedBank);

// Field k (from 1) of a header line that holds exactly 15 tabs; whether the read cut it.
std::string HeaderField(std::string_view line, int k);
bool HeaderFieldWasCut(const FirstLine& header, int k);

// The record run's ending from the count check and the facts of the lines.
RunResult JudgeRun(CountCheck count, const LineFacts& facts);

}  // namespace validador
