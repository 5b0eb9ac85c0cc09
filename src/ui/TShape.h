#pragma once
// A filled rectangle with an optional frame: the window's decorations.

#include <QColor>
#include <QWidget>

namespace validador::ui {

class TShape : public QWidget {
  Q_OBJECT

 public:
  // A frame width of 0 draws no frame.
  TShape(const QColor& fill, const QColor& frame, int frameWidth, QWidget* parent = nullptr);

  QColor Fill() const { return fill_; }
  QColor Frame() const { return frame_; }
  int FrameWidth() const { return frameWidth_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QColor fill_;
  QColor frame_;
  int frameWidth_;
};

}  // namespace validador::ui
