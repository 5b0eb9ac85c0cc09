// Windows paths: backslashes beside slashes, drive letters and their roots.

#include <gtest/gtest.h>

#include "platform/Paths.h"

namespace validador::platform {
namespace {

struct WindowsPathCase {
  const char* path;
  const char* folder;
  const char* name;
};

class WindowsPathParts : public ::testing::TestWithParam<WindowsPathCase> {};

TEST_P(WindowsPathParts, FolderAndLastName) {
  EXPECT_EQ(FolderOf(GetParam().path), GetParam().folder);
  EXPECT_EQ(FileNameOf(GetParam().path), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(
    Backslashes, WindowsPathParts,
    ::testing::Values(WindowsPathCase{"C:\\Dados\\Entrega\\A.txt", "C:\\Dados\\Entrega", "A.txt"},
                      WindowsPathCase{"C:\\A.txt", "C:\\", "A.txt"},
                      WindowsPathCase{"C:/A.txt", "C:/", "A.txt"},
                      WindowsPathCase{"C:A.txt", "C:", "A.txt"},
                      WindowsPathCase{"C:\\Dados/Entrega\\A.txt", "C:\\Dados/Entrega", "A.txt"},
                      WindowsPathCase{"\\A.txt", "\\", "A.txt"},
                      WindowsPathCase{"\\\\servidor\\pasta\\A.txt", "\\\\servidor\\pasta", "A.txt"}));

TEST(WindowsJoinedPath, BackslashBetweenUnlessTheFolderEndsWithASeparator) {
  EXPECT_EQ(kPathSeparator, '\\');
  EXPECT_EQ(JoinedPath("C:\\Dados", "A.txt"), "C:\\Dados\\A.txt");
  EXPECT_EQ(JoinedPath("C:\\", "A.txt"), "C:\\A.txt");
  EXPECT_EQ(JoinedPath("C:/", "A.txt"), "C:/A.txt");
  EXPECT_TRUE(IsPathSeparator('\\'));
}

}  // namespace
}  // namespace validador::platform
