#pragma once
// A panel with raised or lowered bevels around its client area and a caption centred
// in it, as the program's windows draw them.

#include <QWidget>

namespace validador::ui {

enum class Bevel { None, Raised, Lowered };

class TPanel : public QWidget {
  Q_OBJECT

 public:
  TPanel(Bevel outer, Bevel inner, int bevelWidth, QWidget* parent = nullptr);

  void SetCaption(const QString& caption);
  QString Caption() const { return caption_; }
  Bevel Outer() const { return outer_; }
  Bevel Inner() const { return inner_; }
  int BevelWidth() const { return bevelWidth_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // Draws one bevel inside `rect`; returns the rectangle left inside it.
  QRect DrawBevel(class QPainter& painter, const QRect& rect, Bevel bevel) const;

  Bevel outer_;
  Bevel inner_;
  int bevelWidth_;
  QString caption_;
};

}  // namespace validador::ui
