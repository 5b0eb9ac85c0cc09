#pragma once
// Helpers of the desktop program's tests: answering the modal windows a command opens,
// reading the log box's lines with their looks, and the command-line checker's log
// for the same folder.

#include <QColor>
#include <QMessageBox>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/TfrmCarga.h"

namespace uitest {

// What a message box showed.
struct BoxSeen {
  QString title;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttonCount = 0;
};

// While it lives, answers every modal window that opens: a message box is recorded and
// closed with its button; any other modal window goes to `onOther`, which must close it
// (by default it is closed at once).
class ModalAnswerer {
 public:
  explicit ModalAnswerer(std::function<void(QWidget*)> onOther = {});

  const std::vector<BoxSeen>& Boxes() const { return boxes_; }
  int OthersSeen() const { return othersSeen_; }

  // Message boxes are answered with the button of this text where they have one (its
  // '&' ignored); otherwise with OK, or closed.
  void PressButton(const QString& text) { buttonText_ = text; }
  // Runs with each message box, before it is answered.
  void BeforeAnswer(std::function<void(QMessageBox*)> action) { beforeAnswer_ = std::move(action); }

 private:
  void Tick();
  void Answer(QMessageBox* box);

  std::function<void(QWidget*)> onOther_;
  std::function<void(QMessageBox*)> beforeAnswer_;
  QString buttonText_;
  std::unique_ptr<QTimer> timer_;
  QPointer<QWidget> handled_;
  std::vector<BoxSeen> boxes_;
  int othersSeen_ = 0;
};

// One line of the log box: its text and how its characters look.
struct LineLook {
  QString text;
  qreal points = 0;
  QColor colour;
  bool bold = false;
  bool uniform = true;  // every character of the line looks the same
};

std::vector<LineLook> LooksOf(const validador::ui::TLogBox& box);

// The look a line of the given style ('E', 'N' or '-') has after "Limpa Tela".
LineLook ExpectedLook(char style, const QString& text);

// "Ok - 00:00:01," written as "Ok - hh:nn:ss,".
QString MaskElapsed(QString line);

// The log of validador-cli with these arguments, as (style, text) pairs, times masked.
std::vector<std::pair<char, QString>> CliStyledLog(const std::vector<std::string>& args);

// A window shown on the screen and ready for input.
class ShownWindow {
 public:
  ShownWindow();
  validador::ui::TfrmCarga* operator->() { return &window_; }
  validador::ui::TfrmCarga& operator*() { return window_; }

 private:
  validador::ui::TfrmCarga window_;
};

// Replaces the text of a box by typing.
void Type(QWidget* box, const QString& text);

QString Q(const std::string& text);

// The desktop program's settings go to a temporary folder while it lives.
class TemporarySettings {
 public:
  TemporarySettings();
  ~TemporarySettings();
  QString Folder() const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};
std::string ReadFileBytes(const QString& path);

}  // namespace uitest
