#pragma once
// The verification log box: a rich-text box that the user may also type into. Each
// line the check writes is appended as a paragraph of its own and exactly its
// characters take the line's style (error: 12 points red; normal: 8 points blue),
// however the box wraps it. A line without a style takes the box's base format.

#include <QList>
#include <QPointer>
#include <QStringList>
#include <QTextCharFormat>
#include <QTextEdit>
#include <functional>
#include <optional>

#include "validation/check/VerificationLog.h"

class QAction;
class QMenu;

namespace validador::ui {

class TLogBox : public QTextEdit {
  Q_OBJECT

 public:
  static constexpr int kErrorPoints = 12;
  static constexpr int kNormalPoints = 8;

  explicit TLogBox(QWidget* parent = nullptr);

  // Appends `text` (UTF-8 already) as the new last line in `style`.
  void AppendLine(const QString& text, LogStyle style);
  // Empties the box and makes blue its base colour.
  void Reset();

  // The lines as the box shows them now, typing included; none when the box is empty.
  QStringList LinesAsShown() const;

  QColor BaseColour() const { return baseColour_; }
  QTextCharFormat BaseFormat() const;
  static QTextCharFormat StyleFormat(LogStyle style);

  // The context menu: the box's own editing actions, then the log's actions ("Salvar
  // log…" and those added with AddLogAction). The caller owns the menu.
  QMenu* CreateLogContextMenu(const QPoint& at);
  // Offers `action` in the context menu after "Salvar log…"; its owner keeps it (and its
  // enabled state) up to date.
  void AddLogAction(QAction* action) { addedActions_.push_back(action); }

  // Writes the lines as shown to `path` as UTF-8 text, one line each, ended by CR LF.
  // The error text when it cannot.
  std::optional<QString> SaveLines(const QString& path) const;
  // Asks for a file (starting at SuggestedLogPath) and saves the log there; a failure
  // is shown in a message box.
  void SaveLogAs();

  // The save dialog: the chosen file, or nothing when the user cancels.
  using SaveChooser = std::function<std::optional<QString>(QWidget* parent,
                                                           const QString& suggested)>;
  void SetSaveChooser(SaveChooser chooser) { chooseSave_ = std::move(chooser); }
  // Where the save dialog starts (set by the window: the checked folder and case).
  void SetSuggestedLogPath(std::function<QString()> suggested) {
    suggestedPath_ = std::move(suggested);
  }

 protected:
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  static std::optional<QString> ChooseWithDialog(QWidget* parent, const QString& suggested);
  void AddLogActions(QMenu* menu);

  bool appendedSinceReset_ = false;
  QColor baseColour_;
  SaveChooser chooseSave_ = &TLogBox::ChooseWithDialog;
  std::function<QString()> suggestedPath_;
  QList<QPointer<QAction>> addedActions_;
};

}  // namespace validador::ui
