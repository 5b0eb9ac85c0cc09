#include "ui/LineWithFault.h"

#include <QStringList>

#include "qttexts/QtTexts.h"
#include "validation/scan/LineReader.h"

namespace validador::ui {

std::optional<QString> ReadLineOfFile(const std::string& path, std::int64_t number) {
  if (number < 1) return std::nullopt;
  LineReader reader(path);
  std::string_view line;
  for (std::int64_t at = 1; reader.Next(line); ++at) {
    if (at == number) return FromCp1252(std::string(line));
  }
  return std::nullopt;
}

QString LineWithFaultHtml(const QString& line, int column) {
  const QStringList fields = line.split(QLatin1Char('\t'));
  QStringList shown;
  for (qsizetype i = 0; i < fields.size(); ++i) {
    const QString text = fields[i].toHtmlEscaped();
    shown << (i + 1 == column
                  ? QStringLiteral("<span style=\"background-color:#ffd0d0; color:#c00000; "
                                   "font-weight:bold;\">%1</span>")
                        .arg(text.isEmpty() ? QStringLiteral("&nbsp;") : text)
                  : text);
  }
  return QStringLiteral("<p style=\"white-space:pre-wrap;\">%1</p>")
      .arg(shown.join(QStringLiteral("<span style=\"color:#808080;\">⇥</span>")));
}

}  // namespace validador::ui
