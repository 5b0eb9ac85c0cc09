// The judging of blocks on one thread, on a file's bytes already in memory: the work the
// check spreads over its judging threads, without the read and the digest. Prints MB/s of
// processor time (the thread's own clock, so other work on the machine matters little).
//
// Usage: judge_bench FILE LETTER [BANK] [MEGABYTES, default 256] [REPEATS, default 5]

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <string>
#include <vector>

#include "layout/UGlobal.h"
#include "validation/scan/BlockVerdict.h"
#include "validation/scan/LineJudge.h"

namespace {

using namespace validador;

double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "uso: %s ARQUIVO LETRA [BANCO] [MEGABYTES] [REPETICOES]\n", argv[0]);
    return 64;
  }
  const char letter = argv[2][0];
  const std::string bank = argc > 3 ? argv[3] : "987";
  const std::size_t megabytes = argc > 4 ? std::strtoul(argv[4], nullptr, 10) : 256;
  const int repeats = argc > 5 ? std::atoi(argv[5]) : 5;
  int type = 0;
  while (type < kRecordTypeCount && LayoutCatalogue::Instance().LetraTipo(static_cast<RecordTypeIndex>(type)) != letter) {
    ++type;
  }
  if (type == kRecordTypeCount) return 64;

  std::string bytes(megabytes << 20, '\0');
  std::ifstream(argv[1], std::ios::binary).read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(std::count_if(bytes.begin(), bytes.end(), [](char) { return true; })));
  const LineJudge judge(static_cast<RecordTypeIndex>(type), bank, JudgeMode::PreScanAndRun);
  constexpr std::size_t kBlock = std::size_t{1} << 20;

  std::vector<double> rates;
  std::int64_t lines = 0;
  for (int r = 0; r < repeats; ++r) {
    lines = 0;
    const double start = ThreadSeconds();
    for (std::size_t at = 0; at < bytes.size(); at += kBlock) {
      const std::string_view block(bytes.data() + at, std::min(kBlock, bytes.size() - at));
      const BlockVerdict verdict = JudgeBlock(block, at == 0, false, judge);
      lines += verdict.facts.count;
      if (verdict.facts.firstFault != 0 || verdict.facts.lastWrongLetter != 0) {
        std::fprintf(stderr, "uma linha falhou: %s\n", verdict.facts.MensagemErro.c_str());
        return 1;
      }
    }
    rates.push_back(static_cast<double>(bytes.size()) / 1048576.0 / (ThreadSeconds() - start));
  }
  std::sort(rates.begin(), rates.end());
  std::printf("judge %c: %lld lines, %zu MiB, median %.0f MiB/s of processor time\n", letter,
              static_cast<long long>(lines), bytes.size() >> 20, rates[rates.size() / 2]);
  return 0;
}
