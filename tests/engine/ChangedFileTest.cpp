// A file that changes while the check reads it is reported in the log as changed, by its
// table name, in an error block; the command then ends with the error: no success line,
// no digest of it, no closing line.

#include "engine/EngineFixture.h"
#include "support/FileChanges.h"

namespace validador {
namespace {

using testsupport::FileChange;
using testsupport::Join;
using testsupport::ValidRecord;

// Changes the data file once, while the check reads it.
class ChangingHooks : public RecordingHooks {
 public:
  void Progress(const std::string& file, std::int64_t position, std::int64_t maximum) override {
    RecordingHooks::Progress(file, position, maximum);
    if (changed || file != path) return;
    changed = true;
    testsupport::ApplyFileChange(path, change);
  }

  std::string path;
  FileChange change = FileChange::Truncate;
  bool changed = false;
};

class ChangedFileTest : public ::testing::TestWithParam<FileChange> {
 protected:
  ChangedFileTest() : carga(&hooks) {
    hooks.carga = &carga;
    carga.edtNrCaso = delivery.caso;
    carga.edtNrBanco = delivery.bank;
    carga.dlb1 = delivery.dir.Path().string();
    std::vector<std::string> lines;
    for (int n = 0; n < 40; ++n) lines.push_back(Join(ValidRecord(rtA, delivery.bank, n)));
    delivery.WriteLines(rtA, lines);
    hooks.path = delivery.PathOf(rtA);
    hooks.change = GetParam();
    ScanTuning tuning;
    tuning.blockSize = 64;
    tuning.blocksInMemory = 2;
    tuning.judgingThreads = 1;
    SetScanTuning(tuning);
  }
  ~ChangedFileTest() override { SetScanTuning(ScanTuning{}); }

  testsupport::Delivery delivery;
  ChangingHooks hooks;
  Carga carga;
};

TEST_P(ChangedFileTest, IsAnErrorNamingTheTableThatEndsTheCommand) {
  try {
    carga.AbreArquivos();
    FAIL() << "the check went on after the file changed";
  } catch (const EFileChanged& error) {
    EXPECT_EQ(error.Path(), delivery.PathOf(rtA));
  }
  ASSERT_TRUE(hooks.changed);
  const std::vector<std::string> log = LogOf(carga);
  // The identification file's block, then the changed file's error block, and nothing else.
  ASSERT_EQ(log.size(), 6u) << ::testing::PrintToString(log);
  EXPECT_TRUE(log[0].starts_with("N|Carga efetuada com sucesso: I_identifica_dados."));
  EXPECT_EQ(std::vector<std::string>(log.begin() + 3, log.end()),
            (std::vector<std::string>{kBanner,
                                      "E|Arquivo alterado durante a verificação: A_cadastro_agencia",
                                      kAsterisks}));
  EXPECT_EQ(carga.Memo2.size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Changes, ChangedFileTest,
                         ::testing::ValuesIn(testsupport::kPossibleFileChanges),
                         [](const auto& info) { return testsupport::FileChangeName(info.param); });

}  // namespace
}  // namespace validador
