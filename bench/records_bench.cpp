// Throughput of the record chain on generated E and O files: reading lines alone,
// then splitting them, then judging every record. Prints lines per second and MB/s
// for each stage, and the ratio of the full check to an MD5 digest of the same files
// by `openssl dgst -md5` (when it is on the PATH).
//
// Usage: records_bench [total megabytes, default 320]

#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "validation/scan/LineReader.h"
#include "validation/rules/SeparaCampos.h"
#include "validation/rules/ValidaCampos.h"

namespace {

using namespace validador;
using Clock = std::chrono::steady_clock;

// A small deterministic generator of field values.
class Values {
 public:
  std::uint32_t Next() {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<std::uint32_t>(state_ >> 33);
  }
  std::string Digits(int minimum, int maximum) {
    const int count = minimum + static_cast<int>(Next() % static_cast<std::uint32_t>(maximum - minimum + 1));
    std::string text;
    for (int i = 0; i < count; ++i) text += static_cast<char>('0' + Next() % 10);
    return text;
  }
  std::string Words(int maximum) {
    static const char* const kWords[] = {"Deposito", "Saque", "TED", "DOC", "Tarifa", "Pagamento",
                                         "Transferencia", "Cheque", "Juros", "Compra"};
    std::string text = kWords[Next() % 10];
    while (static_cast<int>(text.size()) < maximum - 14 && Next() % 3 != 0) {
      text += ' ';
      text += kWords[Next() % 10];
    }
    return text;
  }
  std::string Date() {
    char text[9];
    std::snprintf(text, sizeof text, "%02u%02u%04u", 1 + Next() % 28, 1 + Next() % 12, 1990 + Next() % 30);
    return text;
  }
  std::string Money() { return Digits(1, 9) + "," + Digits(2, 2); }
  char Nature() { return Next() % 2 == 0 ? 'C' : 'D'; }

 private:
  std::uint64_t state_ = 20070101;
};

std::string JoinLine(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += '\t';
    line += fields[i];
  }
  return line + "\r\n";
}

std::string ExtratoLine(Values& v) {
  return JoinLine({"E", "001", v.Digits(4, 4), v.Digits(5, 12), v.Digits(1, 1) == "0" ? "1" : "2",
                   v.Digits(6, 10), v.Words(50), v.Date(), v.Digits(3, 12), v.Money(),
                   std::string(1, v.Nature())});
}

std::string OrigemLine(Values& v) {
  return JoinLine({"O", "001", v.Digits(4, 4), v.Digits(5, 12), "1", v.Digits(6, 10), v.Digits(11, 14),
                   v.Words(80), v.Digits(11, 14), v.Words(40), "", "", v.Digits(3, 3), v.Digits(4, 4),
                   v.Digits(5, 12), v.Digits(3, 12), v.Money(), std::string(1, v.Nature()), v.Words(60)});
}

void WriteFile(const std::string& path, std::size_t bytes, const std::function<std::string(Values&)>& line) {
  Values values;
  std::ofstream out(path, std::ios::binary);
  std::string chunk;
  std::size_t written = 0;
  while (written < bytes) {
    chunk.clear();
    while (chunk.size() < (std::size_t{1} << 20)) chunk += line(values);
    out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    written += chunk.size();
  }
}

struct FileToCheck {
  std::string path;
  RecordTypeIndex type;
};

struct Tally {
  std::uint64_t lines = 0;
  std::uint64_t bytes = 0;
  std::uint64_t failures = 0;
};

enum class Stage { kRead, kSplit, kValidate };

Tally RunStage(const FileToCheck& file, Stage stage) {
  const TLayoutCampos layout = MontaListasLayout(file.type);
  LineReader reader(file.path);
  TRetorno fields;
  std::string MensagemErro;
  Tally tally;
  std::string_view line;
  while (reader.Next(line)) {
    ++tally.lines;
    tally.bytes += line.size() + 2;
    if (stage == Stage::kRead) continue;
    const int count = SeparaCampos(line, file.type, fields);
    if (count != LayoutCatalogue::Instance().QtdeCampos(file.type)) {
      ++tally.failures;
      continue;
    }
    if (stage == Stage::kValidate && !ValidaRegistro(fields, layout, MensagemErro)) ++tally.failures;
  }
  return tally;
}

double Seconds(Clock::duration elapsed) { return std::chrono::duration<double>(elapsed).count(); }

// Best of a few runs over all the files; prints lines/s and MB/s, returns MB/s.
double TimeStage(const char* name, const std::vector<FileToCheck>& files, Stage stage) {
  double best = 1e30;
  Tally total;
  for (int run = 0; run < 3; ++run) {
    total = {};
    const auto start = Clock::now();
    for (const FileToCheck& file : files) {
      const Tally tally = RunStage(file, stage);
      total.lines += tally.lines;
      total.bytes += tally.bytes;
      total.failures += tally.failures;
    }
    best = std::min(best, Seconds(Clock::now() - start));
  }
  const double megabytes = static_cast<double>(total.bytes) / 1e6;
  std::printf("%-28s %12.0f lines/s %9.1f MB/s", name, static_cast<double>(total.lines) / best, megabytes / best);
  if (total.failures != 0) std::printf("   (%llu records failed!)", static_cast<unsigned long long>(total.failures));
  std::printf("\n");
  return megabytes / best;
}

// MB/s of `openssl dgst -md5` over the files, or 0 when it cannot run.
double TimeOpensslMd5(const std::vector<FileToCheck>& files, std::uint64_t bytes) {
  std::string command = "openssl dgst -md5";
  for (const FileToCheck& file : files) command += " '" + file.path + "'";
  command += " >/dev/null 2>&1";
  double best = 1e30;
  for (int run = 0; run < 3; ++run) {
    const auto start = Clock::now();
    if (std::system(command.c_str()) != 0) return 0;
    best = std::min(best, Seconds(Clock::now() - start));
  }
  return static_cast<double>(bytes) / 1e6 / best;
}

}  // namespace

int main(int argc, char** argv) {
  const std::size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 320;
  std::string folder = (std::filesystem::temp_directory_path() / "records_bench_XXXXXX").string();
  if (::mkdtemp(folder.data()) == nullptr) {
    std::perror("mkdtemp");
    return 1;
  }
  const std::vector<FileToCheck> files = {{folder + "/E_EXTRATO_BANCARIO.txt", rtE},
                                          {folder + "/O_ORIGEM_DESTINO_RECURSOS.txt", rtO}};
  const std::size_t each = megabytes * 1000000 / files.size();
  WriteFile(files[0].path, each, ExtratoLine);
  WriteFile(files[1].path, each, OrigemLine);
  std::uint64_t bytes = 0;
  for (const FileToCheck& file : files) bytes += std::filesystem::file_size(file.path);
  std::printf("records_bench: %.1f MB of E and O lines (best of 3 runs, one core)\n", static_cast<double>(bytes) / 1e6);

  const double read = TimeStage("LineReader", files, Stage::kRead);
  const double split = TimeStage("LineReader + SeparaCampos", files, Stage::kSplit);
  const double check = TimeStage("+ ValidaRegistro", files, Stage::kValidate);
  std::printf("ratios: split/read %.2f, check/read %.2f, check/split %.2f\n", split / read, check / read,
              check / split);
  if (const double md5 = TimeOpensslMd5(files, bytes); md5 > 0) {
    std::printf("openssl dgst -md5 %.1f MB/s; full check / md5 = %.2f\n", md5, check / md5);
  }
  std::filesystem::remove_all(folder);
  return 0;
}
