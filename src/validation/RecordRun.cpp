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

bool Carga::ConfereQtdeLinhas(RecordTypeIndex type, std::int32_t lineCount) {
  const std::string& box = Edit[DeclaredCountBox(type)];
  if (box.empty()) {
    WriteErrorBlock(texts::CountNotVerifiedBefore() + std::string(NomeTabela(type)) +
                    texts::CountNotVerifiedAfter());
    return false;
  }
  return StrToInt(box) != lineCount;
}

std::int32_t Carga::insereDadosTabelas(const std::string& path, RecordTypeIndex type,
                                       std::string& status, std::string& MensagemErro) {
  LineReader reader(path);
  GaugeMax = StrToInt(lblTotReg);
  const std::int32_t lineCount = GaugeMax;
  const TLayoutCampos layout = MontaListasLayout(type);
  const std::string tabela(NomeTabela(type));
  hooks_->StateChanged();
  const GaugeFinalNotice gaugeFinalNotice(*hooks_);

  if (type != rtI && ConfereQtdeLinhas(type, lineCount)) {
    WriteErrorBlock("Arquivo: " + tabela + texts::CountDiffersMiddle() + texts::CountDiffersEnd());
    status = "N";
    return 0;
  }

  const int fieldCount = LayoutCatalogue::Instance().QtdeCampos(type);
  std::int32_t validRecords = 0;
  TRetorno fields;
  std::string_view line;
  while (reader.Next(line)) {
    if (SeparaCampos(line, type, fields) != fieldCount) {
      status = "N";
      WriteErrorBlock(texts::FieldCountDiffers() + tabela + texts::LinePrefix() +
                      std::to_string(validRecords + 1));
      return validRecords;
    }
    if (!ValidaRegistro(fields, layout, MensagemErro)) {
      status = "N";
      EscreveLog(texts::ErrorBanner(), true);
      EscreveLog(tabela + ": " + MensagemErro + texts::LinePrefix() +
                     std::to_string(validRecords + 1),
                 true);
      return validRecords;
    }
    ++validRecords;
    GaugePos = validRecords;
    if (validRecords % kPumpInterval == 0) hooks_->ProcessMessages();
  }
  status = "S";
  return validRecords;
}

}  // namespace validador
