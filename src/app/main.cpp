// validador: the desktop program.

#include <QApplication>

#include "app/ScreenshotMode.h"
#include "app/StartUp.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  validador::app::PrepareApplication(application);
  if (const auto request = validador::app::ParseScreenshotRequest(QApplication::arguments())) {
    return validador::app::TakeScreenshot(*request);
  }
  return validador::app::RunProgram(application);
}
