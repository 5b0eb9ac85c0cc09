// Folder and file names with letters outside ASCII, from the arguments to the files and
// back to the output: on Windows they travel as UTF-16 and never through the ANSI code
// page.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/Delivery.h"
#include "support/RunProcess.h"

namespace {

using testsupport::PathOfUtf8;
using testsupport::RunProcess;

const std::string kClosing = "****              Fim da Verificação              ****\n";

// The delivery's eight files copied into a folder of the given name inside it.
std::string CopyInto(const testsupport::Delivery& delivery, const std::string& folderName) {
  const std::string folder = delivery.dir.File(folderName);
  std::filesystem::create_directory(PathOfUtf8(folder));
  for (const auto& entry : std::filesystem::directory_iterator(delivery.dir.Path())) {
    if (entry.is_regular_file()) {
      std::filesystem::copy_file(entry.path(), PathOfUtf8(folder) / entry.path().filename());
    }
  }
  return folder;
}

TEST(NonAsciiNamesCli, CheckFindsTheDeliveryAndWritesItsManifest) {
  testsupport::Delivery delivery;
  const std::string folder = CopyInto(delivery, "Entrega Łódź ação");
  const auto result = RunProcess(VALIDADOR_CLI_PATH, {"check", folder, "--case", delivery.caso,
                                                      "--bank", delivery.bank, "--manifest"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");
  ASSERT_GE(result.out.size(), kClosing.size());
  EXPECT_EQ(result.out.substr(result.out.size() - kClosing.size()), kClosing);
  EXPECT_EQ(result.out.find('\r'), std::string::npos) << "stdout is binary: LF only";
  EXPECT_TRUE(std::filesystem::is_regular_file(PathOfUtf8(folder) / "HASHV.txt"));
}

TEST(NonAsciiNamesCli, HashPrintsTheNameAsItWasGiven) {
  testsupport::TempDir dir;
  const std::string path = dir.Write("Łódź €.txt", "abc");
  const auto result = RunProcess(VALIDADOR_CLI_PATH, {"hash", path});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.out, "900150983CD24FB0D6963F7D28E17F72  " + path + "\n");
}

}  // namespace
