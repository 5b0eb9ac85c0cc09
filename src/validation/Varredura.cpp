// The one read of a file, with this check's gauge, progress hook and stop request.

#include <chrono>
#include <thread>

#include "validation/Carga.h"

namespace validador {
namespace {

class CheckObserver : public ScanObserver {
 public:
  CheckObserver(Carga& carga, CargaHooks& hooks) : carga_(carga), hooks_(hooks) {}

  void Progress(std::uint64_t done, std::uint64_t total) override {
    carga_.GaugeMax = static_cast<std::int64_t>(total);
    carga_.GaugePos = static_cast<std::int64_t>(done);
    hooks_.Progress();
  }

  bool StopRequested() override { return carga_.StopAsked(); }

 private:
  Carga& carga_;
  CargaHooks& hooks_;
};

}  // namespace

bool Carga::StopAsked() const {
  while (pauseRequested_ && !stopRequested_) std::this_thread::sleep_for(std::chrono::milliseconds(5));
  return stopRequested_;
}

ScanOutcome Carga::Varre(const std::string& path, ScanRequest request) {
  request.hashOwner = this;
  CheckObserver observer(*this, *hooks_);
  return ScanFile(path, request, observer);
}

}  // namespace validador
