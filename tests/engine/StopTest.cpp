// Stopping and holding a check or "Confere Hash" from another thread: a stop asked for
// before the command reaches its first block counts and stands until withdrawn; a paused
// command waits at its next block until it is resumed or stopped.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

#include "engine/EngineFixture.h"
#include "hash/Calchash.h"

namespace validador {
namespace {

class StopTest : public EngineTest, public ::testing::WithParamInterface<const char*> {
 protected:
  StopTest() {
    std::string manifest;
    for (const RecordTypeIndex type : kProcessingOrder) {
      manifest += DigestOfFile(delivery.PathOf(type), "md5") + "\r\n";
    }
    delivery.dir.Write("HASHV.txt", manifest);
  }

  ComandoResultado Run() {
    return std::string(GetParam()) == "ConfereHash" ? carga.ConfereHash() : carga.AbreArquivos();
  }
};

TEST_P(StopTest, AStopAskedBeforeTheFirstBlockEndsTheCommand) {
  carga.RequestStop();
  EXPECT_EQ(Run(), ComandoResultado::Interrompido);
  const std::vector<std::string> log = LogOf(carga);
  ASSERT_GE(log.size(), 2U);
  EXPECT_EQ(log[log.size() - 2], "E|Verificação interrompida pelo usuário");
  EXPECT_EQ(log.back(), kClosing);
  EXPECT_TRUE(carga.PastaVerificada.empty());
  // The request stands until it is withdrawn.
  EXPECT_EQ(Run(), ComandoResultado::Interrompido);
  carga.WithdrawStop();
  EXPECT_EQ(Run(), ComandoResultado::Concluido);
  const std::vector<std::string> after = LogOf(carga);
  EXPECT_EQ(after.back(), kClosing);
  EXPECT_EQ(std::count(after.begin(), after.end(), "E|Verificação interrompida pelo usuário"), 0);
}

TEST_P(StopTest, APausedCommandWaitsUntilResumedOrStopped) {
  for (const bool stopWhilePaused : {false, true}) {
    carga.WithdrawStop();
    carga.Pause();
    std::atomic<bool> finished{false};
    ComandoResultado result = ComandoResultado::Concluido;
    std::thread worker([&] {
      result = Run();
      finished = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(finished) << "the command went on while paused";
    if (stopWhilePaused) carga.RequestStop();
    carga.Resume();
    worker.join();
    EXPECT_EQ(result, stopWhilePaused ? ComandoResultado::Interrompido : ComandoResultado::Concluido);
  }
}

INSTANTIATE_TEST_SUITE_P(Commands, StopTest, ::testing::Values("AbreArquivos", "ConfereHash"));

// "Confere Hash" moves the gauge over the bytes of every paired file, to its end.
TEST_F(EngineTest, ConfereHashGaugeCountsTheBytesOfEveryFile) {
  std::string manifest;
  std::int64_t bytes = 0;
  for (const RecordTypeIndex type : kProcessingOrder) {
    manifest += DigestOfFile(delivery.PathOf(type), "md5") + "\r\n";
    bytes += static_cast<std::int64_t>(testsupport::ReadAll(delivery.PathOf(type)).size());
  }
  delivery.dir.Write("HASHV.txt", manifest);
  EXPECT_EQ(carga.ConfereHash(), ComandoResultado::Concluido);
  ASSERT_FALSE(hooks.progress.empty());
  EXPECT_EQ(hooks.progress.back(), std::make_pair(bytes, bytes));
  for (const auto& [position, maximum] : hooks.progress) EXPECT_EQ(maximum, bytes);
}

}  // namespace
}  // namespace validador
