// The commands of the check: "Limpa Tela", "Abre Arquivos" and "Abre Arquivo".

#include <array>
#include <string>

#include "validation/Carga.h"
#include "validation/LogTexts.h"
#include "validation/StandardFiles.h"

namespace validador {
namespace {

// The order in which a chosen file's upper-cased path is searched for a standard name.
constexpr std::array<RecordTypeIndex, 8> kNameSearchOrder = {rtI, rtA, rtB, rtC,
                                                             rtE, rtO, rtT, rtY};

}  // namespace

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
    hooks_->Notice(texts::InvalidAlgorithm(), InputBox::Hash);
    return ComandoResultado::AlgoritmoInvalido;
  }
  if (edtNrCaso.empty()) {
    hooks_->Notice(texts::FillCase(), InputBox::Caso);
    return ComandoResultado::FaltaCaso;
  }
  if (edtNrBanco.empty()) {
    hooks_->Notice(texts::FillBank(), InputBox::Banco);
    return ComandoResultado::FaltaBanco;
  }
  hooks_->SetCursor(CursorKind::Hourglass);
  ProcessaArquivos();
  AppendClosingLine();
  hooks_->SetCursor(CursorKind::Normal);
  return ComandoResultado::Concluido;
}

ComandoResultado Carga::AbreArquivo() {
  LimpaTela();
  AplicaAlgoritmoPadrao();
  if (!AlgoritmoValido()) {
    hooks_->Notice(texts::InvalidAlgorithm(), InputBox::Hash);
    return ComandoResultado::AlgoritmoInvalido;
  }
  if (edtNrBanco.empty()) {
    hooks_->Notice(texts::FillBank(), InputBox::Banco);
    return ComandoResultado::FaltaBanco;
  }
  const std::optional<std::string> chosen = hooks_->ChooseFile(dlb1);
  if (!chosen) {
    hooks_->SetCursor(CursorKind::Normal);
    AppendClosingLine();
    return ComandoResultado::Concluido;
  }

  FEdit = *chosen;
  hooks_->StateChanged();
  const std::string upperPath = UpperAscii(*chosen);
  const auto& catalogue = LayoutCatalogue::Instance();
  bool matched = false;
  for (const RecordTypeIndex type : kNameSearchOrder) {
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
