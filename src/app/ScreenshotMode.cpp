#include "app/ScreenshotMode.h"

#include <QEventLoop>
#include <QPixmap>
#include <QRegularExpression>
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

bool Save(QWidget& widget, const QString& file) {
  if (widget.grab().save(file, "PNG")) return true;
  std::fprintf(stderr, "validador: cannot write %s\n", file.toLocal8Bit().constData());
  return false;
}

}  // namespace

std::optional<ScreenshotRequest> ParseScreenshotRequest(const QStringList& arguments) {
  const QString file = ValueAfter(arguments, QStringLiteral("--screenshot"));
  if (file.isEmpty()) return std::nullopt;
  return ScreenshotRequest{file,
                           ValueAfter(arguments, QStringLiteral("--pasta")),
                           ValueAfter(arguments, QStringLiteral("--caso")),
                           ValueAfter(arguments, QStringLiteral("--banco")),
                           ValueAfter(arguments, QStringLiteral("--hash")),
                           arguments.contains(QStringLiteral("--durante")),
                           ValueAfter(arguments, QStringLiteral("--lista-erros"))};
}

int TakeScreenshot(const ScreenshotRequest& request) {
  ui::TfrmCarga window;
  CentreOnScreen(&window);
  window.show();
  window.edtNrCaso->setText(request.caso);
  window.edtNrBanco->setText(request.banco);
  if (!request.hash.isEmpty()) window.cbHash->setCurrentText(request.hash);
  bool saved = true;
  bool grabbedDuring = false;
  if (request.duringCheck) {
    // Halfway through the bytes, the window as it stands, then the check stops.
    QObject::connect(&window, &ui::TfrmCarga::overallProgressShown, &window, [&](const QString& text) {
      if (grabbedDuring || !window.CheckRunning()) return;
      static const QRegularExpression share(QStringLiteral(" (\\d+) % dos bytes"));
      const QRegularExpressionMatch match = share.match(text);
      if (!match.hasMatch() || match.captured(1).toInt() < 50) return;
      grabbedDuring = true;
      saved = Save(window, request.file);
      window.Engine().RequestStop();
    });
  }
  if (!request.pasta.isEmpty()) {
    window.dlb1->SetDirectory(request.pasta);
    Settle();
    window.btnAbreTodos->click();
    window.dlb1->SetDirectory(request.pasta);
  }
  Settle();
  if (!request.duringCheck) saved = Save(window, request.file);
  if (!request.listFile.isEmpty()) {
    window.MostraListaDeErros();
    if (window.ListaDeErros() != nullptr) {
      window.ListaDeErros()->resize(940, 360);
      Settle();
      saved = Save(*window.ListaDeErros(), request.listFile) && saved;
    }
  }
  return saved ? 0 : 1;
}

}  // namespace validador::app
