#pragma once
// The question "Confere Hash" asks before it runs. It shows the folder that will be audited
// and the algorithm: "automático (pelo HASHV.txt)" unless the user picks one of the ten.
// It takes the digest printed on the result report, which the user may paste (the report may
// show it on two lines), so that the manifest HASHV.txt is checked too; left empty, only the
// files are checked. The digest box has the focus; Return runs the command.

#include <QDialog>
#include <QString>
#include <optional>

class QComboBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace validador::ui {

// What the user answered: the report's digest as typed, when the manifest is to be checked,
// and the algorithm, when one is chosen instead of the manifest's own.
struct ConfereHashChoice {
  std::optional<QString> manifestDigest;
  std::optional<QString> algorithm;
};

class ConfereHashDialog : public QDialog {
  Q_OBJECT

 public:
  explicit ConfereHashDialog(const QString& folder = QString(), QWidget* parent = nullptr);

  // Asks with this dialog about `folder`; nothing when the user cancels.
  static std::optional<ConfereHashChoice> Ask(QWidget* parent, const QString& folder);

  // The digest box's text, when it holds more than blanks and line breaks, and the
  // algorithm chosen.
  ConfereHashChoice Choice() const;

  QLabel* lblPasta = nullptr;
  QComboBox* cbAlgoritmo = nullptr;  // first entry: automático (pelo HASHV.txt)
  QPlainTextEdit* memDigesto = nullptr;
  QLabel* lblAviso = nullptr;
  QPushButton* btnConferir = nullptr;
  QPushButton* btnCancelar = nullptr;

  // Closes the dialog unless the box holds something that is no hexadecimal digest;
  // then it stays and says so.
  void accept() override;

 protected:
  // Return in the digest box runs the command (a pasted line break stays a line break).
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace validador::ui
