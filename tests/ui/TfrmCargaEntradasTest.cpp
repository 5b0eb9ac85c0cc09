// The inputs as the analyst gives them: the folder, algorithm, case and bank numbers
// back at the next start (in a temporary settings folder here); a folder chosen by
// dropping it or one of its files; the full path of a folder whose name the list cuts.

#include <QDir>
#include <QMimeData>
#include <QSettings>
#include <QTest>
#include <QUrl>

#include "UiSupport.h"
#include "support/Delivery.h"
#include "ui/FolderDrop.h"

using testsupport::Delivery;
using uitest::Q;
using uitest::ShownWindow;
using validador::ui::TfrmCarga;

namespace {

// The delivery's folder as the window keeps it: as Qt writes it ('/' on Windows too).
QString FolderOf(const Delivery& delivery) {
  return QDir::fromNativeSeparators(Q(delivery.dir.Path().string()));
}

std::unique_ptr<QMimeData> DropOf(const QStringList& paths) {
  auto data = std::make_unique<QMimeData>();
  QList<QUrl> urls;
  for (const QString& path : paths) {
    urls << (path.startsWith(QLatin1String("http")) ? QUrl(path) : QUrl::fromLocalFile(path));
  }
  data->setUrls(urls);
  data->setText(paths.join(QLatin1Char('\n')));
  return data;
}

// Sends a drag over `target` and drops it there, as the window system does.
bool DragAndDrop(QWidget* target, const QMimeData* data) {
  const QPoint at = target->rect().center();
  QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &enter);
  if (!enter.isAccepted()) return false;
  QDropEvent drop(QPointF(at), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(target, &drop);
  return drop.isAccepted();
}

}  // namespace

class TestEntradas : public QObject {
  Q_OBJECT

 private slots:
  void inputsComeBackAtTheNextStart();
  void inputsThatNoLongerFitAreLeftOut();
  void windowThatDoesNotRememberWritesNothing();
  void dropChoosesTheFolder_data();
  void dropChoosesTheFolder();
  void dropOntoATextBoxChoosesTheFolderToo();
  void cutFolderNameShowsItsPath();
};

void TestEntradas::inputsComeBackAtTheNextStart() {
  uitest::TemporarySettings settings;
  Delivery delivery;
  {
    ShownWindow window;
    window->RememberInputs();
    uitest::Type(window->edtNrCaso, QStringLiteral("2024.0042-7"));
    uitest::Type(window->edtNrBanco, QStringLiteral("987"));
    window->cbHash->setCurrentIndex(6);
    window->dlb1->SetDirectory(FolderOf(delivery));
    window->close();
  }
  ShownWindow again;
  QVERIFY(again->edtNrCaso->text().isEmpty());

  again->RememberInputs();

  QCOMPARE(again->edtNrCaso->text(), QStringLiteral("2024.0042-7"));
  QCOMPARE(again->edtNrBanco->text(), QStringLiteral("987"));
  QCOMPARE(again->cbHash->currentIndex(), 6);
  QCOMPARE(again->cbHash->currentText(), QStringLiteral("sha256"));
  QCOMPARE(again->dlb1->Directory(), FolderOf(delivery));
  QVERIFY(QFile::exists(QDir(settings.Folder()).filePath(QStringLiteral("Validador/validador.ini"))));
}

// The inputs of a command are kept when it starts, not only at the close; a folder that
// is gone and a typed algorithm name outside the list do not come back.
void TestEntradas::inputsThatNoLongerFitAreLeftOut() {
  uitest::TemporarySettings settings;
  auto delivery = std::make_unique<Delivery>();
  {
    ShownWindow window;
    window->RememberInputs();
    window->dlb1->SetDirectory(FolderOf(*delivery));
    window->cbHash->setEditText(QStringLiteral("MD5"));
    uitest::Type(window->edtNrCaso, QStringLiteral("caso"));
    uitest::ModalAnswerer answerer;
    QTest::mouseClick(window->btnLimpaTela, Qt::LeftButton);
  }
  delivery.reset();
  ShownWindow again;

  again->RememberInputs();

  QCOMPARE(again->edtNrCaso->text(), QStringLiteral("caso"));
  QCOMPARE(again->cbHash->currentIndex(), -1);
  QCOMPARE(again->dlb1->Directory(), QDir::currentPath());
}

void TestEntradas::windowThatDoesNotRememberWritesNothing() {
  uitest::TemporarySettings settings;
  {
    ShownWindow window;
    uitest::Type(window->edtNrCaso, QStringLiteral("caso"));
    QTest::mouseClick(window->btnLimpaTela, Qt::LeftButton);
    window->close();
  }
  QVERIFY(QDir(settings.Folder()).isEmpty());
}

void TestEntradas::dropChoosesTheFolder_data() {
  QTest::addColumn<QString>("dropped");  // relative to the delivery's folder
  QTest::addColumn<QString>("chosen");   // relative to the delivery's folder; "-": none
  QTest::newRow("a pasta") << "." << ".";
  QTest::newRow("um dos arquivos") << "E_EXTRATO_BANCARIO.txt" << ".";
  QTest::newRow("uma subpasta") << "sub" << "sub";
  QTest::newRow("um arquivo que não existe") << "sumiu.txt" << "-";
  QTest::newRow("um endereço da rede") << "http://exemplo/pasta" << "-";
}

void TestEntradas::dropChoosesTheFolder() {
  QFETCH(QString, dropped);
  QFETCH(QString, chosen);
  Delivery delivery;
  const QDir folder(FolderOf(delivery));
  QVERIFY(folder.mkdir(QStringLiteral("sub")));
  ShownWindow window;
  const QString before = window->dlb1->Directory();
  const QString path = dropped.startsWith(QLatin1String("http")) ? dropped : folder.filePath(dropped);
  const auto data = DropOf({path});

  const bool taken = DragAndDrop(&*window, data.get());

  QCOMPARE(taken, chosen != "-");
  QCOMPARE(window->dlb1->Directory(),
           chosen == "-" ? before : QDir::cleanPath(folder.filePath(chosen)));
}

// The boxes that take dropped text pass a drop of files to the window instead of
// writing the path into themselves; dropped text still goes into them.
void TestEntradas::dropOntoATextBoxChoosesTheFolderToo() {
  Delivery delivery;
  ShownWindow window;
  const auto files = DropOf({Q(delivery.PathOf(validador::rtA))});
  for (QWidget* box : {static_cast<QWidget*>(window->edtNrCaso),
                       static_cast<QWidget*>(window->redtResultado->viewport())}) {
    window->dlb1->SetDirectory(QDir::rootPath());
    QVERIFY(DragAndDrop(box, files.get()));
    QCOMPARE(window->dlb1->Directory(), FolderOf(delivery));
  }
  QVERIFY(window->edtNrCaso->text().isEmpty());
  QVERIFY(window->redtResultado->document()->isEmpty());
}

void TestEntradas::cutFolderNameShowsItsPath() {
  Delivery delivery;
  const QDir folder(FolderOf(delivery));
  const QString longName = QStringLiteral("entrega_do_banco_987_caso_2024_0042_7_com_nome_muito_longo");
  QVERIFY(folder.mkdir(longName));
  QVERIFY(folder.mkdir(QStringLiteral("curta")));
  ShownWindow window;
  auto* list = window->dlb1;
  list->SetDirectory(folder.filePath(QStringLiteral("curta")));
  QTRY_VERIFY(list->currentIndex().isValid());
  list->SetDirectory(folder.filePath(longName));
  QTRY_VERIFY(list->currentIndex().data().toString() == longName);
  list->scrollTo(list->currentIndex());
  QApplication::processEvents();

  const QRect longRow = list->visualRect(list->currentIndex());
  QCOMPARE(list->TooltipAt(longRow.center()), QDir::toNativeSeparators(folder.filePath(longName)));

  list->SetDirectory(folder.filePath(QStringLiteral("curta")));
  QTRY_VERIFY(list->currentIndex().data().toString() == QStringLiteral("curta"));
  const QRect shortRow = list->visualRect(list->currentIndex());
  QVERIFY(list->TooltipAt(shortRow.center()).isEmpty());
  QVERIFY(list->TooltipAt(QPoint(2, -10)).isEmpty());  // no folder there
}

QTEST_MAIN(TestEntradas)
#include "TfrmCargaEntradasTest.moc"
