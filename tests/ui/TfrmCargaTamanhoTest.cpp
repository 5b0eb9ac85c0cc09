// The window's size: 902 x 701 by default, resizable from there; the room
// gained goes to the log box and the folder list, the room lost comes from under the
// group and then from the log box; every other control keeps its place; the size it
// opens at on 1366 x 768 and on 2560 x 1440 at 200 %.

#include <QTest>

#include "UiSupport.h"
#include "ui/ScreenFit.h"

using validador::ui::SizeOnScreen;
using validador::ui::TfrmCarga;

namespace {

const QStringList kGrowing = {"GroupBox4", "Shape1", "Shape2", "Shape3", "dlb1", "redtResultado",
                              "RxLabel2", "Memo2", "lblProgressoGeral", "btnInterromper"};

// The geometry (in window coordinates) of every named control.
QMap<QString, QRect> Places(const TfrmCarga& window) {
  QMap<QString, QRect> places;
  for (const QWidget* control : window.findChildren<QWidget*>()) {
    if (control->objectName().isEmpty() || control->objectName().startsWith(QLatin1String("qt_"))) continue;
    places[control->objectName()] =
        QRect(control->mapTo(&window, QPoint(0, 0)), control->size());
  }
  return places;
}

// Every control other than the growing ones where it stands at the default size; the
// group's parts inside the window and clear of each other.
void ExpectOthersInPlace(const TfrmCarga& window) {
  static const QMap<QString, QRect> defaults = [] {
    TfrmCarga fresh;
    return Places(fresh);
  }();
  const QMap<QString, QRect> now = Places(window);
  QCOMPARE(now.keys(), defaults.keys());
  for (const QString& name : now.keys()) {
    if (kGrowing.contains(name)) continue;
    QCOMPARE(now[name], defaults[name]);
  }
}

void ExpectEverythingShows(const TfrmCarga& window) {
  const QRect client = window.rect();
  const QMap<QString, QRect> places = Places(window);
  for (const QString& name : places.keys()) {
    if (name == QLatin1String("Memo2")) continue;  // never shown
    QVERIFY2(client.contains(places[name]), qPrintable(name));
  }
  const QRect group = places["GroupBox4"];
  QVERIFY(group.contains(places["redtResultado"]));
  QVERIFY(places["redtResultado"].height() >= 60);
  QVERIFY(places["btnInterromper"].top() > group.bottom());
  QVERIFY(places["btnInterromper"].bottom() < places["RxLabel2"].top());
  QVERIFY(places["lblProgressoGeral"].right() < places["btnInterromper"].left());
  QCOMPARE(places["RxLabel2"].bottom(), client.bottom());
}

}  // namespace

class TestTamanho : public QObject {
  Q_OBJECT

 private slots:
  void opensAtTheDescribedSizeAndCanBeResized();
  void roomGainedGoesToTheLogAndTheFolderList_data();
  void roomGainedGoesToTheLogAndTheFolderList();
  void roomLostComesFromUnderTheGroupThenTheLog_data();
  void roomLostComesFromUnderTheGroupThenTheLog();
  void sizeOnScreen_data();
  void sizeOnScreen();
  void addedControlsOverlapNothing_data();
  void addedControlsOverlapNothing();
};

void TestTamanho::opensAtTheDescribedSizeAndCanBeResized() {
  uitest::ShownWindow window;
  QCOMPARE(window->size(), QSize(902, 701));
  QCOMPARE(window->minimumSize(), QSize(902, TfrmCarga::kMinimumClientHeight));
  QVERIFY(window->maximumSize().width() > 4000 && window->maximumSize().height() > 4000);
  ExpectOthersInPlace(*window);
  ExpectEverythingShows(*window);
}

void TestTamanho::roomGainedGoesToTheLogAndTheFolderList_data() {
  QTest::addColumn<QSize>("size");
  QTest::addColumn<int>("folderGrowth");
  QTest::addColumn<QSize>("logGrowth");
  QTest::newRow("mais largo") << QSize(1300, 701) << 0 << QSize(398, 0);
  QTest::newRow("mais alto") << QSize(902, 1001) << 100 << QSize(0, 200);
  QTest::newRow("maximizada em 1920 x 1050") << QSize(1920, 1050) << 116 << QSize(1018, 233);
}

void TestTamanho::roomGainedGoesToTheLogAndTheFolderList() {
  QFETCH(QSize, size);
  QFETCH(int, folderGrowth);
  QFETCH(QSize, logGrowth);
  uitest::ShownWindow window;

  window->resize(size);

  QCOMPARE(window->size(), size);
  QCOMPARE(window->dlb1->geometry(), QRect(336, 103, 234, 157 + folderGrowth));
  QCOMPARE(window->redtResultado->geometry(),
           QRect(QPoint(7, 265 + folderGrowth), QSize(749, 160) + logGrowth));
  ExpectOthersInPlace(*window);
  ExpectEverythingShows(*window);

  window->resize(902, 701);
  QCOMPARE(window->redtResultado->geometry(), QRect(7, 265, 749, 160));
  QCOMPARE(window->dlb1->geometry(), QRect(336, 103, 234, 157));
}

void TestTamanho::roomLostComesFromUnderTheGroupThenTheLog_data() {
  QTest::addColumn<int>("height");
  QTest::addColumn<int>("logHeight");
  QTest::newRow("35 px a menos: só o espaço sob o grupo") << 666 << 160;
  QTest::newRow("70 px a menos") << 631 << 160;
  QTest::newRow("o mínimo") << TfrmCarga::kMinimumClientHeight << 60;
}

void TestTamanho::roomLostComesFromUnderTheGroupThenTheLog() {
  QFETCH(int, height);
  QFETCH(int, logHeight);
  uitest::ShownWindow window;

  window->resize(902, height);

  QCOMPARE(window->height(), height);
  QCOMPARE(window->redtResultado->height(), logHeight);
  QCOMPARE(window->dlb1->geometry(), QRect(336, 103, 234, 157));
  ExpectOthersInPlace(*window);
  ExpectEverythingShows(*window);
}

void TestTamanho::sizeOnScreen_data() {
  QTest::addColumn<QRect>("available");  // device-independent pixels
  QTest::addColumn<QSize>("expected");
  // 1366 x 768 at 100 %, no panel: the default size fits.
  QTest::newRow("1366x768 sem painel") << QRect(0, 0, 1366, 768) << QSize(902, 701);
  // With a 40 px task bar the window loses height under the group.
  QTest::newRow("1366x768 com barra de 40") << QRect(0, 0, 1366, 728) << QSize(902, 682);
  // 2560 x 1440 at 200 % is 1280 x 720 device-independent pixels; a 32 px panel.
  QTest::newRow("2560x1440 a 200%") << QRect(0, 32, 1280, 688) << QSize(902, 642);
  QTest::newRow("tela grande") << QRect(0, 0, 2560, 1400) << QSize(902, 701);
  QTest::newRow("tela menor que o mínimo") << QRect(0, 0, 800, 500) << QSize(902, 531);
}

void TestTamanho::sizeOnScreen() {
  QFETCH(QRect, available);
  QFETCH(QSize, expected);
  const QSize minimum(902, TfrmCarga::kMinimumClientHeight);

  const QSize size = SizeOnScreen(QSize(902, 701), minimum, available, validador::ui::kFrameAllowance);

  QCOMPARE(size, expected);
  uitest::ShownWindow window;
  window->resize(size);
  ExpectEverythingShows(*window);
  if (size.height() > minimum.height()) {
    QVERIFY(size.grownBy(validador::ui::kFrameAllowance).height() <= available.height());
  }
}

void TestTamanho::addedControlsOverlapNothing_data() {
  QTest::addColumn<QSize>("size");
  QTest::newRow("tamanho padrão") << QSize(902, 701);
  QTest::newRow("mais largo") << QSize(1300, 701);
  QTest::newRow("mais alto") << QSize(902, 1001);
  QTest::newRow("maximizada em 1920 x 1050") << QSize(1920, 1050);
  QTest::newRow("o mínimo") << QSize(902, TfrmCarga::kMinimumClientHeight);
}

// "Confere Hash" and the lines with faults of each file share the group with the controls
// that were there: at any size neither covers another control of the group.
void TestTamanho::addedControlsOverlapNothing() {
  QFETCH(QSize, size);
  uitest::ShownWindow window;

  window->resize(size);

  for (const QWidget* added : {static_cast<QWidget*>(window->btnConfereHash),
                               static_cast<QWidget*>(window->lblLinhasComErro)}) {
    QVERIFY(window->GroupBox4->rect().contains(added->geometry()));
    for (const QWidget* other : window->GroupBox4->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      if (other == added || other->objectName().isEmpty()) continue;
      QVERIFY2(!added->geometry().intersects(other->geometry()),
               qPrintable(added->objectName() + QStringLiteral(" / ") + other->objectName()));
    }
  }
}

QTEST_MAIN(TestTamanho)
#include "TfrmCargaTamanhoTest.moc"
