#pragma once
// The report's data taken from a check: the values it keeps, the manifest digest and
// the log's lines as the caller shows them. Header only: the report library itself
// takes plain data; the programs that own a check (window, command line) call this.

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

#include <string>

#include "layout/Cp1252.h"
#include "report/DadosResultado.h"
#include "validation/Carga.h"

namespace validador {

inline DadosResultado DadosDaCarga(const Carga& carga, QStringList linhasLog,
                                   const std::string& manifestDigest) {
  const auto text = [](const std::string& cp1252) {
    return QString::fromStdString(Cp1252ToUtf8(cp1252));
  };
  DadosResultado dados;
  dados.linhasLog = std::move(linhasLog);
  dados.digest = text(manifestDigest);
  dados.algoritmo = text(carga.cbHashText);
  dados.numCaso = text(carga.NumCaso);
  dados.nomeAnalista = text(carga.NomeAnalista);
  dados.emailContato = text(carga.EmailContato);
  dados.telContato = text(carga.TelContato);
  dados.data = QDate::currentDate();  // read separately from the time
  dados.hora = QTime::currentTime();
  return dados;
}

}  // namespace validador
