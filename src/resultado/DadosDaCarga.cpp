#include "resultado/DadosDaCarga.h"

#include <QDate>
#include <QTime>
#include <utility>

#include "resultado/QtTexts.h"

namespace validador {

DadosResultado DadosDaCarga(const Carga& carga, QStringList linhasLog,
                            const std::string& manifestDigest) {
  DadosResultado dados;
  dados.linhasLog = std::move(linhasLog);
  dados.digest = FromCp1252(manifestDigest);
  dados.algoritmo = FromCp1252(carga.cbHashText);
  dados.numCaso = FromCp1252(carga.NumCaso);
  dados.nomeAnalista = FromCp1252(carga.NomeAnalista);
  dados.emailContato = FromCp1252(carga.EmailContato);
  dados.telContato = FromCp1252(carga.TelContato);
  dados.data = QDate::currentDate();  // read separately from the time
  dados.hora = QTime::currentTime();
  return dados;
}

}  // namespace validador
