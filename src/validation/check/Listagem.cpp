// The error listing of the files a command checks, written from their verdicts: the rows
// about each whole file, then those of its lines, then its summary. It weighs every fault,
// whatever the log stops at.

#include <string>

#include "platform/Paths.h"
#include "validation/check/Carga.h"
#include "validation/check/StandardFiles.h"

namespace validador {

ListingWanted Carga::ListingOfScan() const {
  if (!ListagemPedida) return {};
  return {true, *ListagemPedida == 0 ? -1 : *ListagemPedida};
}

// Begins the file's rows, and has the scan hand over the rows of its lines as it finds
// them, with the log's texts: they are never all held at once (the verdict keeps their
// counts only).
void Carga::ListaDuranteVarredura(const std::string& path, RecordTypeIndex type, ScanRequest& request) {
  request.listing = ListingOfScan();
  if (!request.listing.wanted) return;
  Listagem.BeginFile(platform::FileNameOf(path));
  request.rowSink = [this, tabela = std::string(NomeTabela(type))](ListingRow&& row) {
    if (row.regra != Regra::Campo) row.mensagem = MensagemDaLinha(row.regra, tabela, row.linha);
    Listagem.AddLineRow(std::move(row));
  };
}

// The file's own rows come before those of its lines, which its read has handed over
// already (a missing file was never read: it is begun here).
void Carga::ListaArquivo(const FileVerdict& verdict) {
  if (!ListagemPedida) return;
  if (!verdict.present) Listagem.BeginFile(verdict.nameOnDisk);
  FileListing& file = Listagem.Current();
  file.ausente = !verdict.present;
  for (const ListingRow& row : verdict.wholeFileRows) Listagem.Add(row);
  for (const ListingRow& row : verdict.lineRows.rows) Listagem.AddLineRow(row);
  file.erros = verdict.Faults();
  file.linhas = verdict.lines;
  file.linhasComErro = verdict.LinesWithFaults();
  Listagem.EndFile();
}

// A file the log did not reach (the identification file stopped the check) is still read
// for the listing, with no digest and nothing in the log.
void Carga::ListaSemLog(const std::string& path, RecordTypeIndex type) {
  if (!ListagemPedida) return;
  FileJudgeInputs inputs = JudgeInputsFor(path, type);
  inputs.inLog = false;
  if (!FileExists(path)) return Julgado(JudgeMissingFile(inputs));
  ScanRequest request;
  request.type = type;
  request.bank = edtNrBanco;
  request.keepFirstLine = type == rtI;
  ListaDuranteVarredura(path, type, request);
  Julgado(JudgeFile(inputs, Varre(path, request)));
}

}  // namespace validador
