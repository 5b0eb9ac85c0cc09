// Lines and fields longer than 32 bits can count: a field of more than 4 GiB gathered
// from pieces is still cut where a short one is, and the n-th separator of a line of
// more than 2 GiB is found at its full position. Neither holds gigabytes in memory.

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "validation/check/Carga.h"
#include "validation/scan/LineCondenser.h"

namespace validador {
namespace {

constexpr std::uint64_t k2To31 = std::uint64_t{1} << 31;
constexpr std::uint64_t k2To32 = std::uint64_t{1} << 32;

TEST(HugeLines, FieldOfMoreThan4GiBIsCutAsAShortOneIs) {
  const std::string piece(std::size_t{1} << 20, 'x');
  LineCondenser condenser;
  condenser.Append("A\t001\t");
  for (std::uint64_t done = 0; done < k2To32; done += piece.size()) condenser.Append(piece);
  condenser.Append(std::string_view(piece).substr(0, 10));
  condenser.Append("\tfim");
  EXPECT_EQ(condenser.Line(),
            "A\t001\t" + std::string(LineCondenser::kFieldCap, 'x') + "\tfim");
}

// A long line made of one small piece mapped again and again, back to back: it takes
// the memory of the piece only.
class RepeatedLine {
 public:
  RepeatedLine(std::string_view piece, std::size_t times) : size_(piece.size() * times) {
    const int fd = ::memfd_create("line", 0);
    if (fd < 0) return;
    if (::pwrite(fd, piece.data(), piece.size(), 0) == static_cast<ssize_t>(piece.size())) {
      void* at = ::mmap(nullptr, size_, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
      bytes_ = at == MAP_FAILED ? nullptr : static_cast<char*>(at);
      for (std::size_t i = 0; bytes_ != nullptr && i < times; ++i) {
        if (::mmap(bytes_ + i * piece.size(), piece.size(), PROT_READ,
                   MAP_SHARED | MAP_FIXED | MAP_POPULATE, fd, 0) == MAP_FAILED) {
          ::munmap(bytes_, size_);
          bytes_ = nullptr;
        }
      }
    }
    ::close(fd);
  }
  ~RepeatedLine() {
    if (bytes_ != nullptr) ::munmap(bytes_, size_);
  }
  RepeatedLine(const RepeatedLine&) = delete;
  RepeatedLine& operator=(const RepeatedLine&) = delete;

  bool Mapped() const { return bytes_ != nullptr; }
  std::string_view Text() const { return {bytes_, size_}; }

 private:
  std::size_t size_;
  char* bytes_ = nullptr;
};

TEST(HugeLines, SeparatorPastThe2GiBMarkIsFoundAtItsPosition) {
  constexpr std::size_t kPiece = std::size_t{16} << 20;
  constexpr std::size_t kTimes = k2To31 / kPiece + 1;  // the last piece begins at 2^31
  std::string piece(kPiece, 'x');
  piece[100] = '\t';
  const RepeatedLine line(piece, kTimes);
  if (!line.Mapped()) GTEST_SKIP() << "no room to map a line of 2 GiB";
  // Positions count from 1; one tab in every piece.
  EXPECT_EQ(Carga::PosicaoSeparador("\t", line.Text(), 1), 101);
  EXPECT_EQ(Carga::PosicaoSeparador("\t", line.Text(), kTimes),
            static_cast<std::int64_t>(k2To31) + 101);
  // Past the last separator: the last one's position.
  EXPECT_EQ(Carga::PosicaoSeparador("\t", line.Text(), kTimes + 1),
            static_cast<std::int64_t>(k2To31) + 101);
}

}  // namespace
}  // namespace validador
