#include "app/StartUp.h"

#include <QApplication>
#include <QEventLoop>
#include <QIcon>
#include <QPointer>
#include <QStyleFactory>
#include <QTimer>

#include "app/QtTranslations.h"
#include "app/TfrmSplash.h"
#include "branding/Branding.h"
#include "ui/ScreenFit.h"
#include "ui/TfrmCarga.h"

namespace validador::app {

void PrepareApplication(QApplication& application) {
  InitBrandingResources();
  QApplication::setApplicationName(QStringLiteral("validador"));
  QApplication::setApplicationDisplayName(ProgramTitle());
  QApplication::setDesktopFileName(QStringLiteral("validador"));
  if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
    QApplication::setStyle(fusion);
  }
  application.setWindowIcon(QIcon(AppIconPath()));
  InstallQtTranslations(QLocale::system());
}

void ShowSplash(std::chrono::milliseconds time) {
  QPointer<TfrmSplash> splash = new TfrmSplash;
  splash->show();
  splash->repaint();
  QEventLoop wait;
  QTimer::singleShot(time, &wait, &QEventLoop::quit);
  wait.exec(QEventLoop::ExcludeUserInputEvents);
  if (splash.isNull()) return;
  splash->repaint();
  splash->FormClose();
}

int RunProgram(QApplication& application) {
  ui::TfrmCarga window;
  window.RememberInputs();
  ShowSplash(kSplashTime);
  ui::FitAndCentre(&window);
  window.show();
  return application.exec();
}

}  // namespace validador::app
