// validador-cli when what it writes cannot be written: the manifest and the report
// replace the old files whole or not at all, and output the system refuses is an error.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>
#include <string>
#include <thread>
#include <vector>

#include "support/Delivery.h"
#include "support/RunProcess.h"

namespace {

using testsupport::Delivery;
using testsupport::NamesIn;
using testsupport::ProcessResult;
using testsupport::ReadAll;
using testsupport::RunOptions;
using testsupport::RunProcessWith;
using testsupport::StdoutTo;

const std::string kClosing = "****              Fim da Verificação              ****\n";

ProcessResult Cli(const std::vector<std::string>& args, const RunOptions& options = {}) {
  return RunProcessWith(VALIDADOR_CLI_PATH, args, options);
}

bool EndsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

class OutputFaults : public ::testing::Test {
 protected:
  std::vector<std::string> CheckArgs() const {
    return {"check",      delivery.dir.Path().string(), "--case", delivery.caso, "--bank",
            delivery.bank};
  }
  std::string Manifest() const { return delivery.dir.File("HASHV.txt"); }

  Delivery delivery;
};

// ---- the manifest and the report under a file-size limit ----

#ifdef VALIDADOR_HAS_REPORT

// A limit that the written file passes: the write fails part of the way (the process
// must not be killed for it), and the file that was there stays as it was.
struct SizeLimitCase {
  const char* name;
  std::uint64_t limit;        // bytes: the eight-line md5 manifest takes 272, the report far more
  const char* failingFile;    // "manifest" or "report"
};

std::ostream& operator<<(std::ostream& out, const SizeLimitCase& c) { return out << c.name; }

class FileSizeLimit : public OutputFaults, public ::testing::WithParamInterface<SizeLimitCase> {};

TEST_P(FileSizeLimit, OldFileStaysWholeAndNoTemporaryFileRemains) {
  const SizeLimitCase& c = GetParam();
  const std::string oldManifest = "OLD MANIFEST\r\n";
  const std::string oldReport = "%PDF-1.4 old report\n";
  delivery.dir.Write("HASHV.txt", oldManifest);
  const std::string report = delivery.dir.Write("resultado.pdf", oldReport);
  const std::vector<std::string> namesBefore = NamesIn(delivery.dir.Path());
  auto args = CheckArgs();
  args.insert(args.end(), {"--report", report});

  const ProcessResult result = Cli(args, {.stdinText = {}, .fileSizeLimit = c.limit,
                                          .stdoutTo = StdoutTo::Captured});

  const bool manifestFails = std::string(c.failingFile) == "manifest";
  EXPECT_EQ(result.exitCode, 2) << result.err;
  EXPECT_TRUE(EndsWith(result.out, kClosing)) << result.out;
  EXPECT_EQ(result.err, "validador-cli: " + (manifestFails ? Manifest() : report) +
                            ": I/O error 27.\n");  // EFBIG: past the size limit
  EXPECT_EQ(ReadAll(report), oldReport);
  if (manifestFails) {
    EXPECT_EQ(ReadAll(Manifest()), oldManifest);
  } else {
    EXPECT_EQ(ReadAll(Manifest()).size(), 8u * 34u);  // the new one, whole
  }
  EXPECT_EQ(NamesIn(delivery.dir.Path()), namesBefore);
}

INSTANTIATE_TEST_SUITE_P(Files, FileSizeLimit,
                         ::testing::Values(SizeLimitCase{"Manifest", 100, "manifest"},
                                           SizeLimitCase{"Report", 4096, "report"}),
                         [](const auto& info) { return std::string(info.param.name); });

#endif

TEST_F(OutputFaults, ManifestPastTheSizeLimitEndsWithTwoAndKeepsTheOldOne) {
  const std::string oldManifest = "OLD MANIFEST\r\n";
  delivery.dir.Write("HASHV.txt", oldManifest);
  const std::vector<std::string> namesBefore = NamesIn(delivery.dir.Path());
  auto args = CheckArgs();
  args.push_back("--manifest");
  const ProcessResult result = Cli(args, {.stdinText = {}, .fileSizeLimit = 100,
                                          .stdoutTo = StdoutTo::Captured});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_TRUE(EndsWith(result.out, kClosing)) << result.out;
  EXPECT_EQ(result.err, "validador-cli: " + Manifest() + ": I/O error 27.\n");
  EXPECT_EQ(ReadAll(Manifest()), oldManifest);
  EXPECT_EQ(NamesIn(delivery.dir.Path()), namesBefore);
}

// Two checks of one folder at the same moment, with different algorithms: the manifest
// is always the whole one of either, never a mix, and nothing else is left in the folder.
TEST_F(OutputFaults, TwoChecksAtOnceLeaveOneWholeManifest) {
  const std::vector<std::string> algorithms = {"md5", "sha512"};
  std::vector<std::string> wholeManifests;
  for (const std::string& algorithm : algorithms) {
    auto args = CheckArgs();
    args.insert(args.end(), {"--manifest", "--hash", algorithm});
    ASSERT_EQ(Cli(args).exitCode, 0);
    wholeManifests.push_back(ReadAll(Manifest()));
  }
  const std::vector<std::string> namesAfterOne = NamesIn(delivery.dir.Path());
  for (int round = 0; round < 8; ++round) {
    std::vector<ProcessResult> results(algorithms.size());
    std::vector<std::thread> runs;
    for (std::size_t i = 0; i < algorithms.size(); ++i) {
      runs.emplace_back([&, i] {
        auto args = CheckArgs();
        args.insert(args.end(), {"--manifest", "--hash", algorithms[i]});
        results[i] = Cli(args);
      });
    }
    for (std::thread& run : runs) run.join();
    for (const ProcessResult& result : results) EXPECT_EQ(result.exitCode, 0) << result.err;
    const std::string manifest = ReadAll(Manifest());
    EXPECT_TRUE(manifest == wholeManifests[0] || manifest == wholeManifests[1]) << manifest;
    EXPECT_EQ(NamesIn(delivery.dir.Path()), namesAfterOne);
  }
}

// ---- standard output that cannot be written ----

struct StdoutCase {
  const char* name;
  std::vector<std::string> args;  // "{folder}" and "{file}" stand for the delivery's
  StdoutTo stdoutTo;
  const char* reason;
};

std::ostream& operator<<(std::ostream& out, const StdoutCase& c) { return out << c.name; }

class StdoutFault : public OutputFaults, public ::testing::WithParamInterface<StdoutCase> {};

TEST_P(StdoutFault, IsAnErrorEndingTheCommand) {
  const StdoutCase& c = GetParam();
  std::vector<std::string> args;
  for (const std::string& arg : c.args) {
    args.push_back(arg == "{folder}" ? delivery.dir.Path().string()
                   : arg == "{file}" ? delivery.PathOf(validador::rtA)
                                     : arg);
  }
  const ProcessResult result = Cli(args, {.stdinText = {}, .fileSizeLimit = {},
                                          .stdoutTo = c.stdoutTo});
  EXPECT_EQ(result.exitCode, 2);
  EXPECT_EQ(result.err, std::string("validador-cli: saída padrão: ") + c.reason + ".\n");
  EXPECT_FALSE(std::filesystem::exists(Manifest()));
}

constexpr const char* kDiskFull = "Disk full";
constexpr const char* kBrokenPipe = "I/O error 32";  // EPIPE

INSTANTIATE_TEST_SUITE_P(
    Commands, StdoutFault,
    ::testing::Values(
        StdoutCase{"CheckToFullDisk",
                   {"check", "{folder}", "--case", "2024.001", "--bank", "001", "--manifest"},
                   StdoutTo::DevFull, kDiskFull},
        StdoutCase{"CheckToClosedPipe",
                   {"check", "{folder}", "--case", "2024.001", "--bank", "001", "--manifest"},
                   StdoutTo::ClosedPipe, kBrokenPipe},
        StdoutCase{"CheckFileToFullDisk", {"check-file", "{file}", "--bank", "001"},
                   StdoutTo::DevFull, kDiskFull},
        StdoutCase{"HashToFullDisk", {"hash", "{file}"}, StdoutTo::DevFull, kDiskFull},
        StdoutCase{"HashToClosedPipe", {"hash", "{file}"}, StdoutTo::ClosedPipe, kBrokenPipe},
        StdoutCase{"VersionToFullDisk", {"version"}, StdoutTo::DevFull, kDiskFull},
        StdoutCase{"HelpToClosedPipe", {"--help"}, StdoutTo::ClosedPipe, kBrokenPipe},
        StdoutCase{"SelftestToFullDisk", {"selftest"}, StdoutTo::DevFull, kDiskFull}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
