// The preview window of the result report, driven from timers while MostraRelatorio
// waits for it: paging by keyboard, saving as PDF, closing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "preview/MostraRelatorio.h"
#include "preview/ReportPreview.h"
#include "report/ExemploResultado.h"
#include "report/PdfReader.h"
#include "support/TempDir.h"

namespace validador {
namespace {

constexpr int kGiveUpMs = 20000;

// Runs `step` on the modal window of type Window once it is up and active (shortcuts
// go to the active window only).
template <typename Window>
void WhenShown(const std::function<void(Window*)>& step) {
  QTimer::singleShot(0, [step] {
    auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
    if (window == nullptr) {
      WhenShown<Window>(step);
      return;
    }
    window->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window));
    step(window);
  });
}

// Closes whatever is still open if a test goes wrong, so that it fails instead of hanging.
class Watchdog {
 public:
  Watchdog() {
    QTimer::singleShot(kGiveUpMs, &guard_, [] {
      ADD_FAILURE() << "the preview was still open";
      while (QWidget* modal = QApplication::activeModalWidget()) modal->close();
    });
  }

 private:
  QObject guard_;
};

struct PageState {
  int current = 0;
  int count = 0;
  std::string label;
};

PageState StateOf(ReportPreview* preview) {
  const auto* label = preview->findChild<QLabel*>();
  return {preview->CurrentPage(), preview->PageCount(),
          label != nullptr ? label->text().toStdString() : std::string()};
}

bool operator==(const PageState& a, const PageState& b) {
  return a.current == b.current && a.count == b.count && a.label == b.label;
}

void PrintTo(const PageState& state, std::ostream* out) {
  *out << state.current << "/" << state.count << " \"" << state.label << "\"";
}

DadosResultado LongReport() {
  DadosResultado dados = reporttest::ExemploResultado();
  dados.linhasLog = reporttest::LogDe(150);
  return dados;
}

TEST(ReportPreview, PagesThroughTheReportByKeyboardAndClosesOnEscape) {
  Watchdog watchdog;
  std::string title;
  std::vector<PageState> seen;
  bool closedByTest = false;
  WhenShown<ReportPreview>([&](ReportPreview* preview) {
    title = preview->windowTitle().toStdString();
    seen.push_back(StateOf(preview));
    for (Qt::Key key : {Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageDown, Qt::Key_PageUp,
                        Qt::Key_Home, Qt::Key_End}) {
      QTest::keyClick(preview, key);
      seen.push_back(StateOf(preview));
    }
    closedByTest = true;
    QTest::keyClick(preview, Qt::Key_Escape);
  });

  MostraRelatorio(LongReport(), nullptr);

  EXPECT_TRUE(closedByTest);
  EXPECT_EQ(title, "Visualização do relatório");
  const std::vector<PageState> expected = {
      {1, 3, "Página 1 de 3"}, {2, 3, "Página 2 de 3"}, {3, 3, "Página 3 de 3"},
      {3, 3, "Página 3 de 3"}, {2, 3, "Página 2 de 3"}, {1, 3, "Página 1 de 3"},
      {3, 3, "Página 3 de 3"}};
  EXPECT_EQ(seen, expected);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(ReportPreview, OffersResultadoPdfAndSavesTheReportThere) {
  Watchdog watchdog;
  testsupport::TempDir dir;
  const std::string path = dir.File("copia.pdf");
  std::string offeredName;
  WhenShown<ReportPreview>([&](ReportPreview* preview) {
    WhenShown<QFileDialog>([&](QFileDialog* dialog) {
      offeredName = dialog->selectedFiles().value(0).section(QLatin1Char('/'), -1).toStdString();
      dialog->selectFile(QString::fromStdString(path));
      static_cast<QDialog*>(dialog)->accept();
    });
    QTest::keyClick(preview, Qt::Key_S, Qt::ControlModifier);
    preview->close();
  });

  MostraRelatorio(LongReport(), nullptr);

  EXPECT_EQ(offeredName, "Resultado.pdf");
  EXPECT_EQ(reporttest::ReadPdfInfo(path).pages, 3);
  const std::vector<std::string> lines = reporttest::PdfLines(path);
  EXPECT_NE(std::find(lines.begin(), lines.end(), "Linha 150 do log de verificação"), lines.end());
}

TEST(ReportPreview, AsksForAPrinterOnCtrlP) {
  Watchdog watchdog;
  std::string printTitle;
  WhenShown<ReportPreview>([&](ReportPreview* preview) {
    WhenShown<QPrintDialog>([&](QPrintDialog* dialog) {
      printTitle = dialog->windowTitle().toStdString();
      dialog->reject();
    });
    QTest::keyClick(preview, Qt::Key_P, Qt::ControlModifier);
    preview->close();
  });

  MostraRelatorio(reporttest::ExemploResultado(), nullptr);

  EXPECT_EQ(printTitle, "Imprimir relatório");
}

TEST(ReportPreview, ZoomsInAndOutAndFitsThePage) {
  Watchdog watchdog;
  Report report(QStringLiteral("r"));
  report.AddBand(QStringLiteral("d"), ReportBandKind::Detail, 20);
  ReportPreview preview(report);
  preview.show();
  preview.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&preview));
  auto* view = preview.findChild<QPrintPreviewWidget*>();
  ASSERT_NE(view, nullptr);
  const qreal fitted = view->zoomFactor();
  QTest::keyClick(&preview, Qt::Key_Plus, Qt::ControlModifier);
  EXPECT_NEAR(view->zoomFactor(), fitted * 1.25, 1e-6);
  QTest::keyClick(&preview, Qt::Key_Minus, Qt::ControlModifier);
  QTest::keyClick(&preview, Qt::Key_Minus, Qt::ControlModifier);
  EXPECT_NEAR(view->zoomFactor(), fitted / 1.25, 1e-6);
  QTest::keyClick(&preview, Qt::Key_0, Qt::ControlModifier);
  EXPECT_EQ(view->zoomMode(), QPrintPreviewWidget::FitInView);
  QTest::keyClick(&preview, Qt::Key_W, Qt::ControlModifier);
  EXPECT_EQ(view->zoomMode(), QPrintPreviewWidget::FitToWidth);
  EXPECT_EQ(preview.PageCount(), 1);
}

}  // namespace
}  // namespace validador
