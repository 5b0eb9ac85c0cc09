#include "resultado/DadosDaCarga.h"

#include <QDate>
#include <QTime>
#include <utility>

#include "qttexts/QtTexts.h"

namespace validador {
namespace {

// A value read from the delivery (the file may hold anything there, of any length) as
// the report shows it: up to kShownCharacters characters, a longer one cut with an
// ellipsis. Windows-1252 has one byte a character, so the cut is made on the bytes.
QString ShownValue(const std::string& cp1252) {
  if (cp1252.size() <= kShownCharacters) return FromCp1252(cp1252);
  return FromCp1252(cp1252.substr(0, kShownCharacters)) + QChar(0x2026);
}

}  // namespace

DadosResultado DadosDaCarga(const Carga& carga, QStringList linhasLog,
                            const std::string& manifestDigest) {
  DadosResultado dados;
  dados.linhasLog = std::move(linhasLog);
  dados.digest = FromCp1252(manifestDigest);
  dados.algoritmo = ShownValue(carga.cbHashText);
  // The case number of the delivery checked: its identification file's when the check read
  // one, else the one typed for the check.
  dados.numCaso = ShownValue(carga.NumCaso.empty() ? carga.edtNrCaso : carga.NumCaso);
  dados.nomeAnalista = ShownValue(carga.NomeAnalista);
  dados.emailContato = ShownValue(carga.EmailContato);
  dados.telContato = ShownValue(carga.TelContato);
  dados.data = QDate::currentDate();  // read separately from the time
  dados.hora = QTime::currentTime();
  return dados;
}

}  // namespace validador
