#pragma once
// How the record run of one file ended.

#include <cstdint>
#include <string>

namespace validador {

// Passed: every line was judged valid (the log's "S"). Failed: the run stopped at a
// count mismatch, a line with the wrong number of fields or a record that broke a rule
// (the log's "N").
enum class RunStatus { Passed, Failed };

// Where a failed run stopped.
enum class RunStop {
  None,          // it did not stop: every line was valid
  CountDiffers,  // the line count differs from the declared one; no line was judged
  FieldCount,    // a line with the wrong number of fields
  Record,        // a record that broke a field rule
};

struct RunResult {
  RunStatus status = RunStatus::Failed;
  // Valid records counted before the run ended: every line of a passed run.
  std::int64_t validRecords = 0;
  // The rule message of the record that failed; empty otherwise.
  std::string MensagemErro;
  RunStop stop = RunStop::None;
  // The line the run stopped at (from 1); 0 when it did not stop at a line.
  std::int64_t stopLine = 0;
};

}  // namespace validador
