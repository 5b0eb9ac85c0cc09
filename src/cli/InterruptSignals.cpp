#include "cli/InterruptSignals.h"

#include <atomic>
#include <csignal>

namespace validador::cli {
namespace {

std::atomic<Carga*> target{nullptr};
std::atomic<int> arrived{0};
using Handler = void (*)(int);
Handler previousInterrupt = SIG_DFL;
Handler previousTerminate = SIG_DFL;

static_assert(std::atomic<Carga*>::is_always_lock_free && std::atomic<int>::is_always_lock_free,
              "a signal handler may only touch lock-free atomics");

extern "C" void OnInterrupt(int signal) {
  arrived.store(signal);
  if (Carga* carga = target.load()) carga->RequestStop();
}

}  // namespace

InterruptSignals::InterruptSignals(Carga& carga) {
  arrived.store(0);
  target.store(&carga);
  previousInterrupt = std::signal(SIGINT, OnInterrupt);
  previousTerminate = std::signal(SIGTERM, OnInterrupt);
}

InterruptSignals::~InterruptSignals() {
  std::signal(SIGINT, previousInterrupt == SIG_ERR ? SIG_DFL : previousInterrupt);
  std::signal(SIGTERM, previousTerminate == SIG_ERR ? SIG_DFL : previousTerminate);
  target.store(nullptr);
}

int InterruptSignals::ExitCode() {
  const int signal = arrived.load();
  return signal == 0 ? 0 : 128 + signal;
}

}  // namespace validador::cli
