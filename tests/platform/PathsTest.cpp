// Paths as texts: their last name, their folder and joining a name to a folder.

#include <gtest/gtest.h>

#include <string>

#include "platform/Paths.h"

namespace validador::platform {
namespace {

struct PathCase {
  const char* path;
  const char* folder;
  const char* name;
};

// Paths written with '/', which every system takes.
class PathParts : public ::testing::TestWithParam<PathCase> {};

TEST_P(PathParts, FolderAndLastName) {
  EXPECT_EQ(FolderOf(GetParam().path), GetParam().folder);
  EXPECT_EQ(FileNameOf(GetParam().path), GetParam().name);
}

INSTANTIATE_TEST_SUITE_P(Slashes, PathParts,
                         ::testing::Values(PathCase{"/dados/entrega/A.txt", "/dados/entrega", "A.txt"},
                                           PathCase{"entrega/A.txt", "entrega", "A.txt"},
                                           PathCase{"A.txt", ".", "A.txt"},
                                           PathCase{"/A.txt", "/", "A.txt"},
                                           PathCase{"entrega/", "entrega", ""},
                                           PathCase{"Entrega Łódź/ação.txt", "Entrega Łódź", "ação.txt"}));

TEST(JoinedPath, OneSeparatorBetweenFolderAndName) {
  EXPECT_EQ(JoinedPath("entrega", "A.txt"), std::string("entrega") + kPathSeparator + "A.txt");
  EXPECT_EQ(JoinedPath("entrega/", "A.txt"), "entrega/A.txt");
  EXPECT_EQ(JoinedPath("/", "A.txt"), "/A.txt");
  EXPECT_TRUE(IsPathSeparator('/'));
  EXPECT_TRUE(IsPathSeparator(kPathSeparator));
  EXPECT_FALSE(IsPathSeparator(':'));
}

}  // namespace
}  // namespace validador::platform
