#pragma once
// How many lines a manifest on disk holds, asked before a shorter one replaces it.

#include <cstdint>
#include <optional>
#include <string>

namespace validador {

// The lines of the file at `path` that hold more than blanks (a line ends at a line feed;
// a last line with none counts too). Read in blocks, so a huge file costs no memory. nullopt when no regular file is there; throws
// EInOutError naming the path when one is there but cannot be read.
std::optional<std::int64_t> ContaLinhasDoManifesto(const std::string& path);

}  // namespace validador
