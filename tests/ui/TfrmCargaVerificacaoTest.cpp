// The window while a check runs and right after: where the focus is and goes back to,
// no key or drop changing the folder meanwhile, the stop (button, Escape, closing the
// window) with its question, the overall progress and its tally, and inputs that the
// delivery's code page cannot hold.

#include <QApplication>
#include <algorithm>
#include <QDir>
#include <QMimeData>
#include <QTest>
#include <QUrl>

#include "UiSupport.h"
#include "qttexts/QtTexts.h"
#include "support/Delivery.h"
#include "ui/OverallProgress.h"
#include "ui/WindowLook.h"
#include "validation/scan/FileScan.h"
#include "base/Mensagens.h"

using testsupport::Delivery;
using uitest::ModalAnswerer;
using uitest::Q;
using uitest::ShownWindow;
using validador::ui::OverallProgress;
using validador::ui::TfrmCarga;

namespace {

const QString kClosingLine = QStringLiteral("****              Fim da Verificação              ****");
const QString kInterrupted = QStringLiteral("Verificação interrompida pelo usuário");

// The delivery's folder as the window keeps it: as Qt writes it ('/' on Windows too).
QString FolderOf(const Delivery& delivery) {
  return QDir::fromNativeSeparators(Q(delivery.dir.Path().string()));
}

// Small blocks, so that a small delivery makes many pauses.
class SmallBlocks {
 public:
  SmallBlocks() : before_(validador::CurrentScanTuning()) {
    validador::ScanTuning tuning = before_;
    tuning.blockSize = 64;
    validador::SetScanTuning(tuning);
  }
  ~SmallBlocks() { validador::SetScanTuning(before_); }

 private:
  validador::ScanTuning before_;
};

void Prepare(ShownWindow& window, const Delivery& delivery) {
  window->activateWindow();
  if (!QTest::qWaitForWindowActive(&*window)) qWarning("the main window is not active");
  uitest::Type(window->edtNrCaso, Q(delivery.caso));
  uitest::Type(window->edtNrBanco, Q(delivery.bank));
  window->dlb1->SetDirectory(FolderOf(delivery));
}

void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

// Runs `action` at the first pause of the next check (once), inside that pause.
void AtFirstPause(TfrmCarga& window, std::function<void()> action) {
  QTimer::singleShot(0, &window, std::move(action));
}

int CountOf(const QStringList& lines, const QString& line) {
  return static_cast<int>(std::count(lines.begin(), lines.end(), line));
}

}  // namespace

class TestVerificacao : public QObject {
  Q_OBJECT

 private slots:
  void focusGoesBackToTheStartingButton_data();
  void focusGoesBackToTheStartingButton();
  void tabTabSpaceAfterAbreArquivosIsResultado();
  void noKeyNorDropChangesTheFolderDuringACheck();
  void folderListShowsItsFocus();
  void stopIsAskedAndEndsTheCheckAtTheNextBlock_data();
  void stopIsAskedAndEndsTheCheckAtTheNextBlock();
  void answeringContinueLetsTheCheckEnd();
  void questionRunsInsideThePauseAndNothingReenters();
  void closingDuringACheckAsksAndStopsPromptly();
  void overallProgressNamesEachFileInWork();
  void tallyAtTheEnd_data();
  void tallyAtTheEnd();
  void tallyCountsTheFileInWork();
  void inputOutsideTheCodePageRunsNothing_data();
  void inputOutsideTheCodePageRunsNothing();
};

void TestVerificacao::focusGoesBackToTheStartingButton_data() {
  QTest::addColumn<QString>("button");
  QTest::newRow("Abre Arquivos") << "btnAbreTodos";
  QTest::newRow("Abre Arquivo") << "btnAbreUm";
  QTest::newRow("Resultado") << "btnGeraResult";
  QTest::newRow("Limpa Tela") << "btnLimpaTela";
}

void TestVerificacao::focusGoesBackToTheStartingButton() {
  QFETCH(QString, button);
  Delivery delivery;
  ShownWindow window;
  Prepare(window, delivery);
  window->SetFileChooser(
      [&](QWidget*, const QString&) { return std::optional<QString>(Q(delivery.PathOf(validador::rtA))); });
  window->SetReportShower([](const validador::DadosResultado&, QWidget*) {});
  window->cbHash->setCurrentIndex(2);
  ModalAnswerer answerer;
  auto* pressed = window->findChild<QPushButton*>(button);
  QVERIFY(pressed != nullptr);
  pressed->setFocus();
  QString focusDuringTheRun;
  AtFirstPause(*window, [&] {
    if (QApplication::focusWidget() != nullptr) focusDuringTheRun = QApplication::focusWidget()->objectName();
  });

  QTest::keyClick(pressed, Qt::Key_Space);

  QCOMPARE(window->focusWidget(), pressed);
  window->activateWindow();  // after a message box the window system gives it back
  QTRY_COMPARE(QApplication::focusWidget(), pressed);
  if (button == "btnAbreTodos" || button == "btnAbreUm") {
    QCOMPARE(focusDuringTheRun, QStringLiteral("btnInterromper"));
  }
  QVERIFY(!window->btnInterromper->isVisible());
}

void TestVerificacao::tabTabSpaceAfterAbreArquivosIsResultado() {
  Delivery delivery;
  ShownWindow window;
  Prepare(window, delivery);
  int reports = 0;
  window->SetReportShower([&](const validador::DadosResultado&, QWidget*) { ++reports; });
  window->btnAbreTodos->setFocus();
  QTest::keyClick(window->btnAbreTodos, Qt::Key_Space);
  QVERIFY(!window->redtResultado->LinesAsShown().isEmpty());

  for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space}) {
    QTest::keyClick(QApplication::focusWidget(), key);
  }

  QCOMPARE(reports, 1);
  QVERIFY(!window->redtResultado->LinesAsShown().isEmpty());  // "Limpa Tela" did not run
  QVERIFY(QFile::exists(QDir(FolderOf(delivery)).filePath(QStringLiteral("HASHV.txt"))));
}

void TestVerificacao::noKeyNorDropChangesTheFolderDuringACheck() {
  SmallBlocks small;
  Delivery delivery;
  QVERIFY(QDir(FolderOf(delivery)).mkdir(QStringLiteral("outra")));
  ShownWindow window;
  Prepare(window, delivery);
  QStringList folders;
  bool dropTaken = true;
  AtFirstPause(*window, [&] {
    folders << window->dlb1->Directory();
    for (const Qt::Key key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Tab, Qt::Key_Down,
                              Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Down}) {
      QTest::keyClick(QApplication::focusWidget(), key);
      QTest::keyClick(window->dlb1, key);
      folders << window->dlb1->Directory();
    }
    QMimeData drop;
    drop.setUrls({QUrl::fromLocalFile(QDir(FolderOf(delivery)).filePath(QStringLiteral("outra")))});
    dropTaken = window->ChooseDroppedFolder(&drop);
  });

  Click(window->btnAbreTodos);

  QVERIFY(folders.size() > 1);
  for (const QString& folder : folders) QCOMPARE(folder, FolderOf(delivery));
  QVERIFY(!dropTaken);
  QCOMPARE(window->dlb1->Directory(), FolderOf(delivery));
  QVERIFY(window->dlb1->isEnabled());
}

void TestVerificacao::folderListShowsItsFocus() {
  ShownWindow window;
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&*window));
  const auto frameShown = [&] {
    const QImage picture = window->dlb1->viewport()->grab().toImage();
    return QColor(picture.pixel(0, picture.height() / 2)) ==
               validador::ui::TDirectoryListBox::FocusFrameColour() &&
           QColor(picture.pixel(picture.width() / 2, 0)) ==
               validador::ui::TDirectoryListBox::FocusFrameColour();
  };
  window->edtNrCaso->setFocus();
  QVERIFY(!frameShown());

  window->dlb1->setFocus(Qt::TabFocusReason);

  QVERIFY(window->dlb1->hasFocus());
  QVERIFY(frameShown());
}

void TestVerificacao::stopIsAskedAndEndsTheCheckAtTheNextBlock_data() {
  QTest::addColumn<bool>("byEscape");
  QTest::newRow("botão Interromper") << false;
  QTest::newRow("tecla Esc") << true;
}

void TestVerificacao::stopIsAskedAndEndsTheCheckAtTheNextBlock() {
  QFETCH(bool, byEscape);
  SmallBlocks small;
  Delivery delivery("2024.001", "001", 60);
  ShownWindow window;
  Prepare(window, delivery);
  int asked = 0;
  window->SetStopQuestion([&](QWidget*) { return ++asked > 0; });
  bool buttonShown = false;
  AtFirstPause(*window, [&] {
    buttonShown = window->btnInterromper->isVisible() && window->btnInterromper->isEnabled();
    if (byEscape) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    } else {
      Click(window->btnInterromper);
    }
  });

  Click(window->btnAbreTodos);

  QVERIFY(buttonShown);
  QCOMPARE(asked, 1);
  const QStringList lines = window->redtResultado->LinesAsShown();
  QVERIFY(lines.size() >= 2);
  QCOMPARE(lines.last(), kClosingLine);
  QCOMPARE(lines[lines.size() - 2], kInterrupted);
  QCOMPARE(uitest::LooksOf(*window->redtResultado)[lines.size() - 2].colour, validador::ui::kLogRed);
  QVERIFY(window->Engine().Memo2.size() <= 1);  // stopped in its first files
  QVERIFY(window->Engine().PastaVerificada.empty());
  QVERIFY(!window->btnInterromper->isVisible());
  // Nothing to write for "Resultado".
  ModalAnswerer answerer;
  Click(window->btnGeraResult);
  QCOMPARE(answerer.Boxes().size(), std::size_t{1});
  QVERIFY(answerer.Boxes().front().text.startsWith(QStringLiteral("Nenhuma verificação concluída")));
  QVERIFY(!QFile::exists(QDir(FolderOf(delivery)).filePath(QStringLiteral("HASHV.txt"))));
}

void TestVerificacao::answeringContinueLetsTheCheckEnd() {
  SmallBlocks small;
  Delivery delivery("2024.001", "001", 20);
  ShownWindow window;
  Prepare(window, delivery);
  int asked = 0;
  window->SetStopQuestion([&](QWidget*) {
    ++asked;
    return false;
  });
  AtFirstPause(*window, [&] { Click(window->btnInterromper); });

  Click(window->btnAbreTodos);

  QCOMPARE(asked, 1);
  QVERIFY(!window->redtResultado->LinesAsShown().contains(kInterrupted));
  QCOMPARE(window->Engine().Memo2.size(), std::size_t{8});
  QCOMPARE(window->Engine().PastaVerificada, delivery.dir.Path().string());
}

// The real question, answered with "Interromper"; while it is open the user presses
// Escape and the commands are tried again: nothing starts, no second question.
void TestVerificacao::questionRunsInsideThePauseAndNothingReenters() {
  SmallBlocks small;
  Delivery delivery("2024.001", "001", 60);
  ShownWindow window;
  Prepare(window, delivery);
  ModalAnswerer answerer;
  answerer.PressButton(QStringLiteral("Interromper"));
  answerer.BeforeAnswer([&](QMessageBox*) {
    QTest::keyClick(window.operator->(), Qt::Key_Escape);
    window->btnAbreTodosClick();
    window->btnLimpaTelaClick();
    window->btnGeraResultClick();
    window->close();
  });
  AtFirstPause(*window, [&] { QTest::keyClick(window->btnInterromper, Qt::Key_Escape); });

  Click(window->btnAbreTodos);

  QCOMPARE(answerer.Boxes().size(), std::size_t{1});
  QCOMPARE(answerer.Boxes().front().title, QStringLiteral(" Validador "));
  QVERIFY(answerer.Boxes().front().text.startsWith(QStringLiteral("Interromper a verificação")));
  const QStringList lines = window->redtResultado->LinesAsShown();
  QCOMPARE(CountOf(lines, kInterrupted), 1);
  QCOMPARE(CountOf(lines, kClosingLine), 1);
  QVERIFY(window->isVisible());  // the close tried while the question was open was not carried out
}

void TestVerificacao::closingDuringACheckAsksAndStopsPromptly() {
  SmallBlocks small;
  Delivery delivery("2024.001", "001", 60);
  ShownWindow window;
  Prepare(window, delivery);
  int asked = 0;
  window->SetStopQuestion([&](QWidget*) { return ++asked > 0; });
  bool visibleRightAfterClose = false;
  AtFirstPause(*window, [&] {
    window->close();
    visibleRightAfterClose = window->isVisible();
  });

  Click(window->btnAbreTodos);

  QCOMPARE(asked, 1);
  QVERIFY(visibleRightAfterClose);
  QVERIFY(!window->isVisible());
  QVERIFY(window->Engine().Memo2.size() <= 1);  // it did not finish the check first
  QCOMPARE(window->redtResultado->LinesAsShown().last(), kClosingLine);
  QVERIFY(window->redtResultado->LinesAsShown().contains(kInterrupted));
}

void TestVerificacao::overallProgressNamesEachFileInWork() {
  SmallBlocks small;
  Delivery delivery("2024.001", "001", 5);
  ShownWindow window;
  Prepare(window, delivery);
  // Each text the line gets, up to the bytes and times that follow the file's name.
  QStringList seen;
  QObject::connect(&*window, &TfrmCarga::overallProgressShown, &*window, [&](const QString& text) {
    if (!window->CheckRunning() || !text.startsWith(QStringLiteral("Arquivo "))) return;
    const QString file = text.section(QStringLiteral(" — "), 0, 0);
    if (seen.isEmpty() || seen.last() != file) seen << file;
  });

  Click(window->btnAbreTodos);

  QStringList expected;
  const char* names[] = {"I_IDENTIFICA_DADOS.txt", "A_CADASTRO_AGENCIAS.txt",
                         "B_CADASTRO_DEPOSITANTES_FAVORECIDOS.txt", "C_CADASTRO_CONTAS.txt",
                         "E_EXTRATO_BANCARIO.txt", "O_ORIGEM_DESTINO_RECURSOS.txt",
                         "T_CADASTRO_TITULARES.txt", "Y_OBSERVACOES.txt"};
  for (int i = 0; i < 8; ++i) expected << QStringLiteral("Arquivo %1 de 8: %2").arg(i + 1).arg(names[i]);
  QCOMPARE(seen, expected);
  QCOMPARE(window->lblProgressoGeral->text(),
           QStringLiteral("Verificação concluída — 8 arquivos: 8 sem erro, 0 com erro"));
  QVERIFY(window->lblProgressoGeral->isVisible());
}

void TestVerificacao::tallyAtTheEnd_data() {
  QTest::addColumn<QString>("fault");
  QTest::addColumn<QString>("tally");
  QTest::newRow("sem falhas") << "" << "Verificação concluída — 8 arquivos: 8 sem erro, 0 com erro";
  QTest::newRow("B ausente, E vazio")
      << "BE" << "Verificação concluída — 8 arquivos: 6 sem erro, 2 com erro";
  QTest::newRow("caso errado: só o I")
      << "caso" << "Verificação concluída — 8 arquivos: 0 sem erro, 1 com erro, 7 não verificados";
  QTest::newRow("contagem ilegível: erro que encerra")
      << "contagem" << "Verificação encerrada por um erro — 8 arquivos: 0 sem erro, 1 com erro, 7 não verificados";
  QTest::newRow("um arquivo escolhido")
      << "um" << "Verificação concluída — 1 arquivo: 1 sem erro, 0 com erro";
  // On its own a data file has no declared count: the log's count block makes it fail.
  QTest::newRow("um arquivo de dados")
      << "dados" << "Verificação concluída — 1 arquivo: 0 sem erro, 1 com erro";
  QTest::newRow("um arquivo sem nome padrão")
      << "sem nome" << "Verificação concluída — 1 arquivo: 0 sem erro, 1 com erro";
}

void TestVerificacao::tallyAtTheEnd() {
  QFETCH(QString, fault);
  QFETCH(QString, tally);
  Delivery delivery;
  if (fault == "BE") {
    delivery.Remove(validador::rtB);
    delivery.WriteFile(validador::rtE, "");
  } else if (fault == "contagem") {
    delivery.counts[0] = "x";
    delivery.WriteHeader();
  }
  ShownWindow window;
  Prepare(window, delivery);
  if (fault == "caso") uitest::Type(window->edtNrCaso, QStringLiteral("outro"));
  const std::string other = delivery.dir.Write("notas.txt", "x");
  window->SetFileChooser([&](QWidget*, const QString&) {
    return std::optional<QString>(Q(fault == "um"      ? delivery.PathOf(validador::rtI)
                                    : fault == "dados" ? delivery.PathOf(validador::rtC)
                                                       : other));
  });
  ModalAnswerer answerer;
  const bool oneFile = fault == "um" || fault == "dados" || fault == "sem nome";

  Click(oneFile ? window->btnAbreUm : window->btnAbreTodos);

  QCOMPARE(window->lblProgressoGeral->text(), tally);
  // The tally is the verdicts' word: as many files pass as verdicts say so.
  int passedVerdicts = 0;
  for (const validador::FileVerdict& verdict : window->Engine().Veredictos) {
    if (verdict.inLog && verdict.Passed()) ++passedVerdicts;
  }
  QVERIFY2(tally.contains(QStringLiteral("— %1 arquivo").arg(oneFile ? 1 : 8)), qPrintable(tally));
  QVERIFY2(tally.contains(QStringLiteral(": %1 sem erro").arg(passedVerdicts)), qPrintable(tally));
}

void TestVerificacao::tallyCountsTheFileInWork() {
  const auto verdict = [](validador::FileOutcome outcome, validador::CountCheck count) {
    validador::FileVerdict judged;
    judged.present = outcome != validador::FileOutcome::Missing;
    judged.count = count;
    judged.preScan.lineCount = 3;
    if (outcome == validador::FileOutcome::RunPassed) judged.run.status = validador::RunStatus::Passed;
    if (outcome == validador::FileOutcome::StoppedBeforeRun) judged.preScan.lastWrongLetterLine = 2;
    return judged;
  };
  const validador::FileVerdict passed = verdict(validador::FileOutcome::RunPassed, validador::CountCheck::Equal);
  const validador::FileVerdict failed = verdict(validador::FileOutcome::RunFailed, validador::CountCheck::Differs);
  QCOMPARE(passed.Outcome(), validador::FileOutcome::RunPassed);
  QVERIFY(passed.Passed());
  QCOMPARE(failed.Outcome(), validador::FileOutcome::RunFailed);
  QVERIFY(!failed.Passed());

  OverallProgress interrupted;
  interrupted.Begin(8);
  interrupted.FileStarted(QStringLiteral("/p/I_IDENTIFICA_DADOS.txt"));
  interrupted.FileJudged(passed);
  interrupted.FileStarted(QStringLiteral("/p/A_CADASTRO_AGENCIAS.txt"));
  interrupted.FileStarted(QStringLiteral("/p/A_CADASTRO_AGENCIAS.txt"));  // the same file
  QCOMPARE(interrupted.Text(), QStringLiteral("Arquivo 2 de 8: A_CADASTRO_AGENCIAS.txt"));
  interrupted.Finish(OverallProgress::End::Interrupted);
  QCOMPARE(interrupted.Text(),
           QStringLiteral("Verificação interrompida — 8 arquivos: 1 sem erro, 0 com erro, 7 não verificados"));

  // The run passed, but no count was declared: the log has its error block, the file failed.
  OverallProgress countUnverified;
  countUnverified.Begin(1);
  countUnverified.FileStarted(QStringLiteral("a.txt"));
  countUnverified.FileJudged(verdict(validador::FileOutcome::RunPassed, validador::CountCheck::Unverified));
  countUnverified.Finish(OverallProgress::End::Completed);
  QCOMPARE(countUnverified.Passed(), 0);
  QCOMPARE(countUnverified.Failed(), 1);

  // Each file by its own verdict; a missing file and one stopped before its run fail.
  OverallProgress mixed;
  mixed.Begin(4);
  const validador::FileVerdict each[] = {
      passed, failed, verdict(validador::FileOutcome::Missing, validador::CountCheck::NotCompared),
      verdict(validador::FileOutcome::StoppedBeforeRun, validador::CountCheck::Equal)};
  for (int k = 0; k < 4; ++k) {
    mixed.FileStarted(QStringLiteral("f%1.txt").arg(k));
    mixed.FileJudged(each[k]);
  }
  mixed.Finish(OverallProgress::End::Completed);
  QCOMPARE(mixed.Text(), QStringLiteral("Verificação concluída — 4 arquivos: 1 sem erro, 3 com erro"));

  // A verdict of a file only the listing took in does not count for the file in work.
  OverallProgress outOfTheLog;
  outOfTheLog.Begin(1);
  outOfTheLog.FileStarted(QStringLiteral("a.txt"));
  outOfTheLog.FileJudged(failed);
  validador::FileVerdict listedOnly = passed;
  listedOnly.inLog = false;
  outOfTheLog.FileJudged(listedOnly);
  outOfTheLog.Finish(OverallProgress::End::Completed);
  QCOMPARE(outOfTheLog.Failed(), 1);

  OverallProgress endedByError;
  endedByError.Begin(2);
  endedByError.FileStarted(QStringLiteral("a.txt"));
  endedByError.FileJudged(passed);
  endedByError.Finish(OverallProgress::End::EndedByError);
  QCOMPARE(endedByError.Failed(), 1);
  QCOMPARE(endedByError.NotReached(), 1);
  QCOMPARE(endedByError.Text(),
           QStringLiteral("Verificação encerrada por um erro — 2 arquivos: 0 sem erro, 1 com erro, 1 não verificado"));

  endedByError.Clear();
  QVERIFY(endedByError.Text().isEmpty());
}

void TestVerificacao::inputOutsideTheCodePageRunsNothing_data() {
  QTest::addColumn<QString>("caso");
  QTest::addColumn<QString>("banco");
  QTest::addColumn<QString>("focus");
  QTest::addColumn<bool>("runs");
  QTest::newRow("grego no caso") << QStringLiteral("2024.Ω01") << "001" << "edtNrCaso" << false;
  QTest::newRow("emoji no banco") << QStringLiteral("2024.001") << QStringLiteral("0😀") << "edtNrBanco" << false;
  QTest::newRow("ideograma no caso") << QStringLiteral("caso 中") << "001" << "edtNrCaso" << false;
  // Characters that Windows-1252 holds, above Latin-1 too, run as usual.
  QTest::newRow("acentos, € e travessão") << QStringLiteral("Nº ação € – 2024") << "001" << "" << true;
}

void TestVerificacao::inputOutsideTheCodePageRunsNothing() {
  QFETCH(QString, caso);
  QFETCH(QString, banco);
  QFETCH(QString, focus);
  QFETCH(bool, runs);
  Delivery delivery;
  ShownWindow window;
  Prepare(window, delivery);
  window->edtNrCaso->setText(caso);
  window->edtNrBanco->setText(banco);
  window->redtResultado->setPlainText(QStringLiteral("texto de antes"));
  for (QPushButton* button : {window->btnAbreTodos, window->btnAbreUm}) {
    int dialogs = 0;
    window->SetFileChooser([&](QWidget*, const QString&) {
      ++dialogs;
      return std::optional<QString>();
    });
    ModalAnswerer answerer;

    Click(button);

    if (runs) {
      QVERIFY(answerer.Boxes().empty());
      QCOMPARE(window->redtResultado->LinesAsShown().last(), kClosingLine);
      continue;
    }
    QCOMPARE(answerer.Boxes().size(), std::size_t{1});
    QCOMPARE(answerer.Boxes().front().title, QStringLiteral(" Validador "));
    QVERIFY2(answerer.Boxes().front().text.contains(focus == "edtNrCaso" ? QStringLiteral("n.º do caso")
                                                                        : QStringLiteral("n.º do banco")),
             qPrintable(answerer.Boxes().front().text));
    QCOMPARE(window->focusWidget()->objectName(), focus);
    QCOMPARE(window->redtResultado->LinesAsShown(), QStringList{QStringLiteral("texto de antes")});
    QCOMPARE(dialogs, 0);
    QCOMPARE(window->cbHash->currentIndex(), -1);  // not even the default algorithm
  }
}

QTEST_MAIN(TestVerificacao)
#include "TfrmCargaVerificacaoTest.moc"
