#include "validation/check/Resultado.h"

#include "hash/Calchash.h"
#include "platform/ReplaceFile.h"
#include "base/Mensagens.h"
#include "validation/manifest/Manifesto.h"

namespace validador {

// The manifest replaces the old one whole or not at all; its digest is taken from the
// bytes just written, which are the file's.
std::string Resultado::GravaManifesto(const std::string& manifestPath) {
  std::string content;
  for (const std::string& digest : carga_.Memo2) {
    content += digest;
    content += "\r\n";
  }
  platform::ReplaceFileContents(manifestPath, content);
  return DigestOfBytes(content, carga_.cbHashText);
}

std::optional<std::string> Resultado::GeraManifesto() { return ManifestoNaPasta(carga_.dlb1); }

std::optional<std::string> Resultado::GeraManifestoDaVerificacao() {
  if (carga_.AlgoritmoValido() && carga_.PastaVerificada.empty()) return std::nullopt;
  return ManifestoNaPasta(carga_.PastaVerificada);
}

std::optional<std::string> Resultado::ManifestoNaPasta(const std::string& folder) {
  if (!carga_.AlgoritmoValido()) {
    carga_.hooks_->InputNotice(texts::InvalidAlgorithm(), Entrada::Algoritmo);
    return std::nullopt;
  }
  carga_.PastaSelecionada = folder;
  carga_.AnnounceState();
  return GravaManifesto(FindManifest(carga_.PastaSelecionada).path);
}

std::optional<std::string> Carga::GeraManifesto() { return Resultado(*this).GeraManifesto(); }

std::optional<std::string> Carga::GeraManifestoDaVerificacao() {
  return Resultado(*this).GeraManifestoDaVerificacao();
}

std::string Carga::GravaManifesto(const std::string& manifestPath) {
  return Resultado(*this).GravaManifesto(manifestPath);
}

}  // namespace validador
