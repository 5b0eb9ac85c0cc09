// "Resultado" from the window: the manifest written into the chosen folder, its digest,
// the report's data taken from the log box as shown, the real preview opened and
// closed; a manifest that cannot be written; the window left as it was.

#include <QApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QTest>

#include "UiSupport.h"
#include "preview/ReportPreview.h"
#include "resultado/QtTexts.h"
#include "support/Delivery.h"

using testsupport::Delivery;
using uitest::ModalAnswerer;
using uitest::Q;
using uitest::ShownWindow;
using validador::DadosResultado;

namespace {

QString FolderOf(const Delivery& delivery) { return Q(delivery.dir.Path().string()); }

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
  void withNoRunTheManifestIsEmpty();
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

void TestResultado::withNoRunTheManifestIsEmpty() {
  Delivery delivery("2024.001", "001", 3);
  ShownWindow window;
  window->cbHash->setCurrentIndex(1);  // md4
  window->dlb1->SetDirectory(FolderOf(delivery));
  ReportSpy spy(*window);
  ModalAnswerer answerer;

  QTest::mouseClick(window->btnGeraResult, Qt::LeftButton);

  QCOMPARE(uitest::ReadFileBytes(ManifestOf(delivery)), std::string());
  QCOMPARE(spy.shown.size(), std::size_t{1});
  QCOMPARE(spy.shown.front().digest, QStringLiteral("31D6CFE0D16AE931B73C59D7E0C089C0"));
  QVERIFY(spy.shown.front().linhasLog.isEmpty());
  QVERIFY(spy.shown.front().numCaso.isEmpty());
  QCOMPARE(answerer.OthersSeen(), 1);
  QVERIFY(window->redtResultado->document()->isEmpty());
}

QTEST_MAIN(TestResultado)
#include "ResultadoTest.moc"
