// "Lista de erros": the faults of the last check in a table of its own window, the same
// rows as `validador-cli check --errors`; its filters, sorting, copying, the line shown on a
// double click, and how it is opened.

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QTableView>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>

#include "UiSupport.h"
#include "support/Delivery.h"
#include "support/RunProcess.h"
#include "ui/ErrorListModel.h"
#include "ui/LineWithFault.h"
#include "ui/TfrmListaErros.h"

using testsupport::TempDir;
using uitest::ModalAnswerer;
using uitest::Q;
using uitest::ShownWindow;
using validador::ui::ErrorListModel;
using validador::ui::TfrmCarga;
using validador::ui::TfrmListaErros;

namespace {

const std::string kCase = "2024.0042-7";
const std::string kBank = "987";

// A copy of the example delivery with faults.
struct ExampleWithFaults {
  ExampleWithFaults() {
    std::filesystem::create_directory(folder);
    const std::filesystem::path source =
        std::filesystem::path(VALIDADOR_SOURCE_DIR) / "examples" / "entrega-com-erros";
    for (const auto& entry : std::filesystem::directory_iterator(source)) {
      std::filesystem::copy_file(entry.path(), folder / entry.path().filename());
    }
  }
  QString Path() const { return Q(folder.string()); }
  TempDir dir;
  std::filesystem::path folder = dir.Path() / "entrega";
};

void CheckAllFiles(TfrmCarga& window, const QString& folder) {
  uitest::Type(window.edtNrCaso, Q(kCase));
  uitest::Type(window.edtNrBanco, Q(kBank));
  window.dlb1->SetDirectory(folder);
  QTest::mouseClick(window.btnAbreTodos, Qt::LeftButton);
}

// The records of a CSV listing (';' between fields, '"' quoting, CR LF), header and
// byte-order mark left out.
QList<QStringList> CsvRecords(const std::string& bytes) {
  QString text = QString::fromUtf8(bytes);
  if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
  QList<QStringList> records;
  QStringList fields;
  QString field;
  bool quoted = false;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar c = text[i];
    if (quoted) {
      if (c == QLatin1Char('"') && i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
        field += c;
        ++i;
      } else if (c == QLatin1Char('"')) {
        quoted = false;
      } else {
        field += c;
      }
    } else if (c == QLatin1Char('"')) {
      quoted = true;
    } else if (c == QLatin1Char(';')) {
      fields << field;
      field.clear();
    } else if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
      fields << field;
      records << fields;
      fields.clear();
      field.clear();
      ++i;
    } else {
      field += c;
    }
  }
  if (!records.isEmpty()) records.removeFirst();
  return records;
}

QList<QStringList> CliRows(const QString& folder, const std::string& listingPath) {
  const testsupport::ProcessResult run = testsupport::RunProcess(
      VALIDADOR_CLI_PATH, {"check", folder.toStdString(), "--case", kCase, "--bank", kBank,
                           "--errors", listingPath});
  if (run.exitCode != 1) qWarning("validador-cli ended with %d: %s", run.exitCode, run.err.c_str());
  return CsvRecords(testsupport::ReadAll(listingPath));
}

// The table's rows as shown (sorted and filtered).
QList<QStringList> TableRows(const TfrmListaErros& list) {
  QList<QStringList> rows;
  const QAbstractItemModel* model = list.tabela->model();
  for (int row = 0; row < model->rowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < model->columnCount(); ++column) {
      cells << model->index(row, column).data().toString();
    }
    rows << cells;
  }
  return rows;
}

QAction* ActionNamed(const QList<QAction*>& actions, const QString& name) {
  for (QAction* action : actions) {
    if (action->objectName() == name) return action;
  }
  return nullptr;
}

}  // namespace

class TestListaErros : public QObject {
  Q_OBJECT

 private slots:
  void rowsAreTheListingsAndTheWindowDoesNotBlock();
  void opensFromItsThreePlaces_data();
  void opensFromItsThreePlaces();
  void filtersSortsAndCopies();
  void doubleClickShowsTheLineWithTheFieldMarked();
  void lineHtmlMarksOneField_data();
  void lineHtmlMarksOneField();
  void countsTellWhatTheTableLeavesOut();
  void nothingToShowBeforeACheck();
};

void TestListaErros::rowsAreTheListingsAndTheWindowDoesNotBlock() {
  ExampleWithFaults example;
  ShownWindow window;
  ModalAnswerer answerer;
  CheckAllFiles(*window, example.Path());

  window->MostraListaDeErros();

  TfrmListaErros* list = window->ListaDeErros();
  QVERIFY(list != nullptr);
  QVERIFY(list->isVisible());
  QCOMPARE(list->windowModality(), Qt::NonModal);
  QVERIFY(list->isWindow());
  const QList<QStringList> expected = CliRows(example.Path(), example.dir.File("cli.csv"));
  QCOMPARE(expected.size(), 7);
  QCOMPARE(TableRows(*list), expected);
  // The main window goes on working with the list open: a new check refreshes it.
  QVERIFY(window->btnLimpaTela->isEnabled());
  QTest::mouseClick(window->btnLimpaTela, Qt::LeftButton);
  QCOMPARE(list->tabela->model()->rowCount(), 0);
  CheckAllFiles(*window, example.Path());
  QCOMPARE(TableRows(*list), expected);
}

void TestListaErros::opensFromItsThreePlaces_data() {
  QTest::addColumn<QString>("place");
  QTest::newRow("Ctrl+L") << QStringLiteral("Ctrl+L");
  QTest::newRow("clique em Linhas com erro") << QStringLiteral("linha");
  QTest::newRow("menu do log") << QStringLiteral("menu");
}

void TestListaErros::opensFromItsThreePlaces() {
  QFETCH(QString, place);
  ExampleWithFaults example;
  ShownWindow window;
  ModalAnswerer answerer;
  CheckAllFiles(*window, example.Path());
  QVERIFY(window->ListaDeErros() == nullptr);

  if (place == QLatin1String("Ctrl+L")) {
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&*window));
    QTest::keyClick(&*window, Qt::Key_L, Qt::ControlModifier);
  } else if (place == QLatin1String("linha")) {
    QTest::mouseClick(window->lblLinhasComErro, Qt::LeftButton);
  } else {
    std::unique_ptr<QMenu> menu(window->redtResultado->CreateLogContextMenu(QPoint(5, 5)));
    QAction* open = ActionNamed(menu->actions(), QStringLiteral("listaErros"));
    QVERIFY(open != nullptr);
    QVERIFY(open->isEnabled());
    open->trigger();
  }

  QVERIFY(window->ListaDeErros() != nullptr);
  QVERIFY(window->ListaDeErros()->isVisible());
  QCOMPARE(window->ListaDeErros()->tabela->model()->rowCount(), 7);
}

void TestListaErros::filtersSortsAndCopies() {
  ExampleWithFaults example;
  ShownWindow window;
  ModalAnswerer answerer;
  CheckAllFiles(*window, example.Path());
  window->MostraListaDeErros();
  TfrmListaErros& list = *window->ListaDeErros();
  const QAbstractItemModel* model = list.tabela->model();

  list.cbArquivo->setCurrentText(QStringLiteral("E_EXTRATO_BANCARIO.txt"));
  QCOMPARE(model->rowCount(), 1);
  QCOMPARE(model->index(0, ErrorListModel::Mensagem).data().toString(), QStringLiteral("Dia inválido"));
  list.cbArquivo->setCurrentIndex(0);
  list.cbRegra->setCurrentText(QStringLiteral("arquivo"));
  QCOMPARE(model->rowCount(), 2);
  for (int row = 0; row < 2; ++row) QCOMPARE(model->index(row, ErrorListModel::Linha).data().toString(), QString());
  list.cbRegra->setCurrentText(QStringLiteral("campo"));
  QCOMPARE(model->rowCount(), 3);
  list.cbRegra->setCurrentIndex(0);
  QCOMPARE(model->rowCount(), 7);

  // Line numbers sort as numbers, the rows about a whole file (no line) first.
  list.tabela->sortByColumn(ErrorListModel::Linha, Qt::DescendingOrder);
  QCOMPARE(model->index(0, ErrorListModel::Linha).data().toString(), QStringLiteral("7"));
  QCOMPARE(model->index(6, ErrorListModel::Linha).data().toString(), QString());

  list.tabela->selectRow(0);
  list.tabela->selectionModel()->select(model->index(1, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
  const QString copied = list.SelectedRowsText();
  QCOMPARE(copied,
           QStringLiteral("E_EXTRATO_BANCARIO.txt\t7\tcampo\t8\tdata_lancamento\tDia inválido\t31042024\n"
                          "O_ORIGEM_DESTINO_RECURSOS.txt\t4\tbanco\t\t\t"
                          "O nº do banco no arquivo difere do informado; linha: 4     O_origem_destino_recursos\t\n"));
  QApplication::clipboard()->clear();
  QAction* copy = list.tabela->actions().value(0);
  QVERIFY(copy != nullptr);
  copy->trigger();
  QCOMPARE(QApplication::clipboard()->text(), copied);
}

void TestListaErros::doubleClickShowsTheLineWithTheFieldMarked() {
  ExampleWithFaults example;
  ShownWindow window;
  ModalAnswerer answerer;
  CheckAllFiles(*window, example.Path());
  window->MostraListaDeErros();
  TfrmListaErros& list = *window->ListaDeErros();
  list.cbArquivo->setCurrentText(QStringLiteral("T_CADASTRO_TITULARES.txt"));
  QCOMPARE(list.tabela->model()->rowCount(), 1);
  QVERIFY(QTest::qWaitForWindowExposed(&list));
  const QRect cell = list.tabela->visualRect(list.tabela->model()->index(0, 0));
  QVERIFY(!cell.isEmpty());

  QTest::mouseClick(list.tabela->viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseDClick(list.tabela->viewport(), Qt::LeftButton, {}, cell.center());

  QVERIFY(list.linhaMostrada != nullptr);
  QVERIFY(list.linhaMostrada->isVisible());
  QCOMPARE(list.linhaMostrada->windowTitle(), QStringLiteral("Linha 3 de T_CADASTRO_TITULARES.txt"));
  const std::optional<QString> line =
      validador::ui::ReadLineOfFile((example.folder / "T_CADASTRO_TITULARES.txt").string(), 3);
  QVERIFY(line.has_value());
  QCOMPARE(line->split(QLatin1Char('\t')).value(22), QStringLiteral("12.345,67"));
  const QString html = list.linhaMostrada->toHtml();
  QVERIFY2(html.contains(QStringLiteral("12.345,67")), qPrintable(html));
  QTextDocument expected;
  expected.setHtml(validador::ui::LineWithFaultHtml(*line, 23));
  QVERIFY(list.linhaMostrada->toPlainText().startsWith(expected.toPlainText()));
}

void TestListaErros::lineHtmlMarksOneField_data() {
  QTest::addColumn<QString>("line");
  QTest::addColumn<int>("column");
  QTest::addColumn<QString>("marked");  // the text in the mark; empty for no mark
  QTest::newRow("segundo campo") << QStringLiteral("A\t987\tx<y") << 2 << QStringLiteral("987");
  QTest::newRow("campo com & e <") << QStringLiteral("A\t987\tx<y") << 3 << QStringLiteral("x&lt;y");
  QTest::newRow("campo vazio") << QStringLiteral("A\t\t1") << 2 << QStringLiteral("&nbsp;");
  QTest::newRow("nenhum campo") << QStringLiteral("A\t987") << 0 << QString();
  QTest::newRow("coluna além da linha") << QStringLiteral("A\t987") << 5 << QString();
}

void TestListaErros::lineHtmlMarksOneField() {
  QFETCH(QString, line);
  QFETCH(int, column);
  QFETCH(QString, marked);
  const QString html = validador::ui::LineWithFaultHtml(line, column);
  const QString markOpen = QStringLiteral("font-weight:bold;\">");
  QCOMPARE(html.count(markOpen), marked.isEmpty() ? 0 : 1);
  if (!marked.isEmpty()) QVERIFY2(html.contains(markOpen + marked + QStringLiteral("</span>")), qPrintable(html));
  QCOMPARE(html.count(QStringLiteral("⇥")), line.count(QLatin1Char('\t')));
}

void TestListaErros::countsTellWhatTheTableLeavesOut() {
  validador::ErrorListing listing(2);
  validador::FileListing& a = listing.BeginFile("A_CADASTRO_AGENCIAS.txt");
  a.linhas = 10;
  for (int i = 1; i <= 3; ++i) {
    validador::ListingRow row;
    row.linha = i;
    row.mensagem = "erro";
    listing.Add(row);
  }
  a.linhasComErro = 3;
  listing.BeginFile("Y_OBSERVACOES.txt").ausente = true;
  QCOMPARE(TfrmListaErros::CountsText(listing),
           QStringLiteral("A_CADASTRO_AGENCIAS.txt: 3 linhas com erro, 3 erros (2 na tabela) · "
                          "Y_OBSERVACOES.txt: não existe. A tabela guarda até 2 erros por arquivo."));
}

void TestListaErros::nothingToShowBeforeACheck() {
  ShownWindow window;
  window->MostraListaDeErros();
  QVERIFY(window->ListaDeErros() == nullptr);
  QVERIFY(!window->actListaErros->isEnabled());
}

QTEST_MAIN(TestListaErros)
#include "TfrmListaErrosTest.moc"
