#include "validation/check/AbreArquivos.h"

#include "hash/Calchash.h"
#include "base/Mensagens.h"

namespace validador {

ComandoResultado AbreArquivos::Executa() {
  carga_.LimpaTela();
  carga_.AplicaAlgoritmoPadrao();
  if (const std::optional<ComandoResultado> refused = InputsRefused()) return *refused;
  carga_.hooks_->FolderCheckStarted();
  const ComandoResultado result = carga_.UntilStopped([this] { carga_.ProcessaArquivos(); });
  carga_.AppendClosingLine();
  if (result == ComandoResultado::Concluido) carga_.PastaVerificada = carga_.PastaSelecionada;
  carga_.hooks_->FolderCheckFinished();
  return result;
}

std::optional<ComandoResultado> AbreArquivos::InputsRefused() {
  if (!carga_.AlgoritmoValido()) {
    carga_.hooks_->InputNotice(texts::InvalidAlgorithm(), Entrada::Algoritmo);
    return ComandoResultado::AlgoritmoInvalido;
  }
  if (carga_.edtNrCaso.empty()) {
    carga_.hooks_->InputNotice(texts::FillCase(), Entrada::Caso);
    return ComandoResultado::FaltaCaso;
  }
  if (carga_.edtNrBanco.empty()) {
    carga_.hooks_->InputNotice(texts::FillBank(), Entrada::Banco);
    return ComandoResultado::FaltaBanco;
  }
  return std::nullopt;
}

}  // namespace validador
