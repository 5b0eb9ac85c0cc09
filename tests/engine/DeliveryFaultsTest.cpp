// Faults in the delivery folder itself: two names for one standard file, a standard file
// that cannot be read.

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "engine/EngineFixture.h"
#include "base/Errors.h"
#include "support/TempDir.h"
#include "validation/check/StandardFiles.h"
#include "platform/Paths.h"

namespace validador {
namespace {

using testsupport::ReadAll;
using testsupport::TempDir;

// ---- which file of several names is checked ----

struct ChoiceCase {
  const char* name;
  std::vector<std::string> files;    // created in the folder
  std::vector<std::string> folders;  // created in the folder
  std::string checked;
  std::vector<std::string> ignored;
};

class StandardFileChoiceTest : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(StandardFileChoiceTest, ChecksOneAndListsTheOthers) {
  const ChoiceCase& c = GetParam();
  TempDir dir;
  for (const std::string& file : c.files) dir.Write(file, "A\r\n");
  for (const std::string& folder : c.folders) std::filesystem::create_directory(dir.File(folder));
  const std::string folder = dir.Path().string();
  const StandardFileChoice choice = FindStandardFile(folder, rtA);
  EXPECT_EQ(choice.path, platform::JoinedPath(folder, c.checked));
  std::vector<std::string> ignored;
  for (const std::string& name : c.ignored) ignored.push_back(platform::JoinedPath(folder, name));
  EXPECT_EQ(choice.ignored, ignored);
  EXPECT_EQ(StandardFilePath(folder, rtA), choice.path);
}

INSTANTIATE_TEST_SUITE_P(
    Folders, StandardFileChoiceTest,
    ::testing::Values(
        ChoiceCase{"None", {}, {}, "A_CADASTRO_AGENCIAS.txt", {}},
        ChoiceCase{"ExactOnly", {"A_CADASTRO_AGENCIAS.txt"}, {}, "A_CADASTRO_AGENCIAS.txt", {}},
        ChoiceCase{"OtherCaseOnly", {"a_cadastro_agencias.TXT"}, {}, "a_cadastro_agencias.TXT", {}},
        ChoiceCase{
            "ExactAndOthers",
            {"a_cadastro_agencias.TXT", "A_CADASTRO_AGENCIAS.txt", "A_Cadastro_Agencias.txt"},
            {},
            "A_CADASTRO_AGENCIAS.txt",
            {"A_Cadastro_Agencias.txt", "a_cadastro_agencias.TXT"}},
        ChoiceCase{"TwoOthersFirstInNameOrder",
                   {"a_cadastro_agencias.txt", "A_CADASTRO_AGENCIAS.TXT"},
                   {},
                   "A_CADASTRO_AGENCIAS.TXT",
                   {"a_cadastro_agencias.txt"}},
        ChoiceCase{"FolderOfTheNameIsNoClash",
                   {"A_CADASTRO_AGENCIAS.txt"},
                   {"a_cadastro_agencias.txt"},
                   "A_CADASTRO_AGENCIAS.txt",
                   {}}),
    [](const auto& info) { return std::string(info.param.name); });

// The shell is told of the clash; the log is the one of the folder without the other name.
class ClashRecordingHooks : public RecordingHooks {
 public:
  void NameClash(const std::string& checked, const std::vector<std::string>& ignored) override {
    clashes.emplace_back(checked, ignored);
  }
  std::vector<std::pair<std::string, std::vector<std::string>>> clashes;
};

TEST(NameClashHook, IsToldOnceAndTheLogStaysTheSame) {
  testsupport::Delivery delivery;
  ClashRecordingHooks hooks;
  Carga carga(&hooks);
  hooks.carga = &carga;
  carga.edtNrCaso = delivery.caso;
  carga.edtNrBanco = delivery.bank;
  carga.dlb1 = delivery.dir.Path().string();
  ASSERT_EQ(carga.AbreArquivos(), ComandoResultado::Concluido);
  const std::vector<std::string> logWithoutClash = LogOf(carga);
  EXPECT_TRUE(hooks.clashes.empty());

  const std::string other = delivery.dir.Write("a_cadastro_agencias.TXT", "lixo\r\n");
  ASSERT_EQ(carga.AbreArquivos(), ComandoResultado::Concluido);
  EXPECT_EQ(LogOf(carga), logWithoutClash);
  ASSERT_EQ(hooks.clashes.size(), 1u);
  EXPECT_EQ(hooks.clashes[0].first, delivery.PathOf(rtA));
  EXPECT_EQ(hooks.clashes[0].second, std::vector<std::string>{other});
}

// ---- a standard file that exists but cannot be read ----

// Whatever a check read before the file that failed, the manifest written afterwards
// (the window's "Resultado") holds only whole digests.
TEST(UnreadableStandardFile, EndsTheCheckAndNoManifestLineIsEmpty) {
  if (!std::filesystem::is_regular_file("/proc/self/mem")) GTEST_SKIP() << "no /proc/self/mem";
  testsupport::Delivery delivery;
  std::filesystem::remove(delivery.PathOf(rtA));
  std::filesystem::create_symlink("/proc/self/mem", delivery.PathOf(rtA));  // reads fail
  RecordingHooks hooks;
  Carga carga(&hooks);
  hooks.carga = &carga;
  carga.edtNrCaso = delivery.caso;
  carga.edtNrBanco = delivery.bank;
  carga.dlb1 = delivery.dir.Path().string();
  try {
    carga.AbreArquivos();
    ADD_FAILURE() << "the check went on past an unreadable file";
  } catch (const EInOutError& error) {
    EXPECT_EQ(error.Path(), delivery.PathOf(rtA));
  }
  for (const std::string& digest : carga.Memo2) EXPECT_FALSE(digest.empty());
  ASSERT_TRUE(carga.GeraManifesto().has_value());
  const std::string manifest = ReadAll(delivery.dir.File("HASHV.txt"));
  EXPECT_TRUE(std::regex_match(manifest, std::regex("([0-9A-F]{32}\r\n)+"))) << manifest;
}

}  // namespace
}  // namespace validador
