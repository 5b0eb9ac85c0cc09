// The error listing of the files a command checks: the rows about each whole file, then
// those of its lines, then its summary. It weighs every fault, whatever the log stops at.

#include <string>

#include "layout/StrToInt.h"
#include "platform/Paths.h"
#include "validation/Carga.h"
#include "validation/LogTexts.h"
#include "validation/SeparaCampos.h"
#include "validation/StandardFiles.h"

namespace validador {
namespace {

std::string NameOnDisk(const std::string& path) {
  return platform::FileNameOf(path);
}

ListingRow WholeFileRow(Regra regra, std::string mensagem) {
  ListingRow row;
  row.regra = regra;
  row.mensagem = std::move(mensagem);
  return row;
}

}  // namespace

ListingWanted Carga::ListingOfScan() const {
  if (!ListagemPedida) return {};
  return {true, *ListagemPedida == 0 ? -1 : *ListagemPedida};
}

void Carga::ListaArquivoAusente(const std::string& path, RecordTypeIndex type) {
  if (!ListagemPedida) return;
  Listagem.BeginFile(NameOnDisk(path));
  Listagem.Add(WholeFileRow(Regra::Arquivo, "Arquivo: " + std::string(NomeTabela(type)) +
                                                texts::FileMissingAfter()));
}

// The header's rows come from the values the header check has just taken; the count rows
// from the declared counts it filled in.
void Carga::ListaArquivo(const std::string& path, RecordTypeIndex type, const ScanOutcome& scan) {
  if (!ListagemPedida) return;
  const std::string tabela(NomeTabela(type));
  FileListing& file = Listagem.BeginFile(NameOnDisk(path));
  if (type == rtI) {
    TRetorno fields;
    if (SeparaCampos(scan.firstLine.text, rtI, fields) != LayoutCatalogue::Instance().QtdeCampos(rtI)) {
      Listagem.Add(WholeFileRow(Regra::Arquivo, texts::HeaderFieldCount()));
    } else {
      if (NumCaso != edtNrCaso || (scan.firstLine.fieldCut.size() > 1 && scan.firstLine.fieldCut[1])) {
        Listagem.Add(WholeFileRow(Regra::Arquivo, texts::HeaderWrongCase()));
      }
      if (NumBanco != edtNrBanco || (scan.firstLine.fieldCut.size() > 2 && scan.firstLine.fieldCut[2])) {
        Listagem.Add(WholeFileRow(Regra::Arquivo, texts::HeaderWrongBank()));
      }
    }
  }
  if (scan.facts.count == 0) {
    Listagem.Add(WholeFileRow(Regra::Arquivo, texts::EmptyFile() + tabela));
  } else if (type != rtI) {
    const std::string& declared = Edit[static_cast<std::size_t>(type)];
    if (declared.empty()) {
      Listagem.Add(WholeFileRow(Regra::Arquivo, texts::CountNotVerifiedBefore() + tabela +
                                                    texts::CountNotVerifiedAfter()));
    } else if (StrToInt64(declared) != scan.facts.count) {
      Listagem.Add(WholeFileRow(Regra::Arquivo, "Arquivo: " + tabela + texts::CountDiffersMiddle() +
                                                    texts::CountDiffersEnd()));
    }
  }
  if (scan.looksUtf8) Listagem.Add(WholeFileRow(Regra::Codificacao, texts::LooksUtf8()));
  const std::int64_t wholeFileRows = file.erros;
  for (const ListingRow& line : scan.rows.rows) {
    if (Listagem.Room() == 0) break;
    ListingRow row = line;
    if (row.regra != Regra::Campo) row.mensagem = MensagemDaLinha(row.regra, tabela, row.linha);
    Listagem.Add(std::move(row));
  }
  file.erros = wholeFileRows + scan.rows.rowCount;
  file.linhas = scan.facts.count;
  file.linhasComErro = scan.rows.linesWithError;
}

// A file the log did not reach (the identification file stopped the check) is still read
// for the listing, with no digest and nothing in the log.
void Carga::ListaSemLog(const std::string& path, RecordTypeIndex type) {
  if (!ListagemPedida) return;
  if (!FileExists(path)) return ListaArquivoAusente(path, type);
  ScanRequest request;
  request.type = type;
  request.bank = edtNrBanco;
  request.listing = ListingOfScan();
  request.keepFirstLine = type == rtI;
  ListaArquivo(path, type, Varre(path, request));
}

}  // namespace validador
