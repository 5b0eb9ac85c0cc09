#pragma once
// What `check` and `check-file` share: their options and the run of the check itself
// ("Abre Arquivos" on a folder, "Abre Arquivo" on one file).

#include "cli/Command.h"
#include "cli/Commands.h"

namespace validador::cli {

inline constexpr OptionSpec kCaseOption{"--case", "TEXTO", "n.º do caso (obrigatório em check)"};
inline constexpr OptionSpec kBankOption{"--bank", "TEXTO",
                                        "n.º do banco, até três caracteres (obrigatório)"};
inline constexpr OptionSpec kFolderOption{"--folder", "PASTA",
                                          "pasta escolhida (check-file; padrão: a pasta do arquivo)"};
inline constexpr OptionSpec kStyledOption{"--styled", "",
                                          "prefixa cada linha do log com seu estilo: E, N ou -"};
inline constexpr OptionSpec kManifestOption{"--manifest", "", "grava HASHV.txt na pasta ao final"};
inline constexpr OptionSpec kForceOption{
    "--force", "", "substitui um HASHV.txt com mais linhas que o novo"};
// A build without the report takes --report only to refuse it, and does not list it.
#ifdef VALIDADOR_HAS_REPORT
inline constexpr bool kReportListed = true;
#else
inline constexpr bool kReportListed = false;
#endif
inline constexpr OptionSpec kReportOption{"--report", "SAIDA",
                                          "grava HASHV.txt e o relatório de resultado em PDF",
                                          kReportListed};
inline constexpr OptionSpec kErrorsOption{
    "--errors", "ARQUIVO", "grava a lista de todos os erros (.csv, .jsonl ou .xlsx)"};
inline constexpr OptionSpec kMaxErrorsOption{
    "--max-errors", "N", "erros listados por arquivo (padrão 1000; 0: todos)"};

// A usage error naming `folder` unless it is a folder: "a PASTA não existe: X" or
// "a PASTA não é uma pasta: X" (`what` is "a PASTA").
void RefuseMissingFolder(const std::string& folder, std::string_view what);

class CheckCommandBase : public Command {
 protected:
  // `singleFile`: the positional argument is the file to check, not the folder.
  CheckCommandBase(const Definition& definition, bool singleFile)
      : Command(definition), singleFile_(singleFile) {}

  int Run(const ParsedArgs& parsed) const override;

 private:
  bool singleFile_;
};

}  // namespace validador::cli
