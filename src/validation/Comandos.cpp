// The commands of the check: "Limpa Tela", "Abre Arquivos" and "Abre Arquivo".

#include <string>

#include "validation/Carga.h"
#include "validation/LogTexts.h"
#include "validation/StandardFiles.h"

namespace validador {

void Carga::LimpaTela() {
  Log.Clear();
  hooks_->LogCleared();
  Memo2.clear();
  for (auto& box : Edit) box.clear();
  GaugePos = 0;
  NomeAnalista.clear();
  EmailContato.clear();
  TelContato.clear();
  hooks_->StateChanged();
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
  ProcessaArquivos();
  AppendClosingLine();
  hooks_->FolderCheckFinished();
  return ComandoResultado::Concluido;
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
  hooks_->StateChanged();
  const std::string upperPath = UpperAscii(*chosen);
  const auto& catalogue = LayoutCatalogue::Instance();
  bool matched = false;
  for (const RecordTypeIndex type : kProcessingOrder) {
    if (upperPath.find(UpperAscii(catalogue.NomeArquivo(type))) == std::string::npos) continue;
    if (type == rtI) {
      ValidaIdentificacao(*chosen);
    } else {
      ProcessaArquivo(*chosen, type);
    }
    matched = true;
    break;
  }
  if (!matched) WriteErrorBlock(texts::NoStandardName());
  AppendClosingLine();
  return ComandoResultado::Concluido;
}

}  // namespace validador
