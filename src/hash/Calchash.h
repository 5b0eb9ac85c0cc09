#pragma once
// The digest of one whole file by algorithm name, as uppercase hexadecimal text.

#include <cstddef>
#include <string>
#include <string_view>

#include "hash/Algorithms.h"

namespace validador {

class TComponent;
class TDCP_hash;
struct TDCP_hashclass;

// The length of the algorithm's digest text (two characters a byte); 0 for no such name.
std::size_t DigestTextLength(std::string_view algorithmName);

// True for exactly one of the ten names (case-sensitive, no blanks).
bool IsAlgorithmName(std::string_view name);

// Told when a file cannot be opened for its digest. The desktop program shows
// "Impossível ler o arquivo" in an error box titled "Error"; the command line
// writes it to stderr.
class HashNotifier {
 public:
  virtual ~HashNotifier() = default;
  virtual void CannotReadFile(const std::string& path) = 0;
};

// The class of the exactly named algorithm; nullptr when the name is none of the ten.
const TDCP_hashclass* HashClassByName(std::string_view algorithmName);

// A new component of the exactly named algorithm, owned by `owner` (which
// destroys it); nullptr when the name is none of the ten.
TDCP_hash* CreateHashComponent(std::string_view algorithmName, TComponent* owner);

// As CreateHashComponent, but a name that is none of the ten throws validador::Exception.
TDCP_hash* CreateKnownHashComponent(std::string_view algorithmName, TComponent* owner);

// The digest of bytes in memory, as Calchash gives it for a file holding them. A name
// that is none of the ten throws validador::Exception.
std::string DigestOfBytes(std::string_view bytes, std::string_view algorithmName);

// The digest of a whole file, read to its end. Any failure to open or read it throws
// EInOutError naming the file; a name that is none of the ten throws validador::Exception.
std::string DigestOfFile(const std::string& path, std::string_view algorithmName);

// The digest of the file's bytes. When the file cannot be opened (missing, not a
// regular file, no access) the notifier is told once and the result is "". A name
// that is none of the ten throws validador::Exception after the file is released.
// A read error after opening throws EInOutError. The component created belongs to
// `owner`; with no owner, it is destroyed before Calchash returns.
std::string Calchash(const std::string& fileName, std::string_view algorithmName, TComponent* owner,
                     HashNotifier* notifier);

}  // namespace validador
