#pragma once
// SIGINT (Ctrl+C) and SIGTERM while a command runs: the command is asked to stop at its
// next block instead of being killed, so that it can say it was interrupted.

#include "validation/check/Carga.h"

namespace validador::cli {

class InterruptSignals {
 public:
  // From now until destruction the signals ask `carga` to stop.
  explicit InterruptSignals(Carga& carga);
  ~InterruptSignals();

  InterruptSignals(const InterruptSignals&) = delete;
  InterruptSignals& operator=(const InterruptSignals&) = delete;

  // 128 plus the signal that arrived, as a shell reports a command ended by it; 0 when
  // none did.
  static int ExitCode();
};

}  // namespace validador::cli
