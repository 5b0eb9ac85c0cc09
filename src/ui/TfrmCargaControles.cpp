// The main window's controls, at their places: the heading and decorations on the
// window, the working controls in GroupBox4, the log and the version line at the foot.

#include <QCompleter>
#include <QDir>
#include <QPixmap>
#include <QShortcut>
#include <QStyle>

#include "preview/ReportTarget.h"
#include "branding/Branding.h"
#include "qttexts/QtTexts.h"
#include "ui/ConfereHashPicture.h"
#include "ui/TfrmCarga.h"
#include "ui/WindowLook.h"
#include "base/Mensagens.h"

namespace validador::ui {
namespace {

constexpr int kFontPixels = 11;
constexpr int kFixedsysPixels = 13;

QLabel* NewLabel(QWidget* parent, const QString& text, int left, int top) {
  auto* label = new QLabel(text, parent);
  label->move(left, top);
  label->adjustSize();
  return label;
}

QLineEdit* NewEdit(QWidget* parent, const QRect& geometry, bool readOnly) {
  auto* edit = new QLineEdit(parent);
  edit->setGeometry(geometry);
  edit->setReadOnly(readOnly);
  if (readOnly) edit->setFocusPolicy(Qt::ClickFocus);
  return edit;
}

QPushButton* NewButton(QWidget* parent, const QString& caption, int top,
                       std::optional<ButtonPicture> picture) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(12, top, 110, 35);
  if (picture) button->setIcon(ButtonIcon(*picture));
  return button;
}

void PaintWith(QWidget* widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, colour);
  widget->setPalette(palette);
}

}  // namespace

void TfrmCarga::FormCreate() {
  setWindowTitle(QStringLiteral(" Validação de Arquivos "));
  setWindowIcon(QIcon(AppIconPath()));
  setMinimumSize(kClientWidth, kMinimumClientHeight);
  resize(kClientWidth, kClientHeight);
  setFont(MsSansSerif(kFontPixels));
  setAutoFillBackground(true);
  CreateHeading();
  CreateDecorations();
  CreateGroup();
  CreateLogAndFooter();
  CreateOverallProgress();
  CreateListingView();
  ArrangeControls(size());
  SetTabOrder();
  NameControls();
  ConnectCommands();
  AcceptFolderDrops();
  // The light grey of the window and of Panel2, set once everything stands.
  PaintWith(this, QPalette::Window, kWindowGrey);
  PaintWith(Panel2, QPalette::Window, kWindowGrey);
  LayoutCatalogue::Instance();
}

void TfrmCarga::CreateHeading() {
  Image1 = new QLabel(this);
  Image1->setGeometry(7, 6, 78, 86);
  Image1->setAlignment(Qt::AlignCenter);
  Image1->setPixmap(QPixmap(LogoPicturePath()));
  const std::array<QLabel**, 4> headings = {&Label5, &Label6, &Label1, &Label8};
  const std::array<int, 4> tops = {7, 25, 44, 62};
  for (std::size_t i = 0; i < headings.size(); ++i) {
    auto* label = new QLabel(HeadingLine(static_cast<int>(i) + 1), this);
    label->setFont(Tahoma(kFontPixels, true));
    PaintWith(label, QPalette::WindowText, kNavy);
    label->move(93, tops[i]);
    label->adjustSize();
    *headings[i] = label;
  }
}

void TfrmCarga::CreateDecorations() {
  // The shapes lie under every boxed control, Panel2 included.
  Shape4 = new TShape(Qt::white, kFrameBlue, 2, this);
  Shape4->setGeometry(4, 99, 216, 35);
  Shape1 = new TShape(kNavy, kNavy, 0, this);
  Shape1->setGeometry(203, 112, 654, 9);
  Shape2 = new TShape(kNavy, kNavy, 0, this);
  Shape2->setGeometry(31, 113, 3, 453);
  Shape3 = new TShape(kNavy, kNavy, 0, this);
  Shape3->setGeometry(39, 125, 3, 441);
  Panel2 = new TPanel(Bevel::None, Bevel::Raised, 1, this);
  Panel2->setGeometry(6, 101, 212, 31);
  Panel2->SetCaption(QStringLiteral("Carga"));
  Panel2->setFont(Fixedsys(kFixedsysPixels));
  PaintWith(Panel2, QPalette::WindowText, kNavy);
}

void TfrmCarga::CreateGroup() {
  GroupBox4 = new QGroupBox(this);
  GroupBox4->setGeometry(46, 139, 763, 430);
  GroupBox4->setFont(MsSansSerif(kFontPixels, true));
  // Navy text where a control can be used, grey where it cannot; a switched-off button
  // also gets a flat face and a pale frame, so that it does not look like one to press.
  QPalette palette = GroupBox4->palette();
  for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
    palette.setColor(QPalette::Active, role, kNavy);
    palette.setColor(QPalette::Inactive, role, kNavy);
    palette.setColor(QPalette::Disabled, role, kDisabledText);
  }
  palette.setColor(QPalette::Disabled, QPalette::Button, kWindowGrey);
  palette.setColor(QPalette::Disabled, QPalette::Window, kDisabledFrameGround);
  GroupBox4->setPalette(palette);
  CreateInputs();
  CreateButtons();
  CreateFileAndFolder();
  CreateAlgorithmAndGauge();
  CreateCountBoxes();
}

void TfrmCarga::CreateInputs() {
  Label2 = NewLabel(GroupBox4, QStringLiteral("N.º Caso:"), 130, 17);
  edtNrCaso = NewEdit(GroupBox4, QRect(188, 17, 250, 21), false);
  Label4 = NewLabel(GroupBox4, QStringLiteral("N.º Banco:"), 508, 17);
  edtNrBanco = NewEdit(GroupBox4, QRect(574, 17, 180, 21), false);
  edtNrBanco->setMaxLength(static_cast<int>(kBankNumberLength));
}

void TfrmCarga::CreateButtons() {
  btnAbreTodos = NewButton(GroupBox4, QStringLiteral("Abre Arquivos"), 47,
                           ButtonPicture::AbreArquivos);
  btnAbreUm = NewButton(GroupBox4, QStringLiteral("Abre Arquivo"), 87, ButtonPicture::AbreArquivo);
  btnGeraResult = NewButton(GroupBox4, QStringLiteral("Resultado"), 127, ButtonPicture::Resultado);
  btnLimpaTela = NewButton(GroupBox4, QStringLiteral("Limpa Tela"), 167, std::nullopt);
}

void TfrmCarga::CreateFileAndFolder() {
  Label3 = NewLabel(GroupBox4, QStringLiteral("Arquivo:"), 131, 47);
  FEdit = NewEdit(GroupBox4, QRect(187, 47, 568, 21), true);
  Label14 = NewLabel(GroupBox4, QStringLiteral("Total de Linhas:"), 187, 71);
  lblTotReg = NewLabel(GroupBox4, QStringLiteral("0"), 287, 72);
  Label14->hide();
  lblTotReg->hide();
  DriveComboBox1 = new TDriveComboBox(GroupBox4);
  DriveComboBox1->setGeometry(128, 103, 199, 19);
  dlb1 = new TDirectoryListBox(GroupBox4);
  dlb1->setGeometry(336, 103, 234, 157);
  connect(DriveComboBox1, &TDriveComboBox::DriveChosen, dlb1, &TDirectoryListBox::SetDirectory);
  connect(dlb1, &TDirectoryListBox::DirectoryChanged, DriveComboBox1,
          &TDriveComboBox::ShowDriveOf);
  dlb1->SetDirectory(QDir::currentPath());
}

void TfrmCarga::CreateAlgorithmAndGauge() {
  Label15 = NewLabel(GroupBox4, QStringLiteral("Hash:"), 129, 134);
  cbHash = new QComboBox(GroupBox4);
  cbHash->setGeometry(131, 150, 196, 21);
  cbHash->setEditable(true);
  cbHash->setInsertPolicy(QComboBox::NoInsert);
  // Algorithm names are told apart by letter case, as the check tells them: a typed "MD5"
  // stays as typed instead of turning into the list's "md5" when the box loses focus.
  cbHash->completer()->setCaseSensitivity(Qt::CaseSensitive);
  for (const AlgorithmRow& row : kAlgorithms) {
    cbHash->addItem(QString::fromLatin1(row.name.data(), static_cast<qsizetype>(row.name.size())));
  }
  cbHash->setCurrentIndex(-1);
  cbHash->setEditText(FromCp1252(texts::HashBoxPrompt()));
  shownAlgorithmText_ = FromCp1252(texts::HashBoxPrompt());
  // Between the algorithm box and the gauge, with the room above and below that the
  // buttons of the first column leave between themselves.
  btnConfereHash = new QPushButton(QStringLiteral("Confere Hash"), GroupBox4);
  btnConfereHash->setGeometry(131, 175, 196, 30);
  btnConfereHash->setIcon(ConfereHashIcon());
  btnConfereHash->setToolTip(
      QStringLiteral("Confere os arquivos da pasta escolhida com o seu HASHV.txt"));
  G = new QProgressBar(GroupBox4);
  G->setGeometry(8, 209, 320, 53);
  G->setRange(0, 100);
  G->setValue(0);
  G->setAlignment(Qt::AlignCenter);
  G->setFormat(QStringLiteral("%p%"));
}

void TfrmCarga::CreateCountBoxes() {
  static const std::array<const char*, 8> captions = {
      "Quantidade A", "Quantidade B", "Quantidade C", "Quantidade E",
      "Quantidade I", "Quantidade O", "Quantidade T", "Quantidade Y"};
  const std::array<int, 4> labelTops = {103, 144, 184, 223};
  const std::array<int, 4> boxTops = {116, 157, 197, 237};
  for (std::size_t i = 0; i < Edit.size(); ++i) {
    const std::size_t row = i % 4;
    const int left = i < 4 ? 579 : 675;
    const int labelLeft = i == 7 ? 665 : left;
    QuantidadeLabels[i] =
        NewLabel(GroupBox4, QString::fromLatin1(captions[i]), labelLeft, labelTops[row]);
    Edit[i] = NewEdit(GroupBox4, QRect(left, boxTops[row], 80, 21), true);
  }
}

void TfrmCarga::CreateLogAndFooter() {
  redtResultado = new TLogBox(GroupBox4);
  redtResultado->SetSuggestedLogPath([this] { return SuggestedLogPath(); });
  RxLabel2 = new QLabel(VersionLine(), this);
  RxLabel2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  RxLabel2->setFont(Arial(kFontPixels));
  PaintWith(RxLabel2, QPalette::WindowText, kNavy);
  Memo2 = new QPlainTextEdit(this);
  Memo2->setFont(CourierNew(kFontPixels));
  Memo2->setReadOnly(true);
  Memo2->hide();
}

// Under the group, in the room the hidden digest list leaves: the check as a whole and,
// while a check runs, the button that interrupts it.
void TfrmCarga::CreateOverallProgress() {
  lblProgressoGeral = new QLabel(this);
  lblProgressoGeral->setFont(MsSansSerif(kFontPixels, true));
  PaintWith(lblProgressoGeral, QPalette::WindowText, kNavy);
  btnInterromper = new QPushButton(QStringLiteral("Interromper"), this);
  btnInterromper->setFont(MsSansSerif(kFontPixels, true));
  btnInterromper->setIcon(style()->standardIcon(QStyle::SP_BrowserStop));
  btnInterromper->setToolTip(QStringLiteral("Interrompe a verificação em andamento (Esc)"));
  btnInterromper->hide();
  stopShortcut_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  stopShortcut_->setEnabled(false);
}

// What a check gives goes beside the delivery it tells about: the checked folder (the
// chosen one before any check), named after the case ("Log-2024.001.txt").
QString TfrmCarga::InCheckedFolder(const QString& stem, const QString& ending) const {
  // While a command runs the engine belongs to its thread: the chosen folder then.
  const QString folder = CommandRunning() || carga_.PastaVerificada.empty()
                             ? dlb1->Directory()
                             : FromPath(carga_.PastaVerificada);
  const QString caseNumber = SafeInFileName(edtNrCaso->text());
  const QString name = caseNumber.isEmpty() ? stem + ending
                                            : QStringLiteral("%1-%2%3").arg(stem, caseNumber, ending);
  return QDir(folder).filePath(name);
}

QString TfrmCarga::SuggestedLogPath() const {
  return InCheckedFolder(QStringLiteral("Log"), QStringLiteral(".txt"));
}

void TfrmCarga::SetTabOrder() {
  // Tab places 0-4, 6, 15-18, then "Confere Hash"; the rest are no tab stops.
  const std::array<QWidget*, 11> order = {edtNrCaso,     edtNrBanco,   btnAbreTodos,
                                          btnAbreUm,     btnGeraResult, dlb1,
                                          DriveComboBox1, btnLimpaTela, cbHash,
                                          redtResultado, btnConfereHash};
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
  G->setFocusPolicy(Qt::NoFocus);
  edtNrCaso->setFocus();
}

void TfrmCarga::NameControls() {
  const std::pair<QWidget*, const char*> named[] = {
      {Image1, "Image1"},         {Label5, "Label5"},       {Label6, "Label6"},
      {Label1, "Label1"},         {Label8, "Label8"},       {Shape4, "Shape4"},
      {Panel2, "Panel2"},         {Shape1, "Shape1"},       {Shape2, "Shape2"},
      {Shape3, "Shape3"},         {GroupBox4, "GroupBox4"}, {RxLabel2, "RxLabel2"},
      {Memo2, "Memo2"},           {Label2, "Label2"},       {edtNrCaso, "edtNrCaso"},
      {Label4, "Label4"},         {edtNrBanco, "edtNrBanco"}, {btnAbreTodos, "btnAbreTodos"},
      {btnAbreUm, "btnAbreUm"},   {btnGeraResult, "btnGeraResult"},
      {btnLimpaTela, "btnLimpaTela"}, {Label3, "Label3"},   {FEdit, "FEdit"},
      {Label14, "Label14"},       {lblTotReg, "lblTotReg"}, {DriveComboBox1, "DriveComboBox1"},
      {dlb1, "dlb1"},             {Label15, "Label15"},     {cbHash, "cbHash"},
      {G, "G"},                   {redtResultado, "redtResultado"},
      {lblProgressoGeral, "lblProgressoGeral"}, {btnInterromper, "btnInterromper"},
      {btnConfereHash, "btnConfereHash"},       {lblLinhasComErro, "lblLinhasComErro"}};
  for (const auto& [widget, name] : named) widget->setObjectName(QLatin1String(name));
  for (std::size_t i = 0; i < Edit.size(); ++i) {
    Edit[i]->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    QuantidadeLabels[i]->setObjectName(QStringLiteral("Label%1").arg(i + 16));
  }
}

void TfrmCarga::ConnectCommands() {
  connect(btnAbreTodos, &QPushButton::clicked, this, [this] { btnAbreTodosClick(); });
  connect(btnAbreUm, &QPushButton::clicked, this, [this] { btnAbreUmClick(); });
  connect(btnGeraResult, &QPushButton::clicked, this, [this] { btnGeraResultClick(); });
  connect(btnLimpaTela, &QPushButton::clicked, this, [this] { btnLimpaTelaClick(); });
  connect(btnConfereHash, &QPushButton::clicked, this, [this] { btnConfereHashClick(); });
  connect(btnInterromper, &QPushButton::clicked, this, [this] { OfferToStop(); });
  connect(stopShortcut_, &QShortcut::activated, this, [this] { OfferToStop(); });
}

}  // namespace validador::ui
