#include "preview/ReportPreview.h"

#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QUrl>
#include <algorithm>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QScreen>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "report/ReportRenderer.h"

namespace validador {

namespace {

constexpr double kZoomStep = 1.25;
constexpr double kScreenShare = 0.9;
constexpr double kWindowAspect = 0.85;  // width / height: an A4 page and the tool bar

QString PageLabelText(int page, int count) {
  return QStringLiteral("Página %1 de %2").arg(page).arg(count);
}

}  // namespace

ReportPreview::ReportPreview(Report& report, QWidget* parent, ReportTarget target)
    : QDialog(parent),
      report_(report),
      printer_(QPrinter::HighResolution),
      target_(std::move(target)) {
  setWindowTitle(QStringLiteral("Visualização do relatório"));
  printer_.setPageLayout(report_.PageLayout());
  printer_.setDocName(report_.Title());
  view_ = new QPrintPreviewWidget(&printer_, this);
  view_->setViewMode(QPrintPreviewWidget::SinglePageView);
  view_->fitInView();
  connect(view_, &QPrintPreviewWidget::paintRequested, this, &ReportPreview::PaintPages);
  connect(view_, &QPrintPreviewWidget::previewChanged, this, &ReportPreview::UpdatePageLabel);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  BuildToolBar();
  BuildInfoBar();
  layout->addWidget(view_, 1);
  FitToScreen();
}

int ReportPreview::CurrentPage() const { return view_->currentPage(); }
int ReportPreview::PageCount() const { return view_->pageCount(); }

void ReportPreview::PaintPages(QPrinter* printer) {
  QString error;
  if (!RenderReport(report_, *printer, &error)) qWarning("%s", qPrintable(error));
}

void ReportPreview::BuildToolBar() {
  auto* toolBar = new QToolBar(this);
  toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);  // text where there is no icon
  layout()->addWidget(toolBar);
  const QStyle* look = style();
  AddAction(toolBar, QStringLiteral("Primeira página"), QKeySequence(Qt::Key_Home),
            [this] { ShowFirstPage(); }, look->standardIcon(QStyle::SP_MediaSkipBackward));
  AddAction(toolBar, QStringLiteral("Página anterior"), QKeySequence(Qt::Key_PageUp),
            [this] { ShowPreviousPage(); }, look->standardIcon(QStyle::SP_MediaSeekBackward));
  pageLabel_ = new QLabel(toolBar);
  pageLabel_->setContentsMargins(6, 0, 6, 0);
  pageLabel_->setAlignment(Qt::AlignCenter);
  pageLabel_->setMinimumWidth(
      pageLabel_->fontMetrics().horizontalAdvance(PageLabelText(999, 999)) + 12);
  toolBar->addWidget(pageLabel_);
  AddAction(toolBar, QStringLiteral("Próxima página"), QKeySequence(Qt::Key_PageDown),
            [this] { ShowNextPage(); }, look->standardIcon(QStyle::SP_MediaSeekForward));
  AddAction(toolBar, QStringLiteral("Última página"), QKeySequence(Qt::Key_End),
            [this] { ShowLastPage(); }, look->standardIcon(QStyle::SP_MediaSkipForward));
  toolBar->addSeparator();
  AddAction(toolBar, QStringLiteral("−"), QKeySequence::ZoomOut,
            [this] { view_->zoomOut(kZoomStep); });
  AddAction(toolBar, QStringLiteral("+"), QKeySequence::ZoomIn,
            [this] { view_->zoomIn(kZoomStep); });
  AddAction(toolBar, QStringLiteral("Largura da página"), QKeySequence(Qt::CTRL | Qt::Key_W),
            [this] { view_->fitToWidth(); });
  AddAction(toolBar, QStringLiteral("Página inteira"), QKeySequence(Qt::CTRL | Qt::Key_0),
            [this] { view_->fitInView(); });
  toolBar->addSeparator();
  AddAction(toolBar, QStringLiteral("Imprimir..."), QKeySequence::Print, [this] { Print(); });
  AddAction(toolBar, QStringLiteral("Salvar PDF..."), QKeySequence::Save, [this] { SavePdf(); });
  AddAction(toolBar, QStringLiteral("Fechar"), QKeySequence(Qt::Key_Escape), [this] { reject(); });
}

void ReportPreview::AddAction(QToolBar* toolBar, const QString& text,
                              const QKeySequence& shortcut, const std::function<void()>& command,
                              const QIcon& icon) {
  QAction* action = toolBar->addAction(icon, text);
  action->setShortcut(shortcut);
  if (!shortcut.isEmpty())
    action->setToolTip(text + QStringLiteral(" (") + shortcut.toString(QKeySequence::NativeText) +
                       QStringLiteral(")"));
  connect(action, &QAction::triggered, this, command);
}

void ReportPreview::ShowPage(int page) {
  if (PageCount() > 0) view_->setCurrentPage(std::clamp(page, 1, PageCount()));
  UpdatePageLabel();
}

void ReportPreview::ShowFirstPage() { ShowPage(1); }
void ReportPreview::ShowPreviousPage() { ShowPage(CurrentPage() - 1); }
void ReportPreview::ShowNextPage() { ShowPage(CurrentPage() + 1); }
void ReportPreview::ShowLastPage() { ShowPage(PageCount()); }

void ReportPreview::UpdatePageLabel() {
  pageLabel_->setText(PageLabelText(CurrentPage(), PageCount()));
}

QString ReportPreview::FolderLine() const {
  if (target_.folder.isEmpty()) return {};
  return QStringLiteral("Pasta verificada: %1 — manifesto HASHV.txt gravado nela")
      .arg(QDir::toNativeSeparators(target_.folder));
}

// The print dialog's file field shows the same name as the PDF's save dialog. The
// printer keeps that file only when the user prints to a file: choosing a printer in
// the dialog empties it, and so does cancelling.
void ReportPreview::Print() {
  printer_.setOutputFileName(target_.PdfPath());
  printer_.setOutputFormat(QPrinter::NativeFormat);
  QPrintDialog dialog(&printer_, this);
  dialog.setWindowTitle(QStringLiteral("Imprimir relatório"));
  if (dialog.exec() == QDialog::Accepted) {
    view_->print();
  } else {
    printer_.setOutputFileName(QString());
  }
}

void ReportPreview::SavePdf() {
  QFileDialog dialog(this, QStringLiteral("Salvar relatório em PDF"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setNameFilter(QStringLiteral("Arquivos PDF (*.pdf)"));
  dialog.setDefaultSuffix(QStringLiteral("pdf"));
  if (!target_.folder.isEmpty()) dialog.setDirectory(target_.folder);
  dialog.selectFile(target_.PdfPath());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
  const QString path = dialog.selectedFiles().constFirst();
  QString error;
  if (!SaveReportPdf(report_, path, &error)) {
    QMessageBox::warning(this, windowTitle(), error);
    return;
  }
  savedPdf_ = path;
  ShowInfoBar();
}

// Two lines under the tool bar: the checked folder and, once saved, the PDF with a link
// that opens it. No window of its own, so the preview keeps the keyboard.
void ReportPreview::BuildInfoBar() {
  infoBar_ = new QWidget(this);
  auto* bar = new QVBoxLayout(infoBar_);
  bar->setSpacing(2);
  bar->setContentsMargins(6, 3, 6, 3);
  folderLabel_ = new QLabel(FolderLine(), infoBar_);
  folderLabel_->setObjectName(QStringLiteral("pastaVerificada"));
  folderLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  savedLabel_ = new QLabel(infoBar_);
  savedLabel_->setObjectName(QStringLiteral("pdfSalvo"));
  savedLabel_->setTextFormat(Qt::RichText);
  connect(savedLabel_, &QLabel::linkActivated, this, [this] { OpenSavedPdf(); });
  // The folder may be long: it takes the room there is and never widens the window.
  folderLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  bar->addWidget(folderLabel_);
  bar->addWidget(savedLabel_);
  layout()->addWidget(infoBar_);
  ShowInfoBar();
}

void ReportPreview::ShowInfoBar() {
  folderLabel_->setVisible(!target_.folder.isEmpty());
  savedLabel_->setVisible(!savedPdf_.isEmpty());
  if (!savedPdf_.isEmpty()) {
    savedLabel_->setText(QStringLiteral("PDF salvo: %1 — <a href=\"abrir\">Abrir</a>")
                             .arg(QFileInfo(savedPdf_).fileName().toHtmlEscaped()));
    savedLabel_->setToolTip(QDir::toNativeSeparators(savedPdf_));
  }
  infoBar_->setVisible(!target_.folder.isEmpty() || !savedPdf_.isEmpty());
}

void ReportPreview::OpenSavedPdf() {
  if (savedPdf_.isEmpty()) return;
  if (!openFile_(savedPdf_)) {
    QMessageBox::warning(this, windowTitle(),
                         QStringLiteral("Não foi possível abrir %1").arg(QDir::toNativeSeparators(savedPdf_)));
  }
}

bool ReportPreview::OpenWithDesktop(const QString& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

void ReportPreview::FitToScreen() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (screen == nullptr) return;
  const QRect available = screen->availableGeometry();
  const int height = static_cast<int>(available.height() * kScreenShare);
  const int pageWidth = static_cast<int>(height * kWindowAspect);
  resize(std::min(available.width(), std::max(pageWidth, sizeHint().width())), height);
}

}  // namespace validador
