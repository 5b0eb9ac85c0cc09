#include "validation/check/FileVerdict.h"

#include "base/StrToInt.h"
#include "platform/Paths.h"
#include "base/Mensagens.h"
#include "validation/rules/SeparaCampos.h"

namespace validador {
namespace {

constexpr int kHeaderFields = 16;
constexpr int kCaseField = 2;
constexpr int kBankField = 3;

FileVerdict VerdictOf(const FileJudgeInputs& inputs) {
  FileVerdict verdict;
  verdict.type = inputs.type;
  verdict.path = inputs.path;
  verdict.nameOnDisk = platform::FileNameOf(inputs.path);
  verdict.declaredCount = inputs.declaredCount;
  verdict.headerOnly = inputs.headerOnly;
  verdict.inLog = inputs.inLog;
  return verdict;
}

ListingRow WholeFileRow(Regra regra, std::string mensagem) {
  ListingRow row;
  row.regra = regra;
  row.mensagem = std::move(mensagem);
  return row;
}

// The rows about the whole file, in the listing's order: header, empty file, count, encoding.
std::vector<ListingRow> WholeFileRows(const FileVerdict& verdict) {
  const std::string_view tabela = LayoutCatalogue::Instance().NomeTabela(verdict.type);
  std::vector<ListingRow> rows;
  if (!verdict.present) {
    rows.push_back(WholeFileRow(Regra::Arquivo, texts::FileMissing(tabela)));
    return rows;
  }
  if (!verdict.header.fieldCountRight) rows.push_back(WholeFileRow(Regra::Arquivo, texts::HeaderFieldCount()));
  if (!verdict.header.caseRight) rows.push_back(WholeFileRow(Regra::Arquivo, texts::HeaderWrongCase()));
  if (!verdict.header.bankRight) rows.push_back(WholeFileRow(Regra::Arquivo, texts::HeaderWrongBank()));
  if (verdict.empty) rows.push_back(WholeFileRow(Regra::Arquivo, texts::FileEmpty(tabela)));
  if (verdict.count == CountCheck::Unverified) {
    rows.push_back(WholeFileRow(Regra::Arquivo, texts::CountNotVerified(tabela)));
  } else if (verdict.count == CountCheck::Differs) {
    rows.push_back(WholeFileRow(Regra::Arquivo, texts::CountDiffers(tabela)));
  }
  if (verdict.looksUtf8) rows.push_back(WholeFileRow(Regra::Codificacao, texts::LooksUtf8()));
  if (verdict.bytesAfterEndOfText.value_or(0) != 0) {
    rows.push_back(WholeFileRow(Regra::Arquivo, TextoAposFim(tabela, *verdict.bytesAfterEndOfText)));
  }
  return rows;
}

// The line rows with the log's texts of their stage; a field's row has its rule's text.
LineRows WithTheirTexts(LineRows rows, RecordTypeIndex type) {
  const std::string_view tabela = LayoutCatalogue::Instance().NomeTabela(type);
  for (ListingRow& row : rows.rows) {
    if (row.regra != Regra::Campo) row.mensagem = MensagemDaLinha(row.regra, tabela, row.linha);
  }
  return rows;
}

}  // namespace

CountCheck CompareDeclaredCount(std::string_view declared, std::int64_t lineCount) {
  if (declared.empty()) return CountCheck::Unverified;
  return StrToInt64(declared) == lineCount ? CountCheck::Equal : CountCheck::Differs;
}

std::string HeaderField(std::string_view line, int k) {
  // The field runs from after the (k-1)-th tab to before the k-th, or to the line's end.
  std::size_t begin = 0;
  for (int field = 1; field < k; ++field) {
    const std::size_t tab = line.find('\t', begin);
    if (tab == std::string_view::npos) return {};
    begin = tab + 1;
  }
  const std::size_t end = line.find('\t', begin);
  return std::string(line.substr(begin, end == std::string_view::npos ? std::string_view::npos : end - begin));
}

bool HeaderFieldWasCut(const FirstLine& header, int k) {
  return static_cast<std::size_t>(k - 1) < header.fieldCut.size() && header.fieldCut[k - 1];
}

HeaderVerdict JudgeHeader(const FirstLine& header, std::string_view typedCase,
                          std::string_view typedBank) {
  HeaderVerdict verdict;
  verdict.judged = true;
  TRetorno fields;
  if (SeparaCampos(header.text, rtI, fields) != kHeaderFields) {
    verdict.fieldCountRight = false;
    return verdict;
  }
  verdict.caseRight =
      HeaderField(header.text, kCaseField) == typedCase && !HeaderFieldWasCut(header, kCaseField);
  verdict.bankRight =
      HeaderField(header.text, kBankField) == typedBank && !HeaderFieldWasCut(header, kBankField);
  return verdict;
}

RunResult JudgeRun(CountCheck count, const LineFacts& facts) {
  RunResult run;
  if (count == CountCheck::Differs) {
    run.stop = RunStop::CountDiffers;
  } else if (facts.fault == RunFault::FieldCount || facts.fault == RunFault::Record) {
    run.stop = facts.fault == RunFault::FieldCount ? RunStop::FieldCount : RunStop::Record;
    run.stopLine = facts.firstFault;
    run.validRecords = facts.firstFault - 1;
    if (facts.fault == RunFault::Record) run.MensagemErro = facts.MensagemErro;
  } else {
    run.status = RunStatus::Passed;
    run.validRecords = facts.count;
  }
  return run;
}

FileVerdict JudgeMissingFile(const FileJudgeInputs& inputs) {
  FileVerdict verdict = VerdictOf(inputs);
  if (inputs.listing) verdict.wholeFileRows = WholeFileRows(verdict);
  return verdict;
}

FileVerdict JudgeFile(const FileJudgeInputs& inputs, const ScanOutcome& scan) {
  FileVerdict verdict = VerdictOf(inputs);
  verdict.present = true;
  verdict.lines = scan.facts.count;
  verdict.empty = scan.facts.count == 0;
  verdict.digest = scan.digest;
  verdict.looksUtf8 = scan.looksUtf8;
  verdict.bytesAfterEndOfText = scan.bytesAfterEndOfText;
  if (inputs.type == rtI) {
    verdict.header = JudgeHeader(scan.firstLine, inputs.typedCase, inputs.typedBank);
  } else {
    verdict.count = CompareDeclaredCount(inputs.declaredCount, scan.facts.count);
  }
  verdict.preScan = {scan.facts.PreScanLines(), scan.facts.lastWrongLetter, scan.facts.firstWrongBank};
  verdict.run = JudgeRun(verdict.count, scan.facts);
  if (inputs.listing) {
    verdict.wholeFileRows = WholeFileRows(verdict);
    verdict.lineRows = WithTheirTexts(scan.rows, inputs.type);
  }
  return verdict;
}

FileOutcome FileVerdict::Outcome() const {
  if (!present) return FileOutcome::Missing;
  if (!header.Passed()) return FileOutcome::HeaderFailed;
  if (headerOnly) return FileOutcome::HeaderPassed;
  if (preScan.Verdict() != PreScanVerdict::Ready) return FileOutcome::StoppedBeforeRun;
  return run.status == RunStatus::Passed ? FileOutcome::RunPassed : FileOutcome::RunFailed;
}

bool FileVerdict::Passed() const {
  const FileOutcome outcome = Outcome();
  if (outcome == FileOutcome::HeaderPassed) return true;
  return outcome == FileOutcome::RunPassed && count != CountCheck::Unverified;
}

}  // namespace validador
