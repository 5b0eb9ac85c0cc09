#pragma once
// The check as a whole, beside the gauge of the file in work: which file of how many is
// being checked and, once the check is over, how many files passed, how many did not
// and how many it never reached. Whether a file passed is its verdict's word. While the
// check runs, the line also tells the share of the delivery's bytes done, the time elapsed
// and the time left.

#include <QElapsedTimer>
#include <QString>
#include <functional>

#include "validation/check/FileVerdict.h"

namespace validador::ui {

class OverallProgress {
 public:
  // How a check ended.
  enum class End { Completed, Interrupted, EndedByError };

  // A check of `fileCount` files holding `totalBytes` bytes begins.
  void Begin(int fileCount, qint64 totalBytes = 0);
  // The check takes up the file at `path`, of `size` bytes; the same path again changes
  // nothing. The bytes of the file in work before count as done.
  void FileStarted(const QString& path, qint64 size = 0);
  // The file in work has been read up to `bytes`.
  void FileRead(qint64 bytes);
  // The milliseconds since Begin (a steady clock unless replaced, for the tests).
  void SetClock(std::function<qint64()> elapsedMs) { clock_ = std::move(elapsedMs); }
  // The engine judged the file in work. A file the check left without a verdict (one it
  // could not take up, such as a chosen file with no standard name) counts as failed.
  void FileJudged(const FileVerdict& verdict);
  // The check is over. The file in work when it was interrupted counts as not reached;
  // when an error ended the check, as failed.
  void Finish(End end);
  // Back to no check at all (the screen was cleared).
  void Clear();

  bool Running() const { return running_; }
  int Passed() const { return passed_; }
  int Failed() const { return failed_; }
  int NotReached() const { return total_ - passed_ - failed_; }

  // "Arquivo 5 de 8: E_EXTRATO_BANCARIO.txt — 63 % dos bytes · 0:12 decorridos · 0:07
  // restantes" while a file is in work (the time left once some bytes are done; no bytes
  // and times when the files hold none); the tally once the check is over; empty before.
  QString Text() const;
  // The share of the delivery's bytes done, 0 to 100.
  int PercentOfBytes() const;
  // The bytes part alone: "63 % dos bytes · 0:12 decorridos · 0:07 restantes".
  QString BytesAndTime() const;

 private:
  void CloseFileInWork(bool counts);
  QString Tally() const;
  qint64 Elapsed() const;

  bool running_ = false;
  bool finished_ = false;
  End end_ = End::Completed;
  int total_ = 0;
  int started_ = 0;
  int passed_ = 0;
  int failed_ = 0;
  bool fileInWork_ = false;
  bool filePassed_ = false;
  QString pathInWork_;
  qint64 totalBytes_ = 0;
  qint64 bytesBefore_ = 0;   // of the files done
  qint64 sizeInWork_ = 0;
  qint64 readInWork_ = 0;
  QElapsedTimer timer_;
  std::function<qint64()> clock_;
};

// "0:07", "12:30", "1:02:03".
QString Duration(qint64 milliseconds);

}  // namespace validador::ui
