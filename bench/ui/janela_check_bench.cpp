// What the main window adds to a check: "Abre Arquivos" on a folder, run by the engine
// alone (no window) and by the window (log box, gauge and an event pause every 300
// valid records), on the offscreen platform. Prints the times and their ratio.
//   janela_check_bench PASTA [CASO] [BANCO] [REPETICOES]
// Make the folder with gerador_entrega.

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/StartUp.h"
#include "ui/TfrmCarga.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

double EngineAlone(const std::string& folder, const std::string& caso, const std::string& banco,
                   std::vector<std::string>& digests) {
  validador::Carga carga;
  carga.edtNrCaso = caso;
  carga.edtNrBanco = banco;
  carga.dlb1 = folder;
  const auto start = Clock::now();
  carga.AbreArquivos();
  const double seconds = Seconds(start);
  digests = carga.Memo2;
  return seconds;
}

double Window(const std::string& folder, const std::string& caso, const std::string& banco,
              std::vector<std::string>& digests) {
  validador::ui::TfrmCarga window;
  window.show();
  window.edtNrCaso->setText(QString::fromStdString(caso));
  window.edtNrBanco->setText(QString::fromStdString(banco));
  window.dlb1->SetDirectory(QString::fromStdString(folder));
  QApplication::processEvents();
  const auto start = Clock::now();
  window.btnAbreTodosClick();
  const double seconds = Seconds(start);
  digests = window.Engine().Memo2;
  return seconds;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "uso: %s PASTA [CASO] [BANCO] [REPETICOES]\n", argv[0]);
    return 64;
  }
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  validador::app::PrepareApplication(application);
  const std::string folder = argv[1];
  const std::string caso = argc > 2 ? argv[2] : "2024.0042-7";
  const std::string banco = argc > 3 ? argv[3] : "987";
  const int repeats = argc > 4 ? std::max(1, std::atoi(argv[4])) : 3;

  double bestEngine = 1e30, bestWindow = 1e30;
  std::vector<std::string> engineDigests, windowDigests;
  for (int i = 0; i < repeats; ++i) {
    bestEngine = std::min(bestEngine, EngineAlone(folder, caso, banco, engineDigests));
    bestWindow = std::min(bestWindow, Window(folder, caso, banco, windowDigests));
  }
  std::printf("motor sozinho: %.3f s   janela: %.3f s   janela/motor: %.3f   mesmos hashes: %s\n",
              bestEngine, bestWindow, bestWindow / bestEngine,
              engineDigests == windowDigests ? "sim" : "NAO");
  return engineDigests == windowDigests ? 0 : 1;
}
