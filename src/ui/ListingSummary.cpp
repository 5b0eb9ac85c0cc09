#include "ui/ListingSummary.h"

#include <QLocale>
#include <QStringList>

#include "layout/UGlobal.h"
#include "qttexts/QtTexts.h"

namespace validador::ui {
namespace {

QString Number(std::int64_t value) { return QLocale(QLocale::Portuguese, QLocale::Brazil).toString(value); }

bool SomeFileIsCut(const ErrorListing& listing) {
  for (const FileListing& file : listing.Files()) {
    if (file.erros > static_cast<std::int64_t>(file.rows.size())) return true;
  }
  return false;
}

QString Cell(const QString& text, bool right) {
  return QStringLiteral("<td style=\"padding: 0 6px;\"%1>%2</td>")
      .arg(right ? QStringLiteral(" align=\"right\"") : QString(), text.toHtmlEscaped());
}

}  // namespace

QString LinesWithFaultsLine(const std::vector<FileVerdict>& verdicts) {
  if (verdicts.empty()) return {};
  QStringList parts;
  for (const FileVerdict& verdict : verdicts) {
    const QChar letter = QLatin1Char(LayoutCatalogue::Instance().LetraTipo(verdict.type));
    parts << letter + QLatin1Char(' ') +
                 (verdict.present ? Number(verdict.LinesWithFaults()) : QStringLiteral("—"));
  }
  return QStringLiteral("Linhas com erro: ") + parts.join(QStringLiteral(" · "));
}

QString ListingDetails(const ErrorListing& listing) {
  if (listing.Files().empty()) return {};
  QString table = QStringLiteral("<table cellspacing=\"0\"><tr>") + Cell(QStringLiteral("Arquivo"), false) +
                  Cell(QStringLiteral("Linhas"), true) + Cell(QStringLiteral("Linhas com erro"), true) +
                  Cell(QStringLiteral("Erros"), true) + QStringLiteral("</tr>");
  for (const FileListing& file : listing.Files()) {
    table += QStringLiteral("<tr>") + Cell(FromPath(file.arquivo), false) + Cell(Number(file.linhas), true) +
             Cell(Number(file.linhasComErro), true) + Cell(Number(file.erros), true) + QStringLiteral("</tr>");
  }
  table += QStringLiteral("</table>");
  if (SomeFileIsCut(listing)) {
    table += QStringLiteral("<p>A lista de erros guarda os %1 primeiros erros de cada arquivo.</p>")
                 .arg(Number(listing.MaxErrors()));
  }
  return table;
}

}  // namespace validador::ui
