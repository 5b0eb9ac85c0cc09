// `check`: the eight files of a folder, as "Abre Arquivos" checks them.

#include <array>
#include <memory>

#include "cli/CheckCommandBase.h"
#include "base/Mensagens.h"
#include "cli/CommandRegistry.h"

namespace validador::cli {
namespace {

// A build without the report does not list --report (it takes it only to refuse it).
#ifdef VALIDADOR_HAS_REPORT
constexpr std::array<std::string_view, 9> kSynopsis = {
    "PASTA",      "--case TEXTO", "--bank TEXTO", "[--hash NOME]",
    "[--styled]", "[--manifest]", "[--force]",    "[--report SAIDA.pdf]",
    "[--errors ARQUIVO [--max-errors N]]"};
#else
constexpr std::array<std::string_view, 8> kSynopsis = {
    "PASTA",      "--case TEXTO", "--bank TEXTO", "[--hash NOME]",
    "[--styled]", "[--manifest]", "[--force]",    "[--errors ARQUIVO [--max-errors N]]"};
#endif

constexpr std::array<OptionSpec, 9> kOptions = {
    kCaseOption,  kBankOption,   kHashOption,   kStyledOption,   kManifestOption,
    kForceOption, kReportOption, kErrorsOption, kMaxErrorsOption};

class CheckCommand final : public CheckCommandBase {
 public:
  CheckCommand()
      : CheckCommandBase({.name = "check",
                          .description = "Verifica os oito arquivos da pasta (\"Abre Arquivos\").",
                          .synopsis = kSynopsis,
                          .options = kOptions,
                          .positionals = {.required = 1, .maximum = 1,
                                          .missingMessage = texts::kFaltaPasta}},
                         /*singleFile=*/false) {}
};

}  // namespace

std::unique_ptr<Command> MakeCheckCommand() { return std::make_unique<CheckCommand>(); }

}  // namespace validador::cli
