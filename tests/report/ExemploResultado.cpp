#include "report/ExemploResultado.h"

namespace reporttest {

validador::DadosResultado ExemploResultado() {
  validador::DadosResultado dados;
  dados.linhasLog = {QStringLiteral("Verificação do arquivo I_IDENTIFICA_DADOS.txt concluída.")};
  dados.digest = DigestDe(32);
  dados.algoritmo = QStringLiteral("md5");
  dados.numCaso = QStringLiteral("2024-000123");
  dados.nomeAnalista = QStringLiteral("Maria Conceição Souza");
  dados.emailContato = QStringLiteral("maria.souza@banco.example");
  dados.telContato = QStringLiteral("(61) 5555-0101");
  dados.data = QDate(2024, 3, 7);
  dados.hora = QTime(9, 5, 3);
  return dados;
}

QString DigestDe(int length) {
  static const char hexDigits[] = "0123456789ABCDEF";
  QString digest;
  unsigned state = 12345;
  for (int i = 0; i < length; ++i) {
    state = state * 1103515245u + 12345u;
    digest += QLatin1Char(hexDigits[(state >> 16) % 16]);
  }
  return digest;
}

QStringList LogDe(int count) {
  QStringList lines;
  for (int i = 1; i <= count; ++i)
    lines << QStringLiteral("Linha %1 do log de verificação").arg(i, 3, 10, QLatin1Char('0'));
  return lines;
}

std::string Utf8(const QString& text) { return text.toStdString(); }

}  // namespace reporttest
