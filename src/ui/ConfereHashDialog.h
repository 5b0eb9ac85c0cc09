#pragma once
// The question "Confere Hash" asks before it runs: whether to check the manifest HASHV.txt
// too, against the digest printed on the result report, which the user types or pastes
// (the report may show it on two lines).

#include <QDialog>
#include <QString>
#include <optional>

class QCheckBox;
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

  ConfereHashChoice Choice() const;

  QCheckBox* chkManifesto = nullptr;
  QPlainTextEdit* memDigesto = nullptr;
  QLabel* lblAviso = nullptr;
  QPushButton* btnConferir = nullptr;

  void accept() override;

 private:
  void ShowDigestBox(bool shown);
};

}  // namespace validador::ui
