#pragma once
// How the record run of one file ended.

#include <cstdint>
#include <string>

namespace validador {

// Passed: every line was judged valid (the log's "S"). Failed: the run stopped at a
// count mismatch, a line with the wrong number of fields or a record that broke a rule
// (the log's "N").
enum class RunStatus { Passed, Failed };

struct RunResult {
  RunStatus status = RunStatus::Failed;
  // Valid records counted before the run ended: every line of a passed run.
  std::int64_t validRecords = 0;
  // The rule message of the record that failed; empty otherwise.
  std::string MensagemErro;
};

}  // namespace validador
