// The identification header: declared counts, contact data, case and bank numbers.

#include <string>

#include "layout/StrToInt.h"
#include "validation/Carga.h"
#include "validation/FileDigest.h"
#include "validation/LineReader.h"
#include "validation/LogTexts.h"
#include "validation/SeparaCampos.h"

namespace validador {
namespace {

constexpr int kHeaderFields = 16;
constexpr int kFirstCountField = 9;  // a_qtde_reg; fields 9..16 go to Edit1..Edit8

// Field k (from 1) of a header line that holds exactly 15 tabs.
std::string HeaderField(std::string_view line, int k) {
  const int begin = k == 1 ? 0 : Carga::PosicaoSeparador("\t", line, k - 1);
  const int end = k == kHeaderFields ? static_cast<int>(line.size()) + 1
                                     : Carga::PosicaoSeparador("\t", line, k);
  return std::string(line.substr(begin, end - 1 - begin));
}

}  // namespace

std::int32_t Carga::PosicaoSeparador(std::string_view separator, std::string_view line,
                                     std::int32_t n) {
  // The position of the first separator plus, while n > 1, the same for the rest of
  // the line after it: the position of the n-th separator, or of the last one.
  std::int32_t position = 0;
  for (; n >= 1 && !separator.empty(); --n) {
    const auto found = line.find(separator);
    if (found == std::string_view::npos) break;
    position += static_cast<std::int32_t>(found) + 1;
    line.remove_prefix(found + separator.size());
  }
  return position;
}

bool Carga::ValidaIdentificacao(const std::string& path) {
  FileDigest digest(path, cbHashText, this);
  return ValidaIdentificacao(path, digest);
}

bool Carga::ValidaIdentificacao(const std::string& path, FileDigest& digest) {
  LineReader reader(path);
  std::string_view firstLine;
  if (!reader.Next(firstLine)) firstLine = {};
  const std::string line(firstLine);

  TRetorno fields;
  if (SeparaCampos(line, rtI, fields) != kHeaderFields) {
    WriteErrorBlock(texts::HeaderFieldCount());
    return false;
  }

  EmailContato = HeaderField(line, 8);
  TelContato = HeaderField(line, 7);
  NomeAnalista = HeaderField(line, 6);
  for (int k = kFirstCountField; k <= kHeaderFields; ++k) {
    Edit[k - kFirstCountField] = std::to_string(StrToInt(HeaderField(line, k)));
    hooks_->StateChanged();
  }
  NumCaso = HeaderField(line, 2);
  NumBanco = HeaderField(line, 3);
  reader.Close();

  bool passed = true;
  if (NumCaso != edtNrCaso) {
    WriteErrorBlock(texts::HeaderWrongCase());
    passed = false;
  }
  const std::string& text = digest.Text(this);
  if (NumBanco != edtNrBanco) {
    // Unlike the driver's blocks, this one has its empty line, in the error style, before
    // the asterisk line.
    EscreveLog(texts::ErrorBanner(), true);
    EscreveLog(texts::HeaderWrongBank(), true);
    EscreveLog(text, true);
    EscreveLog("", true);
    EscreveLog(texts::AsteriskLine(), true);
    passed = false;
  }
  AddToDigestList(text);
  return passed;
}

}  // namespace validador
