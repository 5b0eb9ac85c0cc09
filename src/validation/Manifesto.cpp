// The digest manifest HASHV.txt: the digest list, one line each, ended by CR LF.

#include <string>

#include "hash/Calchash.h"
#include "platform/ReplaceFile.h"
#include "validation/Carga.h"
#include "validation/LogTexts.h"
#include "validation/StandardFiles.h"

namespace validador {
namespace {

constexpr const char* kManifestName = "HASHV.txt";

}  // namespace

// The manifest replaces the old one whole or not at all; its digest is taken from the
// bytes just written, which are the file's.
std::string Carga::GravaManifesto(const std::string& manifestPath) {
  std::string content;
  for (const std::string& digest : Memo2) {
    content += digest;
    content += "\r\n";
  }
  platform::ReplaceFileContents(manifestPath, content);
  return DigestOfBytes(content, cbHashText);
}

std::optional<std::string> Carga::GeraManifesto() { return ManifestoNaPasta(dlb1); }

std::optional<std::string> Carga::GeraManifestoDaVerificacao() {
  if (AlgoritmoValido() && PastaVerificada.empty()) return std::nullopt;
  return ManifestoNaPasta(PastaVerificada);
}

std::optional<std::string> Carga::ManifestoNaPasta(const std::string& folder) {
  if (!AlgoritmoValido()) {
    hooks_->InputNotice(texts::InvalidAlgorithm(), Entrada::Algoritmo);
    return std::nullopt;
  }
  PastaSelecionada = folder;
  hooks_->StateChanged();
  return GravaManifesto(JoinPath(PastaSelecionada, kManifestName));
}

}  // namespace validador
