// The error listing of the files a command checks, written from their verdicts: the rows
// about each whole file, then those of its lines, then its summary. It weighs every fault,
// whatever the log stops at.

#include <string>

#include "validation/Carga.h"
#include "validation/StandardFiles.h"

namespace validador {

ListingWanted Carga::ListingOfScan() const {
  if (!ListagemPedida) return {};
  return {true, *ListagemPedida == 0 ? -1 : *ListagemPedida};
}

void Carga::ListaArquivo(const FileVerdict& verdict) {
  if (!ListagemPedida) return;
  FileListing& file = Listagem.BeginFile(verdict.nameOnDisk);
  file.ausente = !verdict.present;
  for (const ListingRow& row : verdict.wholeFileRows) Listagem.Add(row);
  for (const ListingRow& row : verdict.lineRows.rows) {
    if (Listagem.Room() == 0) break;
    Listagem.Add(row);
  }
  file.erros = verdict.Faults();
  file.linhas = verdict.lines;
  file.linhasComErro = verdict.LinesWithFaults();
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
  request.listing = ListingOfScan();
  request.keepFirstLine = type == rtI;
  Julgado(JudgeFile(inputs, Varre(path, request)));
}

}  // namespace validador
