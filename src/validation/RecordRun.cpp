// The record run of one file: count check, then every line split and judged,
// stopping at the first line that fails.

#include <string>

#include "layout/StrToInt.h"
#include "validation/Carga.h"
#include "validation/LineReader.h"
#include "validation/LogTexts.h"
#include "validation/SeparaCampos.h"
#include "validation/ValidaCampos.h"

namespace validador {
namespace {

// The declared-count box of each record type (A,B,C,E,I,O,T,Y -> Edit1..Edit8).
constexpr int DeclaredCountBox(RecordTypeIndex type) { return static_cast<int>(type); }

// Tells the shell, on every way out of a run, that the gauge has its final position.
class GaugeFinalNotice {
 public:
  explicit GaugeFinalNotice(CargaHooks& hooks) : hooks_(hooks) {}
  ~GaugeFinalNotice() { hooks_.StateChanged(); }
  GaugeFinalNotice(const GaugeFinalNotice&) = delete;
  GaugeFinalNotice& operator=(const GaugeFinalNotice&) = delete;

 private:
  CargaHooks& hooks_;
};

}  // namespace

bool Carga::ConfereQtdeLinhas(RecordTypeIndex type, std::int64_t lineCount) {
  const std::string& box = Edit[DeclaredCountBox(type)];
  if (box.empty()) {
    WriteErrorBlock(texts::CountNotVerifiedBefore() + std::string(NomeTabela(type)) +
                    texts::CountNotVerifiedAfter());
    return false;
  }
  return StrToInt(box) != lineCount;
}

RunResult Carga::insereDadosTabelas(const std::string& path, RecordTypeIndex type) {
  LineReader reader(path);
  GaugeMax = StrToInt(lblTotReg);
  const std::int64_t lineCount = GaugeMax;
  const TLayoutCampos layout = MontaListasLayout(type);
  const std::string tabela(NomeTabela(type));
  hooks_->StateChanged();
  const GaugeFinalNotice gaugeFinalNotice(*hooks_);

  RunResult run;
  if (type != rtI && ConfereQtdeLinhas(type, lineCount)) {
    WriteErrorBlock("Arquivo: " + tabela + texts::CountDiffersMiddle() + texts::CountDiffersEnd());
    return run;
  }

  const int fieldCount = LayoutCatalogue::Instance().QtdeCampos(type);
  TRetorno fields;
  std::string_view line;
  while (reader.Next(line)) {
    if (SeparaCampos(line, type, fields) != fieldCount) {
      WriteErrorBlock(texts::FieldCountDiffers() + tabela + texts::LinePrefix() +
                      std::to_string(run.validRecords + 1));
      return run;
    }
    if (!ValidaRegistro(fields, layout, run.MensagemErro)) {
      // The driver closes this block after the file's digest.
      EscreveLog(texts::ErrorBanner(), true);
      EscreveLog(tabela + ": " + run.MensagemErro + texts::LinePrefix() +
                     std::to_string(run.validRecords + 1),
                 true);
      return run;
    }
    ++run.validRecords;
    GaugePos = static_cast<std::int32_t>(run.validRecords);
    if (run.validRecords % kPumpInterval == 0) hooks_->Progress();
  }
  run.status = RunStatus::Passed;
  return run;
}

}  // namespace validador
