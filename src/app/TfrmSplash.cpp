#include "app/TfrmSplash.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QScreen>

#include "branding/Branding.h"
#include "ui/TPanel.h"
#include "ui/WindowLook.h"

namespace validador::app {
namespace {

constexpr int kBevelWidth = 5;
constexpr int kHeadingPixels = 13;
constexpr int kVersionPixels = 11;

}  // namespace

TfrmSplash::TfrmSplash()
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(kWidth, kHeight);
  Panel1 = new ui::TPanel(ui::Bevel::Raised, ui::Bevel::Raised, kBevelWidth, this);
  Panel1->setGeometry(rect());
  Image1 = NewPicture(SplashPicturePath(), 0, 0);
  RxLabel1 = NewWhiteLabel(SplashHeadingLine(), ui::Arial(kHeadingPixels, true, true),
                           QRect(62, 264, 379, 16));
  RxLabel2 = NewWhiteLabel(VersionLine(), ui::Arial(kVersionPixels), QRect(179, 281, 146, 14));
  Image2 = NewPicture(EmblemPicturePath(), 215, 184);
  CentreOnScreen(this);
}

QLabel* TfrmSplash::NewPicture(const QString& path, int left, int top) {
  auto* picture = new QLabel(Panel1);
  picture->setPixmap(QPixmap(path));
  picture->move(left, top);
  picture->adjustSize();
  return picture;
}

QLabel* TfrmSplash::NewWhiteLabel(const QString& text, const QFont& font, const QRect& geometry) {
  auto* label = new QLabel(text, Panel1);
  label->setFont(font);
  label->setAutoFillBackground(true);
  QPalette palette = label->palette();
  palette.setColor(QPalette::Window, Qt::white);
  palette.setColor(QPalette::WindowText, ui::kNavy);
  label->setPalette(palette);
  label->setGeometry(geometry);
  return label;
}

void TfrmSplash::FormClose() {
  closing_ = true;
  close();
}

void TfrmSplash::closeEvent(QCloseEvent* event) {
  if (closing_) {
    event->accept();
  } else {
    event->ignore();
  }
}

void TfrmSplash::keyPressEvent(QKeyEvent* event) { event->accept(); }

void CentreOnScreen(QWidget* window) {
  const QScreen* screen = window->screen();
  if (screen == nullptr) return;
  QRect frame(QPoint(0, 0), window->size());
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

}  // namespace validador::app
