// The digest manifest HASHV.txt: the digest list, one line each, ended by CR LF.

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "layout/Errors.h"
#include "validation/Carga.h"
#include "validation/LogTexts.h"
#include "validation/StandardFiles.h"

namespace validador {
namespace {

constexpr const char* kManifestName = "HASHV.txt";

// Writes all of `bytes` to `fd`, throwing the input/output error of a failure.
void WriteAll(int fd, const std::string& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw EInOutError::FromErrno(errno);
    }
    written += static_cast<std::size_t>(n);
  }
}

}  // namespace

std::string Carga::GravaManifesto(const std::string& manifestPath) {
  std::string content;
  for (const std::string& digest : Memo2) {
    content += digest;
    content += "\r\n";
  }
  const int fd = ::open(manifestPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) throw EInOutError::FromErrno(errno);
  try {
    WriteAll(fd, content);
  } catch (...) {
    ::close(fd);
    throw;
  }
  if (::close(fd) != 0) throw EInOutError::FromErrno(errno);
  return Calchash(manifestPath);
}

std::optional<std::string> Carga::GeraManifesto() {
  if (!AlgoritmoValido()) {
    hooks_->InputNotice(texts::InvalidAlgorithm(), Entrada::Algoritmo);
    return std::nullopt;
  }
  PastaSelecionada = dlb1;
  hooks_->StateChanged();
  return GravaManifesto(JoinPath(PastaSelecionada, kManifestName));
}

}  // namespace validador
