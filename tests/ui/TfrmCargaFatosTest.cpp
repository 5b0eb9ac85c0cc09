// The window shows only the facts of the delivery it checked last: the report's case
// number, a fuller HASHV.txt not replaced without a question, no file or line total left
// from before, and switched-off controls that look switched off.

#include <QApplication>
#include <QImage>
#include <QTest>

#include "UiSupport.h"
#include "support/Delivery.h"
#include "ui/ManifestReplace.h"
#include "ui/WindowLook.h"

using testsupport::Delivery;
using uitest::ModalAnswerer;
using uitest::Q;
using uitest::ShownWindow;
using validador::DadosResultado;
using validador::ui::ConfereHashChoice;
using validador::ui::TfrmCarga;

namespace {

void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

void CheckAll(TfrmCarga& window, const Delivery& delivery, const QString& typedCase) {
  uitest::Type(window.edtNrCaso, typedCase);
  uitest::Type(window.edtNrBanco, Q(delivery.bank));
  window.dlb1->SetDirectory(Q(delivery.dir.Path().string()));
  Click(window.btnAbreTodos);
}

void CheckOne(TfrmCarga& window, const std::string& path, const QString& typedCase) {
  uitest::Type(window.edtNrCaso, typedCase);
  window.SetFileChooser([path](QWidget*, const QString&) { return std::optional<QString>(Q(path)); });
  Click(window.btnAbreUm);
}

// The reports "Resultado" shows, kept in place of the preview.
struct ReportsShown {
  explicit ReportsShown(TfrmCarga& window) {
    window.SetReportShower([this](const DadosResultado& dados, QWidget*) { shown.push_back(dados); });
  }
  std::vector<DadosResultado> shown;
};

qsizetype ManifestLines(const Delivery& delivery) {
  return validador::ui::ManifestLineCount(Q(delivery.dir.File("HASHV.txt")));
}

// The colour of the button's frame: the middle of its left edge.
QRgb FrameColour(QPushButton* button) {
  const QImage image = button->grab().toImage();
  return image.pixel(0, image.height() / 2);
}

}  // namespace

class TestFatos : public QObject {
  Q_OBJECT

 private slots:
  void reportCarriesTheCheckedDeliverysCase_data();
  void reportCarriesTheCheckedDeliverysCase();
  void shrinkingManifestIsAskedAbout_data();
  void shrinkingManifestIsAskedAbout();
  void shrinkingManifestQuestionInItsBox();
  void manifestLinesAreCounted_data();
  void manifestLinesAreCounted();
  void noFieldStaysFromTheLastFile_data();
  void noFieldStaysFromTheLastFile();
  void switchedOffControlsLookSwitchedOff();
};

void TestFatos::reportCarriesTheCheckedDeliverysCase_data() {
  QTest::addColumn<int>("chosenType");
  QTest::addColumn<QString>("expected");
  // The identification file gives its own case number, even when another was typed.
  QTest::newRow("arquivo I da outra entrega") << int{validador::rtI} << QStringLiteral("2024.002");
  // A data file has none: the case number typed for this check.
  QTest::newRow("arquivo A da outra entrega") << int{validador::rtA} << QStringLiteral("DIGITADO");
}

// A check of one delivery, then "Abre Arquivo" on a file of another and "Resultado": the
// report never prints the first delivery's case number.
void TestFatos::reportCarriesTheCheckedDeliverysCase() {
  QFETCH(int, chosenType);
  QFETCH(QString, expected);
  Delivery first("CASO-X-999", "001", 3);
  Delivery other("2024.002", "001", 3);
  ShownWindow window;
  ModalAnswerer answerer;
  ReportsShown recorded(*window);
  std::vector<DadosResultado>& reports = recorded.shown;
  CheckAll(*window, first, QStringLiteral("CASO-X-999"));
  Click(window->btnGeraResult);
  QCOMPARE(reports.size(), std::size_t{1});
  QCOMPARE(reports.back().numCaso, QStringLiteral("CASO-X-999"));

  CheckOne(*window, other.PathOf(static_cast<validador::RecordTypeIndex>(chosenType)),
           QStringLiteral("DIGITADO"));
  Click(window->btnGeraResult);

  QCOMPARE(reports.size(), std::size_t{2});
  QCOMPARE(reports.back().numCaso, expected);
  QCOMPARE(ManifestLines(other), qsizetype{1});
}

void TestFatos::shrinkingManifestIsAskedAbout_data() {
  QTest::addColumn<bool>("replace");
  QTest::newRow("não substituir") << false;
  QTest::newRow("substituir") << true;
}

// The delivery's 8-line HASHV.txt, then a check of one of its files: "Resultado" asks,
// naming both counts; kept, nothing is written and no report is shown.
void TestFatos::shrinkingManifestIsAskedAbout() {
  QFETCH(bool, replace);
  Delivery delivery("2024.001", "001", 3);
  ShownWindow window;
  ModalAnswerer answerer;
  ReportsShown recorded(*window);
  std::vector<DadosResultado>& reports = recorded.shown;
  std::vector<std::pair<qsizetype, qsizetype>> asked;
  window->SetReplaceManifestQuestion([&](QWidget*, qsizetype oldLines, qsizetype newLines) {
    asked.emplace_back(oldLines, newLines);
    return replace;
  });
  CheckAll(*window, delivery, Q(delivery.caso));
  Click(window->btnGeraResult);
  QVERIFY(asked.empty());  // nothing fuller to lose
  QCOMPARE(ManifestLines(delivery), qsizetype{8});
  const std::string fullManifest = uitest::ReadFileBytes(Q(delivery.dir.File("HASHV.txt")));

  CheckOne(*window, delivery.PathOf(validador::rtE), Q(delivery.caso));
  Click(window->btnGeraResult);

  QCOMPARE(asked.size(), std::size_t{1});
  QCOMPARE(asked.front(), std::make_pair(qsizetype{8}, qsizetype{1}));
  QCOMPARE(ManifestLines(delivery), replace ? qsizetype{1} : qsizetype{8});
  if (!replace) QCOMPARE(uitest::ReadFileBytes(Q(delivery.dir.File("HASHV.txt"))), fullManifest);
  QCOMPARE(reports.size(), replace ? std::size_t{2} : std::size_t{1});
  QVERIFY(answerer.Boxes().empty());
  QVERIFY(window->btnGeraResult->isEnabled());
}

// The real box: Portuguese, both counts, "Não substituir" the default and the answer to
// Escape.
void TestFatos::shrinkingManifestQuestionInItsBox() {
  Delivery delivery("2024.001", "001", 3);
  ShownWindow window;
  ReportsShown recorded(*window);
  std::vector<DadosResultado>& reports = recorded.shown;
  {
    ModalAnswerer answerer;
    CheckAll(*window, delivery, Q(delivery.caso));
    Click(window->btnGeraResult);
    CheckOne(*window, delivery.PathOf(validador::rtE), Q(delivery.caso));
  }
  QString defaultButton;
  QString escapeButton;
  ModalAnswerer answerer;
  answerer.BeforeAnswer([&](QMessageBox* box) {
    if (box->defaultButton() != nullptr) defaultButton = box->defaultButton()->text();
    if (auto* escape = qobject_cast<QPushButton*>(box->escapeButton())) escapeButton = escape->text();
  });
  answerer.PressButton(QStringLiteral("Não substituir"));

  Click(window->btnGeraResult);

  QCOMPARE(answerer.Boxes().size(), std::size_t{1});
  QCOMPARE(answerer.Boxes().front().title, QStringLiteral(" Validador "));
  QCOMPARE(answerer.Boxes().front().text,
           QStringLiteral("O HASHV.txt da pasta tem 8 linhas; o novo terá 1 linha.\n"
                          "Substituir o HASHV.txt existente?"));
  QCOMPARE(defaultButton, QStringLiteral("Não substituir"));
  QCOMPARE(escapeButton, QStringLiteral("Não substituir"));
  QCOMPARE(ManifestLines(delivery), qsizetype{8});
  QCOMPARE(reports.size(), std::size_t{1});
}

void TestFatos::manifestLinesAreCounted_data() {
  QTest::addColumn<QByteArray>("bytes");
  QTest::addColumn<qsizetype>("lines");
  QTest::newRow("CR LF") << QByteArray("AB\r\nCD\r\n") << qsizetype{2};
  QTest::newRow("LF sozinho e última linha sem fim") << QByteArray("AB\nCD\nEF") << qsizetype{3};
  QTest::newRow("linhas em branco não contam") << QByteArray("AB\r\n\r\n  \r\nCD\r\n") << qsizetype{2};
  QTest::newRow("vazio") << QByteArray() << qsizetype{0};
}

void TestFatos::manifestLinesAreCounted() {
  QFETCH(QByteArray, bytes);
  QFETCH(qsizetype, lines);
  testsupport::TempDir dir;
  dir.Write("HASHV.txt", bytes.toStdString());
  QCOMPARE(validador::ui::ManifestLineCount(Q(dir.File("HASHV.txt"))), lines);
  QCOMPARE(validador::ui::ManifestLineCount(Q(dir.File("nenhum.txt"))), qsizetype{0});
}

void TestFatos::noFieldStaysFromTheLastFile_data() {
  QTest::addColumn<QString>("command");
  QTest::newRow("Limpa Tela") << QStringLiteral("Limpa Tela");
  QTest::newRow("Confere Hash") << QStringLiteral("Confere Hash");
  QTest::newRow("Abre Arquivo cancelado") << QStringLiteral("Abre Arquivo");
}

// After a check, each command clears the file, the line total and the lines with faults.
void TestFatos::noFieldStaysFromTheLastFile() {
  QFETCH(QString, command);
  Delivery delivery("2024.001", "001", 3);
  delivery.dir.Write("HASHV.txt", "");
  ShownWindow window;
  ModalAnswerer answerer;
  CheckAll(*window, delivery, Q(delivery.caso));
  QVERIFY(!window->FEdit->text().isEmpty());
  QVERIFY(window->lblTotReg->isVisible());
  QVERIFY(window->lblLinhasComErro->isVisible());

  if (command == QLatin1String("Limpa Tela")) {
    Click(window->btnLimpaTela);
  } else if (command == QLatin1String("Confere Hash")) {
    window->SetConfereHashQuestion([](QWidget*, const QString&) { return std::optional<ConfereHashChoice>(ConfereHashChoice{}); });
    Click(window->btnConfereHash);
  } else {
    window->SetFileChooser([](QWidget*, const QString&) { return std::optional<QString>(); });
    Click(window->btnAbreUm);
  }

  QVERIFY(window->FEdit->text().isEmpty());
  QVERIFY(!window->lblTotReg->isVisible());
  QVERIFY(!window->Label14->isVisible());
  QVERIFY(!window->lblLinhasComErro->isVisible());
  for (QLineEdit* box : window->Edit) QVERIFY(box->text().isEmpty());
}

// Text and frame change when a button is switched off, not only its picture; the folder
// list's and the inputs' text turns grey too.
void TestFatos::switchedOffControlsLookSwitchedOff() {
  ShownWindow window;
  for (QPushButton* button : {window->btnAbreTodos, window->btnAbreUm, window->btnGeraResult,
                              window->btnLimpaTela, window->btnConfereHash}) {
    button->setEnabled(true);
    const QRgb enabledFrame = FrameColour(button);
    QCOMPARE(button->palette().color(QPalette::Active, QPalette::ButtonText), validador::ui::kNavy);
    button->setEnabled(false);
    QCOMPARE(button->palette().color(QPalette::Disabled, QPalette::ButtonText),
             validador::ui::kDisabledText);
#ifndef Q_OS_WIN
    // The Windows style draws a button's frame from the system's theme, not the palette.
    QVERIFY2(FrameColour(button) != enabledFrame, qPrintable(button->objectName()));
#endif
    button->setEnabled(true);
    QCOMPARE(FrameColour(button), enabledFrame);
  }
  for (QWidget* control : {static_cast<QWidget*>(window->dlb1), static_cast<QWidget*>(window->DriveComboBox1),
                           static_cast<QWidget*>(window->edtNrCaso)}) {
    QCOMPARE(control->palette().color(QPalette::Disabled, QPalette::Text), validador::ui::kDisabledText);
    QVERIFY(control->palette().color(QPalette::Disabled, QPalette::Text) !=
            control->palette().color(QPalette::Active, QPalette::Text));
  }
}

QTEST_MAIN(TestFatos)
#include "TfrmCargaFatosTest.moc"
