#include "validation/check/AbreArquivo.h"

#include "hash/Calchash.h"
#include "platform/Paths.h"
#include "base/Mensagens.h"
#include "validation/check/StandardFiles.h"

namespace validador {

ComandoResultado AbreArquivo::Executa() {
  carga_.LimpaTela();
  carga_.AplicaAlgoritmoPadrao();
  if (const std::optional<ComandoResultado> refused = InputsRefused()) return *refused;
  const std::optional<std::string> chosen = carga_.hooks_->ChooseFile(carga_.dlb1);
  if (!chosen) {
    carga_.AppendClosingLine();
    return ComandoResultado::Concluido;
  }

  carga_.FEdit = *chosen;
  carga_.AnnounceState();
  bool checked = false;
  const ComandoResultado result =
      carga_.UntilStopped([this, &chosen, &checked] { checked = CheckChosenFile(*chosen); });
  carga_.AppendClosingLine();
  if (result == ComandoResultado::Concluido && checked) carga_.PastaVerificada = platform::FolderOf(*chosen);
  return result;
}

std::optional<ComandoResultado> AbreArquivo::InputsRefused() {
  if (!carga_.AlgoritmoValido()) {
    carga_.hooks_->InputNotice(texts::InvalidAlgorithm(), Entrada::Algoritmo);
    return ComandoResultado::AlgoritmoInvalido;
  }
  if (carga_.edtNrBanco.empty()) {
    carga_.hooks_->InputNotice(texts::FillBank(), Entrada::Banco);
    return ComandoResultado::FaltaBanco;
  }
  return std::nullopt;
}

// The chosen file is known by the first standard name, in the order of the check, found
// anywhere in its own upper-cased name. Folder names are not looked at: a file inside
// "I_IDENTIFICA_DADOS.txt.old/" is not the identification file. False when the name holds
// none and nothing was checked.
bool AbreArquivo::CheckChosenFile(const std::string& path) {
  const std::string upperName = UpperAscii(platform::FileNameOf(path));
  const auto& catalogue = LayoutCatalogue::Instance();
  for (const RecordTypeIndex type : kProcessingOrder) {
    if (upperName.find(UpperAscii(catalogue.NomeArquivo(type))) == std::string::npos) continue;
    if (type == rtI) {
      carga_.ValidaIdentificacao(path);
    } else {
      carga_.ProcessaArquivo(path, type);
    }
    return true;
  }
  carga_.WriteErrorBlock(texts::NoStandardName());
  return false;
}

}  // namespace validador
