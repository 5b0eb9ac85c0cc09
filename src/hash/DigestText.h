#pragma once
// A digest as text: two uppercase hexadecimal digits per byte, no separators.

#include <cstddef>
#include <cstdint>
#include <string>

namespace validador {

std::string DigestText(const std::uint8_t* digest, std::size_t length);

}  // namespace validador
