#pragma once
// The folder list: a tree of folders (no files) whose current folder is the folder
// the commands work on. Selecting a folder makes it current. A folder whose name the
// list cuts shows its full path as a tooltip, and a frame shows when the list has the
// keyboard focus.

#include <QTreeView>

class QFileSystemModel;

namespace validador::ui {

class TDirectoryListBox : public QTreeView {
  Q_OBJECT

 public:
  static constexpr int kFocusFrameWidth = 2;

  explicit TDirectoryListBox(QWidget* parent = nullptr);

  QString Directory() const { return directory_; }
  // Makes `folder` current: shows, opens the way to and selects it.
  void SetDirectory(const QString& folder);

  // The tooltip at a point of the list: the folder's full path where its name is cut
  // (or runs past the list's right edge), empty elsewhere.
  QString TooltipAt(const QPoint& viewportPoint) const;

  // The colour of the frame drawn while the list has the focus.
  static QColor FocusFrameColour();

 signals:
  void DirectoryChanged(const QString& folder);

 protected:
  bool viewportEvent(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void OnCurrentChanged(const QModelIndex& current);
  bool NameIsCut(const QModelIndex& index) const;

  QFileSystemModel* model_;
  QString directory_;
};

}  // namespace validador::ui
