#include "hash/Calchash.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>

#include "hash/DCPhash.h"
#include "hash/DigestText.h"
#include "hash/TFileStream.h"
#include "base/Cp1252.h"
#include "base/Errors.h"

namespace validador {

namespace {

// The name as given (Windows-1252 bytes) between the fixed texts.
std::string UnknownAlgorithmMessage(std::string_view algorithmName) {
  static const std::string namesIntro = Utf8ToCp1252("\". Os algoritmos são: ");
  return "Algoritmo de hash desconhecido: \"" + std::string(algorithmName) + namesIntro +
         AlgorithmNameList() + ".";
}

// Reads the stream to its end, in the component's read size, whatever size the file
// system reports for it (files under /proc report none; a growing file, its old size).
std::string DigestOfStream(TDCP_hash& hash, TStream& stream) {
  std::uint8_t block[TDCP_hash::kStreamBlockSize];
  hash.Init();
  while (const std::uint32_t got = stream.Read(block, sizeof block)) hash.Update(block, got);
  std::uint8_t digest[64];
  hash.Final(digest);
  return DigestText(digest, static_cast<std::size_t>(hash.HashSize() / 8));
}

}  // namespace

const TDCP_hashclass* HashClassByName(std::string_view algorithmName) {
  const AlgorithmRow* row = FindAlgorithm(algorithmName);
  return row == nullptr ? nullptr : &row->componentClass();
}

std::size_t DigestTextLength(std::string_view algorithmName) {
  const AlgorithmRow* row = FindAlgorithm(algorithmName);
  return row == nullptr ? 0 : 2 * row->digestBytes;
}

bool IsAlgorithmName(std::string_view name) { return FindAlgorithm(name) != nullptr; }

TDCP_hash* CreateHashComponent(std::string_view algorithmName, TComponent* owner) {
  const TDCP_hashclass* hashClass = HashClassByName(algorithmName);
  return hashClass != nullptr ? hashClass->Create(owner) : nullptr;
}

TDCP_hash* CreateKnownHashComponent(std::string_view algorithmName, TComponent* owner) {
  TDCP_hash* hash = CreateHashComponent(algorithmName, owner);
  if (hash == nullptr) throw Exception(UnknownAlgorithmMessage(algorithmName));
  return hash;
}

std::string DigestOfBytes(std::string_view bytes, std::string_view algorithmName) {
  const std::unique_ptr<TDCP_hash> hash(CreateKnownHashComponent(algorithmName, nullptr));
  hash->Init();
  for (std::size_t done = 0; done < bytes.size(); done += TDCP_hash::kStreamBlockSize) {
    const std::size_t piece = std::min<std::size_t>(bytes.size() - done, TDCP_hash::kStreamBlockSize);
    hash->Update(bytes.data() + done, static_cast<std::uint32_t>(piece));
  }
  std::uint8_t digest[64];
  hash->Final(digest);
  return DigestText(digest, static_cast<std::size_t>(hash->HashSize() / 8));
}

std::string DigestOfFile(const std::string& path, std::string_view algorithmName) {
  const std::unique_ptr<TDCP_hash> hash(CreateKnownHashComponent(algorithmName, nullptr));
  TFileStream stream(path);
  return DigestOfStream(*hash, stream);
}

std::string Calchash(const std::string& fileName, std::string_view algorithmName, TComponent* owner,
                     HashNotifier* notifier) {
  std::optional<TFileStream> stream;
  try {
    stream.emplace(fileName);
  } catch (const Exception&) {
    if (notifier != nullptr) notifier->CannotReadFile(fileName);
    return {};
  }
  TDCP_hash* hash = CreateHashComponent(algorithmName, owner);
  if (hash == nullptr) {
    stream.reset();
    throw Exception(UnknownAlgorithmMessage(algorithmName));
  }
  const std::unique_ptr<TDCP_hash> ownedHere(owner == nullptr ? hash : nullptr);
  return DigestOfStream(*hash, *stream);
}

}  // namespace validador
