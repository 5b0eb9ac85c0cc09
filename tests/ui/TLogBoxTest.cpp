// The verification log box: each appended line takes exactly its style, also when it
// wraps over several display lines; tabs and empty lines; the base format of the
// closing line; the reset; the lines as shown after the user typed.

#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include "UiSupport.h"
#include "support/TempDir.h"
#include "ui/TLogBox.h"
#include "ui/WindowLook.h"

using validador::LogStyle;
using validador::ui::TLogBox;

namespace {

// A box as the window has it, shown, so that it lays its lines out.
struct ShownBox {
  ShownBox() {
    box.resize(749, 160);
    box.show();
    if (!QTest::qWaitForWindowExposed(&box)) qWarning("the log box did not show");
    box.Reset();
  }
  TLogBox box;
};

}  // namespace

class TestLogBox : public QObject {
  Q_OBJECT

 private slots:
  void eachLineTakesItsStyle_data();
  void eachLineTakesItsStyle();
  void longLineWrapsAndKeepsOneStyle();
  void closingLineTakesTheBaseFormat();
  void baseColourTurnsBlueOnReset();
  void linesAsShownIncludeTyping();
  void contextMenuOffersSavingBesideCopy();
  void savedLogHoldsTheLinesAsShown();
  void logThatCannotBeSavedIsShown();
};

void TestLogBox::eachLineTakesItsStyle_data() {
  QTest::addColumn<QStringList>("texts");
  QTest::addColumn<QString>("styles");  // one letter per line: E or N
  const QString banner = QStringLiteral("ERRO!") + QString(80, QLatin1Char('*'));
  QTest::newRow("bloco de erro e linha normal")
      << QStringList{banner, QStringLiteral("Arquivo Vazio: E_extrato_bancario"),
                     QString(87, QLatin1Char('*')), QStringLiteral("depois")}
      << "EEEN";
  QTest::newRow("linhas vazias nos dois estilos")
      << QStringList{QString(), QStringLiteral("a"), QString(), QString()} << "ENNE";
  QTest::newRow("tabulação mantida")
      << QStringList{QStringLiteral("Carga efetuada com sucesso: A_cadastro_agencia.\tOk - 00:00:00"),
                     QStringLiteral("linha: 3\tC_cadastro_contas")}
      << "NE";
  QTest::newRow("dez linhas alternadas")
      << QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"} << "ENENENENEN";
}

void TestLogBox::eachLineTakesItsStyle() {
  QFETCH(QStringList, texts);
  QFETCH(QString, styles);
  ShownBox shown;
  for (int i = 0; i < texts.size(); ++i) {
    shown.box.AppendLine(texts[i], styles[i] == QLatin1Char('E') ? LogStyle::Error : LogStyle::Normal);
  }

  const std::vector<uitest::LineLook> looks = uitest::LooksOf(shown.box);
  QCOMPARE(static_cast<qsizetype>(looks.size()), texts.size());
  for (int i = 0; i < texts.size(); ++i) {
    const uitest::LineLook expected = uitest::ExpectedLook(styles[i].toLatin1(), texts[i]);
    QCOMPARE(looks[i].text, texts[i]);
    QVERIFY(looks[i].uniform);
    QCOMPARE(looks[i].points, expected.points);
    QCOMPARE(looks[i].colour, expected.colour);
    QVERIFY(looks[i].bold);
  }
  QCOMPARE(shown.box.LinesAsShown(), texts);
}

void TestLogBox::longLineWrapsAndKeepsOneStyle() {
  ShownBox shown;
  const QString longLine = QStringLiteral("palavra ").repeated(60).trimmed();
  shown.box.AppendLine(QStringLiteral("curta"), LogStyle::Normal);
  shown.box.AppendLine(longLine, LogStyle::Error);
  shown.box.AppendLine(QStringLiteral("seguinte"), LogStyle::Normal);
  shown.box.AppendLine(longLine, LogStyle::Normal);

  const QTextBlock wrapped = shown.box.document()->findBlockByNumber(1);
  QVERIFY(wrapped.layout()->lineCount() > 1);
  const std::vector<uitest::LineLook> looks = uitest::LooksOf(shown.box);
  QCOMPARE(looks.size(), std::size_t{4});
  const QString expectedStyles = QStringLiteral("NENN");
  for (std::size_t i = 0; i < looks.size(); ++i) {
    const uitest::LineLook expected =
        uitest::ExpectedLook(expectedStyles[static_cast<qsizetype>(i)].toLatin1(), QString());
    QVERIFY(looks[i].uniform);
    QCOMPARE(looks[i].points, expected.points);
    QCOMPARE(looks[i].colour, expected.colour);
  }
}

void TestLogBox::closingLineTakesTheBaseFormat() {
  ShownBox shown;
  shown.box.AppendLine(QStringLiteral("erro"), LogStyle::Error);
  shown.box.AppendLine(QStringLiteral("fim"), LogStyle::Plain);

  const uitest::LineLook closing = uitest::LooksOf(shown.box).back();
  QCOMPARE(closing.colour, validador::ui::kLogBlue);
  QCOMPARE(closing.points, static_cast<qreal>(validador::ui::LogBaseFont().pointSize()));
  QVERIFY(closing.bold);
  QVERIFY(closing.uniform);
}

void TestLogBox::baseColourTurnsBlueOnReset() {
  TLogBox box;
  QCOMPARE(box.BaseColour(), box.palette().color(QPalette::Text));
  box.AppendLine(QStringLiteral("antes"), LogStyle::Plain);
  QCOMPARE(uitest::LooksOf(box).front().colour, box.palette().color(QPalette::Text));

  box.Reset();

  QVERIFY(box.document()->isEmpty());
  QVERIFY(box.LinesAsShown().isEmpty());
  QCOMPARE(box.BaseColour(), validador::ui::kLogBlue);
  box.AppendLine(QString(), LogStyle::Normal);
  box.AppendLine(QStringLiteral("segunda"), LogStyle::Plain);
  QCOMPARE(box.LinesAsShown(), (QStringList{QString(), QStringLiteral("segunda")}));
}

void TestLogBox::linesAsShownIncludeTyping() {
  ShownBox shown;
  shown.box.AppendLine(QStringLiteral("primeira"), LogStyle::Normal);
  shown.box.moveCursor(QTextCursor::End);
  QTest::keyClicks(&shown.box, QStringLiteral(" e mais"));
  QTest::keyClick(&shown.box, Qt::Key_Return);
  QTest::keyClicks(&shown.box, QStringLiteral("nota do analista"));
  shown.box.AppendLine(QStringLiteral("depois"), LogStyle::Error);

  QCOMPARE(shown.box.LinesAsShown(),
           (QStringList{QStringLiteral("primeira e mais"), QStringLiteral("nota do analista"),
                        QStringLiteral("depois")}));
  const uitest::LineLook last = uitest::LooksOf(shown.box).back();
  QCOMPARE(last.colour, validador::ui::kLogRed);
  QVERIFY(last.uniform);
}

void TestLogBox::contextMenuOffersSavingBesideCopy() {
  ShownBox shown;
  shown.box.AppendLine(QStringLiteral("linha"), LogStyle::Normal);
  std::unique_ptr<QMenu> menu(shown.box.CreateLogContextMenu(QPoint(5, 5)));
  QStringList texts;
  for (const QAction* action : menu->actions()) {
    if (!action->isSeparator()) texts << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
  }
  QVERIFY2(texts.contains(QStringLiteral("Copy")), qPrintable(texts.join(QLatin1Char('|'))));
  QCOMPARE(texts.last(), QStringLiteral("Salvar log…"));
}

// UTF-8, CR LF after each line, the lines as the box shows them (typing included);
// the dialog starts at the suggested path and a cancelled dialog writes nothing.
void TestLogBox::savedLogHoldsTheLinesAsShown() {
  testsupport::TempDir folder;
  ShownBox shown;
  shown.box.AppendLine(QStringLiteral("ERRO!***"), LogStyle::Error);
  shown.box.AppendLine(QStringLiteral("Arquivo: B_cadastro não existe na pasta selecionada!"), LogStyle::Error);
  shown.box.AppendLine(QString(), LogStyle::Normal);
  shown.box.AppendLine(QStringLiteral("tab\tdepois"), LogStyle::Plain);
  shown.box.moveCursor(QTextCursor::End);
  shown.box.insertPlainText(QStringLiteral(" ✓ visto"));
  const QString path = QString::fromStdString(folder.File("log.txt"));
  QStringList suggestions;
  std::optional<QString> answer;
  shown.box.SetSuggestedLogPath([&] { return QString::fromStdString(folder.File("Log-2024.txt")); });
  shown.box.SetSaveChooser([&](QWidget*, const QString& suggested) {
    suggestions << suggested;
    return answer;
  });
  std::unique_ptr<QMenu> menu(shown.box.CreateLogContextMenu(QPoint(5, 5)));
  QAction* save = menu->findChild<QAction*>(QStringLiteral("salvarLog"));
  QVERIFY(save != nullptr);

  save->trigger();  // cancelled
  QVERIFY(!QFile::exists(path));
  answer = path;
  save->trigger();

  QCOMPARE(suggestions, (QStringList(2, QString::fromStdString(folder.File("Log-2024.txt")))));
  const std::string expected =
      "ERRO!***\r\nArquivo: B_cadastro n\xC3\xA3o existe na pasta selecionada!\r\n\r\n"
      "tab\tdepois \xE2\x9C\x93 visto\r\n";
  QCOMPARE(uitest::ReadFileBytes(path), expected);
}

void TestLogBox::logThatCannotBeSavedIsShown() {
  testsupport::TempDir folder;
  ShownBox shown;
  shown.box.AppendLine(QStringLiteral("linha"), LogStyle::Normal);
  const QString path = QString::fromStdString(folder.File("nao-existe/log.txt"));
  shown.box.SetSaveChooser([&](QWidget*, const QString&) { return std::optional<QString>(path); });
  uitest::ModalAnswerer answerer;

  shown.box.SaveLogAs();

  QVERIFY(!shown.box.SaveLines(path)->isEmpty());
  QCOMPARE(answerer.Boxes().size(), std::size_t{1});
  // The path as the system writes it (on Windows with '\\' only).
  QVERIFY(answerer.Boxes().front().text.contains(QDir::toNativeSeparators(path)));
  QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(TestLogBox)
#include "TLogBoxTest.moc"
