#pragma once
// Tells a file written in UTF-8 from one in Windows-1252: it starts with the UTF-8
// byte-order mark, or it holds bytes of 128 or more and all of them form well-formed UTF-8
// sequences. Fed the file's bytes in order, in pieces of any size.

#include <cstdint>
#include <string_view>

namespace validador {

class Utf8Sniffer {
 public:
  void Feed(std::string_view bytes);
  // After the last piece.
  bool LooksUtf8() const;

 private:
  void FeedHigh(unsigned char byte);

  std::uint64_t fed_ = 0;
  unsigned char first_[3] = {};
  bool sawHigh_ = false;
  bool malformed_ = false;
  int needed_ = 0;               // continuation bytes still to come
  unsigned char low_ = 0x80;     // range of the next continuation byte
  unsigned char high_ = 0xBF;
};

}  // namespace validador
