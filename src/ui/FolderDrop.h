#pragma once
// What a drop onto the window chooses: the dropped folder, or the folder of a dropped
// file (one of a delivery's files, say). Only local files count.

#include <QString>
#include <optional>

class QMimeData;

namespace validador::ui {

// The folder a drop of `data` chooses; nothing when it holds no local file or folder
// that exists.
std::optional<QString> FolderOfDrop(const QMimeData* data);

}  // namespace validador::ui
