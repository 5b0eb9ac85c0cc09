#pragma once
// How many lines a manifest on disk holds, asked before a shorter one replaces it.

#include <cstdint>
#include <optional>
#include <string>

namespace validador {

// The lines of the file at `path`: its line feeds, and a last line with none. Read in
// blocks, so a huge file costs no memory. nullopt when no regular file is there; throws
// EInOutError naming the path when one is there but cannot be read.
std::optional<std::int64_t> ContaLinhasDoManifesto(const std::string& path);

}  // namespace validador
