#pragma once
// The digest manifest HASHV.txt as it is read back: one digest a line, in the order the
// files were checked.

#include <string>
#include <vector>

namespace validador {

inline constexpr const char* kManifestName = "HASHV.txt";

// The manifest's lines, each an uppercase or lowercase hexadecimal digest of a length one of
// the ten algorithms gives. Lines end in CR LF; a line feed alone and a last line with no end
// are taken too; blanks around a digest are not. Throws EInOutError (naming the file) when it
// cannot be read, and validador::Exception naming the line that is no digest.
std::vector<std::string> LeManifesto(const std::string& path);

// The digest with its letters in upper case and blanks and line breaks left out (a digest
// copied from the printed report); empty when what is left is not hexadecimal.
std::string DigestoNormalizado(std::string_view typed);

}  // namespace validador
