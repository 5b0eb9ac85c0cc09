// Choosing the folder by dropping it (or one of its files) anywhere on the window. The
// boxes that take dropped text would otherwise write the file's name into themselves:
// they pass a drop of files to the window.

#include <QMouseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>

#include "ui/FolderDrop.h"
#include "ui/TfrmCarga.h"

namespace validador::ui {
namespace {

bool IsDragOrDrop(const QEvent* event) {
  return event->type() == QEvent::DragEnter || event->type() == QEvent::DragMove ||
         event->type() == QEvent::Drop;
}

}  // namespace

void TfrmCarga::AcceptFolderDrops() {
  setAcceptDrops(true);
  const QList<QWidget*> takers = {edtNrCaso, edtNrBanco, cbHash->lineEdit(),
                                  redtResultado->viewport()};
  for (QWidget* taker : takers) taker->installEventFilter(this);
}

bool TfrmCarga::ChooseDroppedFolder(const QMimeData* data) {
  if (CommandRunning()) return false;
  const std::optional<QString> folder = FolderOfDrop(data);
  if (!folder) return false;
  dlb1->SetDirectory(*folder);
  return true;
}

void TfrmCarga::dragEnterEvent(QDragEnterEvent* event) {
  if (!CommandRunning() && FolderOfDrop(event->mimeData())) event->acceptProposedAction();
}

void TfrmCarga::dragMoveEvent(QDragMoveEvent* event) {
  if (!CommandRunning() && FolderOfDrop(event->mimeData())) event->acceptProposedAction();
}

void TfrmCarga::dropEvent(QDropEvent* event) {
  if (ChooseDroppedFolder(event->mimeData())) event->acceptProposedAction();
}

bool TfrmCarga::eventFilter(QObject* watched, QEvent* event) {
  if (watched == lblLinhasComErro && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    MostraListaDeErros();
    return true;
  }
  if (IsDragOrDrop(event)) {
    auto* drop = static_cast<QDropEvent*>(event);
    if (drop->mimeData()->hasUrls()) {
      if (event->type() == QEvent::Drop) {
        if (ChooseDroppedFolder(drop->mimeData())) drop->acceptProposedAction();
      } else if (!CommandRunning() && FolderOfDrop(drop->mimeData())) {
        drop->acceptProposedAction();
      } else {
        drop->ignore();
      }
      return true;
    }
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace validador::ui
