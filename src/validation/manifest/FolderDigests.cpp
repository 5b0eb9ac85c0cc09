#include "validation/manifest/FolderDigests.h"

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "hash/Calchash.h"
#include "hash/DCPhash.h"
#include "hash/DigestText.h"
#include "platform/FileSystem.h"
#include "platform/InputFile.h"
#include "validation/scan/FileScan.h"

namespace validador {
namespace {

constexpr std::size_t kBlockSize = std::size_t{1} << 20;
constexpr auto kProgressInterval = std::chrono::milliseconds(50);

struct Component {
  std::string algorithm;
  std::unique_ptr<TDCP_hash> hash;
};

class FolderReading {
 public:
  explicit FolderReading(const FolderDigestRequest& request)
      : request_(request), alive_(request.algorithms), results_(request.paths.size()) {
    for (const std::string& path : request.paths) {
      const std::optional<platform::FileStamp> stamp = platform::StampOf(path);
      sizes_.push_back(stamp ? stamp->size : 0);
      total_ += sizes_.back();
      waiting_.push_back(waiting_.size());
    }
  }

  std::vector<std::map<std::string, std::string>> Run() {
    const unsigned processors = std::max(1u, std::thread::hardware_concurrency());
    const std::size_t readers = std::min<std::size_t>(processors, request_.paths.size());
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < readers; ++i) threads.emplace_back([this] { Guarded(); });
    WaitForReaders(readers);
    for (std::thread& thread : threads) thread.join();
    if (error_) std::rethrow_exception(error_);
    return std::move(results_);
  }

 private:
  void WaitForReaders(std::size_t readers) {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
      changed_.wait_for(lock, kProgressInterval, [&] { return finished_ == readers; });
      if (finished_ == readers) break;
      lock.unlock();
      if (request_.progress) request_.progress(done_.load(), total_);
      lock.lock();
    }
    if (request_.progress && !error_) request_.progress(done_.load(), total_);
  }

  void Guarded() {
    try {
      while (const std::optional<std::size_t> file = NextFile()) Digest(*file);
    } catch (...) {
      const std::lock_guard<std::mutex> lock(mutex_);
      if (!error_) error_ = std::current_exception();
      aborted_ = true;
    }
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      ++finished_;
    }
    changed_.notify_all();
  }

  // While the algorithm is in question, the small files first: they settle it soonest.
  // Then the large files first: the last file to start is then a small one.
  std::optional<std::size_t> NextFile() {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (aborted_ || waiting_.empty()) return std::nullopt;
    const auto bySize = [this](std::size_t a, std::size_t b) { return sizes_[a] < sizes_[b]; };
    const auto chosen = alive_.size() > 1 ? std::min_element(waiting_.begin(), waiting_.end(), bySize)
                                          : std::max_element(waiting_.begin(), waiting_.end(), bySize);
    const std::size_t file = *chosen;
    waiting_.erase(chosen);
    return file;
  }

  std::vector<Component> ComponentsNow() {
    const std::lock_guard<std::mutex> lock(mutex_);
    std::vector<Component> components;
    for (const std::string& algorithm : alive_) {
      components.push_back({algorithm, std::unique_ptr<TDCP_hash>(CreateKnownHashComponent(algorithm, nullptr))});
      components.back().hash->Init();
    }
    return components;
  }

  bool Alive(const std::string& algorithm) {
    const std::lock_guard<std::mutex> lock(mutex_);
    return std::find(alive_.begin(), alive_.end(), algorithm) != alive_.end();
  }

  // Components of algorithms dropped meanwhile are left out from then on.
  void DropSettled(std::vector<Component>& components, unsigned& seenGeneration) {
    if (generation_.load() == seenGeneration) return;
    seenGeneration = generation_.load();
    std::erase_if(components, [this](const Component& c) { return !Alive(c.algorithm); });
  }

  void Digest(std::size_t index) {
    const std::string& path = request_.paths[index];
    platform::InputFile file(path);
    const platform::FileStamp before = file.Stamp();
    unsigned seenGeneration = generation_.load();
    std::vector<Component> components = ComponentsNow();
    const std::unique_ptr<char[]> block = std::make_unique_for_overwrite<char[]>(kBlockSize);
    std::uint64_t bytesRead = 0;
    while (const std::size_t got = file.Read(block.get(), kBlockSize)) {
      if (request_.stopAsked && request_.stopAsked()) throw CheckInterrupted();
      if (Aborted()) return;
      DropSettled(components, seenGeneration);
      for (Component& component : components) component.hash->Update(block.get(), static_cast<std::uint32_t>(got));
      bytesRead += got;
      done_ += got;
    }
    if (before != file.Stamp() || platform::StampOf(path) != before || bytesRead != before.size) {
      throw EFileChanged(path);
    }
    DropSettled(components, seenGeneration);
    std::map<std::string, std::string> digests;
    for (Component& component : components) {
      std::uint8_t digest[64];
      component.hash->Final(digest);
      digests[component.algorithm] = DigestText(digest, static_cast<std::size_t>(component.hash->HashSize() / 8));
    }
    Settle(digests);
    const std::lock_guard<std::mutex> lock(mutex_);
    results_[index] = std::move(digests);
  }

  bool Aborted() {
    const std::lock_guard<std::mutex> lock(mutex_);
    return aborted_;
  }

  // A file's digests that are evidence for some algorithms leave only those in question.
  void Settle(const std::map<std::string, std::string>& digests) {
    const std::lock_guard<std::mutex> lock(mutex_);
    if (alive_.size() <= 1 || !request_.isEvidence) return;
    std::vector<std::string> evidenced;
    for (const std::string& algorithm : alive_) {
      const auto digest = digests.find(algorithm);
      if (digest != digests.end() && request_.isEvidence(digest->second)) evidenced.push_back(algorithm);
    }
    if (evidenced.empty()) return;
    alive_ = std::move(evidenced);
    ++generation_;
  }

  const FolderDigestRequest& request_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<std::string> alive_;
  std::atomic<unsigned> generation_{0};
  std::vector<std::uint64_t> sizes_;
  std::vector<std::size_t> waiting_;
  std::uint64_t total_ = 0;
  std::atomic<std::uint64_t> done_{0};
  std::vector<std::map<std::string, std::string>> results_;
  std::size_t finished_ = 0;
  bool aborted_ = false;
  std::exception_ptr error_;
};

}  // namespace

std::vector<std::map<std::string, std::string>> DigestFolderFiles(const FolderDigestRequest& request) {
  if (request.paths.empty()) return {};
  return FolderReading(request).Run();
}

}  // namespace validador
