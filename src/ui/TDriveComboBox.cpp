#include "ui/TDriveComboBox.h"

#include <QDir>
#include <QSignalBlocker>
#include <QStorageInfo>

namespace validador::ui {
namespace {

// Kernel and runtime file systems that hold no user folders.
bool IsPseudoFileSystem(const QStorageInfo& volume) {
  static const QStringList pseudo = {QStringLiteral("proc"),   QStringLiteral("sysfs"),
                                     QStringLiteral("devpts"), QStringLiteral("cgroup"),
                                     QStringLiteral("cgroup2"), QStringLiteral("mqueue"),
                                     QStringLiteral("securityfs"), QStringLiteral("debugfs"),
                                     QStringLiteral("tracefs"), QStringLiteral("bpf"),
                                     QStringLiteral("fusectl"), QStringLiteral("configfs"),
                                     QStringLiteral("pstore"), QStringLiteral("binfmt_misc"),
                                     QStringLiteral("autofs"), QStringLiteral("hugetlbfs")};
  return pseudo.contains(QString::fromLatin1(volume.fileSystemType()));
}

// A drive root ("C:/", as Qt writes it on Windows): its paths ignore letter case.
bool IsDriveRoot(const QString& root) {
  return root.size() >= 2 && root.at(1) == QLatin1Char(':') && root.at(0).isLetter();
}

// Paths are compared as Qt writes them, with '/' (a Windows folder given with '\' too);
// a root that ends with '/' ("/", "C:/") holds every path that starts with it.
bool Contains(const QString& root, const QString& folder) {
  const QString path = QDir::fromNativeSeparators(folder);
  const Qt::CaseSensitivity letters = IsDriveRoot(root) ? Qt::CaseInsensitive : Qt::CaseSensitive;
  if (root.endsWith(QLatin1Char('/'))) return path.startsWith(root, letters);
  return path.compare(root, letters) == 0 || path.startsWith(root + QLatin1Char('/'), letters);
}

}  // namespace

TDriveComboBox::TDriveComboBox(QWidget* parent) : QComboBox(parent) {
  addItems(MountedRoots());
  connect(this, &QComboBox::activated, this,
          [this](int index) { emit DriveChosen(itemText(index)); });
}

QStringList TDriveComboBox::Drives() const {
  QStringList roots;
  for (int i = 0; i < count(); ++i) roots << itemText(i);
  return roots;
}

void TDriveComboBox::ShowDriveOf(const QString& folder) {
  const int index = findText(RootOf(folder, Drives()));
  if (index < 0) return;
  const QSignalBlocker quiet(this);
  setCurrentIndex(index);
}

QStringList TDriveComboBox::MountedRoots() {
  QStringList roots;
  for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
    if (!volume.isValid() || !volume.isReady() || IsPseudoFileSystem(volume)) continue;
    if (!roots.contains(volume.rootPath())) roots << volume.rootPath();
  }
  if (!roots.contains(QDir::rootPath())) roots << QDir::rootPath();
  roots.sort();
  return roots;
}

QString TDriveComboBox::RootOf(const QString& folder, const QStringList& roots) {
  QString best;
  for (const QString& root : roots) {
    if (Contains(root, folder) && root.size() > best.size()) best = root;
  }
  return best;
}

}  // namespace validador::ui
