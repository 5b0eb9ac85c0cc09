// "Resultado" from the window: the manifest written into the chosen folder, its digest,
// the report's data taken from the log box as shown, the real preview opened and
// closed; a manifest that cannot be written; the window left as it was.

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "UiSupport.h"
#include "preview/ReportPreview.h"
#include "qttexts/QtTexts.h"
#include "support/Delivery.h"

using testsupport::Delivery;
using uitest::ModalAnswerer;
using uitest::Q;
using uitest::ShownWindow;
using validador::DadosResultado;

namespace {

// The delivery's folder as the window keeps it: as Qt writes it ('/' on Windows too).
QString FolderOf(const Delivery& delivery) {
  return QDir::fromNativeSeparators(Q(delivery.dir.Path().string()));
}

QString ManifestOf(const Delivery& delivery) {
  return QDir(FolderOf(delivery)).filePath(QStringLiteral("HASHV.txt"));
}

// Runs "Abre Arquivos" on the delivery with the chosen algorithm.
void CheckDelivery(ShownWindow& window, const Delivery& delivery, int algorithm) {
  uitest::Type(window->edtNrCaso, Q(delivery.caso));
  uitest::Type(window->edtNrBanco, Q(delivery.bank));
  window->cbHash->setCurrentIndex(algorithm);
  window->dlb1->SetDirectory(FolderOf(delivery));
  QTest::mouseClick(window->btnAbreTodos, Qt::LeftButton);
}

// The report's data as the window hands it over; the real preview is shown after.
struct ReportSpy {
  explicit ReportSpy(validador::ui::TfrmCarga& window) {
    window.SetReportShower([this](const DadosResultado& dados, QWidget* parent) {
      shown.push_back(dados);
      validador::MostraRelatorio(dados, parent);
    });
  }
  std::vector<DadosResultado> shown;
};

}  // namespace

class TestResultado : public QObject {
  Q_OBJECT

 private slots:
  void writesTheManifestAndShowsTheReport_data();
  void writesTheManifestAndShowsTheReport();
  void manifestThatCannotBeWrittenShowsNoReport();
  void withNoCompletedCheckNothingIsWritten_data();
  void withNoCompletedCheckNothingIsWritten();
  void manifestGoesIntoTheCheckedFolder_data();
  void manifestGoesIntoTheCheckedFolder();
  void pdfAndPrintoutAreNamedAfterTheCase();
};

void TestResultado::writesTheManifestAndShowsTheReport_data() {
  QTest::addColumn<int>("algorithm");
  QTest::addColumn<int>("method");  // QCryptographicHash::Algorithm
  QTest::newRow("md5") << 2 << static_cast<int>(QCryptographicHash::Md5);
  QTest::newRow("sha512") << 8 << static_cast<int>(QCryptographicHash::Sha512);
}

void TestResultado::writesTheManifestAndShowsTheReport() {
  QFETCH(int, algorithm);
  QFETCH(int, method);
  Delivery delivery("2024.001", "001", 3);
  ShownWindow window;
  CheckDelivery(window, delivery, algorithm);
  window.operator->()->redtResultado->moveCursor(QTextCursor::End);
  QTest::keyClick(window->redtResultado, Qt::Key_Return);
  QTest::keyClicks(window->redtResultado, QStringLiteral("Conferido pelo analista"));
  const QStringList logShown = window->redtResultado->LinesAsShown();
  const std::vector<std::string> digestsBefore = window->Engine().Memo2;
  ReportSpy spy(*window);
  bool previewClosed = false;
  ModalAnswerer answerer([&](QWidget* modal) {
    previewClosed = qobject_cast<validador::ReportPreview*>(modal) != nullptr;
    modal->close();
  });
  const QDate dayBefore = QDate::currentDate();

  QTest::mouseClick(window->btnGeraResult, Qt::LeftButton);

  QVERIFY(previewClosed);
  QVERIFY(answerer.Boxes().empty());
  std::string expectedManifest;
  for (const std::string& digest : digestsBefore) expectedManifest += digest + "\r\n";
  const std::string manifest = uitest::ReadFileBytes(ManifestOf(delivery));
  QCOMPARE(manifest, expectedManifest);
  QCOMPARE(spy.shown.size(), std::size_t{1});
  const DadosResultado& dados = spy.shown.front();
  const QByteArray digest = QCryptographicHash::hash(
      QByteArray::fromStdString(manifest), static_cast<QCryptographicHash::Algorithm>(method));
  QCOMPARE(dados.digest, QString::fromLatin1(digest.toHex().toUpper()));
  QCOMPARE(dados.linhasLog, logShown);
  QCOMPARE(dados.linhasLog.last(), QStringLiteral("Conferido pelo analista"));
  QCOMPARE(dados.algoritmo, window->cbHash->itemText(algorithm));
  QCOMPARE(dados.numCaso, QStringLiteral("2024.001"));
  QCOMPARE(dados.nomeAnalista, validador::FromCp1252(window->Engine().NomeAnalista));
  QVERIFY(!dados.nomeAnalista.isEmpty());
  QCOMPARE(dados.emailContato, validador::FromCp1252(window->Engine().EmailContato));
  QCOMPARE(dados.telContato, validador::FromCp1252(window->Engine().TelContato));
  QVERIFY(dados.data >= dayBefore && dados.data <= QDate::currentDate());
  QVERIFY(dados.hora.isValid());
  // The window is left as it was.
  QCOMPARE(window->redtResultado->LinesAsShown(), logShown);
  QCOMPARE(window->Engine().Memo2, digestsBefore);
  QVERIFY(QApplication::overrideCursor() == nullptr);
  QVERIFY(window->btnGeraResult->isEnabled());
}

void TestResultado::manifestThatCannotBeWrittenShowsNoReport() {
  Delivery delivery("2024.001", "001", 3);
  QVERIFY(QDir(FolderOf(delivery)).mkdir(QStringLiteral("HASHV.txt")));
  ShownWindow window;
  CheckDelivery(window, delivery, 2);
  ReportSpy spy(*window);
  ModalAnswerer answerer;

  QTest::mouseClick(window->btnGeraResult, Qt::LeftButton);

  QVERIFY(spy.shown.empty());
  QCOMPARE(answerer.OthersSeen(), 0);
  QCOMPARE(answerer.Boxes().size(), std::size_t{1});
  QCOMPARE(answerer.Boxes().front().title, QStringLiteral(" Validador "));
  QVERIFY(answerer.Boxes().front().text.endsWith(QLatin1Char('.')));
  QCOMPARE(answerer.Boxes().front().icon, QMessageBox::Critical);
  QVERIFY(window->btnGeraResult->isEnabled());
}

// Before any check, after "Limpa Tela" and after a check that was not completed there
// is no manifest to write: a notice, and the delivery's own HASHV.txt stays as it was.
void TestResultado::withNoCompletedCheckNothingIsWritten_data() {
  QTest::addColumn<QString>("before");
  QTest::newRow("nenhuma verificação") << "";
  QTest::newRow("depois de Limpa Tela") << "limpa";
  QTest::newRow("Abre Arquivo cancelado") << "cancelado";
  QTest::newRow("arquivo sem nome padrão") << "sem nome";
}

void TestResultado::withNoCompletedCheckNothingIsWritten() {
  QFETCH(QString, before);
  Delivery delivery("2024.001", "001", 3);
  const std::string deliveredManifest = "0123456789ABCDEF0123456789ABCDEF\r\n";
  delivery.dir.Write("HASHV.txt", deliveredManifest);
  ShownWindow window;
  window->cbHash->setCurrentIndex(1);  // md4
  window->dlb1->SetDirectory(FolderOf(delivery));
  ReportSpy spy(*window);
  ModalAnswerer answerer;
  if (before == "limpa") {
    CheckDelivery(window, delivery, 1);
    QTest::mouseClick(window->btnLimpaTela, Qt::LeftButton);
  } else if (!before.isEmpty()) {
    uitest::Type(window->edtNrBanco, QStringLiteral("001"));
    const std::string other = delivery.dir.Write("notas.txt", "x");
    window->SetFileChooser([&](QWidget*, const QString&) {
      return before == "cancelado" ? std::optional<QString>() : std::optional<QString>(Q(other));
    });
    QTest::mouseClick(window->btnAbreUm, Qt::LeftButton);
  }

  QTest::mouseClick(window->btnGeraResult, Qt::LeftButton);

  QCOMPARE(uitest::ReadFileBytes(ManifestOf(delivery)), deliveredManifest);
  QVERIFY(spy.shown.empty());
  QCOMPARE(answerer.OthersSeen(), 0);
  QCOMPARE(answerer.Boxes().size(), std::size_t{1});
  QCOMPARE(answerer.Boxes().front().title, QStringLiteral(" Validador "));
  QVERIFY(answerer.Boxes().front().text.startsWith(QStringLiteral("Nenhuma verificação concluída")));
  QCOMPARE(answerer.Boxes().front().icon, QMessageBox::NoIcon);
  QVERIFY(window->btnGeraResult->isEnabled());
}

// The manifest goes into the folder that was checked, wherever the folder list has been
// moved since; the other folder's manifest is left alone; the preview names the folder.
void TestResultado::manifestGoesIntoTheCheckedFolder_data() {
  QTest::addColumn<bool>("oneFile");
  QTest::newRow("Abre Arquivos") << false;
  QTest::newRow("Abre Arquivo: a pasta do arquivo escolhido") << true;
}

void TestResultado::manifestGoesIntoTheCheckedFolder() {
  QFETCH(bool, oneFile);
  Delivery checked("2024.001", "001", 3);
  Delivery other("2024.002", "001", 3);
  const std::string othersManifest = "FEDCBA9876543210FEDCBA9876543210\r\n";
  other.dir.Write("HASHV.txt", othersManifest);
  ShownWindow window;
  if (oneFile) {
    uitest::Type(window->edtNrCaso, Q(checked.caso));
    uitest::Type(window->edtNrBanco, Q(checked.bank));
    window->dlb1->SetDirectory(FolderOf(other));
    window->SetFileChooser([&](QWidget*, const QString&) {
      return std::optional<QString>(Q(checked.PathOf(validador::rtE)));
    });
    QTest::mouseClick(window->btnAbreUm, Qt::LeftButton);
  } else {
    CheckDelivery(window, checked, 2);
  }
  window->dlb1->SetDirectory(FolderOf(other));
  QString folderLine;
  QString pdfPath;
  ModalAnswerer answerer([&](QWidget* modal) {
    if (auto* preview = qobject_cast<validador::ReportPreview*>(modal)) {
      folderLine = preview->FolderLine();
      pdfPath = preview->Target().PdfPath();
    }
    modal->close();
  });

  QTest::mouseClick(window->btnGeraResult, Qt::LeftButton);

  std::string expected;
  for (const std::string& digest : window->Engine().Memo2) expected += digest + "\r\n";
  QCOMPARE(uitest::ReadFileBytes(ManifestOf(checked)), expected);
  QCOMPARE(uitest::ReadFileBytes(ManifestOf(other)), othersManifest);
  QVERIFY2(folderLine.contains(QDir::toNativeSeparators(FolderOf(checked))), qPrintable(folderLine));
  QCOMPARE(pdfPath, QDir(FolderOf(checked)).filePath(QStringLiteral("Resultado-2024.001.pdf")));
  QCOMPARE(window->dlb1->Directory(), FolderOf(other));
}

// "Salvar PDF..." proposes the checked folder and Resultado-<case>.pdf, writes the PDF
// and offers, above the pages, to open it; the print dialog's file field holds the same
// name.
void TestResultado::pdfAndPrintoutAreNamedAfterTheCase() {
  Delivery delivery("2024/0042-7", "001", 3);
  ShownWindow window;
  CheckDelivery(window, delivery, 2);
  const QString proposed = QDir(FolderOf(delivery)).filePath(QStringLiteral("Resultado-2024-0042-7.pdf"));
  QString dialogFolder, dialogFile, printFile;
  QStringList opened;
  QString savedLine;
  bool previewSeen = false;
  ModalAnswerer answerer([&](QWidget* modal) {
    if (auto* preview = qobject_cast<validador::ReportPreview*>(modal)) {
      if (previewSeen) return;  // back on top after a dialog of its own
      previewSeen = true;
      preview->SetFileOpener([&](const QString& path) {
        opened << path;
        return true;
      });
      QTimer::singleShot(0, preview, [&, preview] {
        preview->SavePdf();
        savedLine = preview->findChild<QLabel*>(QStringLiteral("pdfSalvo"))->text();
        emit preview->findChild<QLabel*>(QStringLiteral("pdfSalvo"))->linkActivated(QStringLiteral("abrir"));
        preview->Print();
        preview->close();
      });
    } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
      dialogFolder = files->directory().absolutePath();
      dialogFile = files->selectedFiles().value(0);
      QMetaObject::invokeMethod(files, "accept");
    } else if (auto* lineEdit = modal->findChild<QLineEdit*>(QStringLiteral("filename"))) {
      printFile = lineEdit->text();
      modal->close();
    } else {
      modal->close();
    }
  });
  QTest::mouseClick(window->btnGeraResult, Qt::LeftButton);

  QCOMPARE(dialogFolder, FolderOf(delivery));
  QCOMPARE(dialogFile, proposed);
  QVERIFY(uitest::ReadFileBytes(proposed).rfind("%PDF", 0) == 0);
  QVERIFY(answerer.Boxes().empty());
  QVERIFY2(savedLine.contains(QStringLiteral("Resultado-2024-0042-7.pdf")), qPrintable(savedLine));
  QCOMPARE(opened, QStringList{proposed});
#ifndef Q_OS_WIN
  // Windows prints through its own dialog, which has no file name field to read.
  QCOMPARE(printFile, proposed);
#else
  Q_UNUSED(printFile);
#endif
}

QTEST_MAIN(TestResultado)
#include "ResultadoTest.moc"
