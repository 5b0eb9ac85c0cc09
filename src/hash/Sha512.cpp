#include "hash/Sha512.h"


#include "hash/ByteOrder.h"
#include "hash/Sha512Rounds.h"
#include "hash/SelfTestVector.h"
#include "hash/ShaCompressions.h"

namespace validador {

namespace {

constexpr std::uint64_t kSha384InitialChainState[8] = {
    0xCBBB9D5DC1059ED8ull, 0x629A292A367CD507ull,
    0x9159015A3070DD17ull, 0x152FECD8F70E5939ull,
    0x67332667FFC00B31ull, 0x8EB44A8768581511ull,
    0xDB0C2E0D64F98FA7ull, 0x47B5481DBEFA4FA4ull,
};

constexpr std::uint64_t kSha512InitialChainState[8] = {
    0x6A09E667F3BCC908ull, 0xBB67AE8584CAA73Bull,
    0x3C6EF372FE94F82Bull, 0xA54FF53A5F1D36F1ull,
    0x510E527FADE682D1ull, 0x9B05688C2B3E6C1Full,
    0x1F83D9ABFB41BD6Bull, 0x5BE0CD19137E2179ull,
};

// The schedule of one block, each word with its round constant added, computed
// before the rounds.
class PrecomputedSchedule {
 public:
  ~PrecomputedSchedule() { WipeBytes(wk_, sizeof wk_); }

  void Load(const std::uint8_t* block) {
    using namespace sha512;
    for (int t = 0; t < 16; ++t) wk_[t] = byteorder::LoadBE64(block + 8 * t);
    for (int t = 16; t < 80; ++t) {
      wk_[t] = SmallSigma1(wk_[t - 2]) + wk_[t - 7] + SmallSigma0(wk_[t - 15]) + wk_[t - 16];
    }
    for (int t = 0; t < 80; ++t) wk_[t] += kRoundConstants[t];
  }
  template <int t>
  std::uint64_t Word() const { return wk_[t]; }

 private:
  std::uint64_t wk_[80];
};


}  // namespace

void Sha512CompressBlocksPortable(std::uint64_t (&chainState)[8], const std::uint8_t* blocks,
                                  std::size_t count) {
  PrecomputedSchedule schedule;
  for (; count > 0; --count, blocks += 128) {
    schedule.Load(blocks);
    sha512::CompressRounds(chainState, schedule);
  }
}

void Sha512Layout::CompressBlocks(Word (&chainState)[kChainWords], const std::uint8_t* blocks,
                                  std::size_t count) {
  ShaCompressionsInUse().sha512(chainState, blocks, count);
}

template class TDCP_blockhash<Sha512Layout>;

constexpr std::string_view kSecondSelfTestMessage =
    "abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmno"
    "ijklmnopjklmnopqklmnopqrlmnopqrsmnopqrstnopqrstu";

bool TDCP_sha384::SelfTest() {
  return PassesSelfTest<TDCP_sha384>(
      {"abc",
       "CB00753F45A35E8BB5A03D699AC65007272C32AB0EDED163"
       "1A8B605A43FF5BED8086072BA1E7CC2358BAECA134C825A7"},
      {kSecondSelfTestMessage,
       "09330C33F71147E83D192FC782CD1B4753111B173B3B05D2"
       "2FA08086E3B0F712FCC7C71A557E2DB966C3E9FA91746039"});
}

void TDCP_sha384::Init() { Start(kSha384InitialChainState); }

void TDCP_sha384::Final(void* digest) { Finish(digest, 6); }

bool TDCP_sha512::SelfTest() {
  return PassesSelfTest<TDCP_sha512>(
      {"abc",
       "DDAF35A193617ABACC417349AE20413112E6FA4E89A97EA20A9EEEE64B55D39A"
       "2192992A274FC1A836BA3C23A3FEEBBD454D4423643CE80E2A9AC94FA54CA49F"},
      {kSecondSelfTestMessage,
       "8E959B75DAE313DA8CF4F72814FC143F8F7779C6EB9F7FA17299AEADB6889018"
       "501D289E4900F7E4331B99DEC4B5433AC7D329EEB6DD26545E96E55B874BE909"});
}

void TDCP_sha512::Init() { Start(kSha512InitialChainState); }

void TDCP_sha512::Final(void* digest) { Finish(digest, 8); }

}  // namespace validador
