#include "ui/ListingSaveDialog.h"

#include <QFileDialog>
#include <QStringList>
#include <vector>

#include "validation/ListingWorkbook.h"

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
  std::optional<ListingFormat> named = ListingFormatOf(path.toStdString());
  if (named == ListingFormat::Workbook && !WorkbookAvailable()) named.reset();
  ListingFormat format = named.value_or(ListingFormat::Csv);
  for (const FormatFilter& entry : Formats()) {
    if (entry.filter == chosenFilter && entry.format != ListingFormat::Csv) format = entry.format;
  }
  if (named == ListingFormat::JsonLines || named == ListingFormat::Workbook) format = *named;
  QString name = path;
  if (named && *named != format) name.chop(static_cast<qsizetype>(FormatOf(*named).ending.size()));
  if (!named || *named != format) name += FormatOf(format).ending;
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
