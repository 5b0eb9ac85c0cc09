// Digest speed of validador-cli against reference programs on one large file.
//
// Makes a deterministic file (256 MiB by default), then for each algorithm runs
// `validador-cli hash --hash NAME FILE` and the reference program on the same
// file, alternating, several times each; checks that both print the same digest
// and prints the median ratio reference time / our time (1.0 = as fast as the
// reference). Times are the CPU time (user + system) of each child process, which
// other load on the machine disturbs far less than the elapsed time; the elapsed
// ratio is printed too. Algorithms without a reference program get MB/s.
//
// Usage: hash-vs-openssl [--size MIB] [--runs N] [--cli PATH] [--dir DIR]

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Timing {
  double cpuSeconds = 0;
  double wallSeconds = 0;
  std::string out;
};

struct Comparison {
  std::string name;                    // our algorithm name
  std::vector<std::string> reference;  // the reference command without the file; empty: none
};

// Runs the command with stdout into a file; returns its times and output.
Timing Run(std::vector<std::string> command, const std::string& outPath) {
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                   0644);
  std::vector<char*> argv;
  for (auto& part : command) argv.push_back(part.data());
  argv.push_back(nullptr);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
    std::cerr << "cannot run " << command[0] << "\n";
    std::exit(2);
  }
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  Timing timing;
  timing.wallSeconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  timing.cpuSeconds = usage.ru_utime.tv_sec + usage.ru_utime.tv_usec * 1e-6 +
                      usage.ru_stime.tv_sec + usage.ru_stime.tv_usec * 1e-6;
  posix_spawn_file_actions_destroy(&actions);
  std::ifstream in(outPath);
  std::stringstream text;
  text << in.rdbuf();
  timing.out = text.str();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::cerr << command[0] << " failed: " << timing.out << "\n";
    std::exit(2);
  }
  return timing;
}

// The first run of hexadecimal digits of 32 or more characters, in upper case.
std::string DigestIn(const std::string& out) {
  std::string digest;
  for (const char c : out) {
    if (std::isxdigit(static_cast<unsigned char>(c))) {
      digest += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    } else if (digest.size() >= 32) {
      break;
    } else {
      digest.clear();
    }
  }
  return digest;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t n = values.size();
  return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void MakeFile(const std::string& path, std::size_t mebibytes) {
  std::ofstream out(path, std::ios::binary);
  std::vector<std::uint64_t> block(1 << 17);
  std::uint64_t state = 0x9E3779B97F4A7C15ull;
  for (std::size_t written = 0; written < mebibytes; ++written) {
    for (auto& word : block) {  // xorshift64
      state ^= state << 13;
      state ^= state >> 7;
      state ^= state << 17;
      word = state;
    }
    out.write(reinterpret_cast<const char*>(block.data()), block.size() * 8);
  }
}

bool OnPath(const std::string& program) {
  return std::system(("command -v " + program + " >/dev/null 2>&1").c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::size_t mebibytes = 256;
  int runs = 5;
  std::string cli = VALIDADOR_CLI_PATH;
  std::string dir = std::filesystem::temp_directory_path();
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string option = argv[i];
    if (option == "--size")
      mebibytes = std::stoul(argv[i + 1]);
    else if (option == "--runs")
      runs = std::stoi(argv[i + 1]);
    else if (option == "--cli")
      cli = argv[i + 1];
    else if (option == "--dir")
      dir = argv[i + 1];
  }
  const std::string file = dir + "/validador-hash-bench.bin";
  const std::string outPath = dir + "/validador-hash-bench.out";
  MakeFile(file, mebibytes);

  const std::vector<std::string> openssl = {"openssl", "dgst"};
  const std::vector<Comparison> comparisons = {
      {"md4", {"openssl", "dgst", "-provider", "legacy", "-provider", "default", "-md4"}},
      {"md5", {"openssl", "dgst", "-md5"}},
      {"ripemd160", {"openssl", "dgst", "-ripemd160"}},
      {"sha1", {"openssl", "dgst", "-sha1"}},
      {"sha256", {"openssl", "dgst", "-sha256"}},
      {"sha384", {"openssl", "dgst", "-sha384"}},
      {"sha512", {"openssl", "dgst", "-sha512"}},
      {"tiger", {}},
      {"ripemd128", {}},
      {"haval", {}}};

  std::printf("file: %zu MiB, %d runs each, CPU time (user + system) of each process\n", mebibytes,
              runs);
  std::printf("%-10s %-16s %12s %12s %10s %10s\n", "algorithm", "reference", "ours MB/s",
              "ref MB/s", "ratio", "ratio wall");
  Run({cli, "hash", "--hash", "md5", file}, outPath);  // brings the file into the cache
  const double megabytes = mebibytes * 1.048576;
  for (const auto& comparison : comparisons) {
    const bool hasReference = !comparison.reference.empty() && OnPath(comparison.reference[0]);
    std::vector<double> oursCpu, oursWall, refCpu, refWall;
    std::string oursDigest, refDigest;
    for (int run = 0; run < runs; ++run) {
      const Timing ours = Run({cli, "hash", "--hash", comparison.name, file}, outPath);
      oursCpu.push_back(ours.cpuSeconds);
      oursWall.push_back(ours.wallSeconds);
      oursDigest = DigestIn(ours.out);
      if (!hasReference) continue;
      auto command = comparison.reference;
      command.push_back(file);
      const Timing ref = Run(command, outPath);
      refCpu.push_back(ref.cpuSeconds);
      refWall.push_back(ref.wallSeconds);
      refDigest = DigestIn(ref.out);
    }
    if (!hasReference) {
      std::printf("%-10s %-16s %12.0f\n", comparison.name.c_str(), "-",
                  megabytes / Median(oursCpu));
      continue;
    }
    if (oursDigest != refDigest) {
      std::printf("%-10s DIGESTS DIFFER: %s / %s\n", comparison.name.c_str(), oursDigest.c_str(),
                  refDigest.c_str());
      return 1;
    }
    std::printf("%-10s %-16s %12.0f %12.0f %10.2f %10.2f\n", comparison.name.c_str(),
                (comparison.reference[0] + " " + comparison.reference.back()).c_str(),
                megabytes / Median(oursCpu), megabytes / Median(refCpu),
                Median(refCpu) / Median(oursCpu), Median(refWall) / Median(oursWall));
  }
  std::filesystem::remove(file);
  std::filesystem::remove(outPath);
  return 0;
}
