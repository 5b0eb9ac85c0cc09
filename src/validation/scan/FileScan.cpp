#include "validation/scan/FileScan.h"

#include <algorithm>
#include <condition_variable>
#include <exception>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "hash/Calchash.h"
#include "hash/DCPhash.h"
#include "hash/DigestText.h"
#include "base/Cp1252.h"
#include "base/Mensagens.h"
#include "platform/FileSystem.h"
#include "platform/InputFile.h"
#include "validation/scan/BlockBoundaries.h"
#include "validation/scan/BlockJoiner.h"
#include "validation/scan/BlockVerdict.h"
#include "validation/scan/Utf8Sniffer.h"

namespace validador {
namespace {

// A file of at most this many blocks is read and judged on the calling thread alone.
constexpr std::uint64_t kReadOnHisOwn = 2;
// Blocks in memory at most, whatever the number of processors: memory stays flat.
constexpr std::size_t kMostBlocks = 24;
// When every row of the listing is wanted, a block of bad lines holds about one row per
// byte until it is joined: smaller blocks, and fewer, keep those rows within a few MiB.
constexpr std::size_t kListingBlockSize = std::size_t{1} << 14;
constexpr std::size_t kListingBlocks = 6;

// The tuning for this scan: with every row of the listing wanted, small blocks.
ScanTuning TuningFor(const ScanRequest& request) {
  ScanTuning chosen = CurrentScanTuning();
  if (request.listing.wanted && request.listing.cap < 0) {
    chosen.blockSize = std::min(chosen.blockSize, kListingBlockSize);
    if (chosen.blocksInMemory == 0) chosen.blocksInMemory = kListingBlocks;
  }
  return chosen;
}

std::mutex tuningMutex;
ScanTuning tuning;

// The file changed while it was read when its stamp at the end (of the open file, and of
// whatever the path names now) differs from the one at the start, or when it held more or
// fewer bytes than its size. A file the system reports as empty at both ends while it has
// bytes (files under /proc) has no size to hold to: its stamp alone tells.
bool ChangedWhileRead(const platform::FileStamp& before, const platform::FileStamp& openAfter,
                      const std::optional<platform::FileStamp>& pathAfter, std::uint64_t bytesRead) {
  if (openAfter != before || pathAfter != before) return true;
  const bool sizeUnknown = before.size == 0;
  return !sizeUnknown && bytesRead != before.size;
}

// One judging thread per processor, leaving one to the digest when there is one: the
// digest is the one piece of work that cannot be shared out, so it must never wait for a
// processor.
unsigned JudgingThreads(const ScanTuning& chosen, bool digesting) {
  if (chosen.judgingThreads != 0) return chosen.judgingThreads;
  const unsigned processors = std::clamp(std::thread::hardware_concurrency(), 1u, 16u);
  return digesting && processors > 1 ? processors - 1 : processors;
}

// One block of the file in memory, on its way to the digest and the judges.
struct Slot {
  std::unique_ptr<char[]> data;
  std::uint64_t sequence = 0;
  std::size_t size = 0;        // bytes read into it
  std::size_t checkSize = 0;   // bytes the checks look at: those before a byte 26
  bool judging = false;        // the checks look at this block at all
  bool startsLine = false;
  bool skipLineFeed = false;
  bool filled = false;
  bool digested = false;
  bool judged = false;
  BlockVerdict verdict;
};

class Pipeline {
 public:
  Pipeline(const std::string& path, const ScanRequest& request, ScanObserver& observer)
      : request_(request),
        observer_(observer),
        tuning_(TuningFor(request)),
        judges_(JudgingThreads(tuning_, !request.algorithm.empty())),
        slots_(tuning_.blocksInMemory != 0 ? tuning_.blocksInMemory
                                           : std::min<std::size_t>(2 * judges_ + 4, kMostBlocks)),
        file_(path),
        judge_(request.type, request.bank, request.mode),
        joiner_(judge_, request.listing, request.rowSink),
        firstLine_(request.keepFirstLine) {
    for (Slot& slot : slots_) slot.data = std::make_unique_for_overwrite<char[]>(tuning_.blockSize);
    if (!request.algorithm.empty()) {
      hash_ = CreateKnownHashComponent(request.algorithm, request.hashOwner);
      if (request.hashOwner == nullptr) ownedHash_.reset(hash_);
      hash_->Init();
    }
  }

  ~Pipeline() { StopThreads(); }

  ScanOutcome Run() {
    const platform::FileStamp before = file_.Stamp();
    if (before.size <= kReadOnHisOwn * tuning_.blockSize) {
      ReadAndJudgeHere(before.size);
    } else {
      StartThreads();
      ReadAndSequence(before.size);
      StopThreads();
      RethrowWorkerError();
    }
    joiner_.Finish();
    outcome_.facts = joiner_.TakeFacts();
    outcome_.rows = joiner_.TakeRows();
    if (ChangedWhileRead(before, file_.Stamp(), platform::StampOf(file_.Path()),
                         outcome_.bytesRead)) {
      throw EFileChanged(file_.Path());
    }
    if (hash_ != nullptr) {
      std::uint8_t digest[64];
      hash_->Final(digest);
      outcome_.digest = DigestText(digest, static_cast<std::size_t>(hash_->HashSize() / 8));
    }
    outcome_.firstLine = firstLine_.Result();
    outcome_.bytesAfterEndOfText = boundaries_.BytesAfterEndOfText();
    outcome_.looksUtf8 = request_.listing.wanted && utf8_.LooksUtf8();
    return std::move(outcome_);
  }

 private:
  Slot& SlotOf(std::uint64_t sequence) { return slots_[sequence % slots_.size()]; }

  void StartThreads() {
    if (hash_ != nullptr) threads_.emplace_back([this] { Guarded([this] { DigestBlocks(); }); });
    for (unsigned i = 0; i < judges_; ++i) {
      threads_.emplace_back([this] { Guarded([this] { JudgeBlocks(); }); });
    }
  }

  void StopThreads() {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      inputEnded_ = true;
      if (!threads_.empty() && sequenced_ < blocksRead_) aborted_ = true;
    }
    changed_.notify_all();
    for (std::thread& thread : threads_) thread.join();
    threads_.clear();
  }

  template <typename Body>
  void Guarded(Body body) {
    try {
      body();
    } catch (...) {
      const std::lock_guard<std::mutex> lock(mutex_);
      if (!workerError_) workerError_ = std::current_exception();
      aborted_ = true;
      changed_.notify_all();
    }
  }

  void RethrowWorkerError() {
    if (workerError_) std::rethrow_exception(workerError_);
  }

  // The digest takes every block, in file order, bytes 26 and all.
  void DigestBlocks() {
    for (std::uint64_t sequence = 0;; ++sequence) {
      Slot* slot;
      {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [&] { return aborted_ || Filled(sequence) || InputDone(sequence); });
        if (aborted_ || !Filled(sequence)) return;
        slot = &SlotOf(sequence);
      }
      hash_->Update(slot->data.get(), static_cast<std::uint32_t>(slot->size));
      MarkDone(*slot, &Slot::digested);
    }
  }

  // Judges whichever block comes next, while other threads judge the ones around it.
  void JudgeBlocks() {
    for (;;) {
      Slot* slot;
      {
        std::unique_lock<std::mutex> lock(mutex_);
        changed_.wait(lock, [&] {
          return aborted_ || Filled(nextToJudge_) || InputDone(nextToJudge_);
        });
        if (aborted_ || !Filled(nextToJudge_)) return;
        slot = &SlotOf(nextToJudge_++);
      }
      if (slot->judging) {
        slot->verdict = JudgeBlock(std::string_view(slot->data.get(), slot->checkSize),
                                   slot->startsLine, slot->skipLineFeed, judge_, request_.listing);
      }
      MarkDone(*slot, &Slot::judged);
    }
  }

  bool Filled(std::uint64_t sequence) {
    return sequence < blocksRead_ && SlotOf(sequence).filled && SlotOf(sequence).sequence == sequence;
  }
  bool InputDone(std::uint64_t sequence) const { return inputEnded_ && sequence >= blocksRead_; }

  void MarkDone(Slot& slot, bool Slot::*flag) {
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      slot.*flag = true;
    }
    changed_.notify_all();
  }

  void ReadAndSequence(std::uint64_t sizeAtOpen) {
    for (std::uint64_t sequence = 0;; ++sequence) {
      if (sequence - sequenced_ == slots_.size()) SequenceNext(sizeAtOpen);
      Slot& slot = SlotOf(sequence);
      if (!Fill(slot, sequence)) break;
      {
        const std::lock_guard<std::mutex> lock(mutex_);
        slot.filled = true;
        blocksRead_ = sequence + 1;
      }
      changed_.notify_all();
      if (observer_.StopRequested()) throw CheckInterrupted();
    }
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      inputEnded_ = true;
    }
    changed_.notify_all();
    while (sequenced_ < blocksRead_) SequenceNext(sizeAtOpen);
  }

  // A small file is read, digested and judged on the calling thread: handing its few
  // blocks to other threads would cost more than the work.
  void ReadAndJudgeHere(std::uint64_t sizeAtOpen) {
    Slot& slot = slots_.front();
    for (std::uint64_t sequence = 0; Fill(slot, sequence); ++sequence) {
      if (hash_ != nullptr) hash_->Update(slot.data.get(), static_cast<std::uint32_t>(slot.size));
      if (slot.judging) {
        joiner_.Join(JudgeBlock(std::string_view(slot.data.get(), slot.checkSize), slot.startsLine,
                                slot.skipLineFeed, judge_, request_.listing));
      }
      sequencedBytes_ += slot.size;
      observer_.Progress(sequencedBytes_, sizeAtOpen);
      if (observer_.StopRequested()) throw CheckInterrupted();
    }
  }

  // Reads the next block into a free slot; false at the end of the file.
  bool Fill(Slot& slot, std::uint64_t sequence) {
    std::size_t size = 0;
    while (size < tuning_.blockSize) {
      const std::size_t got = file_.Read(slot.data.get() + size, tuning_.blockSize - size);
      if (got == 0) break;
      size += got;
    }
    if (size == 0) return false;
    outcome_.bytesRead += size;
    slot.sequence = sequence;
    slot.size = size;
    slot.digested = hash_ == nullptr;
    slot.judged = false;
    const BlockBoundaries::Span span =
        boundaries_.Next(std::string_view(slot.data.get(), size));
    slot.judging = span.judging;
    slot.checkSize = span.checkSize;
    slot.startsLine = span.startsLine;
    slot.skipLineFeed = span.skipLineFeed;
    slot.verdict = BlockVerdict{};
    if (slot.judging) {
      const std::string_view checked(slot.data.get(), slot.checkSize);
      firstLine_.Feed(checked);
      if (request_.listing.wanted) utf8_.Feed(checked);
    }
    return true;
  }

  // Waits for the oldest block to be digested and judged, and joins its findings.
  void SequenceNext(std::uint64_t sizeAtOpen) {
    Slot& slot = SlotOf(sequenced_);
    {
      std::unique_lock<std::mutex> lock(mutex_);
      changed_.wait(lock, [&] { return aborted_ || (slot.digested && slot.judged); });
      if (aborted_) {
        lock.unlock();
        RethrowWorkerError();
      }
    }
    if (slot.judging) joiner_.Join(std::move(slot.verdict));
    sequencedBytes_ += slot.size;
    {
      const std::lock_guard<std::mutex> lock(mutex_);
      slot.filled = false;
      ++sequenced_;
    }
    observer_.Progress(sequencedBytes_, sizeAtOpen);
  }

  const ScanRequest& request_;
  ScanObserver& observer_;
  ScanTuning tuning_;
  unsigned judges_;
  std::vector<Slot> slots_;
  platform::InputFile file_;
  LineJudge judge_;
  BlockJoiner joiner_;
  TDCP_hash* hash_ = nullptr;
  std::unique_ptr<TDCP_hash> ownedHash_;
  FirstLineKeeper firstLine_;
  Utf8Sniffer utf8_;
  ScanOutcome outcome_;

  // Shared with the threads, under mutex_.
  std::mutex mutex_;
  std::condition_variable changed_;
  std::uint64_t blocksRead_ = 0;
  std::uint64_t nextToJudge_ = 0;
  std::uint64_t sequenced_ = 0;
  bool inputEnded_ = false;
  bool aborted_ = false;
  std::exception_ptr workerError_;
  std::vector<std::thread> threads_;

  // The reading thread's own.
  BlockBoundaries boundaries_;
  std::uint64_t sequencedBytes_ = 0;
};

}  // namespace

EFileChanged::EFileChanged(std::string path)
    : Exception(texts::FileChanged()), path_(std::move(path)) {}

CheckInterrupted::CheckInterrupted() : Exception(Utf8ToCp1252("Verificação interrompida")) {}

ScanOutcome ScanFile(const std::string& path, const ScanRequest& request,
                     ScanObserver& observer) {
  Pipeline pipeline(path, request, observer);
  return pipeline.Run();
}

void SetScanTuning(const ScanTuning& chosen) {
  const std::lock_guard<std::mutex> lock(tuningMutex);
  tuning = chosen;
}

ScanTuning CurrentScanTuning() {
  const std::lock_guard<std::mutex> lock(tuningMutex);
  return tuning;
}

}  // namespace validador
