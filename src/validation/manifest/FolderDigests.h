#pragma once
// The digests of a delivery's files for "Confere Hash": each file read once, feeding every
// algorithm still in question; at most as many files at once as there are processors.

#include <atomic>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace validador {

struct FolderDigestRequest {
  std::vector<std::string> paths;
  // The algorithms in question. While there are more than one, small files are read first;
  // as soon as a digest of a file is evidence for some of them, the others are dropped,
  // also in the files being read. With one, the large files are read first.
  std::vector<std::string> algorithms;
  std::function<bool(const std::string& digest)> isEvidence;
  // Asked between blocks by every reader (it may wait while the command is paused): true,
  // the reading stops within a block.
  std::function<bool()> stopAsked;
  // Called on the calling thread now and then: bytes read, bytes of all the files.
  std::function<void(std::uint64_t done, std::uint64_t total)> progress;
};

// By file (in the order of `paths`): its digest under each algorithm still in question
// when the file was done. Throws EInOutError when a file cannot be opened or read,
// EFileChanged when one changes while it is read, CheckInterrupted when stopped.
std::vector<std::map<std::string, std::string>> DigestFolderFiles(const FolderDigestRequest& request);

}  // namespace validador
