#pragma once
// The engine's part of "Resultado": the digest list written to HASHV.txt in the checked
// folder, and the manifest's own digest for the report.

#include <optional>
#include <string>

#include "validation/check/Carga.h"

namespace validador {

class Resultado {
 public:
  explicit Resultado(Carga& carga) : carga_(carga) {}
  // See Carga::GeraManifesto, Carga::GeraManifestoDaVerificacao, Carga::GravaManifesto.
  std::optional<std::string> GeraManifesto();
  std::optional<std::string> GeraManifestoDaVerificacao();
  std::string GravaManifesto(const std::string& manifestPath);

 private:
  std::optional<std::string> ManifestoNaPasta(const std::string& folder);

  Carga& carga_;
};

}  // namespace validador
