#pragma once
// One line of a delivery file as the faults table shows it on a double click: its fields
// one after the other, the tabs between them marked, and the faulty field marked.

#include <QString>
#include <cstdint>
#include <optional>
#include <string>

namespace validador::ui {

// Line `number` (from 1) of the file, read by the delivery's line rule, as Qt text;
// nothing when the file has no such line. Throws when the file cannot be read.
std::optional<QString> ReadLineOfFile(const std::string& path, std::int64_t number);

// The line as HTML: each tab shown as "⇥", field `column` (from 1; 0 for none) marked in
// red on a light red ground.
QString LineWithFaultHtml(const QString& line, int column);

}  // namespace validador::ui
