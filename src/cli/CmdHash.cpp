// validador-cli hash and selftest: file digests by algorithm name, and the
// known-answer test of every digest component.

#include <iostream>
#include <string>
#include <vector>

#include "cli/Commands.h"
#include "hash/Calchash.h"
#include "hash/DCPhash.h"
#include "hash/TComponent.h"
#include "layout/Cp1252.h"
#include "layout/Errors.h"

namespace validador::cli {

namespace {

constexpr const char* kHashHelp =
    "Uso: validador-cli hash [--hash NOME] ARQUIVO...\n"
    "Imprime o hash de cada arquivo: <HASH>  <ARQUIVO> (padrão md5).\n";

constexpr const char* kSelftestHelp =
    "Uso: validador-cli selftest\n"
    "Executa o autoteste de cada algoritmo de hash.\n";

struct HashRequest {
  std::string algorithm = "md5";
  std::vector<std::string> files;
  bool help = false;
};

// A usage error of `hash`, followed by the names it accepts.
int HashUsageError(const std::string& message) {
  return UsageError(message + "\nAlgoritmos: " + AlgorithmNameList() + ".");
}

// Fills `request` from the arguments; returns the usage error text, or "".
std::string ParseHashArgs(const Args& args, HashRequest& request) {
  bool optionsEnded = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
      request.files.push_back(arg);
    } else if (arg == "--") {
      optionsEnded = true;
    } else if (arg == "--help" || arg == "-h") {
      request.help = true;
    } else if (arg == "--hash") {
      if (i + 1 == args.size()) return "falta o valor de --hash";
      request.algorithm = args[++i];
    } else if (arg.starts_with("--hash=")) {
      request.algorithm = arg.substr(7);
    } else {
      return "opção desconhecida: " + arg;
    }
  }
  if (request.help) return {};
  if (!IsAlgorithmName(request.algorithm)) return "algoritmo desconhecido: " + request.algorithm;
  if (request.files.empty()) return "falta o arquivo";
  return {};
}

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

}  // namespace

int RunHash(const Args& args) {
  HashRequest request;
  if (const std::string error = ParseHashArgs(args, request); !error.empty()) {
    return HashUsageError(error);
  }
  if (request.help) {
    std::cout << kHashHelp;
    return kExitOk;
  }
  TComponent owner;
  StderrNotifier notifier;
  try {
    for (const auto& file : request.files) {
      std::cout << Calchash(file, request.algorithm, &owner, &notifier) << "  " << file << "\n";
    }
  } catch (const Exception& error) {
    std::cout.flush();
    std::cerr << "validador-cli: " << Cp1252ToUtf8(MessageWithFullStop(error.what())) << "\n";
    return kExitEnded;
  }
  return notifier.AnyUnreadable() ? kExitFindings : kExitOk;
}

int RunSelftest(const Args& args) {
  if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
    std::cout << kSelftestHelp;
    return kExitOk;
  }
  if (!args.empty()) return UsageError("argumento inesperado: " + args[0]);
  bool allPass = true;
  for (const auto name : kAlgorithmNames) {
    const TDCP_hashclass* hashClass = HashClassByName(name);
    const bool passes = hashClass->SelfTest();
    std::cout << hashClass->GetAlgorithm() << (passes ? " ok" : " FAIL") << "\n";
    allPass = allPass && passes;
  }
  return allPass ? kExitOk : kExitFindings;
}

}  // namespace validador::cli
