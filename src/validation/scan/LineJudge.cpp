#include "validation/scan/LineJudge.h"

namespace validador {
namespace {

// Characters 3 to 5 of the line (fewer, or none, when it is shorter).
std::string_view BankNumberOf(std::string_view line) {
  return line.size() > 2 ? line.substr(2, kBankNumberLength) : std::string_view();
}

}  // namespace

LineJudge::LineJudge(RecordTypeIndex type, std::string bank, JudgeMode mode)
    : type_(type),
      letter_(LayoutCatalogue::Instance().LetraTipo(type)),
      checksBank_(type != rtI),
      bank_(std::move(bank)),
      run_(mode == JudgeMode::PreScanAndRun),
      fieldCount_(LayoutCatalogue::Instance().QtdeCampos(type)),
      layout_(MontaListasLayout(type)) {}

// Past a wrong bank number the pre-scan reads no further, so nothing found there counts;
// past a wrong letter or the first bad record the run will not look, so records are no
// longer judged.
void LineJudge::Judge(std::string_view line, LineFacts& facts, TRetorno& fields) const {
  ++facts.count;
  if (facts.firstWrongBank != 0) return;
  if (checksBank_ && BankNumberOf(line) != bank_) {
    facts.firstWrongBank = facts.count;
    return;
  }
  if (line.empty() || line.front() != letter_) facts.lastWrongLetter = facts.count;
  if (!run_ || facts.firstFault != 0 || facts.lastWrongLetter != 0) return;
  if (SeparaCampos(line, type_, fields) != fieldCount_) {
    facts.firstFault = facts.count;
    facts.fault = RunFault::FieldCount;
    return;
  }
  if (!ValidaRegistro(fields, layout_, facts.MensagemErro)) {
    facts.firstFault = facts.count;
    facts.fault = RunFault::Record;
  }
}

}  // namespace validador

namespace validador {

// Each question is asked once; the answers feed both the facts, as Judge gathers them, and
// the listing's stages.
void LineJudge::JudgeAndList(std::string_view line, LineFacts& facts, TRetorno& fields,
                             LineRows& rows) const {
  const std::int64_t number = ++facts.count;
  const bool bankRight = !checksBank_ || BankNumberOf(line) == bank_;
  const bool letterRight = !line.empty() && line.front() == letter_;
  const bool countRight = SeparaCampos(line, type_, fields) == fieldCount_;
  std::string message;
  const bool recordRight = countRight && ValidaRegistro(fields, layout_, message);

  const bool preScanStopped = facts.firstWrongBank != 0;
  if (!preScanStopped) {
    if (!bankRight) facts.firstWrongBank = number;
    else if (!letterRight) facts.lastWrongLetter = number;
  }
  const bool runLooks = run_ && !preScanStopped && facts.firstWrongBank == 0 &&
                        facts.firstFault == 0 && facts.lastWrongLetter == 0;
  if (runLooks && !recordRight) {
    facts.firstFault = number;
    facts.fault = countRight ? RunFault::Record : RunFault::FieldCount;
    facts.MensagemErro = std::move(message);
  }

  if (bankRight && letterRight && recordRight) return;
  ++rows.linesWithError;
  ListingRow row;
  row.linha = number;
  if (!bankRight || !letterRight || !countRight) {
    row.regra = !bankRight ? Regra::Banco : !letterRight ? Regra::Letra : Regra::Campos;
    rows.Add(std::move(row));
    return;
  }
  ListFields(fields, number, rows);
}

void LineJudge::ListFields(const TRetorno& fields, std::int64_t line, LineRows& rows) const {
  std::string message;
  for (std::size_t i = 0; i < layout_.plan.size(); ++i) {
    ValidaCampo(fields[i], i, layout_, message);
    if (message.empty()) continue;
    ListingRow row;
    row.linha = line;
    row.regra = Regra::Campo;
    row.coluna = static_cast<int>(i) + 1;
    const std::string& name = layout_.NomesCampos[i];
    row.campo = !name.empty() && name.front() == ' ' ? name.substr(1) : name;
    row.mensagem = std::move(message);
    GuardaValor(row, fields[i]);
    rows.Add(std::move(row));
  }
}

}  // namespace validador
