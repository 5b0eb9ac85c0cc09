#include "ui/WindowLook.h"

#include <QFontDatabase>

namespace validador::ui {
namespace {

constexpr int kLogBasePoints = 8;

QFont FontOf(const QStringList& families, QFont::StyleHint hint, int pixelSize, bool bold) {
  QFont font(FirstInstalled(families));
  font.setStyleHint(hint);
  font.setPixelSize(pixelSize);
  font.setBold(bold);
  return font;
}

const QStringList& SansFamilies() {
  static const QStringList families = {QStringLiteral("MS Sans Serif"),
                                       QStringLiteral("Microsoft Sans Serif"),
                                       QStringLiteral("Tahoma"),
                                       QStringLiteral("Segoe UI"),
                                       QStringLiteral("Liberation Sans"),
                                       QStringLiteral("DejaVu Sans")};
  return families;
}

}  // namespace

// Bitmap-only families (Windows still lists "MS Sans Serif" and "Fixedsys" as such)
// are passed over for the scalable ones after them.
QString FirstInstalled(const QStringList& families) {
  const QStringList installed = QFontDatabase::families();
  for (const QString& family : families) {
    if (installed.contains(family, Qt::CaseInsensitive) && QFontDatabase::isSmoothlyScalable(family)) {
      return family;
    }
  }
  return families.isEmpty() ? QString() : families.back();
}

QFont MsSansSerif(int pixelSize, bool bold) {
  return FontOf(SansFamilies(), QFont::SansSerif, pixelSize, bold);
}

QFont Tahoma(int pixelSize, bool bold) {
  return FontOf({QStringLiteral("Tahoma"), QStringLiteral("Segoe UI"), QStringLiteral("DejaVu Sans"),
                 QStringLiteral("Liberation Sans")},
                QFont::SansSerif, pixelSize, bold);
}

QFont Arial(int pixelSize, bool bold, bool italic) {
  QFont font = FontOf({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                       QStringLiteral("DejaVu Sans")},
                      QFont::SansSerif, pixelSize, bold);
  font.setItalic(italic);
  return font;
}

QFont Fixedsys(int pixelSize) {
  return FontOf({QStringLiteral("Fixedsys"), QStringLiteral("Consolas"),
                 QStringLiteral("Lucida Console"), QStringLiteral("DejaVu Sans Mono"),
                 QStringLiteral("Liberation Mono")},
                QFont::Monospace, pixelSize, true);
}

QFont CourierNew(int pixelSize) {
  return FontOf({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                 QStringLiteral("DejaVu Sans Mono")},
                QFont::Monospace, pixelSize, false);
}

QFont LogBaseFont() {
  QFont font(FirstInstalled(SansFamilies()));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSize(kLogBasePoints);
  font.setBold(true);
  return font;
}

}  // namespace validador::ui
