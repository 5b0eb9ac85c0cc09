#include "app/ScreenshotMode.h"

#include <QEventLoop>
#include <QPixmap>
#include <QTimer>
#include <cstdio>

#include "app/TfrmSplash.h"
#include "ui/TfrmCarga.h"

namespace validador::app {
namespace {

// Time for the folder tree to read its folders and the window to settle.
constexpr int kSettleMs = 700;

void Settle() {
  QEventLoop wait;
  QTimer::singleShot(kSettleMs, &wait, &QEventLoop::quit);
  wait.exec();
}

QString ValueAfter(const QStringList& arguments, const QString& option) {
  const qsizetype at = arguments.indexOf(option);
  return at >= 0 && at + 1 < arguments.size() ? arguments[at + 1] : QString();
}

}  // namespace

std::optional<ScreenshotRequest> ParseScreenshotRequest(const QStringList& arguments) {
  const QString file = ValueAfter(arguments, QStringLiteral("--screenshot"));
  if (file.isEmpty()) return std::nullopt;
  return ScreenshotRequest{file, ValueAfter(arguments, QStringLiteral("--pasta")),
                           ValueAfter(arguments, QStringLiteral("--caso")),
                           ValueAfter(arguments, QStringLiteral("--banco")),
                           ValueAfter(arguments, QStringLiteral("--hash"))};
}

int TakeScreenshot(const ScreenshotRequest& request) {
  ui::TfrmCarga window;
  CentreOnScreen(&window);
  window.show();
  window.edtNrCaso->setText(request.caso);
  window.edtNrBanco->setText(request.banco);
  if (!request.hash.isEmpty()) window.cbHash->setCurrentText(request.hash);
  if (!request.pasta.isEmpty()) {
    window.dlb1->SetDirectory(request.pasta);
    Settle();
    window.btnAbreTodos->click();
    window.dlb1->SetDirectory(request.pasta);
  }
  Settle();
  if (!window.grab().save(request.file, "PNG")) {
    std::fprintf(stderr, "validador: cannot write %s\n", request.file.toLocal8Bit().constData());
    return 1;
  }
  return 0;
}

}  // namespace validador::app
