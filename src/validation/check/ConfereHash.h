#pragma once
// "Confere Hash": a received delivery against its manifest. HASHV.txt names no files: its
// lines are the digests of the files that were there, in the order they were checked, so
// they are paired with the standard files present now by content, keeping that order.

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "validation/check/Carga.h"

namespace validador {

class ConfereHash {
 public:
  explicit ConfereHash(Carga& carga) : carga_(carga) {}
  // See Carga::ConfereHash.
  ComandoResultado Executa(const std::optional<std::string>& manifestDigest,
                           const std::optional<std::string>& algorithm);

 private:
  void AuditaManifesto(const std::optional<std::string>& chosenAlgorithm,
                       const std::optional<std::string>& manifestDigest);
  std::vector<std::map<std::string, std::string>> DigestsOfPresentFiles(
      const std::vector<std::string>& paths, const std::vector<std::string>& algorithms,
      const std::vector<std::string>& lines);

  Carga& carga_;
};

}  // namespace validador
