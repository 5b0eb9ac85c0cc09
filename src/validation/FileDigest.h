#pragma once
// The digest of one file, computed on a worker thread while the checks of the same
// file run on the caller's thread. The result is taken where the checks need it;
// only then does a file that could not be opened get reported, so the report comes
// at the same point of the command as a digest computed right there.

#include <exception>
#include <string>
#include <thread>

namespace validador {

class HashNotifier;
class TComponent;

class FileDigest {
 public:
  // Starts digesting `path` with the named algorithm; the component belongs to `owner`.
  FileDigest(std::string path, std::string algorithmName, TComponent* owner);
  // Waits for the worker if its result was never taken.
  ~FileDigest();

  FileDigest(const FileDigest&) = delete;
  FileDigest& operator=(const FileDigest&) = delete;

  // Waits for the digest and returns it ("" when the file could not be opened). The
  // first call tells `notifier` when the file could not be opened; an error the
  // worker met (a failed read) is thrown here, on every call.
  const std::string& Text(HashNotifier* notifier);

 private:
  void Wait();

  std::string path_;
  std::string text_;
  bool cannotRead_ = false;
  bool reported_ = false;
  std::exception_ptr error_;
  std::thread worker_;
};

}  // namespace validador
