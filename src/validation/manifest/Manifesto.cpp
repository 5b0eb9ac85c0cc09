// The digest manifest HASHV.txt: the digest list, one line each, ended by CR LF.

#include <algorithm>
#include <cstdint>
#include <string>

#include "hash/Calchash.h"
#include "base/AsciiText.h"
#include "base/Cp1252.h"
#include "base/Errors.h"
#include "platform/InputFile.h"
#include "platform/Paths.h"
#include "platform/ReplaceFile.h"
#include "validation/manifest/Manifesto.h"
#include "validation/check/Carga.h"
#include "base/Mensagens.h"
#include "validation/check/StandardFiles.h"

namespace validador {
namespace {

// The lengths of the ten algorithms' digest texts.
bool IsDigestLength(std::size_t length) {
  return std::any_of(kAlgorithms.begin(), kAlgorithms.end(),
                     [length](const AlgorithmRow& row) { return 2 * row.digestBytes == length; });
}


bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t") == std::string_view::npos; }

// The longest digest text; a line is kept in memory only up to a little more.
constexpr std::size_t kLongestDigest = 128;
constexpr std::size_t kLineKept = kLongestDigest + 2;

std::string LineError(const std::string& manifest, std::uint64_t number, const std::string& what) {
  return texts::LinhaDoManifestoErrada(platform::FileNameOf(manifest), number, what);
}

// Takes the manifest's lines one by one, as they end, and judges each.
class ManifestLines {
 public:
  explicit ManifestLines(const std::string& path) : path_(path) {}

  void Add(char byte) {
    if (byte == '\n') return EndLine();
    // A line longer than any digest is refused as soon as it is seen.
    if (line_.size() == kLineKept) {
      throw Exception(LineError(path_, number_ + 1, texts::NaoEHashLongo(kLongestDigest)));
    }
    line_ += byte;
  }

  std::vector<std::string> Finish() {
    if (!line_.empty()) EndLine();
    return std::move(digests_);
  }

 private:
  void EndLine() {
    ++number_;
    if (!line_.empty() && line_.back() == '\r') line_.pop_back();
    if (IsBlank(line_)) {
      if (blankSince_ == 0) blankSince_ = number_;
    } else {
      // A blank line is allowed only at the end: one before a digest is no digest.
      if (blankSince_ != 0) throw Exception(LineError(path_, blankSince_, "não é um hash: \"\""));
      Judge();
      digests_.push_back(line_);
    }
    line_.clear();
  }

  void Judge() const {
    if (line_.size() > kLongestDigest) {
      throw Exception(LineError(path_, number_, texts::NaoEHashLongo(kLongestDigest)));
    }
    if (!IsHexadecimal(line_) || !IsDigestLength(line_.size())) {
      throw Exception(LineError(path_, number_, "não é um hash: \"") + line_ + "\"");
    }
    if (!digests_.empty() && line_.size() != digests_.front().size()) {
      throw Exception(LineError(path_, number_, "hash de " + std::to_string(line_.size()) +
                                                    " caracteres, a linha 1 tem " +
                                                    std::to_string(digests_.front().size())));
    }
    if (digests_.size() == static_cast<std::size_t>(kRecordTypeCount)) {
      throw Exception(LineError(path_, number_, "mais linhas que os " + std::to_string(kRecordTypeCount) +
                                                    " arquivos da entrega; o arquivo não foi gravado pelo "
                                                    "Validador"));
    }
  }

  std::string path_;
  std::string line_;
  std::uint64_t number_ = 0;
  std::uint64_t blankSince_ = 0;  // the first of the blank lines since the last digest
  std::vector<std::string> digests_;
};

}  // namespace

StandardFileChoice FindManifest(std::string_view folder) { return FindFileIgnoringCase(folder, kManifestName); }

std::vector<std::string> LeManifesto(const std::string& path) {
  platform::InputFile file(path);
  ManifestLines lines(path);
  char block[65536];
  while (const std::size_t got = file.Read(block, sizeof block)) {
    for (std::size_t i = 0; i < got; ++i) lines.Add(block[i]);
  }
  return lines.Finish();
}

EAlgoritmoNaoCabe::EAlgoritmoNaoCabe(const std::string& algorithm, std::size_t digestLength,
                                     std::size_t lineLength)
    : Exception(texts::AlgoritmoNaoCabe(algorithm, digestLength, lineLength)) {}

std::string DigestoNormalizado(std::string_view typed) {
  std::string digest;
  for (const char c : typed) {
    if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
    if (!IsHexadecimal(std::string_view(&c, 1))) return {};
    digest += UpperAscii(std::string_view(&c, 1));
  }
  return digest;
}

}  // namespace validador
