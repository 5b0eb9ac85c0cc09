// The one read of a file, with this check's gauge, progress hook and stop request.

#include "validation/Carga.h"

namespace validador {
namespace {

class CheckObserver : public ScanObserver {
 public:
  CheckObserver(Carga& carga, CargaHooks& hooks, const std::atomic<bool>& stop)
      : carga_(carga), hooks_(hooks), stop_(stop) {}

  void Progress(std::uint64_t done, std::uint64_t total) override {
    carga_.GaugeMax = static_cast<std::int64_t>(total);
    carga_.GaugePos = static_cast<std::int64_t>(done);
    hooks_.Progress();
  }

  bool StopRequested() override { return stop_; }

 private:
  Carga& carga_;
  CargaHooks& hooks_;
  const std::atomic<bool>& stop_;
};

}  // namespace

ScanOutcome Carga::Varre(const std::string& path, ScanRequest request) {
  request.hashOwner = this;
  CheckObserver observer(*this, *hooks_, stopRequested_);
  return ScanFile(path, request, observer);
}

}  // namespace validador
