// A file of 4 GiB or more is digested whole, by the digest of `hash` and by the one read
// of a check alike: a sparse file of 4 GiB of zeros and a few bytes more, against the
// digest another program computed for the same bytes. Reading a sparse file costs no
// disk; a file system that cannot hold the file skips the test.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <string>

#include "hash/Calchash.h"
#include "support/TempDir.h"
#include "validation/scan/FileScan.h"

namespace validador {
namespace {

constexpr std::uint64_t kZeros = std::uint64_t{1} << 32;
const std::string kTail = "fim\r\n";
// SHA-1 has the processor's help where there is any, which keeps 4 GiB quick.
constexpr const char* kAlgorithm = "sha1";

// Makes a sparse file of kZeros zero bytes followed by kTail; false when the file
// system refuses it.
bool MakeSparseFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (fd < 0) return false;
  const bool made = ::ftruncate(fd, static_cast<off_t>(kZeros)) == 0 &&
                    ::pwrite(fd, kTail.data(), kTail.size(), static_cast<off_t>(kZeros)) ==
                        static_cast<ssize_t>(kTail.size());
  ::close(fd);
  return made;
}

// The SHA-1 digest of those bytes, as `openssl dgst -sha1` gives it.
constexpr const char* kReference = "1FC178BF9AE85549CA3FB5D81E534CE5E96387F7";

class LargeFileDigest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    dir_ = new testsupport::TempDir;
    path_ = dir_->File("A_CADASTRO_AGENCIAS.txt");
    made_ = MakeSparseFile(path_);
  }
  static void TearDownTestSuite() {
    delete dir_;
    dir_ = nullptr;
  }
  void SetUp() override {
    if (!made_) GTEST_SKIP() << "the file system cannot hold a sparse file of 4 GiB";
  }

  static inline testsupport::TempDir* dir_ = nullptr;
  static inline std::string path_;
  static inline bool made_ = false;
};

TEST_F(LargeFileDigest, CalchashDigestsTheWholeFile) {
  EXPECT_EQ(Calchash(path_, kAlgorithm, nullptr, nullptr), std::string(kReference));
}

TEST_F(LargeFileDigest, TheCheckReadDigestsTheWholeFile) {
  ScanObserver observer;
  ScanRequest request;
  request.type = rtA;
  request.bank = "001";
  request.algorithm = kAlgorithm;
  request.mode = JudgeMode::PreScan;
  const ScanOutcome outcome = ScanFile(path_, request, observer);
  EXPECT_EQ(outcome.bytesRead, kZeros + kTail.size());
  EXPECT_EQ(outcome.digest, std::string(kReference));
  // One line of zeros ended by the CR LF of the tail.
  EXPECT_EQ(outcome.facts.count, 1);
}

}  // namespace
}  // namespace validador
