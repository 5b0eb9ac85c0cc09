// The file driver: existence, identification header, pre-scan, record run and
// digest of one file; and the eight standard files of a folder in their order.

#include <array>
#include <string>

#include "validation/Carga.h"
#include "validation/ElapsedTime.h"
#include "validation/FileDigest.h"
#include "validation/LogTexts.h"
#include "validation/StandardFiles.h"

namespace validador {
namespace {

// The order in which a folder's files are processed: the identification file first.
constexpr std::array<RecordTypeIndex, 8> kProcessingOrder = {rtI, rtA, rtB, rtC,
                                                             rtE, rtO, rtT, rtY};

}  // namespace

bool Carga::ProcessaArquivo(const std::string& path, RecordTypeIndex type) {
  const std::string tabela(NomeTabela(type));
  FEdit = path;
  hooks_->StateChanged();
  if (FEdit.empty()) {
    hooks_->SetCursor(CursorKind::Normal);
    return false;
  }
  if (!FileExists(path)) {
    EscreveLog("Arquivo: " + tabela + texts::FileMissingAfter(), true);
    EscreveLog("", false);
    hooks_->SetCursor(CursorKind::Normal);
    return false;
  }

  FileDigest digest(path, cbHashText, this);
  if (type == rtI && !ValidaIdentificacao(path, digest)) return false;

  lblTotRegVisible = true;
  std::string wrongLetter, wrongBank;
  lblTotReg = std::to_string(ContaLinhas(type, wrongLetter, wrongBank));
  hooks_->StateChanged();

  if (wrongLetter != "0" && wrongLetter != "-1") {
    const std::string& text = digest.Text(this);
    EscreveLog(texts::ErrorBanner(), true);
    EscreveLog(texts::WrongLetter() + wrongLetter + "\t" + tabela, true);
    EscreveLog(text, true);
    EscreveLog(texts::AsteriskLine(), true);
    EscreveLog("", false);
    if (type != rtI) AddToDigestList(text);
    hooks_->SetCursor(CursorKind::Normal);
    return false;
  }
  if (wrongLetter == "-1") {
    const std::string& text = digest.Text(this);
    EscreveLog(texts::ErrorBanner(), true);
    EscreveLog(texts::EmptyFile() + tabela, true);
    EscreveLog(text, true);
    EscreveLog(texts::AsteriskLine(), true);
    EscreveLog("", true);
    AddToDigestList(text);
    hooks_->SetCursor(CursorKind::Normal);
    return false;
  }
  if (wrongBank != "0") {
    const std::string& text = digest.Text(this);
    EscreveLog(texts::ErrorBanner(), true);
    EscreveLog(texts::WrongBank() + wrongBank + "     " + tabela, true);
    EscreveLog(text, true);
    EscreveLog(texts::AsteriskLine(), true);
    EscreveLog("", false);
    AddToDigestList(text);
    hooks_->SetCursor(CursorKind::Normal);
    return false;
  }

  const ElapsedTime elapsed;
  std::string status, mensagemErro;
  const std::int32_t validRecords = insereDadosTabelas(path, type, status, mensagemErro);
  const std::string elapsedText = elapsed.Text();
  const std::string& text = digest.Text(this);
  if (status == "S") {
    EscreveLog(texts::SuccessBefore() + tabela + ".\tOk - " + elapsedText +
                   texts::SuccessRecords() + std::to_string(validRecords),
               false);
    EscreveLog(text, false);
  } else {
    EscreveLog(text, true);
    EscreveLog(texts::AsteriskLine(), true);
  }
  EscreveLog("", false);
  if (type != rtI) AddToDigestList(text);
  return true;
}

void Carga::ProcessaArquivos() {
  PastaSelecionada = dlb1;
  hooks_->StateChanged();
  for (const RecordTypeIndex type : kProcessingOrder) {
    const bool reachedRun = ProcessaArquivo(StandardFilePath(PastaSelecionada, type), type);
    if (type == rtI && !reachedRun) return;
  }
}

}  // namespace validador
