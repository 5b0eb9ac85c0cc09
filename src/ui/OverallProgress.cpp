#include "ui/OverallProgress.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>


namespace validador::ui {
namespace {

QString Files(int count) {
  return count == 1 ? QStringLiteral("1 arquivo") : QStringLiteral("%1 arquivos").arg(count);
}

QString NotReachedText(int count) {
  return count == 1 ? QStringLiteral("1 não verificado")
                    : QStringLiteral("%1 não verificados").arg(count);
}

QString Heading(OverallProgress::End end) {
  switch (end) {
    case OverallProgress::End::Interrupted:
      return QStringLiteral("Verificação interrompida");
    case OverallProgress::End::EndedByError:
      return QStringLiteral("Verificação encerrada por um erro");
    case OverallProgress::End::Completed:
      break;
  }
  return QStringLiteral("Verificação concluída");
}

}  // namespace

void OverallProgress::Begin(int fileCount, qint64 totalBytes) {
  std::function<qint64()> clock = std::move(clock_);
  Clear();
  clock_ = std::move(clock);
  running_ = true;
  total_ = fileCount;
  totalBytes_ = std::max<qint64>(totalBytes, 0);
  timer_.start();
}

void OverallProgress::FileStarted(const QString& shownPath, qint64 size) {
  // The chosen file and the engine's word on it may name it with different separators.
  const QString path = QDir::fromNativeSeparators(shownPath);
  if (!running_ || (fileInWork_ && path == pathInWork_)) return;
  CloseFileInWork(true);
  bytesBefore_ += sizeInWork_;
  sizeInWork_ = std::max<qint64>(size, 0);
  readInWork_ = 0;
  fileInWork_ = true;
  filePassed_ = false;
  pathInWork_ = path;
  ++started_;
}

void OverallProgress::FileJudged(const FileVerdict& verdict) {
  if (!fileInWork_ || !verdict.inLog) return;
  filePassed_ = verdict.Passed();
}

void OverallProgress::Finish(End end) {
  if (!running_) return;
  if (end == End::EndedByError) filePassed_ = false;
  CloseFileInWork(end != End::Interrupted);
  running_ = false;
  finished_ = true;
  end_ = end;
}

void OverallProgress::FileRead(qint64 bytes) {
  if (fileInWork_) readInWork_ = std::clamp<qint64>(bytes, 0, sizeInWork_);
}

void OverallProgress::Clear() {
  std::function<qint64()> clock = std::move(clock_);
  *this = OverallProgress();
  clock_ = std::move(clock);
}

qint64 OverallProgress::Elapsed() const {
  if (clock_) return clock_();
  return timer_.isValid() ? timer_.elapsed() : 0;
}

int OverallProgress::PercentOfBytes() const {
  if (totalBytes_ <= 0) return 0;
  const qint64 done = std::min(bytesBefore_ + readInWork_, totalBytes_);
  return static_cast<int>(done * 100 / totalBytes_);
}

// The time left supposes the rest goes as fast as what is done.
QString OverallProgress::BytesAndTime() const {
  const qint64 done = std::min(bytesBefore_ + readInWork_, totalBytes_);
  const qint64 elapsed = Elapsed();
  QString text = QStringLiteral("%1 % dos bytes · %2 decorridos")
                     .arg(PercentOfBytes())
                     .arg(Duration(elapsed));
  if (done > 0 && totalBytes_ > 0) {
    const double left = static_cast<double>(elapsed) * static_cast<double>(totalBytes_ - done) /
                        static_cast<double>(done);
    text += QStringLiteral(" · %1 restantes").arg(Duration(static_cast<qint64>(left)));
  }
  return text;
}

QString Duration(qint64 milliseconds) {
  const qint64 seconds = std::max<qint64>(milliseconds, 0) / 1000;
  const qint64 hours = seconds / 3600;
  const qint64 minutes = seconds / 60 % 60;
  const QString mmss = QStringLiteral("%1:%2").arg(minutes).arg(seconds % 60, 2, 10, QLatin1Char('0'));
  if (hours == 0) return mmss;
  return QStringLiteral("%1:%2:%3")
      .arg(hours)
      .arg(minutes, 2, 10, QLatin1Char('0'))
      .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

void OverallProgress::CloseFileInWork(bool counts) {
  if (!fileInWork_) return;
  if (counts) ++(filePassed_ ? passed_ : failed_);
  fileInWork_ = false;
}

QString OverallProgress::Text() const {
  if (finished_) return Heading(end_) + QStringLiteral(" — ") + Tally();
  if (!running_ || !fileInWork_) return {};
  const QString file = QStringLiteral("Arquivo %1 de %2: %3")
                           .arg(started_)
                           .arg(total_)
                           .arg(QFileInfo(pathInWork_).fileName());
  // With no bytes to read there is no share to tell.
  return totalBytes_ > 0 ? file + QStringLiteral(" — ") + BytesAndTime() : file;
}

QString OverallProgress::Tally() const {
  QStringList parts = {QStringLiteral("%1 sem erro").arg(passed_),
                       QStringLiteral("%1 com erro").arg(failed_)};
  if (NotReached() > 0) parts << NotReachedText(NotReached());
  return Files(total_) + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
}

}  // namespace validador::ui
