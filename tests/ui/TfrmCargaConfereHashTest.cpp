// "Confere Hash" in the main window: the chosen folder against its HASHV.txt, with the
// algorithm of the box or found by itself, the manifest itself against a pasted digest, the
// log box like the command line's `verify`, the question and what the window does around
// the command.

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <filesystem>

#include "UiSupport.h"
#include "hash/Calchash.h"
#include "layout/UGlobal.h"
#include "support/Delivery.h"
#include "ui/ConfereHashDialog.h"
#include "ui/WindowLook.h"

using testsupport::Delivery;
using uitest::ModalAnswerer;
using uitest::Q;
using uitest::ShownWindow;
using validador::ui::ConfereHashChoice;
using validador::ui::ConfereHashDialog;
using validador::ui::TfrmCarga;

namespace {

const QString kClosingLine = QStringLiteral("****              Fim da Verificação              ****");
const QString kPrompt = QStringLiteral("Método hash...");

// The delivery's folder as the window keeps it: as Qt writes it ('/' on Windows too).
QString FolderOf(const Delivery& delivery) {
  return QDir::fromNativeSeparators(Q(delivery.dir.Path().string()));
}

// Writes the delivery's HASHV.txt as "Resultado" would (the digests of the files present in
// the order they are checked, CR LF after each) and returns the manifest's own digest.
std::string WriteManifest(const Delivery& delivery, const std::string& algorithm) {
  std::string manifest;
  for (const validador::RecordTypeIndex type : validador::kProcessingOrder) {
    if (!std::filesystem::exists(delivery.PathOf(type))) continue;
    manifest += validador::DigestOfFile(delivery.PathOf(type), algorithm) + "\r\n";
  }
  delivery.dir.Write("HASHV.txt", manifest);
  return validador::DigestOfBytes(manifest, algorithm);
}

// Changes one byte of the file (before its first comma, where a value keeps it valid).
void ChangeOneByte(const Delivery& delivery, validador::RecordTypeIndex type) {
  std::string bytes = testsupport::ReadAll(delivery.PathOf(type));
  const std::size_t comma = bytes.find(',');
  const std::size_t at = comma != std::string::npos ? comma - 1 : bytes.find_first_of("123456789");
  bytes[at] = bytes[at] == '5' ? '6' : '5';
  delivery.WriteFile(type, bytes);
}

void SwapContents(const Delivery& delivery, validador::RecordTypeIndex a, validador::RecordTypeIndex b) {
  const std::string first = testsupport::ReadAll(delivery.PathOf(a));
  delivery.WriteFile(a, testsupport::ReadAll(delivery.PathOf(b)));
  delivery.WriteFile(b, first);
}

// Writes the manifest, then changes the delivery as `change` says; returns the manifest's
// digest as written (before "HASHV.txt alterado").
std::string Prepare(const Delivery& delivery, const std::string& algorithm, const QString& change) {
  using namespace validador;
  const QString without = QStringLiteral("sem C e T");
  if (change == QStringLiteral("sem C no HASHV.txt") || change == without) delivery.Remove(rtC);
  if (change == without) delivery.Remove(rtT);
  const std::string digest = WriteManifest(delivery, algorithm);
  const std::string manifestPath = delivery.dir.File("HASHV.txt");
  if (change == QStringLiteral("sem C no HASHV.txt")) delivery.WriteFile(rtC, "C\t001\r\n");
  if (change.startsWith(QStringLiteral("E alterado"))) ChangeOneByte(delivery, rtE);
  if (change.endsWith(QStringLiteral("T removido"))) delivery.Remove(rtT);
  if (change == QStringLiteral("I alterado")) ChangeOneByte(delivery, rtI);
  if (change == QStringLiteral("I removido")) delivery.Remove(rtI);
  if (change == QStringLiteral("C removido")) delivery.Remove(rtC);
  if (change == QStringLiteral("Y removido")) delivery.Remove(rtY);
  if (change == QStringLiteral("A e B trocados")) SwapContents(delivery, rtA, rtB);
  if (change == QStringLiteral("linhas em branco")) {
    delivery.dir.Write("HASHV.txt", testsupport::ReadAll(manifestPath) + "\r\n\r\n");
  }
  if (change == QStringLiteral("HASHV.txt alterado")) {
    std::string manifest = testsupport::ReadAll(manifestPath);
    manifest[4 * 34] = manifest[4 * 34] == 'A' ? 'B' : 'A';  // E's line
    delivery.dir.Write("HASHV.txt", manifest);
  }
  return digest;
}

// The digest with its first digit changed.
QString AnotherDigest(QString digest) {
  digest[0] = digest[0] == QLatin1Char('0') ? QLatin1Char('1') : QLatin1Char('0');
  return digest;
}

void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

// The box, line by line, against the command line's styled log: text and look.
void ExpectBoxLike(TfrmCarga& window, const std::vector<std::pair<char, QString>>& cli) {
  const std::vector<uitest::LineLook> box = uitest::LooksOf(*window.redtResultado);
  QCOMPARE(box.size(), cli.size());
  for (std::size_t i = 0; i < box.size(); ++i) {
    const uitest::LineLook expected = uitest::ExpectedLook(cli[i].first, cli[i].second);
    QCOMPARE(box[i].text, expected.text);
    QVERIFY2(box[i].uniform, qPrintable(box[i].text));
    QCOMPARE(box[i].points, expected.points);
    QCOMPARE(box[i].colour, expected.colour);
  }
}

// The look of the box's line with this text; a null text when there is none.
uitest::LineLook LineWithText(const TfrmCarga& window, const QString& text) {
  for (const uitest::LineLook& line : uitest::LooksOf(*window.redtResultado)) {
    if (line.text == text) return line;
  }
  return {};
}

std::vector<QPushButton*> CommandButtons(TfrmCarga& window) {
  return {window.btnAbreTodos, window.btnAbreUm, window.btnGeraResult, window.btnLimpaTela,
          window.btnConfereHash};
}

}  // namespace

class TestConfereHash : public QObject {
  Q_OBJECT

 private slots:
  void auditsTheChosenFolderLikeTheCommandLine_data();
  void auditsTheChosenFolderLikeTheCommandLine();
  void theDialogAsksForTheReportsDigest();
  void cancelledQuestionDoesNothing();
  void buttonsAreOffWhileItRunsAndTheFocusComesBack();
  void refusalsAndErrors_data();
  void refusalsAndErrors();
  void dialogShowsFolderAndAlgorithmAndReturnRuns();
  void dialogTakesAnOptionalDigest_data();
  void dialogTakesAnOptionalDigest();
};

void TestConfereHash::auditsTheChosenFolderLikeTheCommandLine_data() {
  QTest::addColumn<QString>("manifestAlgorithm");
  QTest::addColumn<QString>("boxText");  // what the algorithm box shows: never used
  QTest::addColumn<QString>("chosen");   // the dialog's algorithm; empty: automático
  QTest::addColumn<QString>("change");   // what happened to the delivery, see Prepare
  QTest::addColumn<int>("digestGiven");  // 0 none, 1 the manifest's, 2 another one
  QTest::addColumn<QString>("expectedLine");
  QTest::addColumn<QString>("expectedStyle");  // "E" error, "N" normal
  QTest::addColumn<QString>("tally");

  const QString allOk = QStringLiteral(": 8 OK, 0 ALTERADO, 0 TROCADO, 0 AUSENTE, 0 SEM HASH");
  const QString oneMissing = QStringLiteral(": 7 OK, 0 ALTERADO, 0 TROCADO, 1 AUSENTE, 0 SEM HASH");
  QTest::newRow("entrega sem mudança, algoritmo achado sozinho")
      << "md5" << kPrompt << "" << "" << 0 << "OK E_EXTRATO_BANCARIO.txt" << "N" << "Conferência (md5)" + allOk;
  QTest::newRow("a caixa de algoritmo não conta")
      << "tiger" << "md5" << "" << "" << 0 << "OK I_IDENTIFICA_DADOS.txt" << "N" << "Conferência (tiger)" + allOk;
  QTest::newRow("arquivo alterado, algoritmo escolhido")
      << "sha256" << kPrompt << "sha256" << "E alterado" << 0 << "ALTERADO E_EXTRATO_BANCARIO.txt" << "E"
      << "Conferência (sha256): 7 OK, 1 ALTERADO, 0 TROCADO, 0 AUSENTE, 0 SEM HASH";
  QTest::newRow("primeiro removido") << "md5" << kPrompt << "" << "I removido" << 0
                                     << "AUSENTE I_IDENTIFICA_DADOS.txt" << "E" << "Conferência (md5)" + oneMissing;
  QTest::newRow("do meio removido") << "md5" << kPrompt << "" << "C removido" << 0
                                    << "AUSENTE C_CADASTRO_CONTAS.txt" << "E" << "Conferência (md5)" + oneMissing;
  QTest::newRow("último removido") << "md5" << kPrompt << "" << "Y removido" << 0 << "AUSENTE Y_OBSERVACOES.txt"
                                   << "E" << "Conferência (md5)" + oneMissing;
  QTest::newRow("alterado e removido")
      << "md5" << kPrompt << "" << "E alterado, T removido" << 0 << "AUSENTE T_CADASTRO_TITULARES.txt" << "E"
      << "Conferência (md5): 6 OK, 1 ALTERADO, 0 TROCADO, 1 AUSENTE, 0 SEM HASH";
  QTest::newRow("conteúdos trocados")
      << "sha1" << kPrompt << "" << "A e B trocados" << 0
      << "TROCADO A_CADASTRO_AGENCIAS.txt (conteúdo de B_CADASTRO_DEPOSITANTES_FAVORECIDOS.txt)" << "E"
      << "Conferência (sha1): 6 OK, 0 ALTERADO, 2 TROCADO, 0 AUSENTE, 0 SEM HASH";
  QTest::newRow("arquivo a mais") << "md5" << kPrompt << "" << "sem C no HASHV.txt" << 0
                                  << "SEM HASH C_CADASTRO_CONTAS.txt" << "E"
                                  << "Conferência (md5): 7 OK, 0 ALTERADO, 0 TROCADO, 0 AUSENTE, 1 SEM HASH";
  QTest::newRow("I alterado, algoritmo achado pelos outros")
      << "md5" << kPrompt << "" << "I alterado" << 0 << "ALTERADO I_IDENTIFICA_DADOS.txt" << "E"
      << "Conferência (md5): 7 OK, 1 ALTERADO, 0 TROCADO, 0 AUSENTE, 0 SEM HASH";
  QTest::newRow("I alterado, algoritmo escolhido")
      << "md5" << kPrompt << "md5" << "I alterado" << 0 << "ALTERADO I_IDENTIFICA_DADOS.txt" << "E"
      << "Conferência (md5): 7 OK, 1 ALTERADO, 0 TROCADO, 0 AUSENTE, 0 SEM HASH";
  QTest::newRow("linhas em branco no fim") << "md5" << kPrompt << "" << "linhas em branco" << 0
                                           << "OK Y_OBSERVACOES.txt" << "N" << "Conferência (md5)" + allOk;
  QTest::newRow("HASHV.txt gravado sem C e T")
      << "md5" << kPrompt << "" << "sem C e T" << 0 << "OK Y_OBSERVACOES.txt" << "N"
      << "Conferência (md5): 6 OK, 0 ALTERADO, 0 TROCADO, 0 AUSENTE, 0 SEM HASH";
  QTest::newRow("hash do relatório que confere")
      << "sha1" << kPrompt << "" << "" << 1 << "OK HASHV.txt" << "N"
      << "Conferência (sha1): 9 OK, 0 ALTERADO, 0 TROCADO, 0 AUSENTE, 0 SEM HASH";
  QTest::newRow("hash do relatório que não confere")
      << "md5" << "md5" << "" << "" << 2 << "ALTERADO HASHV.txt" << "E"
      << "Conferência (md5): 8 OK, 1 ALTERADO, 0 TROCADO, 0 AUSENTE, 0 SEM HASH";
  QTest::newRow("HASHV.txt alterado, hash do relatório")
      << "md5" << kPrompt << "" << "HASHV.txt alterado" << 1 << "ALTERADO HASHV.txt" << "E"
      << "Conferência (md5): 7 OK, 2 ALTERADO, 0 TROCADO, 0 AUSENTE, 0 SEM HASH";
}

void TestConfereHash::auditsTheChosenFolderLikeTheCommandLine() {
  QFETCH(QString, manifestAlgorithm);
  QFETCH(QString, boxText);
  QFETCH(QString, chosen);
  QFETCH(QString, change);
  QFETCH(int, digestGiven);
  QFETCH(QString, expectedLine);
  QFETCH(QString, expectedStyle);
  QFETCH(QString, tally);
  Delivery delivery("2024.001", "001", 3);
  const std::string manifestDigest = Prepare(delivery, manifestAlgorithm.toStdString(), change);
  // As pasted from the printed report: lower case, broken over two lines.
  const QString pasted = digestGiven == 1   ? Q(manifestDigest).toLower().insert(16, QLatin1Char('\n'))
                         : digestGiven == 2 ? AnotherDigest(Q(manifestDigest))
                                            : QString();
  ShownWindow window;
  window->dlb1->SetDirectory(FolderOf(delivery));
  if (boxText != kPrompt) window->cbHash->setCurrentText(boxText);
  int questions = 0;
  QString askedFolder;
  window->SetConfereHashQuestion([&](QWidget*, const QString& folder) {
    ++questions;
    askedFolder = folder;
    ConfereHashChoice choice;
    if (!pasted.isEmpty()) choice.manifestDigest = pasted;
    if (!chosen.isEmpty()) choice.algorithm = chosen;
    return std::optional<ConfereHashChoice>(choice);
  });
  ModalAnswerer answerer;

  Click(window->btnConfereHash);

  QCOMPARE(questions, 1);
  QCOMPARE(askedFolder, FolderOf(delivery));
  QVERIFY(answerer.Boxes().empty());
  std::vector<std::string> args = {"verify", delivery.dir.Path().string(), "--styled"};
  if (!chosen.isEmpty()) args.insert(args.end(), {"--hash", chosen.toStdString()});
  if (!pasted.isEmpty()) args.insert(args.end(), {"--manifest-digest", pasted.toStdString()});
  ExpectBoxLike(*window, uitest::CliStyledLog(args));
  const QStringList shown = window->redtResultado->LinesAsShown();
  QCOMPARE(shown.last(), kClosingLine);
  QCOMPARE(shown[shown.size() - 2], tally);
  const uitest::LineLook line = LineWithText(*window, expectedLine);
  QCOMPARE(line.text, expectedLine);
  const uitest::LineLook look = uitest::ExpectedLook(expectedStyle[0].toLatin1(), expectedLine);
  QCOMPARE(line.colour, look.colour);
  QCOMPARE(line.points, look.points);
  const uitest::LineLook closing = LineWithText(*window, kClosingLine);
  QCOMPARE(closing.colour, validador::ui::kLogBlue);
  // The closing line is no line of the log's count.
  QCOMPARE(window->Engine().Log.ContadorLinhasLog(), shown.size() - 1);
  // The box keeps what the user chose; the folder is left as it was.
  QCOMPARE(window->cbHash->currentText(), boxText);
  QVERIFY(QApplication::overrideCursor() == nullptr);
}

// The question as the user sees it: the report's digest pasted into the dialog.
void TestConfereHash::theDialogAsksForTheReportsDigest() {
  Delivery delivery("2024.001", "001", 3);
  const std::string manifestDigest = WriteManifest(delivery, "md5");
  ShownWindow window;
  window->dlb1->SetDirectory(FolderOf(delivery));
  QString title;
  ModalAnswerer answerer([&](QWidget* modal) {
    auto* dialog = qobject_cast<ConfereHashDialog*>(modal);
    QVERIFY(dialog != nullptr);
    title = dialog->windowTitle();
    dialog->memDigesto->setPlainText(Q(manifestDigest));
    Click(dialog->btnConferir);
  });

  Click(window->btnConfereHash);

  QCOMPARE(answerer.OthersSeen(), 1);
  QCOMPARE(title, QStringLiteral("Confere Hash"));
  QCOMPARE(LineWithText(*window, QStringLiteral("OK HASHV.txt")).colour, validador::ui::kLogBlue);
  QCOMPARE(window->redtResultado->LinesAsShown().last(), kClosingLine);
}

void TestConfereHash::cancelledQuestionDoesNothing() {
  Delivery delivery("2024.001", "001", 3);
  WriteManifest(delivery, "md5");
  const std::string manifestBefore = testsupport::ReadAll(delivery.dir.File("HASHV.txt"));
  ShownWindow window;
  window->dlb1->SetDirectory(FolderOf(delivery));
  window->redtResultado->setPlainText(QStringLiteral("log de antes"));
  window->SetConfereHashQuestion([](QWidget*, const QString&) { return std::optional<ConfereHashChoice>(); });
  ModalAnswerer answerer;

  Click(window->btnConfereHash);

  QCOMPARE(window->redtResultado->LinesAsShown(), QStringList{QStringLiteral("log de antes")});
  QCOMPARE(window->Engine().Log.ContadorLinhasLog(), 0);
  QVERIFY(answerer.Boxes().empty());
  QCOMPARE(testsupport::ReadAll(delivery.dir.File("HASHV.txt")), manifestBefore);
  QCOMPARE(window->cbHash->currentText(), kPrompt);
  for (QPushButton* button : CommandButtons(*window)) QVERIFY(button->isEnabled());
}

void TestConfereHash::buttonsAreOffWhileItRunsAndTheFocusComesBack() {
  Delivery delivery("2024.001", "001", 3);
  WriteManifest(delivery, "md5");
  ShownWindow window;
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&*window));
  window->dlb1->SetDirectory(FolderOf(delivery));
  std::vector<bool> enabledWhileAsked;
  bool runningWhileAsked = false;
  window->SetConfereHashQuestion([&](QWidget*, const QString&) {
    for (QPushButton* button : CommandButtons(*window)) enabledWhileAsked.push_back(button->isEnabled());
    enabledWhileAsked.push_back(window->dlb1->isEnabled());
    enabledWhileAsked.push_back(window->DriveComboBox1->isEnabled());
    runningWhileAsked = window->CommandRunning();
    return std::optional<ConfereHashChoice>(ConfereHashChoice{});
  });
  window->btnConfereHash->setFocus();

  QTest::keyClick(window->btnConfereHash, Qt::Key_Space);

  QCOMPARE(enabledWhileAsked, std::vector<bool>(7, false));
  QVERIFY(runningWhileAsked);
  QVERIFY(!window->CommandRunning());
  for (QPushButton* button : CommandButtons(*window)) QVERIFY(button->isEnabled());
  QVERIFY(window->dlb1->isEnabled());
  QCOMPARE(QApplication::focusWidget(), window->btnConfereHash);
  QCOMPARE(window->redtResultado->LinesAsShown().last(), kClosingLine);
  // No check ran: nothing for "Interromper" to stop, and no listing to save.
  QVERIFY(!window->btnInterromper->isVisible());
  QVERIFY(!window->ListingAvailable());
}

void TestConfereHash::refusalsAndErrors_data() {
  QTest::addColumn<QString>("chosen");
  QTest::addColumn<bool>("withManifest");
  QTest::addColumn<QString>("boxShown");
  QTest::addColumn<QString>("focus");
  QTest::newRow("algoritmo que não existe")
      << "MD5" << true << "Método hash inválido!" << "cbHash";
  QTest::newRow("algoritmo de outro tamanho")
      << "sha256" << true << "o algoritmo sha256 dá hashes de 64 caracteres, e as linhas do HASHV.txt têm 32"
      << "btnConfereHash";
  QTest::newRow("pasta sem HASHV.txt") << "md5" << false << "File not found." << "btnConfereHash";
}

// An algorithm that is none of the ten gives the notice before anything runs; one whose
// digests cannot have the manifest's length, or a folder with no manifest, ends the command
// with the error, without the closing line; the window stays usable.
void TestConfereHash::refusalsAndErrors() {
  QFETCH(QString, chosen);
  QFETCH(bool, withManifest);
  QFETCH(QString, boxShown);
  QFETCH(QString, focus);
  Delivery delivery("2024.001", "001", 3);
  if (withManifest) WriteManifest(delivery, "md5");
  ShownWindow window;
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&*window));
  window->dlb1->SetDirectory(FolderOf(delivery));
  window->SetConfereHashQuestion([&](QWidget*, const QString&) {
    return std::optional<ConfereHashChoice>(ConfereHashChoice{std::nullopt, chosen});
  });
  ModalAnswerer answerer;

  Click(window->btnConfereHash);

  QCOMPARE(answerer.Boxes().size(), std::size_t{1});
  QCOMPARE(answerer.Boxes().front().title, QStringLiteral(" Validador "));
  QVERIFY2(answerer.Boxes().front().text.startsWith(boxShown), qPrintable(answerer.Boxes().front().text));
  QVERIFY(!window->redtResultado->LinesAsShown().contains(kClosingLine));
  QVERIFY(window->focusWidget() != nullptr);
  QCOMPARE(window->focusWidget()->objectName(), focus);
  QVERIFY(QApplication::overrideCursor() == nullptr);
  QVERIFY(window->btnConfereHash->isEnabled());
  QVERIFY(!window->CommandRunning());
}

// The dialog as the window opens it: the folder, "automático" whatever the algorithm box
// holds, the focus in the digest box; Return there runs the command; another algorithm may
// be chosen.
void TestConfereHash::dialogShowsFolderAndAlgorithmAndReturnRuns() {
  Delivery delivery("2024.001", "001", 3);
  const std::string manifestDigest = WriteManifest(delivery, "sha1");
  ShownWindow window;
  window->dlb1->SetDirectory(FolderOf(delivery));
  window->cbHash->setCurrentText(QStringLiteral("md5"));
  QString folderShown, algorithmShown;
  bool digestBoxFocused = false;
  ModalAnswerer answerer([&](QWidget* modal) {
    auto* dialog = qobject_cast<ConfereHashDialog*>(modal);
    QVERIFY(dialog != nullptr);
    folderShown = dialog->lblPasta->text();
    algorithmShown = dialog->cbAlgoritmo->currentText();
    digestBoxFocused = dialog->focusWidget() == dialog->memDigesto;
    QTest::keyClicks(dialog->memDigesto, Q(manifestDigest));
    QTest::keyClick(dialog->memDigesto, Qt::Key_Return);
  });

  Click(window->btnConfereHash);

  QCOMPARE(answerer.OthersSeen(), 1);
  QCOMPARE(folderShown, QDir::toNativeSeparators(FolderOf(delivery)));
  QCOMPARE(algorithmShown, QStringLiteral("automático (pelo HASHV.txt)"));
  QVERIFY(digestBoxFocused);
  QCOMPARE(window->redtResultado->LinesAsShown().at(8), QStringLiteral("OK HASHV.txt"));
  QCOMPARE(window->redtResultado->LinesAsShown().at(9),
           QStringLiteral("Conferência (sha1): 9 OK, 0 ALTERADO, 0 TROCADO, 0 AUSENTE, 0 SEM HASH"));

  ConfereHashDialog dialog(QStringLiteral("/pasta"));
  QCOMPARE(dialog.cbAlgoritmo->count(), 11);
  QVERIFY(!dialog.Choice().algorithm.has_value());
  dialog.cbAlgoritmo->setCurrentText(QStringLiteral("tiger"));
  QCOMPARE(dialog.Choice().algorithm, std::optional<QString>(QStringLiteral("tiger")));
}

void TestConfereHash::dialogTakesAnOptionalDigest_data() {
  QTest::addColumn<QString>("typed");
  QTest::addColumn<bool>("closes");
  QTest::addColumn<QString>("digest");  // null: the manifest is not checked
  QTest::newRow("vazio") << "" << true << QString();
  QTest::newRow("só brancos e quebras") << "  \n\t " << true << QString();
  QTest::newRow("em duas linhas, minúsculas") << " ab12cd\nEF34 " << true << "ab12cd EF34";
  QTest::newRow("não é hexadecimal") << "ab12-cd" << false << QString();
  QTest::newRow("letra depois de F") << "ABCG" << false << QString();
}

void TestConfereHash::dialogTakesAnOptionalDigest() {
  QFETCH(QString, typed);
  QFETCH(bool, closes);
  QFETCH(QString, digest);
  ConfereHashDialog dialog;
  dialog.show();
  QVERIFY(QTest::qWaitForWindowExposed(&dialog));
  dialog.memDigesto->setPlainText(typed);

  Click(dialog.btnConferir);

  QCOMPARE(dialog.isVisible(), !closes);
  QCOMPARE(dialog.lblAviso->text().isEmpty(), closes);
  QCOMPARE(dialog.lblAviso->isVisible(), !closes);
  if (!closes) {
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    return;
  }
  QCOMPARE(dialog.result(), int(QDialog::Accepted));
  const ConfereHashChoice choice = dialog.Choice();
  QCOMPARE(choice.manifestDigest.has_value(), !digest.isNull());
  if (choice.manifestDigest) QCOMPARE(*choice.manifestDigest, digest);
}

QTEST_MAIN(TestConfereHash)
#include "TfrmCargaConfereHashTest.moc"
