#pragma once
// The splash window: borderless, centred, the splash picture with the organisation's
// line, the version line and the emblem on a raised panel. Only the start-up sequence
// closes it; closing destroys it.

#include <QWidget>

class QLabel;

namespace validador::ui {
class TPanel;
}

namespace validador::app {

class TfrmSplash : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kWidth = 504;
  static constexpr int kHeight = 307;

  TfrmSplash();

  // Closes and destroys the window; the user's own attempts to close it are refused.
  void FormClose();

  ui::TPanel* Panel1 = nullptr;
  QLabel* Image1 = nullptr;
  QLabel* RxLabel1 = nullptr;
  QLabel* RxLabel2 = nullptr;
  QLabel* Image2 = nullptr;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QLabel* NewPicture(const QString& path, int left, int top);
  QLabel* NewWhiteLabel(const QString& text, const QFont& font, const QRect& geometry);

  bool closing_ = false;
};

// Places a top-level window at the centre of the screen it is on.
void CentreOnScreen(QWidget* window);

}  // namespace validador::app
