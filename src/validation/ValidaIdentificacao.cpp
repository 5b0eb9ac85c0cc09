// The identification header: declared counts, contact data, case and bank numbers.

#include <cerrno>
#include <string>

#include "layout/Cp1252.h"
#include "layout/Errors.h"
#include "layout/StrToInt.h"
#include "platform/Paths.h"
#include "validation/Carga.h"
#include "validation/LogTexts.h"
#include "validation/SeparaCampos.h"
#include "validation/StandardFiles.h"

namespace validador {
namespace {

constexpr int kHeaderFields = 16;
constexpr int kFirstCountField = 9;  // a_qtde_reg; fields 9..16 go to Edit1..Edit8

// Field k (from 1) of a header line that holds exactly 15 tabs.
std::string HeaderField(std::string_view line, int k) {
  const std::int64_t begin = k == 1 ? 0 : Carga::PosicaoSeparador("\t", line, k - 1);
  const std::int64_t end = k == kHeaderFields ? static_cast<std::int64_t>(line.size()) + 1
                                              : Carga::PosicaoSeparador("\t", line, k);
  return std::string(line.substr(static_cast<std::size_t>(begin),
                                 static_cast<std::size_t>(end - 1 - begin)));
}

bool WasCut(const FirstLine& header, int k) {
  return static_cast<std::size_t>(k - 1) < header.fieldCut.size() && header.fieldCut[k - 1];
}

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
  if (WasCut(header, k)) {
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
  request.listing = ListingOfScan();
  const ScanOutcome scan = Varre(path, request);
  const bool passed = ValidaIdentificacao(scan.firstLine, scan.digest);
  ListaArquivo(path, rtI, scan);
  return passed;
}

// The header's values as the file holds them. A case or bank number too long to have
// been kept whole differs from anything typed.
bool Carga::ValidaIdentificacao(const FirstLine& header, const std::string& digest) {
  const std::string& line = header.text;
  TRetorno fields;
  if (SeparaCampos(line, rtI, fields) != kHeaderFields) {
    WriteErrorBlock(texts::HeaderFieldCount());
    return false;
  }

  EmailContato = HeaderField(line, 8);
  TelContato = HeaderField(line, 7);
  NomeAnalista = HeaderField(line, 6);
  for (int k = kFirstCountField; k <= kHeaderFields; ++k) {
    Edit[k - kFirstCountField] = std::to_string(DeclaredCount(header, k, FEdit));
    hooks_->StateChanged();
  }
  NumCaso = HeaderField(line, 2);
  NumBanco = HeaderField(line, 3);

  bool passed = true;
  if (NumCaso != edtNrCaso || WasCut(header, 2)) {
    WriteErrorBlock(texts::HeaderWrongCase());
    passed = false;
  }
  if (NumBanco != edtNrBanco || WasCut(header, 3)) {
    // Unlike the driver's blocks, this one has its empty line, in the error style, before
    // the asterisk line.
    EscreveLog(texts::ErrorBanner(), true);
    EscreveLog(texts::HeaderWrongBank(), true);
    EscreveLog(digest, true);
    EscreveLog("", true);
    EscreveLog(texts::AsteriskLine(), true);
    passed = false;
  }
  AddToDigestList(digest);
  return passed;
}

}  // namespace validador
