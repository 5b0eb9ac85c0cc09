#include "cli/CheckCommandBase.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>

#include "cli/ConsoleHooks.h"
#include "cli/ReportOutput.h"
#include "cli/UsageError.h"
#include "hash/Calchash.h"
#include "layout/Cp1252.h"
#include "layout/Errors.h"
#include "layout/StrToInt.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/ReplaceFile.h"
#include "validation/Carga.h"
#include "validation/ListingText.h"

namespace validador::cli {
namespace {

// Fills the inputs of the check from the options; throws UsageError for a wrong one.
void ApplyInputs(const ParsedArgs& parsed, bool singleFile, Carga& carga) {
  const std::optional<std::string> caso = parsed.Value(kCaseOption.name);
  const std::optional<std::string> banco = parsed.Value(kBankOption.name);
  if (!singleFile && !caso) throw UsageError("falta --case");
  if (!banco) throw UsageError("falta --bank");
  carga.edtNrCaso = Utf8ToCp1252(caso.value_or(""));
  carga.edtNrBanco = Utf8ToCp1252(*banco);
  if (carga.edtNrBanco.size() > kBankNumberLength) {
    throw UsageError("o n.º do banco tem no máximo três caracteres");
  }
  if (const std::optional<std::string> hash = parsed.Value(kHashOption.name)) {
    const auto* found = std::find(kAlgorithmNames.begin(), kAlgorithmNames.end(), *hash);
    if (found == kAlgorithmNames.end()) {
      throw UsageError("algoritmo desconhecido: " + *hash + " (válidos: " + AlgorithmNameList() +
                       ")");
    }
    carga.cbHashIndex = static_cast<int>(found - kAlgorithmNames.begin());
    carga.cbHashText = *hash;
  }
}

// The listing asked for: its file, format and cap; a wrong name or cap is a usage error.
struct ListingRequest {
  std::string path;
  ListingFormat format = ListingFormat::Csv;
  std::int64_t maxErrors = ErrorListing::kDefaultMaxErrors;
};

std::optional<ListingRequest> ListingRequestOf(const ParsedArgs& parsed) {
  const std::optional<std::string> path = parsed.Value(kErrorsOption.name);
  const std::optional<std::string> cap = parsed.Value(kMaxErrorsOption.name);
  if (!path) {
    if (cap) throw UsageError("--max-errors pede --errors");
    return std::nullopt;
  }
  ListingRequest request;
  request.path = *path;
  const std::optional<ListingFormat> format = ListingFormatOf(*path);
  if (!format) throw UsageError("--errors pede um arquivo .csv ou .jsonl: " + *path);
  request.format = *format;
  if (cap) {
    std::int32_t value = -1;
    if (!TryStrToInt(*cap, value) || value < 0 || cap->find_first_not_of("0123456789") != std::string::npos) {
      throw UsageError("--max-errors pede um número inteiro de 0 em diante: " + *cap);
    }
    request.maxErrors = value;
  }
  return request;
}

std::string FolderOf(const std::string& file) {
  return platform::FolderOf(file);
}

// Runs the command on the filled-in check, then the manifest and the report asked for.
// The listing is written last, whole or not at all, and only when nothing ended the command.
int RunCarga(const ParsedArgs& parsed, bool singleFile, Carga& carga, ConsoleHooks& hooks,
             const std::optional<ListingRequest>& listing) {
  const std::optional<std::string> report = parsed.Value(kReportOption.name);
  try {
    const ComandoResultado result = singleFile ? carga.AbreArquivo() : carga.AbreArquivos();
    hooks.ClearProgress();
    std::fflush(stdout);
    if (result != ComandoResultado::Concluido) return kExitUsage;
    if (parsed.Flag(kManifestOption.name) || report) {
      const std::optional<std::string> digest = carga.GeraManifesto();
      if (digest && report) WriteReport(carga, *digest, *report);
    }
    if (listing) platform::ReplaceFileContents(listing->path, ListingAs(listing->format, carga.Listagem));
  } catch (const std::exception& error) {
    hooks.ClearProgress();
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", Cp1252ToUtf8(MessageWithFullStop(error.what())).c_str());
    return kExitEnded;
  }
  return carga.Log.HasErrorLine() ? kExitFindings : kExitOk;
}

}  // namespace

int CheckCommandBase::Run(const ParsedArgs& parsed) const {
  if (parsed.Value(kReportOption.name) && !ReportAvailable()) throw UsageError(kReportUnavailable);
  const std::string& target = parsed.positionals.front();
  std::optional<std::string> chosenFile;
  if (singleFile_) chosenFile = platform::AbsolutePath(target);
  ConsoleHooks hooks(parsed.Flag(kStyledOption.name), chosenFile);
  Carga carga(&hooks);
  hooks.Attach(&carga);
  ApplyInputs(parsed, singleFile_, carga);
  const std::optional<ListingRequest> listing = ListingRequestOf(parsed);
  if (listing) carga.ListagemPedida = listing->maxErrors;
  carga.dlb1 = singleFile_ ? parsed.Value(kFolderOption.name).value_or(FolderOf(*chosenFile))
                           : target;
  return RunCarga(parsed, singleFile_, carga, hooks, listing);
}

}  // namespace validador::cli
