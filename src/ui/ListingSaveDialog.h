#pragma once
// Where the error listing is saved and in which format: CSV unless the user asks for
// JSON Lines or a workbook, by the dialog's filter or by the name's ending.

#include <QString>
#include <optional>

#include "validation/listing/ListingText.h"

class QWidget;

namespace validador::ui {

struct ListingSaveChoice {
  QString path;
  ListingFormat format = ListingFormat::Csv;
};

// The filters of the save dialog, CSV first, then JSON Lines and (where the build writes
// one) the workbook.
QString ListingFilters();
// What a name chosen with a filter stands for: JSON Lines or the workbook when the name's
// ending (".jsonl", ".xlsx") or else the filter asks for it, CSV otherwise; the name then
// ends in the format's ending (".csv" becomes ".jsonl" or ".xlsx", a name with none of
// them gets the format's).
ListingSaveChoice ChoiceOf(const QString& path, const QString& chosenFilter);

// The standard save dialog, starting at `suggested`; nothing when the user cancels.
std::optional<ListingSaveChoice> ChooseListingWithDialog(QWidget* parent, const QString& suggested);

}  // namespace validador::ui
