#include "ui/TDirectoryListBox.h"

#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>

namespace validador::ui {

TDirectoryListBox::TDirectoryListBox(QWidget* parent)
    : QTreeView(parent), model_(new QFileSystemModel(this)) {
  model_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
  model_->setRootPath(QString());
  setModel(model_);
  for (int column = 1; column < model_->columnCount(); ++column) hideColumn(column);
  header()->hide();
  setUniformRowHeights(true);
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { OnCurrentChanged(current); });
}

void TDirectoryListBox::SetDirectory(const QString& folder) {
  const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
  const QModelIndex index = model_->index(clean);
  directory_ = clean;
  if (index.isValid()) {
    for (QModelIndex up = index.parent(); up.isValid(); up = up.parent()) expand(up);
    setCurrentIndex(index);
    scrollTo(index, QAbstractItemView::PositionAtCenter);
  }
  emit DirectoryChanged(directory_);
}

void TDirectoryListBox::OnCurrentChanged(const QModelIndex& current) {
  if (!current.isValid()) return;
  const QString folder = model_->filePath(current);
  if (folder == directory_) return;
  directory_ = folder;
  emit DirectoryChanged(directory_);
}

}  // namespace validador::ui
