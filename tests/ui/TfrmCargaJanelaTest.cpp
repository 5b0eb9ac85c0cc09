// The main window as it stands after creation: places and sizes, texts, fonts and
// colours, what is hidden, the algorithm list, the tab order, the pictures.

#include <QApplication>
#include <QDir>
#include <QFileSystemModel>
#include <QFontInfo>
#include <QTest>

#include "UiSupport.h"
#include "ui/WindowLook.h"

using uitest::ShownWindow;
using validador::ui::TfrmCarga;

class TestJanela : public QObject {
  Q_OBJECT

 private slots:
  void windowFrame();
  void controlsAtTheirPlaces_data();
  void controlsAtTheirPlaces();
  void texts_data();
  void texts();
  void fontsAndColours();
  void startingState();
  void algorithmList();
  void tabOrder();
  void pictures();
  void driveChoiceMovesTheFolderList();
  void confereHashButton();
};

void TestJanela::windowFrame() {
  ShownWindow window;
  QCOMPARE(window->windowTitle(), QStringLiteral(" Validação de Arquivos "));
  QCOMPARE(window->size(), QSize(902, 701));
  // Resizable from there: it may grow, and lose height down to its minimum.
  QCOMPARE(window->minimumSize(), QSize(902, TfrmCarga::kMinimumClientHeight));
  QVERIFY(window->maximumSize().width() > 902 && window->maximumSize().height() > 701);
  QCOMPARE(window->palette().color(QPalette::Window), QColor(204, 204, 204));
  QCOMPARE(window->Panel2->palette().color(QPalette::Window), QColor(204, 204, 204));
}

void TestJanela::controlsAtTheirPlaces_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QRect>("place");  // width or height 0: sized to its text
  const std::vector<std::pair<const char*, QRect>> places = {
      {"Image1", {7, 6, 78, 86}},          {"Label5", {93, 7, 0, 0}},
      {"Label6", {93, 25, 0, 0}},          {"Label1", {93, 44, 0, 0}},
      {"Label8", {93, 62, 0, 0}},          {"Shape4", {4, 99, 216, 35}},
      {"Panel2", {6, 101, 212, 31}},       {"Shape1", {203, 112, 654, 9}},
      {"Shape2", {31, 113, 3, 453}},       {"Shape3", {39, 125, 3, 441}},
      {"GroupBox4", {46, 139, 763, 430}},  {"RxLabel2", {0, 687, 902, 14}},
      {"Label2", {130, 17, 0, 0}},         {"edtNrCaso", {188, 17, 250, 21}},
      {"Label4", {508, 17, 0, 0}},         {"edtNrBanco", {574, 17, 180, 21}},
      {"btnAbreTodos", {12, 47, 110, 35}}, {"btnAbreUm", {12, 87, 110, 35}},
      {"btnGeraResult", {12, 127, 110, 35}}, {"btnLimpaTela", {12, 167, 110, 35}},
      {"Label3", {131, 47, 0, 0}},         {"FEdit", {187, 47, 568, 21}},
      {"Label14", {187, 71, 0, 0}},        {"lblTotReg", {287, 72, 0, 0}},
      {"DriveComboBox1", {128, 103, 199, 19}}, {"dlb1", {336, 103, 234, 157}},
      {"Label15", {129, 134, 0, 0}},       {"cbHash", {131, 150, 196, 21}},
      {"G", {8, 209, 320, 53}},            {"Label16", {579, 103, 0, 0}},
      {"Label17", {579, 144, 0, 0}},       {"Label18", {579, 184, 0, 0}},
      {"Label19", {579, 223, 0, 0}},       {"Label20", {675, 103, 0, 0}},
      {"Label21", {675, 144, 0, 0}},       {"Label22", {675, 184, 0, 0}},
      {"Label23", {665, 223, 0, 0}},       {"Edit1", {579, 116, 80, 21}},
      {"Edit2", {579, 157, 80, 21}},       {"Edit3", {579, 197, 80, 21}},
      {"Edit4", {579, 237, 80, 21}},       {"Edit5", {675, 116, 80, 21}},
      {"Edit6", {675, 157, 80, 21}},       {"Edit7", {675, 197, 80, 21}},
      {"Edit8", {675, 237, 80, 21}},       {"redtResultado", {7, 265, 749, 160}},
  };
  for (const auto& [name, place] : places) QTest::newRow(name) << QString::fromLatin1(name) << place;
}

void TestJanela::controlsAtTheirPlaces() {
  QFETCH(QString, name);
  QFETCH(QRect, place);
  TfrmCarga window;
  const auto* control = window.findChild<QWidget*>(name);
  QVERIFY(control != nullptr);
  QCOMPARE(control->pos(), place.topLeft());
  if (place.width() > 0) QCOMPARE(control->size(), place.size());
  const bool onWindow = QStringList{"Image1", "Label5", "Label6", "Label1", "Label8", "Shape4",
                                    "Panel2", "Shape1", "Shape2", "Shape3", "GroupBox4", "RxLabel2"}
                            .contains(name);
  QCOMPARE(control->parentWidget(), onWindow ? static_cast<QWidget*>(&window) : window.GroupBox4);
}

void TestJanela::texts_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("text");
  const std::vector<std::pair<const char*, QString>> texts = {
      {"Label2", QStringLiteral("N.º Caso:")},        {"Label4", QStringLiteral("N.º Banco:")},
      {"btnAbreTodos", QStringLiteral("Abre Arquivos")}, {"btnAbreUm", QStringLiteral("Abre Arquivo")},
      {"btnGeraResult", QStringLiteral("Resultado")}, {"btnLimpaTela", QStringLiteral("Limpa Tela")},
      {"Label3", QStringLiteral("Arquivo:")},         {"Label14", QStringLiteral("Total de Linhas:")},
      {"lblTotReg", QStringLiteral("0")},             {"Label15", QStringLiteral("Hash:")},
      {"Label16", QStringLiteral("Quantidade A")},    {"Label19", QStringLiteral("Quantidade E")},
      {"Label20", QStringLiteral("Quantidade I")},    {"Label23", QStringLiteral("Quantidade Y")},
      {"RxLabel2", QStringLiteral("Versão 2007.1   (Abril 2007) .")},
  };
  for (const auto& [name, text] : texts) QTest::newRow(name) << QString::fromLatin1(name) << text;
}

void TestJanela::texts() {
  QFETCH(QString, name);
  QFETCH(QString, text);
  TfrmCarga window;
  const QObject* control = window.findChild<QObject*>(name);
  QVERIFY(control != nullptr);
  QCOMPARE(control->property("text").toString(), text);
  QCOMPARE(window.Panel2->Caption(), QStringLiteral("Carga"));
}

void TestJanela::fontsAndColours() {
  TfrmCarga window;
  const QFont group = window.GroupBox4->font();
  QCOMPARE(group.pixelSize(), 11);
  QVERIFY(group.bold());
  QCOMPARE(window.edtNrCaso->font(), group);
  QCOMPARE(window.Label2->palette().color(QPalette::WindowText), validador::ui::kNavy);
  QCOMPARE(window.edtNrCaso->palette().color(QPalette::Text), validador::ui::kNavy);
  for (QLabel* heading : {window.Label5, window.Label6, window.Label1, window.Label8}) {
    QCOMPARE(heading->font().pixelSize(), 11);
    QVERIFY(heading->font().bold());
    QCOMPARE(heading->palette().color(QPalette::WindowText), validador::ui::kNavy);
  }
  const QFontInfo carga(window.Panel2->font());
  QVERIFY(carga.fixedPitch());
  QVERIFY(carga.bold());
  QCOMPARE(window.Panel2->font().pixelSize(), 13);
  QCOMPARE(window.Panel2->palette().color(QPalette::WindowText), validador::ui::kNavy);
  QCOMPARE(window.RxLabel2->alignment(), Qt::AlignRight | Qt::AlignVCenter);
  QCOMPARE(window.RxLabel2->palette().color(QPalette::WindowText), validador::ui::kNavy);
  QVERIFY(QFontInfo(window.Memo2->font()).fixedPitch());
  QCOMPARE(window.Shape4->Fill(), QColor(Qt::white));
  QCOMPARE(window.Shape4->Frame(), QColor(0, 0, 160));
  QCOMPARE(window.Shape4->FrameWidth(), 2);
  QCOMPARE(window.Shape1->Fill(), validador::ui::kNavy);
  QVERIFY(window.redtResultado->font().bold());
  QCOMPARE(window.redtResultado->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
}

void TestJanela::startingState() {
  ShownWindow window;
  QVERIFY(!window->Label14->isVisible());
  QVERIFY(!window->lblTotReg->isVisible());
  QVERIFY(!window->Memo2->isVisible());
  QCOMPARE(window->G->value(), 0);
  QCOMPARE(window->G->text(), QStringLiteral("0%"));
  QVERIFY(window->FEdit->isReadOnly());
  for (QLineEdit* box : window->Edit) QVERIFY(box->isReadOnly() && box->text().isEmpty());
  QVERIFY(!window->redtResultado->isReadOnly());
  QCOMPARE(window->edtNrBanco->maxLength(), 3);
  QVERIFY(window->edtNrCaso->text().isEmpty());
  QCOMPARE(window->Engine().Log.ContadorLinhasLog(), 0);
}

void TestJanela::algorithmList() {
  TfrmCarga window;
  QStringList names;
  for (int i = 0; i < window.cbHash->count(); ++i) names << window.cbHash->itemText(i);
  QCOMPARE(names, (QStringList{"haval", "md4", "md5", "ripemd128", "ripemd160", "sha1", "sha256",
                               "sha384", "sha512", "tiger"}));
  QVERIFY(window.cbHash->isEditable());
  QCOMPARE(window.cbHash->currentIndex(), -1);
  QCOMPARE(window.cbHash->currentText(), QStringLiteral("Método hash..."));
}

void TestJanela::tabOrder() {
  ShownWindow window;
  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&*window));
  window->edtNrCaso->setFocus();
  QStringList visited{QApplication::focusWidget()->objectName()};
  for (int i = 0; i < 9; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  QCOMPARE(visited, (QStringList{"edtNrCaso", "edtNrBanco", "btnAbreTodos", "btnAbreUm",
                                 "btnGeraResult", "dlb1", "DriveComboBox1", "btnLimpaTela",
                                 "cbHash", "redtResultado"}));
}

void TestJanela::pictures() {
  TfrmCarga window;
  QCOMPARE(window.Image1->pixmap().size(), QSize(78, 86));  // a JPEG: the image plugin is there
  for (QPushButton* button : {window.btnAbreTodos, window.btnAbreUm, window.btnGeraResult}) {
    QVERIFY(!button->icon().isNull());
    const QImage normal = button->icon().pixmap(20, 20, QIcon::Normal).toImage();
    const QImage disabled = button->icon().pixmap(20, 20, QIcon::Disabled).toImage();
    QVERIFY(normal != disabled);
  }
  QVERIFY(window.btnLimpaTela->icon().isNull());
}

void TestJanela::driveChoiceMovesTheFolderList() {
  TfrmCarga window;
  const QStringList drives = window.DriveComboBox1->Drives();
  // The file system's root: "/", or the system drive ("C:/") on Windows.
  const QString root = QDir::rootPath();
  QVERIFY2(drives.contains(root), qPrintable(drives.join(QLatin1Char(' '))));
  QCOMPARE(validador::ui::TDriveComboBox::RootOf(QStringLiteral("/media/usb/pasta"),
                                                 {"/", "/media/usb", "/media/usb2"}),
           QStringLiteral("/media/usb"));
  QCOMPARE(validador::ui::TDriveComboBox::RootOf(QStringLiteral("/media/usb2"),
                                                 {"/", "/media/usb", "/media/usb2"}),
           QStringLiteral("/media/usb2"));
  QCOMPARE(window.dlb1->Directory(), QDir::currentPath());

  const int rootRow = window.DriveComboBox1->findText(root);
  window.DriveComboBox1->setCurrentIndex(rootRow);
  emit window.DriveComboBox1->activated(rootRow);

  QCOMPARE(window.dlb1->Directory(), root);
  QCOMPARE(window.dlb1->currentIndex().data(QFileSystemModel::FilePathRole).toString(), root);
}

// The fifth command stands under the algorithm box it uses, above the gauge, in the group's
// font, with a picture like the others; it ends the tab order (the log box takes Tab as a
// character), so Shift+Tab from the case number reaches it.
void TestJanela::confereHashButton() {
  ShownWindow window;
  QPushButton* button = window->findChild<QPushButton*>(QStringLiteral("btnConfereHash"));
  QVERIFY(button != nullptr);
  QCOMPARE(button->parentWidget(), window->GroupBox4);
  QCOMPARE(button->geometry(), QRect(131, 175, 196, 30));
  QCOMPARE(button->text(), QStringLiteral("Confere Hash"));
  QCOMPARE(button->font(), window->GroupBox4->font());
  QVERIFY(button->isVisible() && button->isEnabled());
  QVERIFY(window->cbHash->geometry().bottom() < button->geometry().top());
  QVERIFY(button->geometry().bottom() < window->G->geometry().top());
  const QImage normal = button->icon().pixmap(20, 20, QIcon::Normal).toImage();
  const QImage disabled = button->icon().pixmap(20, 20, QIcon::Disabled).toImage();
  QVERIFY(!normal.isNull());
  QVERIFY(normal != disabled);

  window->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&*window));
  window->edtNrCaso->setFocus();
  QTest::keyClick(window->edtNrCaso, Qt::Key_Backtab);
  QCOMPARE(QApplication::focusWidget(), button);
}

QTEST_MAIN(TestJanela)
#include "TfrmCargaJanelaTest.moc"
