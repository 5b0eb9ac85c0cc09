// The main window's commands driven by clicks on small delivery folders: the log box
// against the command-line checker, the shown values, "Limpa Tela", the notices, the
// open-file dialog, the error handler, the algorithm box and the window during a run.

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QFileInfo>
#include <QTest>

#include "UiSupport.h"
#include "base/Cp1252.h"
#include "qttexts/QtTexts.h"
#include "support/Delivery.h"
#include "ui/WindowLook.h"

using testsupport::Delivery;
using uitest::ModalAnswerer;
using uitest::Q;
using uitest::ShownWindow;
using validador::ui::TfrmCarga;

Q_DECLARE_METATYPE(validador::RecordTypeIndex)

namespace {

const QString kClosingLine = QStringLiteral("****              Fim da Verificação              ****");

// The delivery's folder as the window keeps it: as Qt writes it ('/' on Windows too).
QString FolderOf(const Delivery& delivery) {
  return QDir::fromNativeSeparators(Q(delivery.dir.Path().string()));
}

void FillInputs(TfrmCarga& window, const QString& caso, const QString& banco) {
  uitest::Type(window.edtNrCaso, caso);
  uitest::Type(window.edtNrBanco, banco);
}

void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

QStringList EngineLines(const TfrmCarga& window) {
  QStringList lines;
  for (const auto& line : window.Engine().Log.Lines()) lines << validador::FromCp1252(line.text);
  return lines;
}

// Compares the box with the checker's styled log, line by line: text and look.
void ExpectBoxLike(TfrmCarga& window, const std::vector<std::pair<char, QString>>& cli) {
  const std::vector<uitest::LineLook> box = uitest::LooksOf(*window.redtResultado);
  QCOMPARE(box.size(), cli.size());
  for (std::size_t i = 0; i < box.size(); ++i) {
    const uitest::LineLook expected = uitest::ExpectedLook(cli[i].first, cli[i].second);
    QCOMPARE(uitest::MaskElapsed(box[i].text), expected.text);
    QVERIFY2(box[i].uniform, qPrintable(box[i].text));
    QCOMPARE(box[i].points, expected.points);
    QCOMPARE(box[i].colour, expected.colour);
    QVERIFY(box[i].bold);
  }
}

}  // namespace

class TestComandos : public QObject {
  Q_OBJECT

 private slots:
  void abreArquivosChecksLikeTheCommandLine();
  void abreArquivosWithFindingsStylesEachLine();
  void limpaTelaClearsTheRunAndKeepsTheRest();
  void missingInputsShowANotice_data();
  void missingInputsShowANotice();
  void bankBoxTakesThreeCharacters();
  void abreArquivoChecksTheChosenFile_data();
  void abreArquivoChecksTheChosenFile();
  void cancelledDialogStillEndsTheLog();
  void errorThatEndsACommandIsShown();
  void unreadableFileShowsItsBox();
  void invalidAlgorithmIsRefused();
  void typedAlgorithmNameIsUsed();
  void windowDuringALongRun();
};

void TestComandos::abreArquivosChecksLikeTheCommandLine() {
  Delivery delivery("2024.001", "001", 3);
  ShownWindow window;
  FillInputs(*window, QStringLiteral("2024.001"), QStringLiteral("001"));
  window->dlb1->SetDirectory(FolderOf(delivery));
  ModalAnswerer answerer;

  Click(window->btnAbreTodos);

  QVERIFY(answerer.Boxes().empty());
  QCOMPARE(window->cbHash->currentText(), QStringLiteral("md5"));
  QCOMPARE(window->cbHash->currentIndex(), 2);
  ExpectBoxLike(*window, uitest::CliStyledLog({"check", delivery.dir.Path().string(), "--case",
                                               "2024.001", "--bank", "001", "--styled"}));
  QCOMPARE(window->redtResultado->LinesAsShown().last(), kClosingLine);
  for (int i = 0; i < 8; ++i) {
    QCOMPARE(window->Edit[i]->text(), i == validador::rtI ? QStringLiteral("1") : QStringLiteral("3"));
  }
  QVERIFY(window->lblTotReg->isVisible());
  QVERIFY(window->Label14->isVisible());
  QCOMPARE(window->lblTotReg->text(), QStringLiteral("3"));
  QCOMPARE(window->G->value(), window->G->maximum());
  QCOMPARE(window->G->text(), QStringLiteral("100%"));
  QCOMPARE(window->FEdit->text(), Q(delivery.PathOf(validador::rtY)));
  QCOMPARE(window->Memo2->toPlainText().split(QLatin1Char('\n')).size(), 8);
  QCOMPARE(window->Memo2->toPlainText().split(QLatin1Char('\n')).first(),
           Q(window->Engine().Memo2.front()));
  QCOMPARE(window->Engine().Log.ContadorLinhasLog(), window->redtResultado->LinesAsShown().size() - 1);
  QVERIFY(QApplication::overrideCursor() == nullptr);
}

void TestComandos::abreArquivosWithFindingsStylesEachLine() {
  Delivery delivery("2024.001", "001", 3);
  delivery.Remove(validador::rtB);
  delivery.WriteFile(validador::rtE, "");
  delivery.WriteLines(validador::rtC, {"C\t001\tbad"});
  ShownWindow window;
  FillInputs(*window, QStringLiteral("2024.001"), QStringLiteral("001"));
  window->cbHash->setCurrentIndex(8);  // sha512: digests longer than the box is wide
  window->dlb1->SetDirectory(FolderOf(delivery));
  ModalAnswerer answerer;

  Click(window->btnAbreTodos);

  ExpectBoxLike(*window, uitest::CliStyledLog({"check", delivery.dir.Path().string(), "--case",
                                               "2024.001", "--bank", "001", "--hash", "sha512",
                                               "--styled"}));
  QCOMPARE(window->redtResultado->LinesAsShown(), EngineLines(*window));
}

void TestComandos::limpaTelaClearsTheRunAndKeepsTheRest() {
  Delivery delivery("2024.001", "001", 3);
  ShownWindow window;
  FillInputs(*window, QStringLiteral("2024.001"), QStringLiteral("001"));
  window->dlb1->SetDirectory(FolderOf(delivery));
  Click(window->btnAbreTodos);
  const QString fileShown = window->FEdit->text();

  Click(window->btnLimpaTela);

  QVERIFY(window->redtResultado->document()->isEmpty());
  QCOMPARE(window->redtResultado->BaseColour(), validador::ui::kLogBlue);
  QCOMPARE(window->Engine().Log.ContadorLinhasLog(), 0);
  QVERIFY(window->Memo2->toPlainText().isEmpty());
  for (QLineEdit* box : window->Edit) QVERIFY(box->text().isEmpty());
  QCOMPARE(window->G->value(), 0);
  QCOMPARE(window->G->text(), QStringLiteral("0%"));
  QVERIFY(window->Engine().NomeAnalista.empty());
  QVERIFY(window->Engine().EmailContato.empty());
  QVERIFY(window->Engine().TelContato.empty());
  // Nothing of the last file or delivery stays to be taken for the next one's.
  QVERIFY(!fileShown.isEmpty());
  QVERIFY(window->FEdit->text().isEmpty());
  QVERIFY(!window->lblTotReg->isVisible());
  QVERIFY(!window->Label14->isVisible());
  QCOMPARE(window->lblTotReg->text(), QStringLiteral("0"));
  QVERIFY(window->Engine().NumCaso.empty());
  // What it leaves alone.
  QCOMPARE(window->edtNrCaso->text(), QStringLiteral("2024.001"));
  QCOMPARE(window->edtNrBanco->text(), QStringLiteral("001"));
  QCOMPARE(window->cbHash->currentText(), QStringLiteral("md5"));
}

void TestComandos::missingInputsShowANotice_data() {
  QTest::addColumn<bool>("allFiles");
  QTest::addColumn<QString>("caso");
  QTest::addColumn<QString>("banco");
  QTest::addColumn<QString>("notice");
  QTest::addColumn<QString>("focus");
  const QString caso = QStringLiteral("Preencha o n.º do caso!");
  const QString banco = QStringLiteral("Preencha o n.º do banco!");
  QTest::newRow("todos, ambos vazios") << true << "" << "" << caso << "edtNrCaso";
  QTest::newRow("todos, banco vazio") << true << "x" << "" << banco << "edtNrBanco";
  QTest::newRow("um, banco vazio") << false << "x" << "" << banco << "edtNrBanco";
  QTest::newRow("um, ambos vazios") << false << "" << "" << banco << "edtNrBanco";
}

void TestComandos::missingInputsShowANotice() {
  QFETCH(bool, allFiles);
  QFETCH(QString, caso);
  QFETCH(QString, banco);
  QFETCH(QString, notice);
  QFETCH(QString, focus);
  ShownWindow window;
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&*window));
  window->redtResultado->setPlainText(QStringLiteral("texto de antes"));
  FillInputs(*window, caso, banco);
  int dialogs = 0;
  window->SetFileChooser([&](QWidget*, const QString&) {
    ++dialogs;
    return std::optional<QString>();
  });
  ModalAnswerer answerer;

  Click(allFiles ? window->btnAbreTodos : window->btnAbreUm);

  QCOMPARE(answerer.Boxes().size(), std::size_t{1});
  const uitest::BoxSeen& box = answerer.Boxes().front();
  QCOMPARE(box.title, QStringLiteral(" Validador "));
  QCOMPARE(box.text, notice);
  QCOMPARE(box.icon, QMessageBox::NoIcon);
  QCOMPARE(box.buttonCount, 1);
  QVERIFY(window->focusWidget() != nullptr);
  QCOMPARE(window->focusWidget()->objectName(), focus);
  QVERIFY(window->redtResultado->document()->isEmpty());
  QCOMPARE(window->cbHash->currentText(), QStringLiteral("md5"));
  QCOMPARE(dialogs, 0);
}

void TestComandos::bankBoxTakesThreeCharacters() {
  ShownWindow window;
  QTest::keyClicks(window->edtNrBanco, QStringLiteral("0011"));
  QCOMPARE(window->edtNrBanco->text(), QStringLiteral("001"));
}

void TestComandos::abreArquivoChecksTheChosenFile_data() {
  QTest::addColumn<QString>("fileName");
  QTest::addColumn<QStringList>("expectedLines");
  const QString banner = QStringLiteral("ERRO!") + QString(80, QLatin1Char('*'));
  const QString asterisks(87, QLatin1Char('*'));
  QTest::newRow("sem nome padrão")
      << "notas.txt"
      << QStringList{banner, QStringLiteral("O arquivo selecionado não possui um nome padrão!"),
                     asterisks, kClosingLine};
  QTest::newRow("nome da agência em minúsculas")
      << "x_a_cadastro_agencias.txt"
      << QStringList{banner, QStringLiteral("O arquivo: A_cadastro_agencia não teve o nº de linhas verificado"),
                     asterisks};
}

void TestComandos::abreArquivoChecksTheChosenFile() {
  QFETCH(QString, fileName);
  QFETCH(QStringList, expectedLines);
  Delivery delivery("2024.001", "001", 3);
  const std::string chosen = delivery.dir.Write(fileName.toStdString(),
                                                testsupport::ReadAll(delivery.PathOf(validador::rtA)));
  ShownWindow window;
  FillInputs(*window, QString(), QStringLiteral("001"));
  window->dlb1->SetDirectory(FolderOf(delivery));
  QString initialFolder;
  window->SetFileChooser([&](QWidget*, const QString& folder) {
    initialFolder = folder;
    return std::optional<QString>(Q(chosen));
  });

  Click(window->btnAbreUm);

  QCOMPARE(initialFolder, FolderOf(delivery));
  QCOMPARE(window->FEdit->text(), Q(chosen));
  const QStringList shown = window->redtResultado->LinesAsShown();
  QVERIFY2(shown.size() >= expectedLines.size(), qPrintable(shown.join(QLatin1Char('\n'))));
  QCOMPARE(shown.mid(0, expectedLines.size()), expectedLines);
  QCOMPARE(shown.last(), kClosingLine);
  const std::vector<uitest::LineLook> looks = uitest::LooksOf(*window->redtResultado);
  QCOMPARE(looks.front().colour, validador::ui::kLogRed);
  QCOMPARE(looks.front().points, 12.0);
}

void TestComandos::cancelledDialogStillEndsTheLog() {
  ShownWindow window;
  FillInputs(*window, QString(), QStringLiteral("001"));
  window->redtResultado->setPlainText(QStringLiteral("texto de antes"));
  window->SetFileChooser([](QWidget*, const QString&) { return std::optional<QString>(); });

  Click(window->btnAbreUm);

  QCOMPARE(window->redtResultado->LinesAsShown(), QStringList{kClosingLine});
  const uitest::LineLook closing = uitest::LooksOf(*window->redtResultado).front();
  QCOMPARE(closing.colour, validador::ui::kLogBlue);
  QVERIFY(closing.bold);
  QCOMPARE(window->Engine().Log.ContadorLinhasLog(), 0);
}

void TestComandos::errorThatEndsACommandIsShown() {
  Delivery delivery("2024.001", "001", 3);
  delivery.counts[0] = "x";
  delivery.WriteHeader();
  ShownWindow window;
  FillInputs(*window, QStringLiteral("2024.001"), QStringLiteral("001"));
  window->dlb1->SetDirectory(FolderOf(delivery));
  ModalAnswerer answerer;

  Click(window->btnAbreTodos);

  QCOMPARE(answerer.Boxes().size(), std::size_t{1});
  QCOMPARE(answerer.Boxes().front().title, QStringLiteral(" Validador "));
  QCOMPARE(answerer.Boxes().front().text, QStringLiteral("'x' is not a valid integer value."));
  QCOMPARE(answerer.Boxes().front().icon, QMessageBox::Critical);
  QVERIFY(!window->redtResultado->LinesAsShown().contains(kClosingLine));
  QVERIFY(QApplication::overrideCursor() == nullptr);
  QVERIFY(window->btnAbreTodos->isEnabled());
  QVERIFY(!window->CommandRunning());

  // The window stays usable: the next command runs.
  delivery.counts[0] = "3";
  delivery.WriteHeader();
  Click(window->btnAbreTodos);
  QCOMPARE(answerer.Boxes().size(), std::size_t{1});
  QCOMPARE(window->redtResultado->LinesAsShown().last(), kClosingLine);
}

void TestComandos::unreadableFileShowsItsBox() {
  ShownWindow window;
  window->cbHash->setCurrentIndex(2);
  window->Engine().cbHashText = "md5";
  ModalAnswerer answerer;

  const std::string digest = window->Engine().Calchash("/nonexistent/I_IDENTIFICA_DADOS.txt");

  QVERIFY(digest.empty());
  QCOMPARE(answerer.Boxes().size(), std::size_t{1});
  QCOMPARE(answerer.Boxes().front().title, QStringLiteral("Error"));
  QCOMPARE(answerer.Boxes().front().text, QStringLiteral("Impossível ler o arquivo"));
  QCOMPARE(answerer.Boxes().front().icon, QMessageBox::Critical);
}

void TestComandos::invalidAlgorithmIsRefused() {
  Delivery delivery("2024.001", "001", 3);
  ShownWindow window;
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&*window));
  FillInputs(*window, QStringLiteral("2024.001"), QStringLiteral("001"));
  window->dlb1->SetDirectory(FolderOf(delivery));
  window->cbHash->setCurrentIndex(2);
  window->cbHash->setEditText(QStringLiteral("MD5"));
  // The box finishing its edit (it loses focus to a button) keeps the text as typed.
  emit window->cbHash->lineEdit()->editingFinished();
  QCOMPARE(window->cbHash->currentText(), QStringLiteral("MD5"));
  ModalAnswerer answerer;

  Click(window->btnAbreTodos);
  Click(window->btnGeraResult);

  QCOMPARE(answerer.Boxes().size(), std::size_t{2});
  for (const uitest::BoxSeen& box : answerer.Boxes()) {
    QCOMPARE(box.title, QStringLiteral(" Validador "));
    QVERIFY2(box.text.startsWith(QStringLiteral("Método hash inválido!")), qPrintable(box.text));
  }
  QCOMPARE(window->focusWidget(), window->cbHash);
  QVERIFY(window->redtResultado->document()->isEmpty());
  QCOMPARE(window->cbHash->currentText(), QStringLiteral("MD5"));
  QVERIFY(!QFile::exists(QDir(FolderOf(delivery)).filePath(QStringLiteral("HASHV.txt"))));
  QCOMPARE(answerer.OthersSeen(), 0);
}

void TestComandos::typedAlgorithmNameIsUsed() {
  Delivery delivery("2024.001", "001", 3);
  ShownWindow window;
  FillInputs(*window, QStringLiteral("2024.001"), QStringLiteral("001"));
  window->dlb1->SetDirectory(FolderOf(delivery));
  window->cbHash->setEditText(QStringLiteral("tiger"));

  Click(window->btnAbreTodos);

  QCOMPARE(window->cbHash->currentIndex(), 9);
  QCOMPARE(window->Engine().Memo2.front().size(), std::size_t{48});
}

void TestComandos::windowDuringALongRun() {
  constexpr int kLines = 350;
  Delivery delivery("2024.001", "001", kLines);
  ShownWindow window;
  FillInputs(*window, QStringLiteral("2024.001"), QStringLiteral("001"));
  window->dlb1->SetDirectory(FolderOf(delivery));
  int stopQuestions = 0;
  window->SetStopQuestion([&](QWidget*) {
    ++stopQuestions;
    return false;  // "Continuar"
  });
  struct Moment {
    bool seen = false;
    std::vector<bool> buttonsEnabled;
    int gauge = -1;
    int gaugeMaximum = -1;
    bool stillVisibleAfterClose = false;
  } moment;
  // Runs while the check is on, once the I file's bytes are read (the gauge full at its
  // size).
  const qint64 identificationBytes =
      QFileInfo(QDir(FolderOf(delivery)).filePath(QStringLiteral("I_IDENTIFICA_DADOS.txt"))).size();
  QObject::connect(window->G, &QProgressBar::valueChanged, &*window, [&](int value) {
    if (moment.seen || value != window->G->maximum() || value != identificationBytes) return;
    moment.seen = true;
    for (QPushButton* button : {window->btnAbreTodos, window->btnAbreUm, window->btnGeraResult,
                                window->btnLimpaTela}) {
      moment.buttonsEnabled.push_back(button->isEnabled());
    }
    moment.gauge = window->G->value();
    moment.gaugeMaximum = window->G->maximum();
    Click(window->btnLimpaTela);
    window->close();
    moment.stillVisibleAfterClose = window->isVisible();
  });

  Click(window->btnAbreTodos);

  QVERIFY(moment.seen);
  QCOMPARE(moment.buttonsEnabled, std::vector<bool>(4, false));
  QCOMPARE(moment.gauge, moment.gaugeMaximum);
  QCOMPARE(moment.gaugeMaximum,
           static_cast<int>(QFileInfo(QDir(FolderOf(delivery)).filePath(QStringLiteral("I_IDENTIFICA_DADOS.txt"))).size()));
  QVERIFY(moment.stillVisibleAfterClose);
  // The click on "Limpa Tela" did nothing: the run went to its end.
  QCOMPARE(window->redtResultado->LinesAsShown().last(), kClosingLine);
  QCOMPARE(window->Engine().Memo2.size(), std::size_t{8});
  // The close asked whether to interrupt the check; the user went on, so the window
  // stays once the check is done.
  QCOMPARE(stopQuestions, 1);
  QVERIFY(window->isVisible());
  QVERIFY(window->btnAbreTodos->isEnabled());
}

QTEST_MAIN(TestComandos)
#include "TfrmCargaComandosTest.moc"
