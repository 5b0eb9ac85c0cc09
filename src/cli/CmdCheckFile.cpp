// `check-file`: one chosen file, as "Abre Arquivo" checks it.

#include <array>
#include <memory>

#include "cli/CheckCommandBase.h"
#include "cli/CommandRegistry.h"

namespace validador::cli {
namespace {

// A build without the report does not list --report (it takes it only to refuse it).
#ifdef VALIDADOR_HAS_REPORT
constexpr std::array<std::string_view, 10> kSynopsis = {
    "ARQUIVO",       "--bank TEXTO", "[--case TEXTO]", "[--folder PASTA]",
    "[--hash NOME]", "[--styled]",   "[--manifest]",   "[--force]",
    "[--report SAIDA.pdf]", "[--errors ARQUIVO [--max-errors N]]"};
#else
constexpr std::array<std::string_view, 9> kSynopsis = {
    "ARQUIVO",       "--bank TEXTO", "[--case TEXTO]", "[--folder PASTA]",
    "[--hash NOME]", "[--styled]",   "[--manifest]",   "[--force]",
    "[--errors ARQUIVO [--max-errors N]]"};
#endif

constexpr std::array<OptionSpec, 10> kOptions = {
    kCaseOption,     kBankOption, kHashOption,   kFolderOption, kStyledOption,
    kManifestOption, kForceOption, kReportOption, kErrorsOption, kMaxErrorsOption};

class CheckFileCommand final : public CheckCommandBase {
 public:
  CheckFileCommand()
      : CheckCommandBase({.name = "check-file",
                          .description = "Verifica um arquivo (\"Abre Arquivo\").",
                          .synopsis = kSynopsis,
                          .options = kOptions,
                          .positionals = {.required = 1, .maximum = 1,
                                          .missingMessage = "falta o ARQUIVO"}},
                         /*singleFile=*/true) {}
};

}  // namespace

std::unique_ptr<Command> MakeCheckFileCommand() { return std::make_unique<CheckFileCommand>(); }

}  // namespace validador::cli
