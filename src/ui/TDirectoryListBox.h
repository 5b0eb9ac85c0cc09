#pragma once
// The folder list: a tree of folders (no files) whose current folder is the folder
// the commands work on. Selecting a folder makes it current.

#include <QTreeView>

class QFileSystemModel;

namespace validador::ui {

class TDirectoryListBox : public QTreeView {
  Q_OBJECT

 public:
  explicit TDirectoryListBox(QWidget* parent = nullptr);

  QString Directory() const { return directory_; }
  // Makes `folder` current: shows, opens the way to and selects it.
  void SetDirectory(const QString& folder);

 signals:
  void DirectoryChanged(const QString& folder);

 private:
  void OnCurrentChanged(const QModelIndex& current);

  QFileSystemModel* model_;
  QString directory_;
};

}  // namespace validador::ui
