#include "hash/DigestText.h"

#include "base/AsciiText.h"

namespace validador {

std::string DigestText(const std::uint8_t* digest, std::size_t length) { return HexText(digest, length); }

}  // namespace validador
