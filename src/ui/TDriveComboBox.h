#pragma once
// The drive list: the mounted volumes of the machine, by their root folders. Choosing
// one tells the folder list to move to it.

#include <QComboBox>
#include <QStringList>

namespace validador::ui {

class TDriveComboBox : public QComboBox {
  Q_OBJECT

 public:
  explicit TDriveComboBox(QWidget* parent = nullptr);

  // Root folders of the listed volumes, in list order.
  QStringList Drives() const;
  // Shows the volume that holds `folder` (the deepest root that contains it).
  void ShowDriveOf(const QString& folder);

  // The root folders of the mounted, ready volumes, sorted, pseudo file systems left out.
  static QStringList MountedRoots();
  // The deepest of `roots` that contains `folder`; empty when none does.
  static QString RootOf(const QString& folder, const QStringList& roots);

 signals:
  void DriveChosen(const QString& root);
};

}  // namespace validador::ui
