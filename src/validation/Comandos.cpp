// The commands of the check: "Limpa Tela", "Abre Arquivos" and "Abre Arquivo".

#include <filesystem>
#include <functional>
#include <string>

#include "platform/Paths.h"
#include "validation/Carga.h"
#include "validation/ListingSpool.h"
#include "validation/LogTexts.h"
#include "validation/StandardFiles.h"

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

ComandoResultado Carga::AbreArquivos() {
  LimpaTela();
  AplicaAlgoritmoPadrao();
  if (!AlgoritmoValido()) {
    hooks_->InputNotice(texts::InvalidAlgorithm(), Entrada::Algoritmo);
    return ComandoResultado::AlgoritmoInvalido;
  }
  if (edtNrCaso.empty()) {
    hooks_->InputNotice(texts::FillCase(), Entrada::Caso);
    return ComandoResultado::FaltaCaso;
  }
  if (edtNrBanco.empty()) {
    hooks_->InputNotice(texts::FillBank(), Entrada::Banco);
    return ComandoResultado::FaltaBanco;
  }
  hooks_->FolderCheckStarted();
  const ComandoResultado result = UntilStopped([this] { ProcessaArquivos(); });
  AppendClosingLine();
  if (result == ComandoResultado::Concluido) PastaVerificada = PastaSelecionada;
  hooks_->FolderCheckFinished();
  return result;
}

ComandoResultado Carga::AbreArquivo() {
  LimpaTela();
  AplicaAlgoritmoPadrao();
  if (!AlgoritmoValido()) {
    hooks_->InputNotice(texts::InvalidAlgorithm(), Entrada::Algoritmo);
    return ComandoResultado::AlgoritmoInvalido;
  }
  if (edtNrBanco.empty()) {
    hooks_->InputNotice(texts::FillBank(), Entrada::Banco);
    return ComandoResultado::FaltaBanco;
  }
  const std::optional<std::string> chosen = hooks_->ChooseFile(dlb1);
  if (!chosen) {
    AppendClosingLine();
    return ComandoResultado::Concluido;
  }

  FEdit = *chosen;
  AnnounceState();
  bool checked = false;
  const ComandoResultado result =
      UntilStopped([this, &chosen, &checked] { checked = CheckChosenFile(*chosen); });
  AppendClosingLine();
  if (result == ComandoResultado::Concluido && checked) {
    PastaVerificada = std::filesystem::path(*chosen).parent_path().string();
  }
  return result;
}

// The chosen file is known by the first standard name, in the order of the check, found
// anywhere in its own upper-cased name. Folder names are not looked at: a file inside
// "I_IDENTIFICA_DADOS.txt.old/" is not the identification file. False when the name holds
// none and nothing was checked.
bool Carga::CheckChosenFile(const std::string& path) {
  const std::string upperName = UpperAscii(platform::FileNameOf(path));
  const auto& catalogue = LayoutCatalogue::Instance();
  for (const RecordTypeIndex type : kProcessingOrder) {
    if (upperName.find(UpperAscii(catalogue.NomeArquivo(type))) == std::string::npos) continue;
    if (type == rtI) {
      ValidaIdentificacao(path);
    } else {
      ProcessaArquivo(path, type);
    }
    return true;
  }
  WriteErrorBlock(texts::NoStandardName());
  return false;
}

}  // namespace validador
