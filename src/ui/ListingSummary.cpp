#include "ui/ListingSummary.h"

#include <QLocale>
#include <QStringList>

#include "layout/UGlobal.h"
#include "resultado/QtTexts.h"
#include "validation/StandardFiles.h"

namespace validador::ui {
namespace {

QString Number(std::int64_t value) { return QLocale(QLocale::Portuguese, QLocale::Brazil).toString(value); }

// A file that is not there has no lines to count: a dash, not a zero.
QString CountOf(const FileListing& file, std::int64_t count) {
  return file.ausente ? QStringLiteral("—") : Number(count);
}

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

QString ShortNameOf(const FileListing& file) {
  const std::string upperName = UpperAscii(file.arquivo);
  const auto& catalogue = LayoutCatalogue::Instance();
  for (const RecordTypeIndex type : kProcessingOrder) {
    if (upperName.find(UpperAscii(catalogue.NomeArquivo(type))) != std::string::npos) {
      return QString(QLatin1Char(catalogue.LetraTipo(type)));
    }
  }
  return FromPath(file.arquivo);
}

QString LinesWithFaultsLine(const ErrorListing& listing) {
  if (listing.Files().empty()) return {};
  QStringList parts;
  for (const FileListing& file : listing.Files()) {
    parts << ShortNameOf(file) + QLatin1Char(' ') + CountOf(file, file.linhasComErro);
  }
  return QStringLiteral("Linhas com erro: ") + parts.join(QStringLiteral(" · "));
}

QString ListingDetails(const ErrorListing& listing) {
  if (listing.Files().empty()) return {};
  QString table = QStringLiteral("<table cellspacing=\"0\"><tr>") + Cell(QStringLiteral("Arquivo"), false) +
                  Cell(QStringLiteral("Linhas"), true) + Cell(QStringLiteral("Linhas com erro"), true) +
                  Cell(QStringLiteral("Erros"), true) + QStringLiteral("</tr>");
  for (const FileListing& file : listing.Files()) {
    table += QStringLiteral("<tr>") + Cell(FromPath(file.arquivo), false) +
             Cell(CountOf(file, file.linhas), true) + Cell(CountOf(file, file.linhasComErro), true) +
             Cell(Number(file.erros), true) + QStringLiteral("</tr>");
  }
  table += QStringLiteral("</table>");
  if (SomeFileIsCut(listing)) {
    table += QStringLiteral("<p>A lista de erros guarda os %1 primeiros erros de cada arquivo.</p>")
                 .arg(Number(listing.MaxErrors()));
  }
  return table;
}

}  // namespace validador::ui
