#include "report/ReportFonts.h"

#include <QtMath>

#include "report/ReportUnits.h"

namespace validador {

namespace {

constexpr double kPointsPerInch = 72.0;
constexpr double kScreenDotsPerInch = 96.0;

double PointSizeOf(const QFont& font) {
  if (font.pointSizeF() > 0) return font.pointSizeF();
  return font.pixelSize() * kPointsPerInch / kScreenDotsPerInch;
}

}  // namespace

QFont FontWithFallbacks(const QStringList& families, double points, bool bold) {
  QFont font;
  font.setFamilies(families);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

QFont ArialFont(double points, bool bold) {
  return FontWithFallbacks({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}, points,
                           bold);
}

QFont TahomaFont(double points, bool bold) {
  return FontWithFallbacks({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans")}, points,
                           bold);
}

QFont FontInDots(const QFont& font) {
  QFont scaled(font);
  scaled.setPixelSize(qRound(PointSizeOf(font) * kReportDotsPerInch / kPointsPerInch));
  scaled.setHintingPreference(QFont::PreferNoHinting);
  return scaled;
}

}  // namespace validador
