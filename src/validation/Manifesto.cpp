// The digest manifest HASHV.txt: the digest list, one line each, ended by CR LF.

#include <string>

#include "hash/Calchash.h"
#include "layout/Cp1252.h"
#include "layout/Errors.h"
#include "platform/InputFile.h"
#include "platform/ReplaceFile.h"
#include "validation/Manifesto.h"
#include "validation/Carga.h"
#include "validation/LogTexts.h"
#include "validation/StandardFiles.h"

namespace validador {
namespace {

// The lengths of the ten algorithms' digest texts.
bool IsDigestLength(std::size_t length) {
  for (const auto name : kAlgorithmNames) {
    if (DigestTextLength(name) == length) return true;
  }
  return false;
}

bool IsHexadecimal(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789abcdefABCDEF") == std::string_view::npos;
}

std::string ReadWhole(const std::string& path) {
  platform::InputFile file(path);
  std::string bytes;
  char block[8192];
  while (const std::size_t got = file.Read(block, sizeof block)) bytes.append(block, got);
  return bytes;
}

}  // namespace

std::vector<std::string> LeManifesto(const std::string& path) {
  const std::string bytes = ReadWhole(path);
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string::npos) end = bytes.size();
    std::string line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!IsHexadecimal(line) || !IsDigestLength(line.size())) {
      throw Exception(Utf8ToCp1252(std::string(kManifestName) + ", linha " +
                                   std::to_string(lines.size() + 1) + ": não é um hash: \"") +
                      line.substr(0, 140) + "\"");
    }
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

std::string DigestoNormalizado(std::string_view typed) {
  std::string digest;
  for (const char c : typed) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
    if (!IsHexadecimal(std::string_view(&c, 1))) return {};
    digest += static_cast<char>(c >= 'a' && c <= 'f' ? c - 'a' + 'A' : c);
  }
  return digest;
}

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
