#include "ui/FolderDrop.h"

#include <QFileInfo>
#include <QMimeData>
#include <QUrl>

namespace validador::ui {

std::optional<QString> FolderOfDrop(const QMimeData* data) {
  if (data == nullptr || !data->hasUrls()) return std::nullopt;
  for (const QUrl& url : data->urls()) {
    if (!url.isLocalFile()) continue;
    const QFileInfo dropped(url.toLocalFile());
    if (dropped.isDir()) return dropped.absoluteFilePath();
    if (dropped.exists()) return dropped.absolutePath();
  }
  return std::nullopt;
}

}  // namespace validador::ui
