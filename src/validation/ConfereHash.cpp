// "Confere Hash": a received delivery against its manifest. HASHV.txt names no files: its
// lines are the digests of the files that were there, in the order they were checked, so
// they are paired in that order with the standard files present now.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <future>
#include <memory>
#include <string>
#include <vector>

#include "hash/Calchash.h"
#include "hash/DCPhash.h"
#include "hash/DigestText.h"
#include "hash/TFileStream.h"
#include "layout/Cp1252.h"
#include "validation/Carga.h"
#include "validation/FileScan.h"
#include "validation/LogTexts.h"
#include "validation/Manifesto.h"
#include "validation/StandardFiles.h"

namespace validador {
namespace {

struct PresentFile {
  std::string path;
  std::string name;  // as found on disk
};

std::vector<PresentFile> PresentFiles(const std::string& folder) {
  std::vector<PresentFile> files;
  for (const RecordTypeIndex type : kProcessingOrder) {
    const std::string path = StandardFilePath(folder, type);
    if (FileExists(path)) files.push_back({path, path.substr(path.find_last_of("/\\") + 1)});
  }
  return files;
}

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'f') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

std::string Text(const std::string& utf8) { return Utf8ToCp1252(utf8); }

// The size the file system reports; 0 when it reports none (the gauge only).
std::int64_t SizeOf(const std::string& path) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(path, error);
  return error ? 0 : static_cast<std::int64_t>(size);
}

}  // namespace

// The algorithm that gives the first line from the first file, among those whose digests
// have the line's length; empty when none does.
std::string Carga::AlgoritmoDoManifesto(const std::string& firstLine, const std::string& firstFile) {
  for (const std::string_view name : kAlgorithmNames) {
    if (DigestTextLength(name) != firstLine.size()) continue;
    if (DigestOfFile(firstFile, name) == Upper(firstLine)) return std::string(name);
  }
  return {};
}

// One file's digest, read block by block: each block adds to `bytesDone`, and a stop asked
// for ends the read with CheckInterrupted.
std::string Carga::DigestUntilStopped(const std::string& path, const std::string& algorithm,
                                      std::atomic<std::int64_t>& bytesDone) {
  const std::unique_ptr<TDCP_hash> hash(CreateKnownHashComponent(algorithm, nullptr));
  TFileStream stream(path);
  std::vector<std::uint8_t> block(TDCP_hash::kStreamBlockSize);
  hash->Init();
  while (const std::uint32_t got = stream.Read(block.data(), static_cast<std::uint32_t>(block.size()))) {
    if (StopAsked()) throw CheckInterrupted();
    hash->Update(block.data(), got);
    bytesDone += got;
  }
  std::uint8_t digest[64];
  hash->Final(digest);
  return DigestText(digest, static_cast<std::size_t>(hash->HashSize() / 8));
}

// Every paired file is digested at once, on the processors there are; meanwhile the gauge
// follows the bytes read of all of them, and a stop ends every read at its next block.
std::vector<std::string> Carga::DigestsOf(const std::vector<std::string>& paths,
                                          const std::string& algorithm) {
  std::int64_t totalBytes = 0;
  for (const std::string& path : paths) totalBytes += SizeOf(path);
  GaugeMax = std::max<std::int64_t>(totalBytes, 1);
  GaugePos = 0;
  std::atomic<std::int64_t> bytesDone{0};
  std::vector<std::future<std::string>> pending;
  for (const std::string& path : paths) {
    pending.push_back(std::async(std::launch::async, [this, path, algorithm, &bytesDone] {
      return DigestUntilStopped(path, algorithm, bytesDone);
    }));
  }
  for (auto& digest : pending) {
    while (digest.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
      GaugePos = std::min<std::int64_t>(bytesDone, GaugeMax);
      hooks_->Progress();
    }
  }
  std::vector<std::string> digests;
  for (auto& digest : pending) digests.push_back(digest.get());
  GaugePos = GaugeMax;
  hooks_->Progress();
  return digests;
}

ComandoResultado Carga::ConfereHash(const std::optional<std::string>& manifestDigest) {
  LimpaTela();
  const bool chosen = cbHashText != texts::HashBoxPrompt();
  if (chosen && !AlgoritmoValido()) {
    hooks_->InputNotice(texts::InvalidAlgorithm(), Entrada::Algoritmo);
    return ComandoResultado::AlgoritmoInvalido;
  }
  hooks_->FolderCheckStarted();
  const ComandoResultado result = UntilStopped(
      [&] { AuditaManifesto(chosen ? cbHashText : std::string(), manifestDigest); });
  AppendClosingLine();
  hooks_->FolderCheckFinished();
  return result;
}

void Carga::AuditaManifesto(const std::string& chosenAlgorithm,
                            const std::optional<std::string>& manifestDigest) {
  const std::string manifestPath = JoinPath(dlb1, kManifestName);
  const std::vector<std::string> lines = LeManifesto(manifestPath);
  const std::vector<PresentFile> files = PresentFiles(dlb1);
  const std::size_t paired = std::min(lines.size(), files.size());

  std::string algorithm = chosenAlgorithm;
  if (algorithm.empty() && paired > 0) {
    algorithm = AlgoritmoDoManifesto(lines[0], files[0].path);
    if (algorithm.empty()) {
      EscreveLog(Text("A linha 1 do HASHV.txt não confere com " + files[0].name +
                      " em nenhum algoritmo de hash de " + std::to_string(lines[0].size()) +
                      " caracteres"),
                 true);
      return;
    }
  }

  std::vector<std::string> pairedPaths;
  for (std::size_t i = 0; i < paired; ++i) pairedPaths.push_back(files[i].path);
  const std::vector<std::string> digests =
      algorithm.empty() ? std::vector<std::string>{} : DigestsOf(pairedPaths, algorithm);

  int ok = 0, altered = 0;
  for (std::size_t i = 0; i < paired; ++i) {
    const bool same = digests[i] == Upper(lines[i]);
    (same ? ok : altered) += 1;
    EscreveLog(Text((same ? "OK " : "ALTERADO ") + files[i].name), !same);
  }
  for (std::size_t i = paired; i < lines.size(); ++i) {
    EscreveLog(Text("AUSENTE (linha " + std::to_string(i + 1) + " do HASHV.txt)"), true);
  }
  for (std::size_t i = paired; i < files.size(); ++i) {
    EscreveLog(Text("SEM HASH " + files[i].name), true);
  }
  bool manifestAltered = false;
  if (manifestDigest && !algorithm.empty()) {
    manifestAltered = DigestOfFile(manifestPath, algorithm) != DigestoNormalizado(*manifestDigest);
    EscreveLog(manifestAltered ? "ALTERADO HASHV.txt" : "OK HASHV.txt", manifestAltered);
  }
  const std::size_t missing = lines.size() - paired;
  const std::size_t extra = files.size() - paired;
  const bool allGood = altered == 0 && missing == 0 && extra == 0 && !manifestAltered &&
                       !algorithm.empty();
  EscreveLog(Text("Conferência (" + (algorithm.empty() ? std::string("algoritmo desconhecido") : algorithm) +
                  "): " + std::to_string(ok) + " OK, " + std::to_string(altered) + " ALTERADO, " +
                  std::to_string(missing) + " AUSENTE, " + std::to_string(extra) + " SEM HASH"),
             !allGood);
}

}  // namespace validador
