#pragma once
// What the checks found on a run of consecutive lines of a file, numbered from 1 within
// the run: enough to write the log as the pre-scan and the record run would, in their
// order. Runs of lines judged apart (blocks of the file judged in parallel) are joined
// in file order.

#include <cstdint>
#include <string>

namespace validador {

// Why the record run stops at a line.
enum class RunFault : std::uint8_t {
  None,
  FieldCount,  // the line does not have the layout's number of fields
  Record,      // a field rule failed; the message says which
};

struct LineFacts {
  // Lines in the run.
  std::int64_t count = 0;
  // The first line whose bank number is wrong; 0 for none. The pre-scan stops there.
  std::int64_t firstWrongBank = 0;
  // The last line, before firstWrongBank, whose type letter is wrong; 0 for none.
  std::int64_t lastWrongLetter = 0;
  // The first line the record run stops at; 0 for none.
  std::int64_t firstFault = 0;
  RunFault fault = RunFault::None;
  std::string MensagemErro;  // the rule message of a Record fault

  // Appends the facts of the lines that follow these.
  void Append(LineFacts&& later);

  // Lines the pre-scan reads: all of them, or up to and including the wrong bank.
  std::int64_t PreScanLines() const { return firstWrongBank != 0 ? firstWrongBank : count; }
};

}  // namespace validador
