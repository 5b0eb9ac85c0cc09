// The drive box's choice of the volume that holds a folder, with POSIX mount points and
// with Windows drive letters as Qt writes them ("C:/").

#include <QTest>

#include "ui/TDriveComboBox.h"

using validador::ui::TDriveComboBox;

class TestDriveRoots : public QObject {
  Q_OBJECT

 private slots:
  void deepestRootThatHoldsTheFolder_data();
  void deepestRootThatHoldsTheFolder();
};

void TestDriveRoots::deepestRootThatHoldsTheFolder_data() {
  QTest::addColumn<QString>("folder");
  QTest::addColumn<QStringList>("roots");
  QTest::addColumn<QString>("root");
  const QStringList mounts = {"/", "/media/usb", "/media/usb2"};
  const QStringList drives = {"C:/", "D:/", "//servidor/pasta"};
  QTest::newRow("mount point") << "/media/usb/pasta" << mounts << "/media/usb";
  QTest::newRow("prefix of another mount point") << "/media/usb2" << mounts << "/media/usb2";
  QTest::newRow("file system root") << "/home/analista" << mounts << "/";
  QTest::newRow("drive") << "D:/Entregas/Caso 1" << drives << "D:/";
  QTest::newRow("drive root itself") << "C:/" << drives << "C:/";
  QTest::newRow("drive letter in lower case") << "c:/dados" << drives << "C:/";
  QTest::newRow("network share") << "//servidor/pasta/entrega" << drives << "//servidor/pasta";
  QTest::newRow("no drive holds it") << "E:/x" << drives << "";
  QTest::newRow("a name that starts like a share") << "//servidor/pasta2" << drives << "";
}

void TestDriveRoots::deepestRootThatHoldsTheFolder() {
  QFETCH(QString, folder);
  QFETCH(QStringList, roots);
  QFETCH(QString, root);
  QCOMPARE(TDriveComboBox::RootOf(folder, roots), root);
}

QTEST_MAIN(TestDriveRoots)
#include "TDriveComboBoxTest.moc"
