#pragma once
// One read of a file for everything a check needs of it: its digest, the pre-scan's
// line count, letters and bank numbers, and the record run's first bad line. The bytes
// are read once into a few buffers; the digest runs on its own thread, in file order,
// while blocks of lines are judged in parallel and their findings joined in file order.
// Memory stays the same whatever the size of the file or of its lines.

#include <atomic>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/Errors.h"
#include "layout/UGlobal.h"
#include "validation/scan/BlockVerdict.h"
#include "validation/scan/FirstLineKeeper.h"
#include "validation/scan/LineFacts.h"
#include "validation/scan/LineJudge.h"
#include "validation/scan/LineRows.h"

namespace validador {

class TComponent;

struct ScanRequest {
  RecordTypeIndex type = rtA;
  std::string bank;           // the typed bank number (not looked at for the I file)
  std::string algorithm;      // the digest's algorithm name; empty: no digest
  TComponent* hashOwner = nullptr;  // owner of the digest's component
  JudgeMode mode = JudgeMode::PreScanAndRun;
  bool keepFirstLine = false; // keep the first line's fields (the identification header)
  ListingWanted listing;      // also the error listing's rows of every line
  // With the listing: takes its rows, in file order, as they are found, so that they are
  // not held in ScanOutcome::rows.
  std::function<void(ListingRow&&)> rowSink;
};

struct ScanOutcome {
  LineFacts facts;
  LineRows rows;               // with the listing: line numbers of the file, no line texts yet
  bool looksUtf8 = false;      // with the listing: the file seems written in UTF-8
  std::string digest;          // uppercase hexadecimal; empty without an algorithm
  FirstLine firstLine;
  std::uint64_t bytesRead = 0;
  // Bytes after the file's first byte 26 (end of text): digested, never judged. nullopt
  // when the file has no byte 26.
  std::optional<std::uint64_t> bytesAfterEndOfText;
};

// What the scan tells, and asks, while it reads (on the calling thread).
class ScanObserver {
 public:
  virtual ~ScanObserver() = default;
  // After each block: bytes done, and the file's size when it was opened.
  virtual void Progress(std::uint64_t /*done*/, std::uint64_t /*total*/) {}
  // Between blocks: true ends the scan with CheckInterrupted.
  virtual bool StopRequested() { return false; }
};

// The file changed while it was read: its size, time or identity at the end differ from
// the start, or it held more or fewer bytes than its size said.
class EFileChanged : public Exception {
 public:
  explicit EFileChanged(std::string path);
  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

// The user asked for the check to stop.
class CheckInterrupted : public Exception {
 public:
  CheckInterrupted();
};

// Reads the file once and answers every question of `request`. Throws EInOutError when
// the file cannot be opened or read, EFileChanged, CheckInterrupted, or the digest's error
// for an unknown algorithm name.
ScanOutcome ScanFile(const std::string& path, const ScanRequest& request,
                     ScanObserver& observer);

// Tuning, for tests and measurements: bytes per block, blocks in memory, and threads
// judging blocks (0: one per processor).
struct ScanTuning {
  std::size_t blockSize = std::size_t{1} << 20;
  std::size_t blocksInMemory = 0;  // 0: twice the judging threads, plus four, 24 at most
  unsigned judgingThreads = 0;
};
void SetScanTuning(const ScanTuning& tuning);
ScanTuning CurrentScanTuning();

}  // namespace validador
