// `hash`: the digest of each file named, by algorithm name.

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "cli/Command.h"
#include "base/Mensagens.h"
#include "cli/CommandRegistry.h"
#include "cli/Commands.h"
#include "cli/ErrorText.h"
#include "cli/StandardOutput.h"
#include "cli/UsageError.h"
#include "hash/Calchash.h"
#include "hash/DCPhash.h"
#include "hash/DigestText.h"
#include "hash/TFileStream.h"
#include "base/Errors.h"
#include "platform/Paths.h"

namespace validador::cli {
namespace {

constexpr std::array<std::string_view, 2> kSynopsis = {"[--hash NOME]", "ARQUIVO..."};
constexpr std::array<OptionSpec, 1> kOptions = {kHashOption};

// The file's digest; nullopt, after saying why on stderr, when it cannot be read.
std::optional<std::string> DigestOrReason(const std::string& path, std::string_view algorithm) {
  try {
    return DigestOfFile(path, algorithm);
  } catch (const EInOutError& error) {
    ReportError(EInOutError(error.ErrorCode(), error.Message(), path));
    return std::nullopt;
  }
}

// The digest line of a file, as md5sum writes it: a name holding a line feed, a carriage
// return or a backslash is written with them escaped ("\n", "\r", "\\") and the line
// starts with a backslash, so every line is one file and no name can forge another. A
// backslash that separates names (Windows) is left as it is: such a system has no line
// breaks in names.
bool NeedsEscape(char c) {
  return c == '\n' || c == '\r' || (c == '\\' && !platform::IsPathSeparator(c));
}

std::string DigestLine(const std::string& digest, const std::string& name) {
  if (std::none_of(name.begin(), name.end(), NeedsEscape)) return digest + "  " + name + "\n";
  std::string escaped;
  for (const char c : name) {
    if (!NeedsEscape(c)) {
      escaped += c;
      continue;
    }
    escaped += c == '\n' ? "\\n" : c == '\r' ? "\\r" : "\\\\";
  }
  return "\\" + digest + "  " + escaped + "\n";
}

class HashCommand final : public Command {
 public:
  HashCommand()
      : Command({.name = "hash",
                 .description = "Imprime o hash de cada arquivo: <HASH>  <ARQUIVO>.",
                 .synopsis = kSynopsis,
                 .options = kOptions,
                 // The files are counted in Run, after the algorithm's name is checked.
                 .positionals = {.required = 0, .maximum = kAnyNumber, .missingMessage = {}}}) {}

 protected:
  int Run(const ParsedArgs& parsed) const override {
    const std::string algorithm = parsed.Value(kHashOption.name).value_or(std::string(kDefaultAlgorithm));
    if (!IsAlgorithmName(algorithm)) throw UsageError(texts::AlgoritmoDesconhecido(algorithm));
    if (parsed.positionals.empty()) throw UsageError("falta o arquivo");
    bool anyUnreadable = false;
    try {
      for (const auto& file : parsed.positionals) {
        const std::optional<std::string> digest = DigestOrReason(file, algorithm);
        if (digest) WriteOut(DigestLine(*digest, file));
        anyUnreadable = anyUnreadable || !digest;
      }
      FlushOut();
    } catch (const Exception& error) {
      ReportError(error);
      return kExitEnded;
    }
    return anyUnreadable ? kExitFindings : kExitOk;
  }

  // Every usage error of `hash` is followed by the names it accepts.
  std::string UsageNote() const override { return "\nAlgoritmos: " + AlgorithmNameList() + "."; }
};

}  // namespace

std::unique_ptr<Command> MakeHashCommand() { return std::make_unique<HashCommand>(); }

}  // namespace validador::cli
