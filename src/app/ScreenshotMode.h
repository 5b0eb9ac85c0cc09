#pragma once
// A picture of the main window for the documentation: the window is shown (with no
// splash), optionally runs "Abre Arquivos" on a folder, and its grab is saved as PNG:
// after the check, or with --durante while the check is halfway through its bytes (the
// check is then interrupted). --lista-erros also saves the "Lista de erros" window after
// the check.
//   validador --screenshot FILE.png [--pasta PASTA --caso TEXTO --banco TEXTO] [--hash NOME]
//             [--durante] [--lista-erros FILE.png]

#include <QString>
#include <QStringList>
#include <optional>

namespace validador::app {

struct ScreenshotRequest {
  QString file;
  QString pasta, caso, banco, hash;
  bool duringCheck = false;
  QString listFile;
};

// The request when the arguments ask for a screenshot; nothing otherwise.
std::optional<ScreenshotRequest> ParseScreenshotRequest(const QStringList& arguments);

// Takes the screenshot; returns the program's exit status.
int TakeScreenshot(const ScreenshotRequest& request);

}  // namespace validador::app
