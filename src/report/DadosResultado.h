#pragma once
// Everything the result report prints, handed over by whoever runs "Resultado".

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>

namespace validador {

struct DadosResultado {
  QStringList linhasLog;  // the verification log's lines, plain text
  QString digest;         // the manifest's digest (may be empty)
  QString algoritmo;      // the text of the algorithm box, e.g. "md5"
  QString numCaso, nomeAnalista, emailContato, telContato;
  QDate data;  // read separately when the command runs
  QTime hora;
};

}  // namespace validador
