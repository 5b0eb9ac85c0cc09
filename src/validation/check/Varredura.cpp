// The one read of a file, with this check's gauge, progress hook and stop request.

#include <chrono>
#include <functional>
#include <thread>

#include "validation/check/Carga.h"

namespace validador {
namespace {

class CheckObserver : public ScanObserver {
 public:
  CheckObserver(Carga& carga, std::function<void(std::uint64_t, std::uint64_t)> moveGauge)
      : carga_(carga), moveGauge_(std::move(moveGauge)) {}

  void Progress(std::uint64_t done, std::uint64_t total) override { moveGauge_(done, total); }

  bool StopRequested() override { return carga_.StopAsked(); }

 private:
  const Carga& carga_;
  std::function<void(std::uint64_t, std::uint64_t)> moveGauge_;
};

}  // namespace

bool Carga::StopAsked() const {
  while (pauseRequested_ && !stopRequested_) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  return stopRequested_;
}

ScanOutcome Carga::Varre(const std::string& path, ScanRequest request) {
  request.hashOwner = this;
  CheckObserver observer(*this, [this](std::uint64_t done, std::uint64_t total) { MoveGauge(done, total); });
  return ScanFile(path, request, observer);
}

}  // namespace validador
