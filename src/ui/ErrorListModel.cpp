#include "ui/ErrorListModel.h"

#include "qttexts/QtTexts.h"

namespace validador::ui {
namespace {

QString NumberOrEmpty(std::int64_t value) { return value > 0 ? QString::number(value) : QString(); }

}  // namespace

void ErrorListModel::SetListing(const ErrorListing& listing) {
  beginResetModel();
  listing_ = listing;
  places_.clear();
  for (std::size_t f = 0; f < listing_.Files().size(); ++f) {
    for (std::size_t r = 0; r < listing_.Files()[f].rows.size(); ++r) places_.push_back({f, r});
  }
  endResetModel();
}

const FileListing& ErrorListModel::FileOf(int row) const {
  return listing_.Files()[places_[static_cast<std::size_t>(row)].file];
}

const ListingRow& ErrorListModel::RowAt(int row) const {
  const Place& place = places_[static_cast<std::size_t>(row)];
  return listing_.Files()[place.file].rows[place.row];
}

int ErrorListModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(places_.size());
}

int ErrorListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ColumnCount;
}

QVariant ErrorListModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != kSortRole && role != Qt::ToolTipRole)) {
    return {};
  }
  const ListingRow& row = RowAt(index.row());
  switch (index.column()) {
    case Arquivo:
      return FromPath(FileOf(index.row()).arquivo);
    case Linha:
      if (role == kSortRole) return static_cast<qlonglong>(row.linha);
      return NumberOrEmpty(row.linha);
    case Regra:
      return FromCp1252(std::string(NomeDaRegra(row.regra)));
    case Coluna:
      if (role == kSortRole) return row.coluna;
      return NumberOrEmpty(row.coluna);
    case Campo:
      return FromCp1252(row.campo);
    case Mensagem:
      return FromCp1252(row.mensagem);
    case Valor:
      return FromCp1252(row.valor) + (row.valorCortado ? QStringLiteral("…") : QString());
    default:
      return {};
  }
}

QVariant ErrorListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  static const char* const names[ColumnCount] = {"arquivo", "linha", "regra", "coluna",
                                                 "campo", "mensagem", "valor"};
  return section >= 0 && section < ColumnCount ? QString::fromLatin1(names[section]) : QVariant();
}

ErrorListFilter::ErrorListFilter(QObject* parent) : QSortFilterProxyModel(parent) {
  setSortRole(ErrorListModel::kSortRole);
}

void ErrorListFilter::SetFile(const QString& file) {
  file_ = file;
  invalidateFilter();
}

void ErrorListFilter::SetRule(const QString& rule) {
  rule_ = rule;
  invalidateFilter();
}

bool ErrorListFilter::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const {
  const QAbstractItemModel* model = sourceModel();
  const auto text = [&](int column) { return model->index(sourceRow, column, sourceParent).data().toString(); };
  return (file_.isEmpty() || text(ErrorListModel::Arquivo) == file_) &&
         (rule_.isEmpty() || text(ErrorListModel::Regra) == rule_);
}

}  // namespace validador::ui
