#include "report/DataHoraTexto.h"

namespace validador {

QString TextoData(const QDate& data, const QLocale& locale) {
  return locale.toString(data, QLocale::ShortFormat);
}

QString TextoHora(const QTime& hora, const QLocale& locale) {
  return locale.toString(hora, FormatoSemFusoHorario(locale.timeFormat(QLocale::LongFormat)));
}

QString FormatoSemFusoHorario(const QString& format) {
  QString result;
  bool quoted = false;
  for (qsizetype i = 0; i < format.size(); ++i) {
    const QChar c = format[i];
    if (c == QLatin1Char('\'')) quoted = !quoted;
    if (quoted || c != QLatin1Char('t')) {
      result += c;
      continue;
    }
    while (!result.isEmpty() && result.back().isSpace()) result.chop(1);
    while (i + 1 < format.size() && format[i + 1] == QLatin1Char('t')) ++i;
  }
  return result.trimmed();
}

}  // namespace validador
