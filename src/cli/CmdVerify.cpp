// `verify`: a received delivery against its HASHV.txt ("Confere Hash").

#include <array>
#include <cstdio>
#include <memory>

#include "cli/CheckCommandBase.h"
#include "base/Mensagens.h"
#include "cli/CommandRegistry.h"
#include "cli/ConsoleHooks.h"
#include "cli/ErrorText.h"
#include "cli/InterruptSignals.h"
#include "cli/StandardOutput.h"
#include "cli/UsageError.h"
#include "hash/Calchash.h"
#include "base/Cp1252.h"
#include "base/Errors.h"
#include "validation/check/Carga.h"
#include "validation/manifest/Manifesto.h"

namespace validador::cli {
namespace {

constexpr OptionSpec kManifestDigestOption{
    "--manifest-digest", "HEX", "confere também o HASHV.txt com o hash do relatório"};

constexpr std::array<std::string_view, 4> kSynopsis = {"PASTA", "[--hash NOME]",
                                                       "[--manifest-digest HEX]", "[--styled]"};
// The algorithm is found from the manifest unless named: among those whose digests have the
// lines' length, the one that gives the first line from the first file.
constexpr OptionSpec kVerifyHashOption{"--hash", "NOME",
                                       "algoritmo (padrão: o que dá a 1.ª linha do HASHV.txt)"};
constexpr std::array<OptionSpec, 3> kOptions = {kVerifyHashOption, kManifestDigestOption, kStyledOption};

class VerifyCommand final : public Command {
 public:
  VerifyCommand()
      : Command({.name = "verify",
                 .description = "Confere os arquivos da pasta com o seu HASHV.txt (\"Confere Hash\").",
                 .synopsis = kSynopsis,
                 .options = kOptions,
                 .positionals = {.required = 1, .maximum = 1, .missingMessage = texts::kFaltaPasta}}) {}

 protected:
  int Run(const ParsedArgs& parsed) const override {
    const std::string& folder = parsed.positionals.front();
    if (folder.empty()) throw UsageError(std::string(texts::kPastaVazia));
    RefuseMissingFolder(folder, "a PASTA");
    ConsoleHooks hooks(parsed.Flag(kStyledOption.name), std::nullopt);
    Carga carga(&hooks);
    carga.dlb1 = folder;
    const std::optional<std::string> hash = parsed.Value(kHashOption.name);
    if (hash && !IsAlgorithmName(*hash)) {
      throw UsageError(texts::AlgoritmoDesconhecidoEntre(*hash, AlgorithmNameList()));
    }
    const std::optional<std::string> manifestDigest = parsed.Value(kManifestDigestOption.name);
    if (manifestDigest && DigestoNormalizado(*manifestDigest).empty()) {
      throw UsageError("--manifest-digest pede um hash em hexadecimal: " + *manifestDigest);
    }
    ComandoResultado result;
    try {
      const InterruptSignals signals(carga);
      result = carga.ConfereHash(manifestDigest, hash);
    } catch (const EAlgoritmoNaoCabe& error) {
      hooks.ClearProgress();
      std::fflush(stdout);
      return ReportUsageError(Cp1252ToUtf8(error.Message()));
    } catch (const std::exception& error) {
      hooks.ClearProgress();
      std::fflush(stdout);
      ReportError(error);
      return kExitEnded;
    }
    hooks.ClearProgress();
    FlushOut();
    if (result == ComandoResultado::Interrompido) {
      const int code = InterruptSignals::ExitCode();
      return code != 0 ? code : kExitEnded;
    }
    return carga.Log.HasErrorLine() ? kExitFindings : kExitOk;
  }
};

}  // namespace

std::unique_ptr<Command> MakeVerifyCommand() { return std::make_unique<VerifyCommand>(); }

}  // namespace validador::cli
