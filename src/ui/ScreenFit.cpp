#include "ui/ScreenFit.h"

#include <QScreen>
#include <QWidget>

namespace validador::ui {
namespace {

QMargins FrameOf(const QWidget* window) {
  const QRect outer = window->frameGeometry();
  const QRect inner = window->geometry();
  if (outer == inner) return kFrameAllowance;
  return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
          outer.bottom() - inner.bottom()};
}

}  // namespace

QSize SizeOnScreen(QSize wanted, QSize minimum, const QRect& available, const QMargins& frame) {
  const QSize room = available.marginsRemoved(frame).size();
  return wanted.boundedTo(room).expandedTo(minimum);
}

void FitAndCentre(QWidget* window) {
  const QScreen* screen = window->screen();
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
  const QMargins frame = FrameOf(window);
  window->resize(SizeOnScreen(window->size(), window->minimumSize(), available, frame));
  QRect outer(QPoint(0, 0), window->size().grownBy(frame));
  outer.moveCenter(available.center());
  window->move(outer.topLeft().x() < available.left() ? available.left() : outer.left(),
               outer.top() < available.top() ? available.top() : outer.top());
}

}  // namespace validador::ui
