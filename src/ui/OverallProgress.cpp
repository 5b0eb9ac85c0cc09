#include "ui/OverallProgress.h"

#include <QFileInfo>
#include <QStringList>


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

void OverallProgress::Begin(int fileCount) {
  Clear();
  running_ = true;
  total_ = fileCount;
}

void OverallProgress::FileStarted(const QString& path) {
  if (!running_ || (fileInWork_ && path == pathInWork_)) return;
  CloseFileInWork(true);
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

void OverallProgress::Clear() { *this = OverallProgress(); }

void OverallProgress::CloseFileInWork(bool counts) {
  if (!fileInWork_) return;
  if (counts) ++(filePassed_ ? passed_ : failed_);
  fileInWork_ = false;
}

QString OverallProgress::Text() const {
  if (finished_) return Heading(end_) + QStringLiteral(" — ") + Tally();
  if (!running_ || !fileInWork_) return {};
  return QStringLiteral("Arquivo %1 de %2: %3")
      .arg(started_)
      .arg(total_)
      .arg(QFileInfo(pathInWork_).fileName());
}

QString OverallProgress::Tally() const {
  QStringList parts = {QStringLiteral("%1 sem erro").arg(passed_),
                       QStringLiteral("%1 com erro").arg(failed_)};
  if (NotReached() > 0) parts << NotReachedText(NotReached());
  return Files(total_) + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
}

}  // namespace validador::ui
