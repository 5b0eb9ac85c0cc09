#pragma once
// The question "Confere Hash" asks before it runs: the digest printed on the result report,
// which the user may paste (the report may show it on two lines) so that the manifest
// HASHV.txt is checked too. Left empty, only the files are checked.

#include <QDialog>
#include <QString>
#include <optional>

class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace validador::ui {

// What the user answered: the report's digest as typed, when the manifest is to be checked.
struct ConfereHashChoice {
  std::optional<QString> manifestDigest;
};

class ConfereHashDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ConfereHashDialog(QWidget* parent = nullptr);

  // Asks with this dialog; nothing when the user cancels.
  static std::optional<ConfereHashChoice> Ask(QWidget* parent);

  // The digest box's text, when it holds more than blanks and line breaks.
  ConfereHashChoice Choice() const;

  QPlainTextEdit* memDigesto = nullptr;
  QLabel* lblAviso = nullptr;
  QPushButton* btnConferir = nullptr;
  QPushButton* btnCancelar = nullptr;

  // Closes the dialog unless the box holds something that is no hexadecimal digest;
  // then it stays and says so.
  void accept() override;
};

}  // namespace validador::ui
