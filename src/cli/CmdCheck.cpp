// `check` and `check-file`: "Abre Arquivos" on a folder and "Abre Arquivo" on a file.

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <iostream>

#include "cli/CheckOptions.h"
#include "cli/Commands.h"
#include "cli/ConsoleHooks.h"
#include "cli/ReportOutput.h"
#include "hash/Calchash.h"
#include "layout/Cp1252.h"
#include "layout/Errors.h"
#include "validation/Carga.h"

namespace validador::cli {
namespace {

constexpr const char* kCheckHelp =
    "Uso: validador-cli check PASTA --case TEXTO --bank TEXTO [--hash NOME] [--styled]\n"
    "                         [--manifest] [--report SAIDA.pdf]\n";
constexpr const char* kCheckFileHelp =
    "Uso: validador-cli check-file ARQUIVO --bank TEXTO [--case TEXTO] [--folder PASTA]\n"
    "                              [--hash NOME] [--styled] [--manifest] [--report SAIDA.pdf]\n";
constexpr std::size_t kMaxBankLength = 3;

// Fills the inputs of the check from the options; false after a usage error.
bool ApplyInputs(const CheckOptions& options, bool singleFile, Carga& carga) {
  if (!singleFile && !options.caso) return UsageError("falta --case"), false;
  if (!options.banco) return UsageError("falta --bank"), false;
  carga.edtNrCaso = Utf8ToCp1252(options.caso.value_or(""));
  carga.edtNrBanco = Utf8ToCp1252(*options.banco);
  if (carga.edtNrBanco.size() > kMaxBankLength) {
    return UsageError("o n.º do banco tem no máximo três caracteres"), false;
  }
  if (options.hash) {
    const auto* found = std::find(kAlgorithmNames.begin(), kAlgorithmNames.end(), *options.hash);
    if (found == kAlgorithmNames.end()) {
      return UsageError("algoritmo desconhecido: " + *options.hash +
                        " (válidos: " + AlgorithmNameList() + ")"),
             false;
    }
    carga.cbHashIndex = static_cast<int>(found - kAlgorithmNames.begin());
    carga.cbHashText = *options.hash;
  }
  return true;
}

std::string FolderOf(const std::string& file) {
  const auto parent = std::filesystem::path(file).parent_path();
  return parent.empty() ? std::string(".") : parent.string();
}

int RunCheckCommand(const Args& args, bool singleFile) {
  const std::optional<CheckOptions> options = ParseCheckOptions(args, singleFile);
  if (!options) return kExitUsage;
  if (options->help) {
    std::cout << (singleFile ? kCheckFileHelp : kCheckHelp);
    return kExitOk;
  }
  if (options->report && !ReportAvailable()) return UsageError(kReportUnavailable);

  std::optional<std::string> chosenFile;
  if (singleFile) chosenFile = std::filesystem::absolute(options->target).string();
  ConsoleHooks hooks(options->styled, chosenFile);
  Carga carga(&hooks);
  hooks.Attach(&carga);
  if (!ApplyInputs(*options, singleFile, carga)) return kExitUsage;
  carga.dlb1 = singleFile ? options->folder.value_or(FolderOf(*chosenFile)) : options->target;

  try {
    const ComandoResultado result = singleFile ? carga.AbreArquivo() : carga.AbreArquivos();
    hooks.ClearProgress();
    std::fflush(stdout);
    if (result != ComandoResultado::Concluido) return kExitUsage;
    if (options->manifest || options->report) {
      const std::optional<std::string> digest = carga.GeraManifesto();
      if (digest && options->report) WriteReport(carga, *digest, *options->report);
    }
  } catch (const std::exception& error) {
    hooks.ClearProgress();
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", Cp1252ToUtf8(MessageWithFullStop(error.what())).c_str());
    return kExitEnded;
  }
  return carga.Log.HasErrorLine() ? kExitFindings : kExitOk;
}

}  // namespace

int RunCheck(const Args& args) { return RunCheckCommand(args, false); }
int RunCheckFile(const Args& args) { return RunCheckCommand(args, true); }

}  // namespace validador::cli
