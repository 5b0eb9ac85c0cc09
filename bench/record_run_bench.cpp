// Records per second of a file's check without a digest (its one read: pre-scan and
// record run), over one file of a delivery made by gerador_entrega:
//   record_run_bench ARQUIVO LETRA [REPETICOES]
// LETRA is the record type (A, B, C, E, I, O, T or Y).

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "layout/UGlobal.h"
#include "validation/check/Carga.h"

using namespace validador;

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "uso: %s ARQUIVO LETRA [REPETICOES]\n", argv[0]);
    return 64;
  }
  const std::string path = argv[1];
  const char letter = argv[2][0];
  const int repeats = argc > 3 ? std::atoi(argv[3]) : 3;
  int type = 0;
  while (type < kRecordTypeCount &&
         LayoutCatalogue::Instance().LetraTipo(static_cast<RecordTypeIndex>(type)) != letter) {
    ++type;
  }
  if (type == kRecordTypeCount) return 64;

  Carga carga;
  carga.edtNrBanco = "987";
  carga.cbHashText.clear();  // no algorithm: no digest
  const double megabytes = static_cast<double>(std::filesystem::file_size(path)) / (1024.0 * 1024.0);

  std::vector<double> seconds;
  std::int64_t lines = 0;
  for (int r = 0; r < repeats; ++r) {
    carga.Veredictos.clear();
    carga.Edit[static_cast<std::size_t>(type)].clear();  // no declared count to compare
    const auto start = std::chrono::steady_clock::now();
    carga.ProcessaArquivo(path, static_cast<RecordTypeIndex>(type));
    seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    const RunResult& run = carga.Veredictos.back().run;
    lines = carga.Veredictos.back().preScan.lineCount;
    if (run.status != RunStatus::Passed || run.validRecords != lines) {
      std::fprintf(stderr, "o arquivo não passou: %s\n", run.MensagemErro.c_str());
      return 1;
    }
  }
  std::sort(seconds.begin(), seconds.end());
  const double median = seconds[seconds.size() / 2];
  std::printf("record run %s: %lld lines, %.1f MiB, median %.3f s: %.2f M records/s, %.0f MiB/s\n",
              std::filesystem::path(path).filename().c_str(), static_cast<long long>(lines), megabytes, median,
              static_cast<double>(lines) / median / 1e6, megabytes / median);
  return 0;
}
