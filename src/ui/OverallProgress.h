#pragma once
// The check as a whole, beside the gauge of the file in work: which file of how many is
// being checked and, once the check is over, how many files passed, how many did not
// and how many it never reached. Whether a file passed is its verdict's word.

#include <QString>

#include "validation/FileVerdict.h"

namespace validador::ui {

class OverallProgress {
 public:
  // How a check ended.
  enum class End { Completed, Interrupted, EndedByError };

  // A check of `fileCount` files begins.
  void Begin(int fileCount);
  // The check takes up the file at `path`; the same path again changes nothing.
  void FileStarted(const QString& path);
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

  // "Arquivo 5 de 8: E_EXTRATO_BANCARIO.txt" while a file is in work; the tally once
  // the check is over; empty before.
  QString Text() const;

 private:
  void CloseFileInWork(bool counts);
  QString Tally() const;

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
};

}  // namespace validador::ui
