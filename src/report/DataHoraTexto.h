#pragma once
// The date and the time as the report writes them: in the system's short date format
// and long time format.

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

namespace validador {

QString TextoData(const QDate& data, const QLocale& locale = QLocale::system());

// The long time format without its time-zone field: the report prints a time of day.
QString TextoHora(const QTime& hora, const QLocale& locale = QLocale::system());

// `format` (a Qt date/time format) with its time-zone fields and the blanks before them
// taken out; quoted text is kept.
QString FormatoSemFusoHorario(const QString& format);

}  // namespace validador
