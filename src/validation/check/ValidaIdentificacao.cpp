// The identification header: declared counts, contact data, case and bank numbers.

#include <cerrno>
#include <string>

#include "base/Cp1252.h"
#include "base/Errors.h"
#include "base/StrToInt.h"
#include "platform/Paths.h"
#include "validation/check/Carga.h"
#include "base/Mensagens.h"
#include "validation/rules/SeparaCampos.h"
#include "validation/check/StandardFiles.h"

namespace validador {
namespace {

constexpr int kHeaderFields = 16;
constexpr int kFirstCountField = 9;  // a_qtde_reg; fields 9..16 go to Edit1..Edit8

// The declared count field k stands for: "quantidade declarada de E" (fields 9..16 hold
// those of A, B, C, E, I, O, T and Y), after the name of the file that holds it.
std::string DeclaredCountPlace(const std::string& headerPath, int k) {
  constexpr std::string_view kLetters = "ABCEIOTY";
  return platform::FileNameOf(headerPath) + ", quantidade declarada de " +
         kLetters[static_cast<std::size_t>(k - kFirstCountField)];
}

// A declared count, in 64 bits: a file may hold more than 2^31 lines. A field too long
// to have been kept whole is no integer this check will take. The error names the file
// and the count beside the conversion's own text.
std::int64_t DeclaredCount(const FirstLine& header, int k, const std::string& headerPath) {
  const std::string text = HeaderField(header.text, k);
  if (HeaderFieldWasCut(header, k)) {
    throw EConvertError("'" + text + "\x85' is not a valid integer value",
                        DeclaredCountPlace(headerPath, k));
  }
  try {
    return StrToInt64(text);
  } catch (const EConvertError& error) {
    throw EConvertError(error.Message(), DeclaredCountPlace(headerPath, k));
  }
}

}  // namespace

std::int64_t Carga::PosicaoSeparador(std::string_view separator, std::string_view line,
                                     std::int64_t n) {
  // The position of the first separator plus, while n > 1, the same for the rest of
  // the line after it: the position of the n-th separator, or of the last one.
  std::int64_t position = 0;
  for (; n >= 1 && !separator.empty(); --n) {
    const auto found = line.find(separator);
    if (found == std::string_view::npos) break;
    position += static_cast<std::int64_t>(found) + 1;
    line.remove_prefix(found + separator.size());
  }
  return position;
}

// Something other than a regular file at the path (a FIFO, a folder, a link to nothing)
// is a missing file: it is not opened, so nothing waits on it.
bool Carga::ValidaIdentificacao(const std::string& path) {
  if (!FileExists(path)) throw EInOutError::FromErrno(ENOENT, path);
  ScanRequest request;
  request.type = rtI;
  request.algorithm = cbHashText;
  request.mode = ListagemPedida ? JudgeMode::PreScanAndRun : JudgeMode::PreScan;
  request.keepFirstLine = true;
  ListaDuranteVarredura(path, rtI, request);
  const ScanOutcome scan = Varre(path, request);
  AvisaTextoAposFim(path, rtI, scan);
  FileJudgeInputs inputs = JudgeInputsFor(path, rtI);
  inputs.headerOnly = true;
  FileVerdict verdict = JudgeFile(inputs, scan);
  const bool passed = ValidaIdentificacao(scan.firstLine, scan.digest);
  Julgado(std::move(verdict));
  return passed;
}

// The header's values as the file holds them, then its blocks as its verdict has them.
bool Carga::ValidaIdentificacao(const FirstLine& header, const std::string& digest) {
  const HeaderVerdict verdict = JudgeHeader(header, edtNrCaso, edtNrBanco);
  if (!verdict.fieldCountRight) {
    WriteErrorBlock(texts::HeaderFieldCount());
    return false;
  }

  const std::string& line = header.text;
  EmailContato = HeaderField(line, 8);
  TelContato = HeaderField(line, 7);
  NomeAnalista = HeaderField(line, 6);
  for (int k = kFirstCountField; k <= kHeaderFields; ++k) {
    Edit[k - kFirstCountField] = std::to_string(DeclaredCount(header, k, FEdit));
    AnnounceState();
  }
  NumCaso = HeaderField(line, 2);
  NumBanco = HeaderField(line, 3);
  WriteHeaderBlocks(verdict, digest);
  AddToDigestList(digest);
  return verdict.Passed();
}

void Carga::WriteHeaderBlocks(const HeaderVerdict& verdict, const std::string& digest) {
  if (!verdict.caseRight) WriteErrorBlock(texts::HeaderWrongCase());
  if (!verdict.bankRight) {
    // Unlike the driver's blocks, this one has its empty line, in the error style, before
    // the asterisk line.
    EscreveLog(texts::ErrorBanner(), true);
    EscreveLog(texts::HeaderWrongBank(), true);
    EscreveLog(digest, true);
    EscreveLog("", true);
    EscreveLog(texts::AsteriskLine(), true);
  }
}

}  // namespace validador
