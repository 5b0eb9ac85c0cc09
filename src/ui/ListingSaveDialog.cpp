#include "ui/ListingSaveDialog.h"

#include <QFileDialog>
#include <QStringList>
#include <vector>

#include "validation/listing/ListingWorkbook.h"

namespace validador::ui {
namespace {

struct FormatFilter {
  ListingFormat format;
  QString filter;
  QString ending;
};

// CSV first; the workbook only where the build writes one.
std::vector<FormatFilter> Formats() {
  std::vector<FormatFilter> formats{
      {ListingFormat::Csv, QStringLiteral("CSV (*.csv)"), QStringLiteral(".csv")},
      {ListingFormat::JsonLines, QStringLiteral("JSON Lines (*.jsonl)"), QStringLiteral(".jsonl")}};
  if (WorkbookAvailable()) {
    formats.push_back({ListingFormat::Workbook, QStringLiteral("Planilha do Excel (*.xlsx)"),
                       QStringLiteral(".xlsx")});
  }
  return formats;
}

const FormatFilter& FormatOf(ListingFormat format) {
  static const std::vector<FormatFilter> formats = Formats();
  for (const FormatFilter& entry : formats) {
    if (entry.format == format) return entry;
  }
  return formats.front();
}

}  // namespace

QString ListingFilters() {
  QStringList filters;
  for (const FormatFilter& entry : Formats()) filters << entry.filter;
  return filters.join(QStringLiteral(";;"));
}

ListingSaveChoice ChoiceOf(const QString& path, const QString& chosenFilter) {
  const std::optional<ListingFormat> fromName = ListingFormatOf(path.toStdString());
  // The name's own ending counts when this build can write that format.
  const bool named = fromName.has_value() &&
                     (*fromName != ListingFormat::Workbook || WorkbookAvailable());
  const ListingFormat namedFormat = named ? *fromName : ListingFormat::Csv;
  ListingFormat format = namedFormat;
  for (const FormatFilter& entry : Formats()) {
    if (entry.filter == chosenFilter && entry.format != ListingFormat::Csv) format = entry.format;
  }
  if (named && namedFormat != ListingFormat::Csv) format = namedFormat;
  QString name = path;
  if (named && namedFormat != format) name.chop(static_cast<qsizetype>(FormatOf(namedFormat).ending.size()));
  if (!named || namedFormat != format) name += FormatOf(format).ending;
  return {name, format};
}

std::optional<ListingSaveChoice> ChooseListingWithDialog(QWidget* parent, const QString& suggested) {
  QString chosenFilter = FormatOf(ListingFormat::Csv).filter;
  const QString chosen = QFileDialog::getSaveFileName(
      parent, QStringLiteral("Salvar lista de erros"), suggested, ListingFilters(), &chosenFilter);
  if (chosen.isEmpty()) return std::nullopt;
  return ChoiceOf(chosen, chosenFilter);
}

}  // namespace validador::ui
