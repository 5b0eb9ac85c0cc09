#pragma once
// The date and the time as the report writes them: day/month/year and a 24-hour time
// with seconds, in Western digits, whatever the system's language and regional formats
// ("07/03/2024", "21:05:03"). A report read elsewhere, or printed on a machine set to
// English, must not turn 7 March into 3/7/24 or 21:05 into 9:05 PM.

#include <QDate>
#include <QString>
#include <QTime>

namespace validador {

QString TextoData(const QDate& data);

QString TextoHora(const QTime& hora);

}  // namespace validador
