#pragma once
// The report's preview window: the user pages through the report, zooms, prints it on
// a printer of their choice or saves it as a PDF file. Shown with exec(), it waits
// until closed while the rest of the program keeps working.

#include <QDialog>
#include <QIcon>
#include <QPrinter>
#include <functional>

#include "report/Report.h"

class QLabel;
class QPrintPreviewWidget;
class QToolBar;

namespace validador {

class ReportPreview : public QDialog {
  Q_OBJECT

 public:
  explicit ReportPreview(Report& report, QWidget* parent = nullptr);

  // Page shown, counted from 1, and the number of pages.
  int CurrentPage() const;
  int PageCount() const;

  void ShowFirstPage();
  void ShowPreviousPage();
  void ShowNextPage();
  void ShowLastPage();
  // Asks for a printer and prints the report on it.
  void Print();
  // Asks for a file name (by default "Resultado.pdf") and writes the report there.
  void SavePdf();

 private:
  void PaintPages(QPrinter* printer);
  void BuildToolBar();
  void AddAction(QToolBar* toolBar, const QString& text, const QKeySequence& shortcut,
                 const std::function<void()>& command, const QIcon& icon = QIcon());
  void ShowPage(int page);
  void UpdatePageLabel();
  void FitToScreen();

  Report& report_;
  QPrinter printer_;
  QPrintPreviewWidget* view_ = nullptr;
  QLabel* pageLabel_ = nullptr;
};

}  // namespace validador
