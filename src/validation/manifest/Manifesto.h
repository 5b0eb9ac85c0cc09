#pragma once
// The digest manifest HASHV.txt as it is read back: one digest a line, in the order the
// files were checked.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "base/Errors.h"
#include "validation/check/StandardFiles.h"

namespace validador {

inline constexpr const char* kManifestName = "HASHV.txt";

// The folder's manifest: HASHV.txt in any letter case (the exact name first, else the first
// in name order), with the other names that differ from it in letter case only; the exact
// name, which then does not exist, when there is none.
StandardFileChoice FindManifest(std::string_view folder);

// The manifest's lines as the program writes them: at most one per standard file, each an
// uppercase or lowercase hexadecimal digest of a length one of the ten algorithms gives, all
// of the same length. Lines end in CR LF; a line feed alone and a last line with no end are
// taken too; blank lines at the end are ignored; blanks around a digest are not. The file is
// read line by line: memory stays the same whatever its size. Throws EInOutError (naming the
// file) when it cannot be read, and validador::Exception naming the first line that is no
// digest, has another length than the first, or is one line too many.
std::vector<std::string> LeManifesto(const std::string& path);

// The digest with its letters in upper case and blanks and line breaks left out (a digest
// copied from the printed report); empty when what is left is not hexadecimal.
std::string DigestoNormalizado(std::string_view typed);

// A chosen algorithm whose digests cannot have the length of the manifest's lines.
class EAlgoritmoNaoCabe : public Exception {
 public:
  EAlgoritmoNaoCabe(const std::string& algorithm, std::size_t digestLength, std::size_t lineLength);
};

}  // namespace validador
