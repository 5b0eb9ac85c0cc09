// Writes a large synthetic delivery for the benchmarks:
//   gerador_entrega PASTA TAMANHO_MB [BANCO] [CASO] [FALHAS_POR_CEM]
// Mostly statement (E) and origin/destination (O) lines; the other files are small. All
// valid, unless FALHAS_POR_CEM asks for that many statement and origin/destination lines in
// a hundred with a bad nature of entry. The same arguments always give the same bytes.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

// A small deterministic generator (xorshift64*).
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next() {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    return state_ * 0x2545F4914F6CDD1DULL;
  }
  int Below(int n) { return static_cast<int>(Next() % static_cast<std::uint64_t>(n)); }

 private:
  std::uint64_t state_;
};

std::string Digits(std::uint64_t n, int width) {
  std::string text(width, '0');
  for (int i = width - 1; i >= 0 && n > 0; --i, n /= 10) text[i] = static_cast<char>('0' + n % 10);
  return text;
}

// Windows-1252 texts with accented letters.
const std::vector<std::string> kHistories = {
    "Dep\xF3sito em dinheiro", "Saque em caixa eletr\xF4nico", "Transfer\xEAncia recebida",
    "Pagamento de boleto", "Tarifa de manuten\xE7\xE3o", "Cr\xE9" "dito de sal\xE1rio",
    "Aplica\xE7\xE3o em poupan\xE7" "a", "D\xE9" "bito autom\xE1tico"};
const std::vector<std::string> kNames = {
    "Jos\xE9 Ant\xF4nio Gon\xE7" "alves", "Mariana Ribeiro Ara\xFAjo", "Cl\xE1udio Pe\xE7" "anha",
    "Concei\xE7\xE3o Aparecida", "Rog\xE9rio Magalh\xE3" "es", "M\xE1rcia de F\xE1tima Souza"};

int faultsPerHundred = 0;

// "C" or "D", or now and then (when faults are asked for) an "X" that fails its record.
std::string Nature(Random& random) {
  if (faultsPerHundred > 0 && random.Below(100) < faultsPerHundred) return "X";
  return random.Below(2) == 0 ? "C" : "D";
}

std::string Date(Random& random) {
  return Digits(1 + random.Below(28), 2) + Digits(1 + random.Below(12), 2) +
         std::to_string(2015 + random.Below(10));
}

std::string Amount(Random& random) {
  return std::to_string(random.Below(99999)) + "," + Digits(random.Below(100), 2);
}

std::string StatementLine(Random& random, const std::string& bank, std::uint64_t n) {
  return "E\t" + bank + "\t" + Digits(random.Below(9999), 4) + "\t" + Digits(n % 100000000, 10) +
         "\t1\t" + Digits(n, 10) + "\t" + kHistories[random.Below(kHistories.size())] + "\t" +
         Date(random) + "\t" + Digits(n, 12) + "\t" + Amount(random) + "\t" +
         Nature(random) + "\r\n";
}

std::string OriginLine(Random& random, const std::string& bank, std::uint64_t n) {
  return "O\t" + bank + "\t" + Digits(random.Below(9999), 4) + "\t" + Digits(n % 100000000, 10) +
         "\t1\t" + Digits(n, 10) + "\t" + Digits(random.Next() % 100000000000ULL, 11) + "\t" +
         kNames[random.Below(kNames.size())] + "\t\t\t\t\t" + Digits(random.Below(999), 3) + "\t" +
         Digits(random.Below(9999), 4) + "\t" + Digits(random.Next() % 10000000, 9) + "\t" +
         Digits(n, 8) + "\t" + Amount(random) + "\t" + Nature(random) + "\tTED\r\n";
}

std::string HolderLine(char letter, Random& random, const std::string& bank, std::uint64_t n) {
  return std::string(1, letter) + "\t" + bank + "\t0001\t" + Digits(n, 10) + "\t" + Digits(n, 6) +
         "\t1\t1\t" + kNames[random.Below(kNames.size())] + "\tF\t" + Digits(n, 11) +
         "\tRG\tMG" + Digits(n, 7) + "\t" + Date(random) +
         "\tMG\tSSP\tRua S\xE3o Jo\xE3o, 45\tBelo Horizonte\tMG\t30110000\t3132221100\t\t\t" +
         Amount(random) + "\t" + Date(random) + "\t" + Amount(random) + "\t" + Date(random) +
         "\t" + Amount(random) + "\t" + Date(random) + "\tComerci\xE1rio\t\tMaria da Silva\r\n";
}

std::string BranchLine(Random& random, const std::string& bank, std::uint64_t n) {
  return "A\t" + bank + "\t" + Digits(n, 4) + "\tAg\xEAncia " + std::to_string(n) +
         "\tPra\xE7" "a da S\xE9, " + std::to_string(n) + "\tS\xE3o Paulo\tSP\t01001000\t1133334444\t\t\t" +
         Date(random) + "\t\r\n";
}

std::string AccountLine(Random& random, const std::string& bank, std::uint64_t n) {
  return "C\t" + bank + "\t0001\t" + Digits(n, 10) + "\t1\t" + Date(random) + "\t\r\n";
}

std::string RemarkLine(const std::string& bank, std::uint64_t n) {
  return "Y\t" + bank + "\t" + Digits(n, 6) + "\tObserva\xE7\xE3o n\xBA " + std::to_string(n) + "\r\n";
}

// Writes `lines` lines made by `make` into the file; returns the count.
template <typename Make>
std::uint64_t WriteFile(const std::filesystem::path& path, std::uint64_t lines, Make make) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  std::string block;
  for (std::uint64_t n = 1; n <= lines; ++n) {
    block += make(n);
    if (block.size() > (1u << 20)) {
      out.write(block.data(), static_cast<std::streamsize>(block.size()));
      block.clear();
    }
  }
  out.write(block.data(), static_cast<std::streamsize>(block.size()));
  if (!out) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::exit(1);
  }
  return lines;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "uso: %s PASTA TAMANHO_MB [BANCO] [CASO] [FALHAS_POR_CEM]\n", argv[0]);
    return 64;
  }
  const std::filesystem::path folder = argv[1];
  const double megabytes = std::atof(argv[2]);
  const std::string bank = argc > 3 ? argv[3] : "987";
  const std::string caso = argc > 4 ? argv[4] : "2024.0042-7";
  faultsPerHundred = argc > 5 ? std::atoi(argv[5]) : 0;
  std::filesystem::create_directories(folder);

  // About 90 bytes per E line and 115 per O line: 60% and 37% of the size.
  const auto target = static_cast<std::uint64_t>(megabytes * 1024 * 1024);
  const std::uint64_t eLines = target * 60 / 100 / 90 + 1;
  const std::uint64_t oLines = target * 37 / 100 / 115 + 1;
  const std::uint64_t small = eLines / 400 + 1;

  Random random(20240201);
  std::uint64_t counts[8] = {};
  counts[0] = WriteFile(folder / "A_CADASTRO_AGENCIAS.txt", small / 10 + 1,
                        [&](std::uint64_t n) { return BranchLine(random, bank, n); });
  counts[1] = WriteFile(folder / "B_CADASTRO_DEPOSITANTES_FAVORECIDOS.txt", small,
                        [&](std::uint64_t n) { return HolderLine('B', random, bank, n); });
  counts[2] = WriteFile(folder / "C_CADASTRO_CONTAS.txt", small,
                        [&](std::uint64_t n) { return AccountLine(random, bank, n); });
  counts[3] = WriteFile(folder / "E_EXTRATO_BANCARIO.txt", eLines,
                        [&](std::uint64_t n) { return StatementLine(random, bank, n); });
  counts[4] = 1;
  counts[5] = WriteFile(folder / "O_ORIGEM_DESTINO_RECURSOS.txt", oLines,
                        [&](std::uint64_t n) { return OriginLine(random, bank, n); });
  counts[6] = WriteFile(folder / "T_CADASTRO_TITULARES.txt", small,
                        [&](std::uint64_t n) { return HolderLine('T', random, bank, n); });
  counts[7] = WriteFile(folder / "Y_OBSERVACOES.txt", small / 10 + 1,
                        [&](std::uint64_t n) { return RemarkLine(bank, n); });

  std::string header = "I\t" + caso + "\t" + bank + "\tBanco Fict\xED" "cio S.A.\t01022024\t" +
                       "Analista de Teste\t6133221100\tanalista@exemplo.com.br";
  for (const auto count : counts) header += "\t" + std::to_string(count);
  std::ofstream(folder / "I_IDENTIFICA_DADOS.txt", std::ios::binary) << header << "\r\n";
  std::printf("%s: E %llu, O %llu linhas\n", folder.c_str(), static_cast<unsigned long long>(eLines),
              static_cast<unsigned long long>(oLines));
  return 0;
}
