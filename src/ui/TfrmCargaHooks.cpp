// What the main window does for the check: the log box, the shown values, the
// cursor, the notices, the open-file dialog and the pauses of a long run.
//
// The cursor: an hourglass over a check of the folder, the busy cursor while a file's
// lines are counted, and the normal cursor back whenever the check is done with a count,
// a file or the folder.

#include <QApplication>
#include <algorithm>
#include <cstdint>
#include <limits>

#include "resultado/QtTexts.h"
#include "ui/MessageBoxes.h"
#include "ui/TfrmCarga.h"

namespace validador::ui {
namespace {

// A long run repaints its group at most this often; the gauge follows every pause.
constexpr qint64 kGroupRepaintMs = 50;

void ShowCursor(Qt::CursorShape shape) {
  if (QApplication::overrideCursor() != nullptr) {
    QApplication::changeOverrideCursor(shape);
  } else {
    QApplication::setOverrideCursor(shape);
  }
}

}  // namespace

void TfrmCarga::LogLineAdded(const LogLine& line) {
  redtResultado->AppendLine(FromCp1252(line.text), line.style);
}

void TfrmCarga::LogCleared() {
  redtResultado->Reset();
  progress_.Clear();
  verdicts_.clear();
  ShowOverallProgress();
}

void TfrmCarga::Progress() {
  ShowGauge();
  QCoreApplication::processEvents();
  if (!groupRepaint_.isValid() || groupRepaint_.elapsed() >= kGroupRepaintMs) {
    GroupBox4->repaint();
    groupRepaint_.start();
  }
}

void TfrmCarga::StateChanged() { ShowState(); }

void TfrmCarga::RestoreCursor() {
  while (QApplication::overrideCursor() != nullptr) QApplication::restoreOverrideCursor();
}

// "Confere Hash" starts here too: it shows the hourglass, but it has no files to count
// and cannot be interrupted.
void TfrmCarga::FolderCheckStarted() {
  ShowCursor(Qt::WaitCursor);
  if (!checkRunning_) return;
  progress_.Begin(expectedFiles_);
  OfferTheStop();
}

void TfrmCarga::FileStarted(const std::string& path, RecordTypeIndex) {
  progress_.FileStarted(FromPath(path));
  ShowOverallProgress();
}

void TfrmCarga::ShowOverallProgress() { lblProgressoGeral->setText(progress_.Text()); }
void TfrmCarga::FolderCheckFinished() { RestoreCursor(); }
void TfrmCarga::FileFinished() { RestoreCursor(); }

void TfrmCarga::FileJudged(const FileVerdict& verdict) {
  progress_.FileJudged(verdict);
  verdicts_.push_back(verdict);
}
void TfrmCarga::PreScanStarted() { ShowCursor(Qt::BusyCursor); }
void TfrmCarga::PreScanFinished() { RestoreCursor(); }

void TfrmCarga::InputNotice(const std::string& text, Entrada about) {
  ShowNotice(this, FromCp1252(text));
  QWidget* box = about == Entrada::Caso    ? static_cast<QWidget*>(edtNrCaso)
                 : about == Entrada::Banco ? static_cast<QWidget*>(edtNrBanco)
                                           : static_cast<QWidget*>(cbHash);
  box->setFocus();
  focusSetByCommand_ = true;
}

std::optional<std::string> TfrmCarga::ChooseFile(const std::string& initialFolder) {
  const std::optional<QString> chosen = chooseFile_(this, FromPath(initialFolder));
  if (!chosen || chosen->isEmpty()) {
    RestoreCursor();
    return std::nullopt;
  }
  progress_.Begin(expectedFiles_);
  progress_.FileStarted(*chosen);
  ShowOverallProgress();
  OfferTheStop();
  return ToPath(*chosen);
}

void TfrmCarga::CannotReadFile(const std::string&) { ShowCannotReadFile(this); }

void TfrmCarga::ShowState() {
  FEdit->setText(FromPath(carga_.FEdit));
  lblTotReg->setText(FromCp1252(carga_.lblTotReg));
  lblTotReg->adjustSize();
  lblTotReg->setVisible(carga_.lblTotRegVisible);
  Label14->setVisible(carga_.lblTotRegVisible);
  for (std::size_t i = 0; i < Edit.size(); ++i) Edit[i]->setText(FromCp1252(carga_.Edit[i]));
  ShowGauge();
  ShowAlgorithm();
  ShowDigestList();
  ShowListing();
}

// The gauge holds what the engine gives it, scaled down when it outgrows the bar's range
// (the bytes of a file of gigabytes).
void TfrmCarga::ShowGauge() {
  constexpr std::int64_t kLargest = std::numeric_limits<int>::max();
  std::int64_t maximum = std::max<std::int64_t>(carga_.GaugeMax, 1);
  std::int64_t position = std::clamp<std::int64_t>(carga_.GaugePos, 0, maximum);
  if (maximum > kLargest) {
    position = position / (maximum / kLargest + 1);
    maximum = maximum / (maximum / kLargest + 1);
  }
  if (G->maximum() != maximum) G->setRange(0, static_cast<int>(maximum));
  G->setValue(static_cast<int>(position));
}

void TfrmCarga::ShowAlgorithm() {
  if (carga_.cbHashIndex == shownAlgorithmIndex_ && carga_.cbHashText == shownAlgorithmText_) {
    return;
  }
  if (carga_.cbHashIndex != cbHash->currentIndex()) cbHash->setCurrentIndex(carga_.cbHashIndex);
  cbHash->setEditText(FromCp1252(carga_.cbHashText));
  shownAlgorithmIndex_ = carga_.cbHashIndex;
  shownAlgorithmText_ = carga_.cbHashText;
  cbHash->repaint();
}

void TfrmCarga::ShowDigestList() {
  if (carga_.Memo2.size() < shownDigests_) {
    Memo2->clear();
    shownDigests_ = 0;
  }
  for (; shownDigests_ < carga_.Memo2.size(); ++shownDigests_) {
    Memo2->appendPlainText(FromCp1252(carga_.Memo2[shownDigests_]));
  }
}

}  // namespace validador::ui
