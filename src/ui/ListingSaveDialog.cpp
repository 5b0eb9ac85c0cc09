#include "ui/ListingSaveDialog.h"

#include <QFileDialog>

namespace validador::ui {
namespace {

const QString kCsvFilter = QStringLiteral("CSV (*.csv)");
const QString kJsonLinesFilter = QStringLiteral("JSON Lines (*.jsonl)");
const QString kCsvEnding = QStringLiteral(".csv");
const QString kJsonLinesEnding = QStringLiteral(".jsonl");

}  // namespace

QString ListingFilters() { return kCsvFilter + QStringLiteral(";;") + kJsonLinesFilter; }

ListingSaveChoice ChoiceOf(const QString& path, const QString& chosenFilter) {
  const std::optional<ListingFormat> named = ListingFormatOf(path.toStdString());
  const bool jsonLines = chosenFilter == kJsonLinesFilter || named == ListingFormat::JsonLines;
  const ListingFormat format = jsonLines ? ListingFormat::JsonLines : ListingFormat::Csv;
  QString name = path;
  if (named == ListingFormat::Csv && jsonLines) name.chop(static_cast<qsizetype>(kCsvEnding.size()));
  if (!named || named != format) name += jsonLines ? kJsonLinesEnding : kCsvEnding;
  return {name, format};
}

std::optional<ListingSaveChoice> ChooseListingWithDialog(QWidget* parent, const QString& suggested) {
  QString chosenFilter = kCsvFilter;
  const QString chosen = QFileDialog::getSaveFileName(
      parent, QStringLiteral("Salvar lista de erros"), suggested, ListingFilters(), &chosenFilter);
  if (chosen.isEmpty()) return std::nullopt;
  return ChoiceOf(chosen, chosenFilter);
}

}  // namespace validador::ui
