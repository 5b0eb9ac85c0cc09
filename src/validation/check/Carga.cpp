#include "validation/check/Carga.h"

#include "hash/Calchash.h"
#include "base/Mensagens.h"

namespace validador {

Carga::Carga(CargaHooks* hooks)
    : cbHashText(texts::HashBoxPrompt()), hooks_(hooks != nullptr ? hooks : &defaultHooks_) {}

Carga::~Carga() = default;

void Carga::EscreveLog(std::string_view text, bool errorStyle) {
  hooks_->LogLineAdded(Log.EscreveLog(text, errorStyle));
}

void Carga::AppendClosingLine() { hooks_->LogLineAdded(Log.AppendPlain(texts::ClosingLine())); }

void Carga::WriteErrorBlock(const std::string& message) {
  EscreveLog(texts::ErrorBanner(), true);
  EscreveLog(message, true);
  EscreveLog(texts::AsteriskLine(), true);
}

bool Carga::AplicaAlgoritmoPadrao() {
  if (cbHashIndex != -1) return false;
  cbHashIndex = AlgorithmIndex(kDefaultAlgorithm);
  cbHashText = std::string(kDefaultAlgorithm);
  AnnounceState();
  return true;
}

bool Carga::AlgoritmoValido() const { return IsAlgorithmName(cbHashText); }

std::string Carga::Calchash(const std::string& path) {
  return validador::Calchash(path, cbHashText, this, this);
}

void Carga::CannotReadFile(const std::string& path) { hooks_->CannotReadFile(path); }

CargaSnapshot Carga::Snapshot() const {
  CargaSnapshot state;
  state.file = FEdit;
  state.lineTotal = lblTotReg;
  state.lineTotalVisible = lblTotRegVisible;
  state.declaredCounts = Edit;
  state.gaugeMax = GaugeMax;
  state.gaugePos = GaugePos;
  state.algorithmIndex = cbHashIndex;
  state.algorithmText = cbHashText;
  state.digests = Memo2;
  return state;
}

void Carga::AnnounceState() { hooks_->StateChanged(Snapshot()); }

void Carga::MoveGauge(std::uint64_t position, std::uint64_t maximum) {
  GaugeMax = static_cast<std::int64_t>(maximum);
  GaugePos = static_cast<std::int64_t>(position);
  hooks_->Progress(FEdit, GaugePos, GaugeMax);
}

void Carga::AddToDigestList(const std::string& digest) {
  Memo2.push_back(digest);
  AnnounceState();
}

std::string_view Carga::NomeTabela(RecordTypeIndex type) const {
  return LayoutCatalogue::Instance().NomeTabela(type);
}

}  // namespace validador
