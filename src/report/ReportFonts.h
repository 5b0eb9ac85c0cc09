#pragma once
// Fonts of a report: named families with fallbacks for machines that lack them, and the
// same font scaled to the report's dots for measuring and drawing.

#include <QFont>
#include <QStringList>

namespace validador {

// A font of the first family of `families` that is installed, `points` high.
QFont FontWithFallbacks(const QStringList& families, double points, bool bold = false);

// Arial (or a font of the same metrics), the report's font.
QFont ArialFont(double points, bool bold = false);
// Tahoma (or a close sans-serif), the organisation headings' font.
QFont TahomaFont(double points, bool bold = false);

// `font` with its point size turned into a pixel size in report dots (1/1200 inch),
// unhinted, so that its measures do not depend on the device it is drawn on.
QFont FontInDots(const QFont& font);

}  // namespace validador
