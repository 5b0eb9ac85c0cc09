// The error listing of the last check in the window: the lines with faults of each file,
// right of the line total once a check has run to its end (the whole table in its
// tooltip), and "Salvar lista de erros…", offered in the log box's context menu and in
// those of the lines with faults and of the overall progress.

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <algorithm>

#include "platform/ReplaceFile.h"
#include "qttexts/QtTexts.h"
#include "ui/ListingSummary.h"
#include "ui/TfrmCarga.h"
#include "validation/listing/ListingFile.h"
#include "validation/listing/ListingText.h"

namespace validador::ui {
namespace {

// Right of the line total, from the folder list's left edge (or further right when the
// total is wider) up to the right edge of the file box.
const QRect kLinesWithFaultsPlace(336, 72, 419, 16);
constexpr int kGapAfterTotal = 8;

const QString kSaveHint = QStringLiteral(
    "<p>Clique: Lista de erros (Ctrl+L). Botão direito: Salvar lista de erros…</p>");

}  // namespace

void TfrmCarga::CreateListingView() {
  // Every check collects its error listing, the rows of each file up to the usual cap.
  carga_.ListagemPedida = ErrorListing::kDefaultMaxErrors;
  actSalvarListaErros = new QAction(QStringLiteral("Salvar lista de erros…"), this);
  actSalvarListaErros->setObjectName(QStringLiteral("salvarListaErros"));
  actSalvarListaErros->setEnabled(false);
  connect(actSalvarListaErros, &QAction::triggered, this, [this] { SalvarListaDeErros(); });
  redtResultado->AddLogAction(actSalvarListaErros);
  actListaErros = new QAction(QStringLiteral("Lista de erros…"), this);
  actListaErros->setObjectName(QStringLiteral("listaErros"));
  actListaErros->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_L));
  actListaErros->setShortcutContext(Qt::WindowShortcut);
  actListaErros->setEnabled(false);
  addAction(actListaErros);
  connect(actListaErros, &QAction::triggered, this, [this] { MostraListaDeErros(); });
  redtResultado->AddLogAction(actListaErros);

  lblLinhasComErro = new QLabel(GroupBox4);
  lblLinhasComErro->setGeometry(kLinesWithFaultsPlace);
  lblLinhasComErro->hide();
  lblLinhasComErro->setCursor(Qt::PointingHandCursor);
  lblLinhasComErro->installEventFilter(this);
  for (QLabel* label : {lblLinhasComErro, lblProgressoGeral}) {
    label->setContextMenuPolicy(Qt::ActionsContextMenu);
    label->addAction(actListaErros);
    label->addAction(actSalvarListaErros);
  }
}

bool TfrmCarga::ListingAvailable() const {
  return !carga_.PastaVerificada.empty() && !verdicts_.empty();
}

QString TfrmCarga::SuggestedListingPath() const {
  return InCheckedFolder(QStringLiteral("Erros"), QStringLiteral(".csv"));
}

void TfrmCarga::ShowListing() {
  const bool available = ListingAvailable();
  actSalvarListaErros->setEnabled(available);
  actListaErros->setEnabled(available);
  if (listaErros_ != nullptr && available) {
    listaErros_->SetListing(carga_.Listagem, carga_.PastaVerificada);
  } else if (listaErros_ != nullptr) {
    listaErros_->SetListing(ErrorListing(), std::string());
  }
  const QString details =
      available ? ListingDetails(carga_.Listagem) + kSaveHint : QString();
  lblLinhasComErro->setToolTip(details);
  lblProgressoGeral->setToolTip(details);
  if (!available) {
    lblLinhasComErro->hide();
    lblLinhasComErro->clear();
    return;
  }
  const int left = std::max(kLinesWithFaultsPlace.left(),
                            lblTotReg->geometry().right() + 1 + kGapAfterTotal);
  lblLinhasComErro->setGeometry(left, kLinesWithFaultsPlace.top(),
                                kLinesWithFaultsPlace.right() + 1 - left,
                                kLinesWithFaultsPlace.height());
  const QString line = LinesWithFaultsLine(verdicts_);
  lblLinhasComErro->setText(
      lblLinhasComErro->fontMetrics().elidedText(line, Qt::ElideRight, lblLinhasComErro->width()));
  lblLinhasComErro->show();
}

void TfrmCarga::MostraListaDeErros() {
  if (CommandRunning() || !ListingAvailable()) return;
  if (listaErros_ == nullptr) {
    listaErros_ = new TfrmListaErros(this);
    listaErros_->SetSaver([this] { SalvarListaDeErros(); });
  }
  listaErros_->SetListing(carga_.Listagem, carga_.PastaVerificada);
  listaErros_->show();
  listaErros_->raise();
  listaErros_->activateWindow();
}

// Written whole or not at all, as the manifest is; an error leaves the old file and says
// which file could not be written.
void TfrmCarga::SalvarListaDeErros() {
  if (CommandRunning() || !ListingAvailable()) return;
  const std::optional<ListingSaveChoice> choice = chooseListingSave_(this, SuggestedListingPath());
  if (!choice || choice->path.isEmpty()) return;
  try {
    WriteListingFile(ToPath(choice->path), choice->format, carga_.Listagem, EntregaDaCarga(carga_));
  } catch (const std::exception& error) {
    QMessageBox::warning(this, QStringLiteral("Salvar lista de erros"),
                         QStringLiteral("Não foi possível gravar o arquivo \"%1\": %2.")
                             .arg(QDir::toNativeSeparators(QFileInfo(choice->path).absoluteFilePath()),
                                  FromCp1252(error.what())));
  }
}

}  // namespace validador::ui
