#include "report/DataHoraTexto.h"

#include <QLocale>

namespace validador {

// The C locale: fixed digits and no regional names, so the format alone decides the text.
QString TextoData(const QDate& data) {
  return QLocale::c().toString(data, QStringLiteral("dd/MM/yyyy"));
}

QString TextoHora(const QTime& hora) {
  return QLocale::c().toString(hora, QStringLiteral("HH:mm:ss"));
}

}  // namespace validador
