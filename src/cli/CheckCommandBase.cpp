#include "cli/CheckCommandBase.h"

#include <algorithm>
#include <functional>
#include <cstdio>
#include <optional>
#include <string>

#include "base/Mensagens.h"
#include "cli/ConsoleHooks.h"
#include "cli/ErrorText.h"
#include "cli/ReportOutput.h"
#include "cli/ReportTarget.h"
#include "cli/StandardOutput.h"
#include "cli/UsageError.h"
#include "hash/Calchash.h"
#include "base/Cp1252.h"
#include "base/Errors.h"
#include "base/StrToInt.h"
#include "platform/FileSystem.h"
#include "platform/Paths.h"
#include "platform/ReplaceFile.h"
#include "validation/check/Carga.h"
#include "validation/listing/ListingFile.h"
#include "validation/listing/ListingSpool.h"
#include "validation/listing/ListingText.h"
#include "validation/manifest/ManifestLines.h"
#include "validation/manifest/Manifesto.h"
#include "validation/check/StandardFiles.h"

namespace validador::cli {
namespace {

// The option's text in Windows-1252. A character the page cannot hold would otherwise
// become '?' and might then match what the delivery holds, so it is a wrong use.
std::string Cp1252Option(const std::string& value, std::string_view option) {
  if (const std::optional<ByteSpan> outside = FirstCharacterOutsideCp1252(value)) {
    throw UsageError(std::string(option) + ": o caractere \"" +
                     EscapeControls(value.substr(outside->offset, outside->length)) +
                     "\" não existe no Windows-1252");
  }
  return Utf8ToCp1252(value);
}

// Fills the inputs of the check from the options; throws UsageError for a wrong one.
void ApplyInputs(const ParsedArgs& parsed, bool singleFile, Carga& carga) {
  const std::optional<std::string> caso = parsed.Value(kCaseOption.name);
  const std::optional<std::string> banco = parsed.Value(kBankOption.name);
  if (!singleFile && !caso) throw UsageError("falta --case");
  if (!banco) throw UsageError("falta --bank");
  carga.edtNrCaso = Cp1252Option(caso.value_or(""), kCaseOption.name);
  carga.edtNrBanco = Cp1252Option(*banco, kBankOption.name);
  if (carga.edtNrBanco.size() > kBankNumberLength) {
    throw UsageError("o n.º do banco tem no máximo três caracteres");
  }
  if (const std::optional<std::string> hash = parsed.Value(kHashOption.name)) {
    const int index = AlgorithmIndex(*hash);
    if (index < 0) {
      throw UsageError(texts::AlgoritmoDesconhecidoEntre(*hash, AlgorithmNameList()));
    }
    carga.cbHashIndex = index;
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
  if (!format) throw UsageError("--errors pede um arquivo .csv, .jsonl ou .xlsx: " + EscapeControls(*path));
  if (*format == ListingFormat::Workbook && !WorkbookAvailable()) throw UsageError(kWorkbookUnavailable);
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

// Every output goes into a folder that takes a new file, checked before anything is read
// or written: a check must not run to its end only to find its output cannot be saved.
void RefuseUnwritableOutput(const std::string& outputFolder, std::string_view what) {
  try {
    platform::CheckCanCreateFileIn(outputFolder);
  } catch (const EInOutError& error) {
    throw UsageError(std::string(what) + ": não é possível gravar na pasta " +
                     EscapeControls(outputFolder) + ": " +
                     EscapeControls(Cp1252ToUtf8(MessageWithFullStop(error.Message()))));
  }
}

// The listing's folder, the report's and the manifest's (the chosen folder).
void RefuseUnwritableOutputs(const ParsedArgs& parsed, const Carga& carga,
                             const std::optional<std::string>& reportTarget,
                             const std::optional<ListingRequest>& listing) {
  if (listing) RefuseUnwritableOutput(FolderOf(platform::AbsolutePath(listing->path)), "--errors");
  if (reportTarget) RefuseUnwritableOutput(FolderOf(*reportTarget), "--report");
  if (reportTarget || parsed.Flag(kManifestOption.name)) {
    RefuseUnwritableOutput(carga.dlb1, "HASHV.txt");
  }
}

// An empty folder or file name would put the standard names at the root of the file
// system; it is a wrong use.
void RefuseEmptyPaths(const ParsedArgs& parsed, bool singleFile) {
  if (parsed.positionals.front().empty()) {
    throw UsageError(singleFile ? "o ARQUIVO não pode ser vazio" : std::string(texts::kPastaVazia));
  }
  if (parsed.Value(kFolderOption.name) == std::string()) {
    throw UsageError("a pasta de --folder não pode ser vazia");
  }
}

// A manifest holding more lines than the new one (the folder's eight digests, where
// check-file would write one) is not replaced unless --force says so: verify could no
// longer pair the files the old one covered.
void RefuseShorterManifest(const ParsedArgs& parsed, const Carga& carga) {
  if (parsed.Flag(kForceOption.name)) return;
  const std::string manifest = FindManifest(carga.dlb1).path;
  const std::optional<std::int64_t> oldLines = ContaLinhasDoManifesto(manifest);
  const auto newLines = static_cast<std::int64_t>(carga.Memo2.size());
  if (!oldLines || *oldLines <= newLines) return;
  throw UsageError(manifest + " tem " + std::to_string(*oldLines) + " linhas e o novo teria " +
                   std::to_string(newLines) + "; use --force para substituí-lo");
}

// The manifest and, when asked for, the report of a check that ran to its end. The log
// is out on stdout before either is written.
void WriteOutputs(const ParsedArgs& parsed, Carga& carga,
                  const std::optional<std::string>& reportTarget) {
  FlushOut();
  if (!parsed.Flag(kManifestOption.name) && !reportTarget) return;
  RefuseShorterManifest(parsed, carga);
  const std::optional<std::string> digest = carga.GeraManifesto();
  if (digest && reportTarget) WriteReport(carga, *digest, *reportTarget);
}

// The listing, whole or not at all: from the files its rows went to while the check ran.
void WriteListing(const ListingRequest& listing, Carga& carga) {
  if (ListingSpool* spool = carga.Listagem.Spool()) {
    platform::ReplaceFileWith(listing.path, [spool](const std::function<void(std::string_view)>& write) {
      spool->Produce(write);
    });
  } else {
    WriteListingFile(listing.path, listing.format, carga.Listagem, EntregaDaCarga(carga));
  }
}

// Runs the command on the filled-in check, then the manifest and the report asked for.
// The listing is written last, whole or not at all, and only when nothing ended the command.
int RunCarga(const ParsedArgs& parsed, bool singleFile, Carga& carga, ConsoleHooks& hooks,
             const std::optional<std::string>& reportTarget,
             const std::optional<ListingRequest>& listing) {
  try {
    const ComandoResultado result = singleFile ? carga.AbreArquivo() : carga.AbreArquivos();
    hooks.ClearProgress();
    if (result != ComandoResultado::Concluido) {
      FlushOut();
      return result == ComandoResultado::Interrompido ? kExitEnded : kExitUsage;
    }
    WriteOutputs(parsed, carga, reportTarget);
    if (listing) WriteListing(*listing, carga);
  } catch (const UsageError&) {
    hooks.ClearProgress();
    std::fflush(stdout);
    throw;
  } catch (const std::exception& error) {
    hooks.ClearProgress();
    std::fflush(stdout);
    ReportError(error);
    return kExitEnded;
  }
  return carga.Log.HasErrorLine() ? kExitFindings : kExitOk;
}

}  // namespace

// A folder name that is wrong would otherwise be reported as eight missing files.
void RefuseMissingFolder(const std::string& folder, std::string_view what) {
  if (platform::IsDirectory(folder)) return;
  // A folder the system cannot reach (a name or path too long, a parent that cannot be
  // searched) is not one that is not there: the check names it with that error (exit 2).
  try {
    platform::RequireReachable(platform::JoinedPath(folder, kManifestName));
  } catch (const EInOutError&) {
    return;
  }
  const bool exists = platform::IsRegularFile(folder) || platform::StampOf(folder).has_value();
  throw UsageError(std::string(what) + (exists ? " não é uma pasta: " : " não existe: ") +
                   EscapeControls(folder));
}

int CheckCommandBase::Run(const ParsedArgs& parsed) const {
  const std::optional<std::string> report = parsed.Value(kReportOption.name);
  if (report && !ReportAvailable()) throw UsageError(kReportUnavailable);
  RefuseEmptyPaths(parsed, singleFile_);
  const std::string& target = parsed.positionals.front();
  std::optional<std::string> chosenFile;
  if (singleFile_) chosenFile = platform::AbsolutePath(target);
  ConsoleHooks hooks(parsed.Flag(kStyledOption.name), chosenFile);
  Carga carga(&hooks);
  ApplyInputs(parsed, singleFile_, carga);
  const std::optional<ListingRequest> listing = ListingRequestOf(parsed);
  if (listing) {
    carga.ListagemPedida = listing->maxErrors;
    // Text listings go to disk row by row; the workbook is made from rows in memory.
    if (listing->format != ListingFormat::Workbook) {
      carga.ListagemEmDisco =
          Carga::ListingOnDisk{listing->format, FolderOf(platform::AbsolutePath(listing->path))};
    }
  }
  const std::optional<std::string> folderOption = parsed.Value(kFolderOption.name);
  if (!singleFile_) RefuseMissingFolder(target, "a PASTA");
  if (folderOption) RefuseMissingFolder(*folderOption, "a pasta de --folder");
  carga.dlb1 = singleFile_ ? folderOption.value_or(FolderOf(*chosenFile)) : target;
  std::optional<std::string> reportTarget;
  if (report) {
    DeliveryPaths delivery{.folders = {carga.dlb1}, .files = {}};
    if (chosenFile) {
      delivery.folders.push_back(FolderOf(*chosenFile));
      delivery.files.push_back(*chosenFile);
    }
    reportTarget = ReportTargetPath(*report, delivery);
  }
  // One file cannot hold both: the listing would silently take the report's place.
  if (reportTarget && listing && SameOutputFile(*reportTarget, listing->path)) {
    throw UsageError("--report e --errors não podem ser o mesmo arquivo: " + listing->path);
  }
  RefuseUnwritableOutputs(parsed, carga, reportTarget, listing);
  return RunCarga(parsed, singleFile_, carga, hooks, reportTarget, listing);
}

}  // namespace validador::cli
