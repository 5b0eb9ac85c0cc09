// The window while a long command runs: checks and "Confere Hash" run on a worker thread,
// so the window's timers fire and it answers the keyboard meanwhile; both can be
// interrupted; the gauge tells how a command ended; the overall progress line tells the
// bytes done and the time.

#include <QApplication>
#include <QRegularExpression>
#include <QTest>
#include <QThread>
#include <QTimer>

#include "UiSupport.h"
#include "hash/Calchash.h"
#include "support/Delivery.h"
#include "ui/OverallProgress.h"
#include "ui/WorkerRun.h"
#include "validation/scan/FileScan.h"

using testsupport::Delivery;
using uitest::ModalAnswerer;
using uitest::Q;
using uitest::ShownWindow;
using validador::ui::ConfereHashChoice;
using validador::ui::OverallProgress;
using validador::ui::TfrmCarga;

namespace {

const QString kClosingLine = QStringLiteral("****              Fim da Verificação              ****");
const QString kInterrupted = QStringLiteral("Verificação interrompida pelo usuário");

// Small blocks, so that a small delivery takes many reads.
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
  window->dlb1->SetDirectory(Q(delivery.dir.Path().string()));
}

void WriteManifest(const Delivery& delivery) {
  std::string manifest;
  for (const validador::RecordTypeIndex type : validador::kProcessingOrder) {
    manifest += validador::DigestOfFile(delivery.PathOf(type), "md5") + "\r\n";
  }
  delivery.dir.Write("HASHV.txt", manifest);
}

void AnswerConfereHashWithoutDigest(TfrmCarga& window) {
  window.SetConfereHashQuestion([](QWidget*, const QString&) { return std::optional<ConfereHashChoice>(ConfereHashChoice{}); });
}

void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

// Starts the command the row names.
void Start(TfrmCarga& window, const QString& command) {
  if (command == QLatin1String("Confere Hash")) {
    AnswerConfereHashWithoutDigest(window);
    Click(window.btnConfereHash);
  } else {
    Click(window.btnAbreTodos);
  }
}

// Counts the ticks of a repeating timer that come while a command runs.
class TickCounter {
 public:
  explicit TickCounter(TfrmCarga& window) {
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this, &window] {
      if (window.CommandRunning()) ++ticksWhileRunning;
      if (window.CommandRunning() && window.G->value() > 0) ++ticksWithGaugeMoving;
    });
    timer_.start(1);
  }

  int ticksWhileRunning = 0;
  int ticksWithGaugeMoving = 0;

 private:
  QTimer timer_;
};

}  // namespace

class TestSegundoPlano : public QObject {
  Q_OBJECT

 private slots:
  void timersFireWhileACommandRuns_data();
  void timersFireWhileACommandRuns();
  void workRunsOnAnotherThreadAndItsErrorComesBack();
  void confereHashCanBeInterrupted_data();
  void confereHashCanBeInterrupted();
  void gaugeTellsHowTheCommandEnded_data();
  void gaugeTellsHowTheCommandEnded();
  void overallProgressTellsBytesAndTime();
  void overallProgressOfARunningCheck();
  void durations_data();
  void durations();
};

void TestSegundoPlano::timersFireWhileACommandRuns_data() {
  QTest::addColumn<QString>("command");
  QTest::newRow("Abre Arquivos") << QStringLiteral("Abre Arquivos");
  QTest::newRow("Confere Hash") << QStringLiteral("Confere Hash");
}

// No pause in the engine lets the window in: the timer fires because the command is not on
// the window's thread. The log is whole and in order afterwards.
void TestSegundoPlano::timersFireWhileACommandRuns() {
  QFETCH(QString, command);
  SmallBlocks small;
  Delivery delivery("2024.001", "001", 400);
  WriteManifest(delivery);
  ShownWindow window;
  Prepare(window, delivery);
  TickCounter ticks(*window);

  Start(*window, command);

  QVERIFY2(ticks.ticksWhileRunning > 0, "no timer fired while the command ran");
  QVERIFY(!window->CommandRunning());
  QCOMPARE(window->State(), TfrmCarga::CommandState::Idle);
  const QStringList lines = window->redtResultado->LinesAsShown();
  QCOMPARE(lines.last(), kClosingLine);
  QVERIFY(!lines.contains(kInterrupted));
  if (command == QLatin1String("Confere Hash")) {
    QCOMPARE(lines[lines.size() - 2],
             QStringLiteral("Conferência (md5): 8 OK, 0 ALTERADO, 0 TROCADO, 0 AUSENTE, 0 SEM HASH"));
  } else {
    QCOMPARE(window->Engine().Memo2.size(), std::size_t{8});
  }
}

void TestSegundoPlano::workRunsOnAnotherThreadAndItsErrorComesBack() {
  QThread* workedOn = nullptr;
  int timerFired = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&] { ++timerFired; });
  timer.start(0);
  bool thrown = false;
  try {
    validador::ui::RunOnWorker([&] {
      workedOn = QThread::currentThread();
      QThread::msleep(50);
      throw std::runtime_error("falhou");
    });
  } catch (const std::runtime_error& error) {
    thrown = QLatin1String(error.what()) == QLatin1String("falhou");
  }
  QVERIFY(thrown);
  QVERIFY(workedOn != nullptr);
  QVERIFY(workedOn != QThread::currentThread());
  QVERIFY(timerFired > 0);
}

void TestSegundoPlano::confereHashCanBeInterrupted_data() {
  QTest::addColumn<bool>("byEscape");
  QTest::addColumn<bool>("answer");
  QTest::newRow("botão Interromper, sim") << false << true;
  QTest::newRow("tecla Esc, sim") << true << true;
  QTest::newRow("tecla Esc, continuar") << true << false;
}

// The question is the same as a check's; on yes the digests stop at their next block and
// the log says so; on "Continuar" the audit runs to its end.
void TestSegundoPlano::confereHashCanBeInterrupted() {
  QFETCH(bool, byEscape);
  QFETCH(bool, answer);
  Delivery delivery("2024.001", "001", 20000);
  WriteManifest(delivery);
  ShownWindow window;
  Prepare(window, delivery);
  int asked = 0;
  window->SetStopQuestion([&](QWidget*) {
    ++asked;
    return answer;
  });
  bool offered = false;
  QTimer::singleShot(0, &*window, [&] {
    offered = window->btnInterromper->isVisible() && window->CheckRunning();
    if (byEscape) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    } else {
      Click(window->btnInterromper);
    }
  });

  Start(*window, QStringLiteral("Confere Hash"));

  QVERIFY(offered);
  QCOMPARE(asked, 1);
  const QStringList lines = window->redtResultado->LinesAsShown();
  QCOMPARE(lines.last(), kClosingLine);
  if (answer) {
    QCOMPARE(lines, QStringList({kInterrupted, kClosingLine}));
    QCOMPARE(window->G->value(), 0);
  } else {
    QVERIFY(!lines.contains(kInterrupted));
    QVERIFY(lines[lines.size() - 2].startsWith(QStringLiteral("Conferência (md5): 8 OK")));
    QCOMPARE(window->G->value(), 100);
  }
  QVERIFY(!window->btnInterromper->isVisible());
  QVERIFY(window->btnConfereHash->isEnabled());
  QCOMPARE(window->State(), TfrmCarga::CommandState::Idle);
}

void TestSegundoPlano::gaugeTellsHowTheCommandEnded_data() {
  QTest::addColumn<QString>("how");
  QTest::addColumn<int>("gauge");
  QTest::newRow("verificação com erros até o fim") << QStringLiteral("erros") << 100;
  QTest::newRow("verificação interrompida") << QStringLiteral("interrompida") << 0;
  QTest::newRow("Confere Hash até o fim") << QStringLiteral("confere") << 100;
  QTest::newRow("Confere Hash encerrado por erro") << QStringLiteral("sem HASHV") << 0;
}

// A check whose files end at a fault leaves the file's gauge short of full; the gauge shows
// the command's end instead.
void TestSegundoPlano::gaugeTellsHowTheCommandEnded() {
  QFETCH(QString, how);
  QFETCH(int, gauge);
  SmallBlocks small;
  Delivery delivery("2024.001", "001", 30);
  if (how != QLatin1String("sem HASHV")) WriteManifest(delivery);
  if (how == QLatin1String("erros")) {
    std::vector<std::string> lines;
    for (int n = 0; n < 3; ++n) lines.push_back(testsupport::Join(testsupport::ValidRecord(validador::rtA, "001", n)));
    lines.push_back("A\t001\tcampo a menos");
    delivery.WriteLines(validador::rtA, lines);
    delivery.WriteHeader();
  }
  ShownWindow window;
  Prepare(window, delivery);
  window->SetStopQuestion([](QWidget*) { return true; });
  if (how == QLatin1String("interrompida")) {
    QTimer::singleShot(0, &*window, [&] { Click(window->btnInterromper); });
  }
  ModalAnswerer answerer;

  Start(*window, how == QLatin1String("confere") || how == QLatin1String("sem HASHV")
                     ? QStringLiteral("Confere Hash")
                     : QStringLiteral("Abre Arquivos"));

  QCOMPARE(window->G->value() * 100 / std::max(window->G->maximum(), 1), gauge);
  QCOMPARE(answerer.Boxes().size(), std::size_t{how == QLatin1String("sem HASHV") ? 1U : 0U});
  if (how == QLatin1String("erros")) {
    const QStringList lines = window->redtResultado->LinesAsShown();
    QVERIFY2(lines.filter(QStringLiteral("diferente dos campos da A_cadastro_agencia")).size() == 1,
             qPrintable(lines.join(QLatin1Char('\n'))));
    QCOMPARE(lines.last(), kClosingLine);
  }
}

void TestSegundoPlano::overallProgressTellsBytesAndTime() {
  qint64 now = 0;
  OverallProgress progress;
  progress.SetClock([&] { return now; });
  progress.Begin(2, 1000);
  QCOMPARE(progress.Text(), QString());
  progress.FileStarted(QStringLiteral("/entrega/A_CADASTRO_AGENCIAS.txt"), 400);
  QCOMPARE(progress.Text(), QStringLiteral("Arquivo 1 de 2: A_CADASTRO_AGENCIAS.txt — 0 % dos bytes · 0:00 decorridos"));
  now = 2000;
  progress.FileRead(200);
  QCOMPARE(progress.PercentOfBytes(), 20);
  QCOMPARE(progress.Text(), QStringLiteral("Arquivo 1 de 2: A_CADASTRO_AGENCIAS.txt — "
                                           "20 % dos bytes · 0:02 decorridos · 0:08 restantes"));
  // The next file: the whole of the first counts as done, whatever was last read of it.
  now = 4000;
  progress.FileStarted(QStringLiteral("/entrega/B_CADASTRO_DEPOSITANTES_FAVORECIDOS.txt"), 600);
  QCOMPARE(progress.PercentOfBytes(), 40);
  QCOMPARE(progress.BytesAndTime(), QStringLiteral("40 % dos bytes · 0:04 decorridos · 0:06 restantes"));
  // A read past the size the file had at the start counts up to that size.
  progress.FileRead(5000);
  QCOMPARE(progress.PercentOfBytes(), 100);
  progress.Finish(OverallProgress::End::Completed);
  // No verdict was handed over for these files: they count as failed.
  QCOMPARE(progress.Text(), QStringLiteral("Verificação concluída — 2 arquivos: 0 sem erro, 2 com erro"));
  // Files that hold no bytes: no share, no time left, and the line names the file alone.
  progress.Begin(1, 0);
  progress.FileStarted(QStringLiteral("Y_OBSERVACOES.txt"), 0);
  QCOMPARE(progress.BytesAndTime(), QStringLiteral("0 % dos bytes · 0:04 decorridos"));
  QCOMPARE(progress.Text(), QStringLiteral("Arquivo 1 de 1: Y_OBSERVACOES.txt"));
}

// While the check runs the line carries the share of bytes, which only grows.
void TestSegundoPlano::overallProgressOfARunningCheck() {
  SmallBlocks small;
  Delivery delivery("2024.001", "001", 200);
  ShownWindow window;
  Prepare(window, delivery);
  QList<int> shares;
  QObject::connect(&*window, &TfrmCarga::overallProgressShown, &*window, [&](const QString& text) {
    static const QRegularExpression share(QStringLiteral(" — (\\d+) % dos bytes · \\d+:\\d\\d decorridos"));
    const QRegularExpressionMatch match = share.match(text);
    if (match.hasMatch()) shares << match.captured(1).toInt();
  });

  Click(window->btnAbreTodos);

  QVERIFY(shares.size() > 8);
  QVERIFY(std::is_sorted(shares.begin(), shares.end()));
  QVERIFY(shares.last() > 80);
  QVERIFY(shares.last() <= 100);
  QCOMPARE(window->lblProgressoGeral->text(),
           QStringLiteral("Verificação concluída — 8 arquivos: 8 sem erro, 0 com erro"));
}

void TestSegundoPlano::durations_data() {
  QTest::addColumn<qint64>("milliseconds");
  QTest::addColumn<QString>("text");
  QTest::newRow("menos de um segundo") << qint64{999} << QStringLiteral("0:00");
  QTest::newRow("segundos") << qint64{7'000} << QStringLiteral("0:07");
  QTest::newRow("minutos") << qint64{750'000} << QStringLiteral("12:30");
  QTest::newRow("horas") << qint64{3'723'000} << QStringLiteral("1:02:03");
  QTest::newRow("negativo") << qint64{-5} << QStringLiteral("0:00");
}

void TestSegundoPlano::durations() {
  QFETCH(qint64, milliseconds);
  QFETCH(QString, text);
  QCOMPARE(validador::ui::Duration(milliseconds), text);
}

QTEST_MAIN(TestSegundoPlano)
#include "TfrmCargaSegundoPlanoTest.moc"
