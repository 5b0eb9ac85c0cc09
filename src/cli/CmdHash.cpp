// `hash`: the digest of each file named, by algorithm name.

#include <array>
#include <iostream>
#include <memory>
#include <string>

#include "cli/Command.h"
#include "cli/CommandRegistry.h"
#include "cli/Commands.h"
#include "cli/UsageError.h"
#include "hash/Calchash.h"
#include "hash/TComponent.h"
#include "layout/Cp1252.h"
#include "layout/Errors.h"

namespace validador::cli {
namespace {

constexpr std::array<std::string_view, 2> kSynopsis = {"[--hash NOME]", "ARQUIVO..."};
constexpr std::array<OptionSpec, 1> kOptions = {kHashOption};

// Tells on stderr that a file cannot be read, and remembers it.
class StderrNotifier : public HashNotifier {
 public:
  void CannotReadFile(const std::string& path) override {
    std::cerr << "Impossível ler o arquivo: " << path << "\n";
    anyUnreadable_ = true;
  }
  bool AnyUnreadable() const { return anyUnreadable_; }

 private:
  bool anyUnreadable_ = false;
};

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
    const std::string algorithm = parsed.Value(kHashOption.name).value_or("md5");
    if (!IsAlgorithmName(algorithm)) throw UsageError("algoritmo desconhecido: " + algorithm);
    if (parsed.positionals.empty()) throw UsageError("falta o arquivo");
    TComponent owner;
    StderrNotifier notifier;
    try {
      for (const auto& file : parsed.positionals) {
        std::cout << Calchash(file, algorithm, &owner, &notifier) << "  " << file << "\n";
      }
    } catch (const Exception& error) {
      std::cout.flush();
      std::cerr << "validador-cli: " << Cp1252ToUtf8(MessageWithFullStop(error.what())) << "\n";
      return kExitEnded;
    }
    return notifier.AnyUnreadable() ? kExitFindings : kExitOk;
  }

  // Every usage error of `hash` is followed by the names it accepts.
  std::string UsageNote() const override { return "\nAlgoritmos: " + AlgorithmNameList() + "."; }
};

}  // namespace

std::unique_ptr<Command> MakeHashCommand() { return std::make_unique<HashCommand>(); }

}  // namespace validador::cli
