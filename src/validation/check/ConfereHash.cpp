#include "validation/check/ConfereHash.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "hash/Calchash.h"
#include "base/Cp1252.h"
#include "platform/Paths.h"
#include "validation/manifest/FolderDigests.h"
#include "base/Mensagens.h"
#include "validation/manifest/ManifestPairing.h"
#include "validation/manifest/Manifesto.h"
#include "validation/check/StandardFiles.h"

namespace validador {
namespace {

// The standard files present, by place in processing order.
struct PresentFiles {
  std::array<std::optional<std::string>, kRecordTypeCount> paths;
  std::vector<std::string> Listed() const {
    std::vector<std::string> listed;
    for (const auto& path : paths) {
      if (path) listed.push_back(*path);
    }
    return listed;
  }
};

std::vector<std::string> AlgorithmsOfLength(std::size_t length) {
  std::vector<std::string> names;
  for (const AlgorithmRow& row : kAlgorithms) {
    if (2 * row.digestBytes == length) names.emplace_back(row.name);
  }
  return names;
}

// "md4, md5 ou ripemd128"
std::string Alternatives(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) text += i + 1 == names.size() ? " ou " : ", ";
    text += names[i];
  }
  return text;
}

std::string StandardName(RecordTypeIndex type) {
  return std::string(LayoutCatalogue::Instance().NomeArquivo(type));
}

// The counts of the summary, everything printed included.
struct Tally {
  int ok = 0, altered = 0, swapped = 0, missing = 0, extra = 0;
  bool Clean() const { return altered + swapped + missing + extra == 0; }
};

// One line of the result, counted.
void WriteEntry(Carga& carga, const Conferido& entry, const PresentFiles& present, Tally& tally) {
  const auto fileName = [&] {
    const auto place = std::find(kProcessingOrder.begin(), kProcessingOrder.end(), *entry.file);
    return platform::FileNameOf(*present.paths[static_cast<std::size_t>(place - kProcessingOrder.begin())]);
  };
  switch (entry.achado) {
    case Achado::Ok:
      ++tally.ok;
      return carga.EscreveLog(texts::ConfereOk(fileName()), false);
    case Achado::Alterado:
      ++tally.altered;
      return carga.EscreveLog(texts::ConfereAlterado(fileName()), true);
    case Achado::Trocado:
      ++tally.swapped;
      return carga.EscreveLog(entry.contentOf ? texts::ConfereTrocadoDe(fileName(), StandardName(*entry.contentOf))
                                              : texts::ConfereTrocadoDaLinha(fileName(), entry.contentLine),
                              true);
    case Achado::Ausente:
      ++tally.missing;
      return carga.EscreveLog(entry.lineFile ? texts::ConfereAusente(StandardName(*entry.lineFile))
                                             : texts::ConfereAusenteLinha(*entry.line),
                              true);
    case Achado::SemHash:
      ++tally.extra;
      return carga.EscreveLog(texts::ConfereSemHash(fileName()), true);
  }
}

}  // namespace

ComandoResultado ConfereHash::Executa(const std::optional<std::string>& manifestDigest,
                                      const std::optional<std::string>& algorithm) {
  carga_.LimpaTela();
  if (algorithm && !IsAlgorithmName(*algorithm)) {
    carga_.hooks_->InputNotice(texts::InvalidAlgorithm(), Entrada::Algoritmo);
    return ComandoResultado::AlgoritmoInvalido;
  }
  carga_.hooks_->FolderCheckStarted();
  const ComandoResultado result = carga_.UntilStopped([&] { AuditaManifesto(algorithm, manifestDigest); });
  carga_.AppendClosingLine();
  carga_.hooks_->FolderCheckFinished();
  return result;
}

void ConfereHash::AuditaManifesto(const std::optional<std::string>& chosen,
                                  const std::optional<std::string>& manifestDigest) {
  const StandardFileChoice manifest = FindManifest(carga_.dlb1);
  if (!manifest.ignored.empty()) carga_.hooks_->NameClash(manifest.path, manifest.ignored);
  std::vector<std::string> lines = LeManifesto(manifest.path);
  for (std::string& line : lines) line = UpperAscii(line);

  PresentFiles present;
  for (std::size_t place = 0; place < kProcessingOrder.size(); ++place) {
    const StandardFileChoice file = FindStandardFile(carga_.dlb1, kProcessingOrder[place]);
    if (!FileExists(file.path)) continue;
    if (!file.ignored.empty()) carga_.hooks_->NameClash(file.path, file.ignored);
    present.paths[place] = file.path;
  }
  const std::vector<std::string> listed = present.Listed();
  if (lines.empty() && listed.empty()) {
    carga_.EscreveLog(texts::NadaAConferir(), true);
    return;
  }

  const std::size_t lineLength = lines.empty() ? 0 : lines.front().size();
  if (chosen && lineLength != 0 && DigestTextLength(*chosen) != lineLength) {
    throw EAlgoritmoNaoCabe(*chosen, DigestTextLength(*chosen), lineLength);
  }
  const std::string expectedManifest = manifestDigest ? DigestoNormalizado(*manifestDigest) : std::string();
  std::vector<std::string> candidates =
      chosen ? std::vector<std::string>{*chosen}
             : AlgorithmsOfLength(lineLength != 0 ? lineLength : expectedManifest.size());
  // The report's digest of HASHV.txt tells the algorithm as well as the files do.
  std::map<std::string, std::string> manifestDigests;
  if (manifestDigest) {
    std::vector<std::string> giving;
    for (const std::string& name : candidates) {
      manifestDigests[name] = DigestOfFile(manifest.path, name);
      if (manifestDigests[name] == expectedManifest) giving.push_back(name);
    }
    if (candidates.size() > 1 && !giving.empty()) candidates = giving;
  }

  const std::vector<std::map<std::string, std::string>> digests =
      lines.empty() ? std::vector<std::map<std::string, std::string>>(listed.size())
                    : DigestsOfPresentFiles(listed, candidates, lines);

  // The algorithm that gives the most (line, file) pairs; none when several give none.
  const auto byPlace = [&](const std::string& name) {
    DigestsByPlace files;
    std::size_t index = 0;
    for (std::size_t place = 0; place < present.paths.size(); ++place) {
      if (!present.paths[place]) continue;
      const auto digest = digests[index++].find(name);
      files[place] = digest != digests[index - 1].end() ? digest->second : std::string();
    }
    return files;
  };
  std::string algorithm = candidates.size() == 1 ? candidates.front() : std::string();
  std::size_t bestPairs = 0;
  for (const std::string& name : candidates) {
    const std::size_t pairs = MatchingPairs(lines, byPlace(name));
    if (pairs > bestPairs) {
      bestPairs = pairs;
      algorithm = name;
    }
  }
  if (algorithm.empty() && !lines.empty()) {
    carga_.EscreveLog(texts::AlgoritmoNaoIdentificado(Alternatives(candidates), lineLength), true);
  }

  Tally tally;
  const DigestsByPlace files = byPlace(algorithm.empty() && !candidates.empty() ? candidates.front() : algorithm);
  for (const Conferido& entry : PairManifest(lines, files)) WriteEntry(carga_, entry, present, tally);
  if (manifestDigest) {
    const bool same = !algorithm.empty() && manifestDigests[algorithm] == expectedManifest;
    const std::string name = platform::FileNameOf(manifest.path);
    carga_.EscreveLog(same ? texts::ConfereOk(name) : texts::ConfereAlterado(name), !same);
    (same ? tally.ok : tally.altered) += 1;
  }
  carga_.EscreveLog(texts::ResumoDaConferencia(algorithm, tally.ok, tally.altered, tally.swapped, tally.missing,
                                                tally.extra),
                    !tally.Clean() || algorithm.empty());
}

// Every file is read once, feeding the algorithms still in question; a file that changes
// meanwhile is named in the log by its table, and ends the command.
std::vector<std::map<std::string, std::string>> ConfereHash::DigestsOfPresentFiles(
    const std::vector<std::string>& paths, const std::vector<std::string>& algorithms,
    const std::vector<std::string>& lines) {
  FolderDigestRequest request;
  request.paths = paths;
  request.algorithms = algorithms;
  request.isEvidence = [&lines](const std::string& digest) {
    return std::find(lines.begin(), lines.end(), digest) != lines.end();
  };
  request.stopAsked = [this] { return carga_.StopAsked(); };
  carga_.FEdit = carga_.dlb1;
  request.progress = [this](std::uint64_t done, std::uint64_t total) { carga_.MoveGauge(done, total); };
  try {
    return DigestFolderFiles(request);
  } catch (const EFileChanged& changed) {
    for (const RecordTypeIndex type : kProcessingOrder) {
      if (FindStandardFile(carga_.dlb1, type).path != changed.Path()) continue;
      carga_.WriteErrorBlock(texts::FileChangedIn(carga_.NomeTabela(type)));
    }
    throw;
  }
}

ComandoResultado Carga::ConfereHash(const std::optional<std::string>& manifestDigest,
                                    const std::optional<std::string>& algorithm) {
  return validador::ConfereHash(*this).Executa(manifestDigest, algorithm);
}

}  // namespace validador
