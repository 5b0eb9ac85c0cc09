// A file that changes while its one read is under way: cut, grown, replaced by another
// or written again ends the scan with EFileChanged naming the file, never with findings
// on bytes that are no longer the file's.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "hash/Calchash.h"
#include "support/FileChanges.h"
#include "support/TempDir.h"
#include "validation/scan/FileScan.h"

namespace validador {
namespace {

using testsupport::FileChange;

// Changes the file once, after the first block has been judged.
class ChangingObserver : public ScanObserver {
 public:
  ChangingObserver(std::string path, FileChange change) : path_(std::move(path)), change_(change) {}

  void Progress(std::uint64_t, std::uint64_t) override {
    if (changed_) return;
    changed_ = true;
    testsupport::ApplyFileChange(path_, change_);
  }

 private:
  std::string path_;
  FileChange change_;
  bool changed_ = false;
};

class FileChangeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ScanTuning tuning;
    tuning.blockSize = 64;
    tuning.blocksInMemory = 2;
    tuning.judgingThreads = 1;
    SetScanTuning(tuning);
  }
  void TearDown() override { SetScanTuning(ScanTuning{}); }

  // Forty lines of an A file, far more than the blocks held in memory.
  std::string WriteFile() {
    std::string bytes;
    for (int n = 0; n < 40; ++n) bytes += "A\t001\t" + std::to_string(1000 + n) + "\tCentro\r\n";
    return dir.Write("A_CADASTRO_AGENCIAS.txt", bytes);
  }

  testsupport::TempDir dir;
};

class FileChangeCase : public FileChangeTest, public ::testing::WithParamInterface<FileChange> {};

TEST_P(FileChangeCase, EndsTheScanWithFileChangedNamingTheFile) {
  const std::string path = WriteFile();
  ChangingObserver observer(path, GetParam());
  ScanRequest request;
  request.type = rtA;
  request.bank = "001";
  request.algorithm = "md5";
  try {
    ScanFile(path, request, observer);
    FAIL() << "the scan ended as if the file had not changed";
  } catch (const EFileChanged& error) {
    EXPECT_EQ(error.Path(), path);
    EXPECT_STREQ(error.what(), "Arquivo alterado durante a verifica\xE7\xE3o");
  }
}

TEST_F(FileChangeTest, UnchangedFileScansWhole) {
  const std::string path = WriteFile();
  ScanObserver observer;
  ScanRequest request;
  request.type = rtA;
  request.bank = "001";
  const ScanOutcome outcome = ScanFile(path, request, observer);
  EXPECT_EQ(outcome.facts.count, 40);
  EXPECT_EQ(outcome.bytesRead, std::filesystem::file_size(path));
}

// A file whose size the system reports as 0 though it holds bytes (as files under /proc
// do) is read to its end and is not taken for a changed one.
TEST_F(FileChangeTest, AFileReportingSizeZeroIsReadToItsEnd) {
  const std::string path = "/proc/version";
  if (!std::filesystem::exists(path) || std::filesystem::file_size(path) != 0) {
    GTEST_SKIP() << "no /proc file reporting size 0";
  }
  std::ifstream plain(path, std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(plain)), std::istreambuf_iterator<char>());
  ASSERT_FALSE(bytes.empty());
  ScanObserver observer;
  ScanRequest request;
  request.type = rtA;
  request.bank = "001";
  request.algorithm = "md5";
  const ScanOutcome outcome = ScanFile(path, request, observer);
  EXPECT_EQ(outcome.bytesRead, bytes.size());
  EXPECT_EQ(outcome.facts.count, std::count(bytes.begin(), bytes.end(), '\n'));
  EXPECT_EQ(outcome.digest, DigestOfBytes(bytes, "md5"));
}

INSTANTIATE_TEST_SUITE_P(Changes, FileChangeCase,
                         ::testing::ValuesIn(testsupport::kPossibleFileChanges),
                         [](const auto& info) { return testsupport::FileChangeName(info.param); });

}  // namespace
}  // namespace validador
