// The digest taken on a worker thread: its text, and when an unreadable file is told.

#include <gtest/gtest.h>

#include "hash/Calchash.h"
#include "hash/TComponent.h"
#include "support/TempDir.h"
#include "validation/FileDigest.h"

namespace validador {
namespace {

class CountingNotifier : public HashNotifier {
 public:
  void CannotReadFile(const std::string& path) override { paths.push_back(path); }
  std::vector<std::string> paths;
};

TEST(FileDigest, GivesTheDigestOfTheFile) {
  testsupport::TempDir dir;
  const std::string path = dir.Write("abc.txt", "abc");
  TComponent owner;
  FileDigest digest(path, "md5", &owner);
  CountingNotifier notifier;
  EXPECT_EQ(digest.Text(&notifier), "900150983CD24FB0D6963F7D28E17F72");
  EXPECT_TRUE(notifier.paths.empty());
}

TEST(FileDigest, UnreadableFileIsToldOnceWhenTheTextIsTaken) {
  testsupport::TempDir dir;
  const std::string path = dir.File("missing.txt");
  TComponent owner;
  CountingNotifier notifier;
  {
    FileDigest digest(path, "sha1", &owner);
    EXPECT_TRUE(notifier.paths.empty());
    EXPECT_EQ(digest.Text(&notifier), "");
    EXPECT_EQ(digest.Text(&notifier), "");
  }
  EXPECT_EQ(notifier.paths, std::vector<std::string>{path});
}

TEST(FileDigest, NeverTakenIsNeverTold) {
  testsupport::TempDir dir;
  TComponent owner;
  CountingNotifier notifier;
  { FileDigest digest(dir.File("missing.txt"), "md5", &owner); }
  EXPECT_TRUE(notifier.paths.empty());
}

}  // namespace
}  // namespace validador
