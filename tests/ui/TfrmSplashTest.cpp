// The splash window: frameless and centred, its pictures and lines at their places, a
// user's close refused, and the start-up's second after which it is gone.

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <algorithm>

#include "app/StartUp.h"
#include "app/TfrmSplash.h"
#include "branding/Branding.h"
#include "ui/TPanel.h"
#include "ui/WindowLook.h"

using validador::app::TfrmSplash;

class TestSplash : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { validador::InitBrandingResources(); }
  void frameAndPlace();
  void controls();
  void userCannotCloseIt();
  void startUpShowsItForASecond();
};

void TestSplash::frameAndPlace() {
  TfrmSplash splash;
  QCOMPARE(splash.size(), QSize(504, 307));
  QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
  QVERIFY(splash.testAttribute(Qt::WA_DeleteOnClose));
  const QRect screen = splash.screen()->availableGeometry();
  QCOMPARE(splash.geometry().center(), screen.center());
  QCOMPARE(splash.Panel1->geometry(), splash.rect());
  QCOMPARE(splash.Panel1->Outer(), validador::ui::Bevel::Raised);
  QCOMPARE(splash.Panel1->Inner(), validador::ui::Bevel::Raised);
  QCOMPARE(splash.Panel1->BevelWidth(), 5);
}

void TestSplash::controls() {
  TfrmSplash splash;
  QCOMPARE(splash.Image1->geometry(), QRect(0, 0, 500, 304));
  QCOMPARE(splash.Image2->geometry(), QRect(215, 184, 74, 82));
  QCOMPARE(splash.Image2->pixmap().size(), QSize(74, 82));
  QCOMPARE(splash.RxLabel1->geometry(), QRect(62, 264, 379, 16));
  QCOMPARE(splash.RxLabel1->text(), validador::SplashHeadingLine());
  QCOMPARE(splash.RxLabel1->font().pixelSize(), 13);
  QVERIFY(splash.RxLabel1->font().bold() && splash.RxLabel1->font().italic());
  QCOMPARE(splash.RxLabel2->geometry(), QRect(179, 281, 146, 14));
  QCOMPARE(splash.RxLabel2->text(), QStringLiteral("Versão 2007.1   (Abril 2007) ."));
  QCOMPARE(splash.RxLabel2->font().pixelSize(), 11);
  for (QLabel* label : {splash.RxLabel1, splash.RxLabel2}) {
    QVERIFY(label->autoFillBackground());
    QCOMPARE(label->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(label->palette().color(QPalette::WindowText), validador::ui::kNavy);
  }
  // Later controls lie on top of the splash picture.
  QVERIFY(splash.Panel1->childAt(230, 200) == splash.Image2);
}

void TestSplash::userCannotCloseIt() {
  QPointer<TfrmSplash> splash = new TfrmSplash;
  splash->show();
  QVERIFY(QTest::qWaitForWindowExposed(splash));
  QVERIFY(!splash->close());
  QTest::keyClick(splash, Qt::Key_Escape);
  QTest::keyClick(splash, Qt::Key_F4, Qt::AltModifier);
  QApplication::processEvents();
  QVERIFY(!splash.isNull() && splash->isVisible());

  splash->FormClose();
  QTRY_VERIFY(splash.isNull());
}

void TestSplash::startUpShowsItForASecond() {
  bool shownMeanwhile = false;
  QTimer::singleShot(300, [&] {
    const auto windows = QApplication::topLevelWidgets();
    shownMeanwhile = std::any_of(windows.begin(), windows.end(), [](QWidget* window) {
      return qobject_cast<TfrmSplash*>(window) != nullptr && window->isVisible();
    });
  });
  QElapsedTimer clock;
  clock.start();

  validador::app::ShowSplash(validador::app::kSplashTime);

  QVERIFY(clock.elapsed() >= 1000);
  QVERIFY(shownMeanwhile);
  QApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  for (QWidget* window : QApplication::topLevelWidgets()) {
    QVERIFY(qobject_cast<TfrmSplash*>(window) == nullptr);
  }
}

QTEST_MAIN(TestSplash)
#include "TfrmSplashTest.moc"
