// The error listing in the main window: the lines with faults of each file after a check,
// "Salvar lista de erros…" writing what `validador-cli check --errors` writes, when the
// action is offered, a save that cannot be written, and the texts and choices behind it.

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <filesystem>
#include <memory>

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

#include "UiSupport.h"
#include "platform/FileSystem.h"
#include "support/Delivery.h"
#include "support/RunProcess.h"
#include "ui/ListingSaveDialog.h"
#include "ui/ListingSummary.h"
#include "validation/listing/ListingWorkbook.h"

using testsupport::TempDir;
using uitest::ModalAnswerer;
using uitest::Q;
using uitest::ShownWindow;
using validador::ErrorListing;
using validador::ListingFormat;
using validador::ui::ListingSaveChoice;
using validador::ui::TfrmCarga;

Q_DECLARE_METATYPE(validador::ListingFormat)

namespace {

const std::string kCase = "2024.0042-7";
const std::string kBank = "987";

// A copy of the example delivery with faults, so that nothing is written into the sources.
struct ExampleWithFaults {
  ExampleWithFaults() {
    const std::filesystem::path source =
        std::filesystem::path(VALIDADOR_SOURCE_DIR) / "examples" / "entrega-com-erros";
    for (const auto& entry : std::filesystem::directory_iterator(source)) {
      std::filesystem::copy_file(entry.path(), folder / entry.path().filename());
    }
  }
  QString Path() const { return Q(dir.Path().string()) + QStringLiteral("/entrega"); }
  std::vector<std::string> Names() const {
    std::vector<std::string> names = validador::platform::DirectoryEntries(folder.string());
    std::sort(names.begin(), names.end());
    return names;
  }

  TempDir dir;
  std::filesystem::path folder = [this] {
    std::filesystem::path made = dir.Path() / "entrega";
    std::filesystem::create_directory(made);
    return made;
  }();
};

void Click(QPushButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

void CheckAllFiles(TfrmCarga& window, const QString& folder) {
  uitest::Type(window.edtNrCaso, Q(kCase));
  uitest::Type(window.edtNrBanco, Q(kBank));
  window.dlb1->SetDirectory(folder);
  Click(window.btnAbreTodos);
}

// "Salvar lista de erros…" as the log box's context menu offers it.
QAction* SaveActionInLogMenu(TfrmCarga& window, std::unique_ptr<QMenu>& menu) {
  menu.reset(window.redtResultado->CreateLogContextMenu(QPoint(5, 5)));
  for (QAction* action : menu->actions()) {
    if (action->objectName() == QLatin1String("salvarListaErros")) return action;
  }
  return nullptr;
}

// What the command line writes with --errors for the same delivery.
std::string CliListing(const QString& folder, const std::string& listingPath) {
  const testsupport::ProcessResult run = testsupport::RunProcess(
      VALIDADOR_CLI_PATH, {"check", folder.toStdString(), "--case", kCase, "--bank", kBank,
                           "--errors", listingPath});
  if (run.exitCode != 1) qWarning("validador-cli ended with %d: %s", run.exitCode, run.err.c_str());
  return testsupport::ReadAll(listingPath);
}

// The lines with faults of each file, by the type letter, from the JSON Lines summaries.
QString LinesWithFaultsFromSummaries(const std::string& jsonLines) {
  static const QRegularExpression summary(QStringLiteral(
      "\"arquivo\":\"(.)[^\"]*\",.*\"regra\":\"resumo\".*\"linhas_com_erro\":(\\d+),"));
  QStringList parts;
  for (const QString& line : Q(jsonLines).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    const QRegularExpressionMatch match = summary.match(line);
    if (match.hasMatch()) parts << match.captured(1) + QLatin1Char(' ') + match.captured(2);
  }
  return QStringLiteral("Linhas com erro: ") + parts.join(QStringLiteral(" · "));
}

validador::FileListing FileWith(std::string name, std::int64_t lines, std::int64_t withFaults,
                                std::int64_t faults) {
  validador::FileListing file;
  file.arquivo = std::move(name);
  file.linhas = lines;
  file.linhasComErro = withFaults;
  file.erros = faults;
  return file;
}

}  // namespace

class TestListagem : public QObject {
  Q_OBJECT

 private slots:
  void linesWithFaultsOfEachFileAreShown();
  void savedListingIsTheCommandLines_data();
  void savedListingIsTheCommandLines();
  void rowsAreCappedAndCountsAreWhole();
  void cancelledSaveWritesNothing();
  void offeredOnlyAfterACheckThatRanToItsEnd_data();
  void offeredOnlyAfterACheckThatRanToItsEnd();
  void saveThatCannotBeWrittenIsShown_data();
  void saveThatCannotBeWrittenIsShown();
  void formatOfTheChosenName_data();
  void formatOfTheChosenName();
  void summaryTexts();
};

void TestListagem::linesWithFaultsOfEachFileAreShown() {
  ExampleWithFaults example;
  ShownWindow window;
  ModalAnswerer answerer;

  CheckAllFiles(*window, example.Path());

  // The command line's summaries count the missing Y file's lines as 0; the window says it is
  // not there.
  const QString expected = QStringLiteral(
      "Linhas com erro: I 0 · A 1 · B 1 · C 0 · E 1 · O 1 · T 1 · Y —");
  QCOMPARE(LinesWithFaultsFromSummaries(CliListing(example.Path(), example.dir.File("cli.jsonl"))),
           QString(expected).replace(QStringLiteral("Y —"), QStringLiteral("Y 0")));
  QVERIFY(window->lblLinhasComErro->isVisible());
  QCOMPARE(window->lblLinhasComErro->text(), expected);
  // The whole table, every file's name and its faults, in the tooltip.
  const QString details = window->lblLinhasComErro->toolTip();
  QVERIFY2(details.contains(QStringLiteral("Y_OBSERVACOES.txt")), qPrintable(details));
  QVERIFY(details.contains(QStringLiteral("Salvar lista de erros")));
  // Its context menu and the progress line's offer the save too.
  for (QLabel* label : {window->lblLinhasComErro, window->lblProgressoGeral}) {
    QCOMPARE(label->contextMenuPolicy(), Qt::ActionsContextMenu);
    QVERIFY(label->actions().contains(window->actSalvarListaErros));
  }
  QVERIFY(window->actSalvarListaErros->isEnabled());
  // Beside the line total, clear of it and of the boxes around.
  const QRect place = window->lblLinhasComErro->geometry();
  for (QWidget* other : {static_cast<QWidget*>(window->lblTotReg), static_cast<QWidget*>(window->Label14),
                         static_cast<QWidget*>(window->FEdit), static_cast<QWidget*>(window->dlb1),
                         static_cast<QWidget*>(window->QuantidadeLabels[0])}) {
    QVERIFY2(!place.intersects(other->geometry()), qPrintable(other->objectName()));
  }
  QVERIFY(window->GroupBox4->rect().contains(place));
  // The log box is the same as the command line's without the listing.
  QStringList cliLines;
  for (const auto& [style, text] : uitest::CliStyledLog({"check", example.Path().toStdString(), "--case",
                                                         kCase, "--bank", kBank, "--styled"})) {
    cliLines << text;
  }
  QStringList shown;
  for (const QString& line : window->redtResultado->LinesAsShown()) shown << uitest::MaskElapsed(line);
  QCOMPARE(shown, cliLines);
}

// One sheet's XML from a workbook, unzipped.
QByteArray SheetXml(const QString& workbook, const char* sheet) {
  QProcess unzip;
  unzip.start(QStringLiteral("unzip"), {QStringLiteral("-p"), workbook, QString::fromLatin1(sheet)});
  if (!unzip.waitForFinished(30000)) return {};
  return unzip.readAllStandardOutput();
}

void TestListagem::savedListingIsTheCommandLines_data() {
  QTest::addColumn<ListingFormat>("format");
  QTest::addColumn<QString>("name");
  QTest::newRow("CSV") << ListingFormat::Csv << "lista.csv";
  QTest::newRow("JSON Lines") << ListingFormat::JsonLines << "lista.jsonl";
  // A build without the workbook writer offers no workbook.
  if (validador::WorkbookAvailable()) QTest::newRow("planilha") << ListingFormat::Workbook << "lista.xlsx";
}

void TestListagem::savedListingIsTheCommandLines() {
  QFETCH(ListingFormat, format);
  QFETCH(QString, name);
  ExampleWithFaults example;
  ShownWindow window;
  ModalAnswerer answerer;
  CheckAllFiles(*window, example.Path());
  const QString path = Q(example.dir.File(name.toStdString()));
  QStringList suggestions;
  window->SetListingSaveChooser([&](QWidget*, const QString& suggested) {
    suggestions << suggested;
    return std::optional<ListingSaveChoice>(ListingSaveChoice{path, format});
  });
  std::unique_ptr<QMenu> menu;
  QAction* save = SaveActionInLogMenu(*window, menu);
  QVERIFY(save != nullptr);
  QVERIFY(save->isEnabled());

  save->trigger();

  // Proposed as Qt writes paths; the dialog shows it with the system's separators.
  QCOMPARE(suggestions, QStringList{QDir::fromNativeSeparators(example.Path()) +
                                    QStringLiteral("/Erros-2024.0042-7.csv")});
  const std::string saved = uitest::ReadFileBytes(path);
  QVERIFY(!saved.empty());
  const std::string cliPath = example.dir.File("cli-" + name.toStdString());
  const std::string cli = CliListing(example.Path(), cliPath);
  if (format == ListingFormat::Workbook) {
    // The sheets "Erros" and "Resumo" alike; "Entrega" holds the time each was written.
    QCOMPARE(saved.substr(0, 2), std::string("PK"));
    for (const char* sheet : {"xl/worksheets/sheet1.xml", "xl/worksheets/sheet2.xml"}) {
      const QByteArray ours = SheetXml(path, sheet);
      QVERIFY(ours.contains("<sheetData>"));
      QCOMPARE(ours, SheetXml(Q(cliPath), sheet));
    }
  } else {
    QCOMPARE(saved, cli);
  }
  QVERIFY(answerer.Boxes().empty());
}

// A file with more faults than the listing keeps: the saved rows stop where the command
// line's do by default, the lines with faults shown count them all.
void TestListagem::rowsAreCappedAndCountsAreWhole() {
  constexpr int kBadLines = 1003;
  testsupport::Delivery delivery(kCase, kBank, 2);
  std::vector<std::string> lines;
  for (int n = 0; n < kBadLines; ++n) lines.push_back("A\t" + kBank + "\tsem campos");
  delivery.WriteLines(validador::rtA, lines);
  delivery.WriteHeader();
  const QString folder = Q(delivery.dir.Path().string());
  ShownWindow window;
  ModalAnswerer answerer;
  const QString path = Q(delivery.dir.File("lista.csv"));
  window->SetListingSaveChooser([&](QWidget*, const QString&) {
    return std::optional<ListingSaveChoice>(ListingSaveChoice{path, ListingFormat::Csv});
  });

  CheckAllFiles(*window, folder);
  window->SalvarListaDeErros();

  const std::string saved = uitest::ReadFileBytes(path);
  QCOMPARE(saved, CliListing(folder, delivery.dir.File("cli.csv")));
  QCOMPARE(Q(saved).count(QStringLiteral("A_CADASTRO_AGENCIAS.txt;")),
           static_cast<qsizetype>(ErrorListing::kDefaultMaxErrors));
  QVERIFY2(window->lblLinhasComErro->text().startsWith(QStringLiteral("Linhas com erro: I 0 · A 1.003 · B 0")),
           qPrintable(window->lblLinhasComErro->text()));
  QVERIFY(window->lblLinhasComErro->toolTip().contains(
      QStringLiteral("A lista de erros guarda os 1.000 primeiros erros de cada arquivo.")));
}

void TestListagem::cancelledSaveWritesNothing() {
  ExampleWithFaults example;
  ShownWindow window;
  ModalAnswerer answerer;
  CheckAllFiles(*window, example.Path());
  const std::vector<std::string> before = example.Names();
  int asked = 0;
  window->SetListingSaveChooser([&](QWidget*, const QString&) {
    ++asked;
    return std::optional<ListingSaveChoice>();
  });

  window->SalvarListaDeErros();

  QCOMPARE(asked, 1);
  QCOMPARE(example.Names(), before);
  QVERIFY(answerer.Boxes().empty());
  QVERIFY(window->ListingAvailable());
}

void TestListagem::offeredOnlyAfterACheckThatRanToItsEnd_data() {
  QTest::addColumn<QString>("after");
  QTest::newRow("antes de verificar") << "nada";
  QTest::newRow("depois de Limpa Tela") << "Limpa Tela";
  QTest::newRow("depois de Confere Hash") << "Confere Hash";
  QTest::newRow("verificação encerrada por erro") << "erro";
  QTest::newRow("caso em branco") << "caso em branco";
}

void TestListagem::offeredOnlyAfterACheckThatRanToItsEnd() {
  QFETCH(QString, after);
  ExampleWithFaults example;
  ShownWindow window;
  ModalAnswerer answerer;
  int asked = 0;
  window->SetListingSaveChooser([&](QWidget*, const QString&) {
    ++asked;
    return std::optional<ListingSaveChoice>();
  });
  window->SetConfereHashQuestion([](QWidget*, const QString&) {
    return std::optional<validador::ui::ConfereHashChoice>(validador::ui::ConfereHashChoice{});
  });
  if (after != QLatin1String("nada")) {
    CheckAllFiles(*window, example.Path());
    QVERIFY(window->ListingAvailable());
  }
  if (after == QLatin1String("Limpa Tela")) Click(window->btnLimpaTela);
  if (after == QLatin1String("Confere Hash")) Click(window->btnConfereHash);
  if (after == QLatin1String("erro")) {
    // A declared count that is no number ends the check with an error box.
    std::string header = testsupport::ReadAll((example.folder / "I_IDENTIFICA_DADOS.txt").string());
    header.replace(header.rfind("\t3\r\n"), 4, "\tx\r\n");
    example.dir.Write("entrega/I_IDENTIFICA_DADOS.txt", header);
    Click(window->btnAbreTodos);
    QVERIFY(!answerer.Boxes().empty());
  }
  if (after == QLatin1String("caso em branco")) {
    window->edtNrCaso->clear();
    Click(window->btnAbreTodos);
  }
  std::unique_ptr<QMenu> menu;
  QAction* save = SaveActionInLogMenu(*window, menu);
  QVERIFY(save != nullptr);

  save->trigger();
  window->SalvarListaDeErros();

  QVERIFY(!window->ListingAvailable());
  QVERIFY(!save->isEnabled());
  QVERIFY(!window->lblLinhasComErro->isVisible());
  QVERIFY(window->lblLinhasComErro->toolTip().isEmpty());
  QCOMPARE(asked, 0);
}

void TestListagem::saveThatCannotBeWrittenIsShown_data() {
  QTest::addColumn<QString>("where");
  QTest::newRow("pasta que não existe") << "sem-pasta/lista.csv";
  QTest::newRow("arquivo no lugar da pasta") << "I_IDENTIFICA_DADOS.txt/lista.csv";
  QTest::newRow("pasta existente no lugar do arquivo") << "pasta-ocupada";
  QTest::newRow("pasta sem permissão de escrita") << "somente-leitura/lista.csv";
}

void TestListagem::saveThatCannotBeWrittenIsShown() {
  QFETCH(QString, where);
  ExampleWithFaults example;
  std::filesystem::create_directory(example.folder / "pasta-ocupada");
  std::filesystem::create_directory(example.folder / "somente-leitura");
  if (where.startsWith(QLatin1String("somente-leitura"))) {
#ifdef _WIN32
    QSKIP("a folder's permissions do not keep files out on Windows");
#else
    if (::geteuid() == 0) QSKIP("root writes into a folder without write permission");
    ::chmod((example.folder / "somente-leitura").c_str(), 0555);
#endif
  }
  ShownWindow window;
  ModalAnswerer answerer;
  CheckAllFiles(*window, example.Path());
  const std::vector<std::string> before = example.Names();
  const QString path = example.Path() + QLatin1Char('/') + where;
  window->SetListingSaveChooser([&](QWidget*, const QString&) {
    return std::optional<ListingSaveChoice>(ListingSaveChoice{path, ListingFormat::Csv});
  });
  const std::size_t boxesBefore = answerer.Boxes().size();

  window->SalvarListaDeErros();

  QCOMPARE(answerer.Boxes().size(), boxesBefore + 1);
  const uitest::BoxSeen& box = answerer.Boxes().back();
  QCOMPARE(box.title, QStringLiteral("Salvar lista de erros"));
  QVERIFY2(box.text.startsWith(QStringLiteral("Não foi possível gravar o arquivo \"%1\": ")
                                     .arg(QDir::toNativeSeparators(path))),
           qPrintable(box.text));
  QCOMPARE(box.icon, QMessageBox::Warning);
  QCOMPARE(example.Names(), before);
  QVERIFY(QFileInfo(example.Path() + QStringLiteral("/pasta-ocupada")).isDir());
  QVERIFY(validador::platform::DirectoryEntries((example.folder / "pasta-ocupada").string()).empty());
  QVERIFY(validador::platform::DirectoryEntries((example.folder / "somente-leitura").string()).empty());
  // The listing stays, to be saved elsewhere.
  QVERIFY(window->ListingAvailable());
#ifndef _WIN32
  ::chmod((example.folder / "somente-leitura").c_str(), 0755);
#endif
}

void TestListagem::formatOfTheChosenName_data() {
  QTest::addColumn<QString>("chosen");
  QTest::addColumn<QString>("filter");
  QTest::addColumn<QString>("path");
  QTest::addColumn<ListingFormat>("format");
  const QString csv = QStringLiteral("CSV (*.csv)");
  const QString jsonl = QStringLiteral("JSON Lines (*.jsonl)");
  QTest::newRow("CSV com o filtro CSV") << "/p/Erros.csv" << csv << "/p/Erros.csv" << ListingFormat::Csv;
  QTest::newRow("sem final, filtro CSV") << "/p/Erros" << csv << "/p/Erros.csv" << ListingFormat::Csv;
  QTest::newRow("sem final, filtro JSON Lines") << "/p/Erros" << jsonl << "/p/Erros.jsonl"
                                                << ListingFormat::JsonLines;
  QTest::newRow("nome sugerido, filtro JSON Lines") << "/p/Erros-1.csv" << jsonl << "/p/Erros-1.jsonl"
                                                    << ListingFormat::JsonLines;
  QTest::newRow(".jsonl com o filtro CSV") << "/p/e.JSONL" << csv << "/p/e.JSONL" << ListingFormat::JsonLines;
  QTest::newRow("outro final") << "/p/e.txt" << csv << "/p/e.txt.csv" << ListingFormat::Csv;
  QTest::newRow("CSV em maiúsculas") << "/p/E.CSV" << csv << "/p/E.CSV" << ListingFormat::Csv;
  // A build without the workbook writer (the Windows cross-build) offers no workbook.
  if (!validador::WorkbookAvailable()) return;
  const QString xlsx = QStringLiteral("Planilha do Excel (*.xlsx)");
  QTest::newRow("sem final, filtro planilha") << "/p/Erros" << xlsx << "/p/Erros.xlsx" << ListingFormat::Workbook;
  QTest::newRow("nome sugerido, filtro planilha") << "/p/Erros-1.csv" << xlsx << "/p/Erros-1.xlsx"
                                                  << ListingFormat::Workbook;
  QTest::newRow(".xlsx com o filtro CSV") << "/p/e.XLSX" << csv << "/p/e.XLSX" << ListingFormat::Workbook;
  QTest::newRow(".jsonl com o filtro planilha") << "/p/e.jsonl" << xlsx << "/p/e.jsonl" << ListingFormat::JsonLines;
}

void TestListagem::formatOfTheChosenName() {
  QFETCH(QString, chosen);
  QFETCH(QString, filter);
  QFETCH(QString, path);
  QFETCH(ListingFormat, format);

  const ListingSaveChoice choice = validador::ui::ChoiceOf(chosen, filter);

  QCOMPARE(choice.path, path);
  QCOMPARE(choice.format, format);
  QVERIFY(validador::ui::ListingFilters().split(QStringLiteral(";;")).contains(filter));
  QVERIFY(validador::ui::ListingFilters().startsWith(QStringLiteral("CSV")));
}

void TestListagem::summaryTexts() {
  ErrorListing listing(2);
  QCOMPARE(validador::ui::LinesWithFaultsLine({}), QString());
  QCOMPARE(validador::ui::ListingDetails(listing), QString());
  const std::vector<validador::FileListing> files = {
      FileWith("i_identifica_dados.txt", 1, 0, 0),
      FileWith("X_E_EXTRATO_BANCARIO.TXT", 1234567, 2345, 2346),
      FileWith("notas.txt", 3, 1, 1)};
  for (const validador::FileListing& file : files) {
    validador::FileListing& begun = listing.BeginFile(file.arquivo);
    for (std::int64_t i = 0; i < std::min<std::int64_t>(file.erros, 2); ++i) listing.Add({});
    begun.linhas = file.linhas;
    begun.linhasComErro = file.linhasComErro;
    begun.erros = file.erros;
  }

  // The letter is the verdict's type, whatever the file is called; a missing file says so.
  std::vector<validador::FileVerdict> verdicts(3);
  verdicts[0].type = validador::rtI;
  verdicts[0].present = true;
  verdicts[1].type = validador::rtE;
  verdicts[1].present = true;
  verdicts[1].nameOnDisk = "notas.txt";
  verdicts[1].lineRows.linesWithError = 2345;
  verdicts[2].type = validador::rtY;
  verdicts[2].lineRows.linesWithError = 7;  // never shown: the file is not there
  QCOMPARE(validador::ui::LinesWithFaultsLine(verdicts),
           QStringLiteral("Linhas com erro: I 0 · E 2.345 · Y —"));
  const QString details = validador::ui::ListingDetails(listing);
  QVERIFY2(details.contains(QStringLiteral("1.234.567")), qPrintable(details));
  QVERIFY(details.contains(QStringLiteral("2.346")));
  QVERIFY(details.contains(QStringLiteral("A lista de erros guarda os 2 primeiros erros de cada arquivo.")));

  ErrorListing uncut(10);
  uncut.BeginFile("A_CADASTRO_AGENCIAS.txt");
  uncut.Add({});
  QVERIFY(!validador::ui::ListingDetails(uncut).contains(QStringLiteral("primeiros erros")));
}

QTEST_MAIN(TestListagem)
#include "TfrmCargaListagemTest.moc"
