// Digests of things that only a POSIX system has.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "hash/Calchash.h"
#include "hash/TComponent.h"
#include "support/TempDir.h"

namespace validador {
namespace {

// Remembers every file it is told about.
class RecordingNotifier : public HashNotifier {
 public:
  void CannotReadFile(const std::string& path) override { paths.push_back(path); }
  std::vector<std::string> paths;
};

class CalchashPosix : public ::testing::Test {
 protected:
  testsupport::TempDir dir;
  TComponent owner;
  RecordingNotifier notifier;
};

TEST_F(CalchashPosix, DirectoryAndPipeAreNotReadable) {
  const std::string fifo = dir.File("fila");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  EXPECT_EQ(Calchash(dir.Path().string(), "sha1", &owner, &notifier), "");
  EXPECT_EQ(Calchash(fifo, "sha1", &owner, &notifier), "");  // and does not hang
  EXPECT_EQ(notifier.paths, (std::vector<std::string>{dir.Path().string(), fifo}));
  EXPECT_EQ(owner.ComponentCount(), 0u);
}

}  // namespace
}  // namespace validador
