// "Limpa Tela", the stop of a running command, and the commands' entry points (each
// command is a class of its own).

#include <functional>
#include <string>

#include "validation/check/AbreArquivo.h"
#include "validation/check/AbreArquivos.h"
#include "validation/check/Carga.h"
#include "validation/listing/ListingSpool.h"
#include "base/Mensagens.h"

namespace validador {

void Carga::LimpaTela() {
  PastaVerificada.clear();
  FEdit.clear();
  lblTotReg = "0";
  lblTotRegVisible = false;
  Log.Clear();
  Listagem = ErrorListing(ListagemPedida.value_or(ErrorListing::kDefaultMaxErrors));
  if (ListagemPedida && ListagemEmDisco) {
    Listagem.SpoolTo(std::make_shared<ListingSpool>(ListagemEmDisco->format, ListagemEmDisco->folder,
                                                    *ListagemPedida));
  }
  Veredictos.clear();
  hooks_->LogCleared();
  Memo2.clear();
  for (auto& box : Edit) box.clear();
  GaugePos = 0;
  NumCaso.clear();
  NumBanco.clear();
  NomeAnalista.clear();
  EmailContato.clear();
  TelContato.clear();
  AnnounceState();
}

// Runs the check; a stop the user asked for ends it with a line that says so, in place
// of what the check had still to write.
ComandoResultado Carga::UntilStopped(const std::function<void()>& check) {
  try {
    check();
    return ComandoResultado::Concluido;
  } catch (const CheckInterrupted&) {
    EscreveLog(texts::CheckInterrupted(), true);
    return ComandoResultado::Interrompido;
  }
}

ComandoResultado Carga::AbreArquivos() { return validador::AbreArquivos(*this).Executa(); }

ComandoResultado Carga::AbreArquivo() { return validador::AbreArquivo(*this).Executa(); }

}  // namespace validador
