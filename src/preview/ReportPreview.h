#pragma once
// The report's preview window: the user pages through the report, zooms, prints it on
// a printer of their choice or saves it as a PDF file. Shown with exec(), it waits
// until closed while the rest of the program keeps working.

#include <QDialog>
#include <QIcon>
#include <QPrinter>
#include <functional>

#include "preview/ReportTarget.h"
#include "report/Report.h"

class QLabel;
class QPrintPreviewWidget;
class QToolBar;

namespace validador {

class ReportPreview : public QDialog {
  Q_OBJECT

 public:
  // `target` proposes where the PDF goes and names the checked folder above the pages.
  explicit ReportPreview(Report& report, QWidget* parent = nullptr,
                         ReportTarget target = ReportTarget());

  // Page shown, counted from 1, and the number of pages.
  int CurrentPage() const;
  int PageCount() const;

  void ShowFirstPage();
  void ShowPreviousPage();
  void ShowNextPage();
  void ShowLastPage();
  // Asks for a printer and prints the report on it.
  void Print();
  // Asks for a file name (by default "Resultado-<case number>.pdf" in the checked
  // folder) and writes the report there; then offers, above the pages, to open it.
  void SavePdf();
  // The PDF saved last from this preview (empty before), and opening it.
  QString SavedPdf() const { return savedPdf_; }
  void OpenSavedPdf();

  const ReportTarget& Target() const { return target_; }
  // The line above the pages naming the checked folder (hidden when there is none).
  QString FolderLine() const;

  // Opens a saved PDF in the desktop's viewer unless replaced; true when it could.
  using FileOpener = std::function<bool(const QString& path)>;
  void SetFileOpener(FileOpener opener) { openFile_ = std::move(opener); }
  static bool OpenWithDesktop(const QString& path);
 private:
  void PaintPages(QPrinter* printer);
  void BuildToolBar();
  void AddAction(QToolBar* toolBar, const QString& text, const QKeySequence& shortcut,
                 const std::function<void()>& command, const QIcon& icon = QIcon());
  void ShowPage(int page);
  void UpdatePageLabel();
  void FitToScreen();
  void BuildInfoBar();
  void ShowInfoBar();

  Report& report_;
  QPrinter printer_;
  QPrintPreviewWidget* view_ = nullptr;
  QLabel* pageLabel_ = nullptr;
  QWidget* infoBar_ = nullptr;
  QLabel* folderLabel_ = nullptr;
  QLabel* savedLabel_ = nullptr;
  ReportTarget target_;
  QString savedPdf_;
  FileOpener openFile_ = &ReportPreview::OpenWithDesktop;
};

}  // namespace validador
