#include "validation/FileDigest.h"

#include "hash/Calchash.h"

namespace validador {
namespace {

// Notes a file that cannot be opened instead of reporting it from the worker.
class CannotReadRecorder : public HashNotifier {
 public:
  explicit CannotReadRecorder(bool& flag) : flag_(flag) {}
  void CannotReadFile(const std::string&) override { flag_ = true; }

 private:
  bool& flag_;
};

}  // namespace

FileDigest::FileDigest(std::string path, std::string algorithmName, TComponent* owner)
    : path_(std::move(path)) {
  worker_ = std::thread([this, algorithmName = std::move(algorithmName), owner] {
    try {
      CannotReadRecorder recorder(cannotRead_);
      text_ = Calchash(path_, algorithmName, owner, &recorder);
    } catch (...) {
      error_ = std::current_exception();
    }
  });
}

FileDigest::~FileDigest() { Wait(); }

void FileDigest::Wait() {
  if (worker_.joinable()) worker_.join();
}

const std::string& FileDigest::Text(HashNotifier* notifier) {
  Wait();
  if (error_) std::rethrow_exception(error_);
  if (cannotRead_ && !reported_ && notifier != nullptr) notifier->CannotReadFile(path_);
  reported_ = true;
  return text_;
}

}  // namespace validador
