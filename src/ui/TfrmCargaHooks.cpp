// What the main window does with what the check sends: the log box, the shown values,
// the cursor, the notices, the open-file dialog and the progress of a long run. The check
// runs on a worker thread; its hooks come here as queued signals of the relay.
//
// The cursor: an hourglass over a check of the folder, the busy cursor while a file's
// lines are counted, and the normal cursor back whenever the check is done with a count,
// a file or the folder.

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cstdint>
#include <limits>

#include "qttexts/QtTexts.h"
#include "ui/MessageBoxes.h"
#include "ui/TfrmCarga.h"

namespace validador::ui {
namespace {

void ShowCursor(Qt::CursorShape shape) {
  if (QApplication::overrideCursor() != nullptr) {
    QApplication::changeOverrideCursor(shape);
  } else {
    QApplication::setOverrideCursor(shape);
  }
}

}  // namespace

void TfrmCarga::ConnectTheEngine() {
  relay_.SetFileChooser([this](const QString& folder) { return ChooseFile(folder); });
  connect(&relay_, &CargaRelay::logLineAdded, this, &TfrmCarga::LogLineAdded);
  connect(&relay_, &CargaRelay::logCleared, this, &TfrmCarga::LogCleared);
  connect(&relay_, &CargaRelay::stateChanged, this, &TfrmCarga::Show);
  connect(&relay_, &CargaRelay::folderCheckStarted, this, &TfrmCarga::FolderCheckStarted);
  connect(&relay_, &CargaRelay::folderCheckFinished, this, &TfrmCarga::RestoreCursor);
  connect(&relay_, &CargaRelay::fileStarted, this, &TfrmCarga::FileStarted);
  connect(&relay_, &CargaRelay::fileFinished, this, &TfrmCarga::RestoreCursor);
  connect(&relay_, &CargaRelay::fileJudged, this, &TfrmCarga::FileJudged);
  connect(&relay_, &CargaRelay::preScanStarted, this, [] { ShowCursor(Qt::BusyCursor); });
  connect(&relay_, &CargaRelay::preScanFinished, this, &TfrmCarga::RestoreCursor);
  connect(&relay_, &CargaRelay::progress, this, &TfrmCarga::Progress);
  connect(&relay_, &CargaRelay::inputNotice, this, &TfrmCarga::InputNotice);
  connect(&relay_, &CargaRelay::cannotReadFile, this, [this] { ShowCannotReadFile(this); });
}

void TfrmCarga::LogLineAdded(const LogLine& line) {
  redtResultado->AppendLine(FromCp1252(line.text), line.style);
}

void TfrmCarga::LogCleared() {
  redtResultado->Reset();
  progress_.Clear();
  verdicts_.clear();
  ShowOverallProgress();
}

// The gauge of the file in work; while a file is read it counts bytes, and so does the
// overall progress.
void TfrmCarga::Progress(qint64 position, qint64 maximum) {
  ShowGauge(position, maximum);
  if (!progress_.Running()) return;
  progress_.FileRead(position);
  ShowOverallProgress();
}

void TfrmCarga::RestoreCursor() {
  while (QApplication::overrideCursor() != nullptr) QApplication::restoreOverrideCursor();
}

// "Confere Hash" starts here too: it shows the hourglass and has no files to count.
void TfrmCarga::FolderCheckStarted() {
  ShowCursor(Qt::WaitCursor);
  tookUpFiles_ = true;
  if (running_ != Kind::Check) return;
  progress_.Begin(expectedFiles_, expectedBytes_);
  OfferTheStop();
}

void TfrmCarga::FileStarted(const QString& path) {
  progress_.FileStarted(path, QFileInfo(path).size());
  ShowOverallProgress();
}

void TfrmCarga::ShowOverallProgress() {
  const QString text = progress_.Text();
  if (text == lblProgressoGeral->text()) return;
  lblProgressoGeral->setText(text);
  emit overallProgressShown(text);
}

void TfrmCarga::FileJudged(const FileVerdict& verdict) {
  progress_.FileJudged(verdict);
  verdicts_.push_back(verdict);
}

void TfrmCarga::InputNotice(const QString& text, Entrada about) {
  ShowNotice(this, text);
  QWidget* box = about == Entrada::Caso    ? static_cast<QWidget*>(edtNrCaso)
                 : about == Entrada::Banco ? static_cast<QWidget*>(edtNrBanco)
                                           : static_cast<QWidget*>(cbHash);
  box->setFocus();
  focusSetByCommand_ = true;
}

std::optional<QString> TfrmCarga::ChooseFile(const QString& initialFolder) {
  const std::optional<QString> chosen = chooseFile_(this, initialFolder);
  if (!chosen || chosen->isEmpty()) {
    RestoreCursor();
    return std::nullopt;
  }
  tookUpFiles_ = true;
  progress_.Begin(expectedFiles_, QFileInfo(*chosen).size());
  progress_.FileStarted(*chosen, QFileInfo(*chosen).size());
  ShowOverallProgress();
  OfferTheStop();
  return chosen;
}

// After a command: the engine itself, which no thread but this one reads then.
void TfrmCarga::ShowState() {
  Show(ShownValuesOf(carga_.Snapshot()));
  ShowListing();
}

void TfrmCarga::Show(const ShownValues& values) {
  FEdit->setText(QDir::toNativeSeparators(values.file));
  lblTotReg->setText(values.lineTotal);
  lblTotReg->adjustSize();
  lblTotReg->setVisible(values.lineTotalVisible);
  Label14->setVisible(values.lineTotalVisible);
  for (std::size_t i = 0; i < Edit.size(); ++i) Edit[i]->setText(values.declaredCounts[i]);
  ShowGauge(values.gaugePos, values.gaugeMax);
  ShowAlgorithm(values);
  ShowDigestList(values.digests);
}

// The gauge holds what the engine gives it, scaled down when it outgrows the bar's range
// (the bytes of a file of gigabytes).
void TfrmCarga::ShowGauge(qint64 position, qint64 maximum) {
  constexpr std::int64_t kLargest = std::numeric_limits<int>::max();
  maximum = std::max<std::int64_t>(maximum, 1);
  position = std::clamp<std::int64_t>(position, 0, maximum);
  if (maximum > kLargest) {
    position = position / (maximum / kLargest + 1);
    maximum = maximum / (maximum / kLargest + 1);
  }
  if (G->maximum() != maximum) G->setRange(0, static_cast<int>(maximum));
  G->setValue(static_cast<int>(position));
}

void TfrmCarga::ShowAlgorithm(const ShownValues& values) {
  if (values.algorithmIndex == shownAlgorithmIndex_ && values.algorithmText == shownAlgorithmText_) {
    return;
  }
  if (values.algorithmIndex != cbHash->currentIndex()) cbHash->setCurrentIndex(values.algorithmIndex);
  cbHash->setEditText(values.algorithmText);
  shownAlgorithmIndex_ = values.algorithmIndex;
  shownAlgorithmText_ = values.algorithmText;
}

void TfrmCarga::ShowDigestList(const QStringList& digests) {
  if (digests.size() < shownDigests_) {
    Memo2->clear();
    shownDigests_ = 0;
  }
  for (; shownDigests_ < digests.size(); ++shownDigests_) Memo2->appendPlainText(digests[shownDigests_]);
}

}  // namespace validador::ui
