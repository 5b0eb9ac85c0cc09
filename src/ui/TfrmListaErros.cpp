#include "ui/TfrmListaErros.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSet>
#include <QTableView>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

#include "qttexts/QtTexts.h"
#include "ui/ErrorListModel.h"
#include "ui/LineWithFault.h"
#include "validation/check/StandardFiles.h"
#include "platform/Paths.h"

namespace validador::ui {
namespace {

const QString kEveryFile = QStringLiteral("Todos os arquivos");
const QString kEveryRule = QStringLiteral("Todas as regras");

QString Number(std::int64_t value) { return QLocale(QLocale::Portuguese, QLocale::Brazil).toString(value); }

QString Counted(std::int64_t count, const QString& one, const QString& many) {
  return Number(count) + QLatin1Char(' ') + (count == 1 ? one : many);
}

}  // namespace

TfrmListaErros::TfrmListaErros(QWidget* parent) : QWidget(parent, Qt::Window) {
  setWindowTitle(QStringLiteral("Lista de erros"));
  setAttribute(Qt::WA_DeleteOnClose, false);
  resize(900, 480);
  model_ = new ErrorListModel(this);
  filter_ = new ErrorListFilter(this);
  filter_->setSourceModel(model_);

  lblContagens = new QLabel(this);
  lblContagens->setWordWrap(true);
  cbArquivo = new QComboBox(this);
  cbRegra = new QComboBox(this);
  auto* save = new QPushButton(QStringLiteral("Salvar…"), this);
  btnSalvar = save;
  auto* filters = new QHBoxLayout;
  filters->addWidget(new QLabel(QStringLiteral("Arquivo:"), this));
  filters->addWidget(cbArquivo, 2);
  filters->addWidget(new QLabel(QStringLiteral("Regra:"), this));
  filters->addWidget(cbRegra, 1);
  filters->addStretch();
  filters->addWidget(save);

  tabela = new QTableView(this);
  tabela->setModel(filter_);
  tabela->setSortingEnabled(true);
  tabela->sortByColumn(-1, Qt::AscendingOrder);  // the listing's order until a header is clicked
  tabela->setSelectionBehavior(QAbstractItemView::SelectRows);
  tabela->setSelectionMode(QAbstractItemView::ExtendedSelection);
  tabela->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tabela->horizontalHeader()->setStretchLastSection(true);
  tabela->verticalHeader()->hide();
  tabela->setContextMenuPolicy(Qt::ActionsContextMenu);
  auto* copy = new QAction(QStringLiteral("Copiar linhas selecionadas"), tabela);
  copy->setShortcut(QKeySequence::Copy);
  copy->setShortcutContext(Qt::WidgetShortcut);
  tabela->addAction(copy);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblContagens);
  layout->addLayout(filters);
  layout->addWidget(tabela, 1);

  connect(copy, &QAction::triggered, this, [this] { CopySelectedRows(); });
  connect(save, &QPushButton::clicked, this, [this] {
    if (save_) save_();
  });
  connect(cbArquivo, &QComboBox::currentIndexChanged, this, [this](int index) {
    filter_->SetFile(index <= 0 ? QString() : cbArquivo->itemText(index));
  });
  connect(cbRegra, &QComboBox::currentIndexChanged, this, [this](int index) {
    filter_->SetRule(index <= 0 ? QString() : cbRegra->itemText(index));
  });
  connect(tabela, &QTableView::doubleClicked, this, [this](const QModelIndex& index) { ShowLineOf(index.row()); });
}

void TfrmListaErros::SetListing(const ErrorListing& listing, const std::string& folder) {
  folder_ = folder;
  model_->SetListing(listing);
  tabela->sortByColumn(-1, Qt::AscendingOrder);
  FillFilters();
  lblContagens->setText(CountsText(listing));
  tabela->resizeColumnsToContents();
}

void TfrmListaErros::FillFilters() {
  const QSignalBlocker fileBlocker(cbArquivo);
  const QSignalBlocker ruleBlocker(cbRegra);
  cbArquivo->clear();
  cbRegra->clear();
  cbArquivo->addItem(kEveryFile);
  cbRegra->addItem(kEveryRule);
  QStringList rules;
  for (const FileListing& file : model_->Listing().Files()) {
    cbArquivo->addItem(FromPath(file.arquivo));
    for (const ListingRow& row : file.rows) {
      const QString rule = FromCp1252(std::string(NomeDaRegra(row.regra)));
      if (!rules.contains(rule)) rules << rule;
    }
  }
  cbRegra->addItems(rules);
  filter_->SetFile({});
  filter_->SetRule({});
}

QString TfrmListaErros::CountsText(const ErrorListing& listing) {
  QStringList parts;
  for (const FileListing& file : listing.Files()) {
    QString part = FromPath(file.arquivo) + QStringLiteral(": ");
    if (file.ausente) {
      part += QStringLiteral("não existe");
    } else {
      part += Counted(file.linhasComErro, QStringLiteral("linha com erro"), QStringLiteral("linhas com erro")) +
              QStringLiteral(", ") + Counted(file.erros, QStringLiteral("erro"), QStringLiteral("erros"));
    }
    const auto kept = static_cast<std::int64_t>(file.rows.size());
    if (file.erros > kept) part += QStringLiteral(" (%1 na tabela)").arg(Number(kept));
    parts << part;
  }
  QString text = parts.join(QStringLiteral(" · "));
  if (listing.MaxErrors() > 0) {
    text += QStringLiteral(". A tabela guarda até %1 erros por arquivo.").arg(Number(listing.MaxErrors()));
  }
  return text;
}

QString TfrmListaErros::SelectedRowsText() const {
  QModelIndexList rows = tabela->selectionModel()->selectedRows();
  std::sort(rows.begin(), rows.end(), [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
  QStringList lines;
  for (const QModelIndex& row : rows) {
    QStringList cells;
    for (int column = 0; column < ErrorListModel::ColumnCount; ++column) {
      cells << filter_->index(row.row(), column).data().toString();
    }
    lines << cells.join(QLatin1Char('\t'));
  }
  return lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

void TfrmListaErros::CopySelectedRows() const {
  const QString text = SelectedRowsText();
  if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

void TfrmListaErros::ShowLineOf(int row) {
  const int sourceRow = filter_->mapToSource(filter_->index(row, 0)).row();
  if (sourceRow < 0) return;
  const FileListing& file = model_->FileOf(sourceRow);
  const ListingRow& fault = model_->RowAt(sourceRow);
  if (linhaMostrada == nullptr) {
    linhaMostrada = new QTextBrowser(this);
    linhaMostrada->setWindowFlag(Qt::Window);
    linhaMostrada->resize(760, 200);
  }
  const QString name = FromPath(file.arquivo);
  QString html;
  if (fault.linha < 1) {
    html = QStringLiteral("<p>%1</p>").arg(FromCp1252(fault.mensagem).toHtmlEscaped());
  } else {
    std::optional<QString> line;
    try {
      line = ReadLineOfFile(platform::JoinedPath(folder_, file.arquivo), fault.linha);
    } catch (const std::exception&) {
      line.reset();
    }
    html = line ? LineWithFaultHtml(*line, fault.regra == Regra::Campo ? fault.coluna : 0)
                : QStringLiteral("<p>Não foi possível ler a linha %1 de %2.</p>").arg(fault.linha).arg(name.toHtmlEscaped());
    html += QStringLiteral("<p>%1</p>").arg(FromCp1252(fault.mensagem).toHtmlEscaped());
  }
  linhaMostrada->setWindowTitle(fault.linha < 1 ? name : QStringLiteral("Linha %1 de %2").arg(fault.linha).arg(name));
  linhaMostrada->setHtml(html);
  linhaMostrada->show();
  linhaMostrada->raise();
}

}  // namespace validador::ui
