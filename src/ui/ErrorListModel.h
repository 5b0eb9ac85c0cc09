#pragma once
// The rows of an error listing as a table: one row a listed fault, the columns of the
// listing's CSV (arquivo, linha, regra, coluna, campo, mensagem, valor). Numbers sort as
// numbers; a proxy filters the rows by file and by rule.

#include <QAbstractTableModel>
#include <QSortFilterProxyModel>
#include <vector>

#include "validation/listing/ErrorListing.h"

namespace validador::ui {

class ErrorListModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  enum Column { Arquivo, Linha, Regra, Coluna, Campo, Mensagem, Valor, ColumnCount };
  // The value a column sorts by (numbers for the line and the column).
  static constexpr int kSortRole = Qt::UserRole;

  explicit ErrorListModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  void SetListing(const ErrorListing& listing);
  const ErrorListing& Listing() const { return listing_; }
  // The file and the row behind a table row.
  const FileListing& FileOf(int row) const;
  const ListingRow& RowAt(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  struct Place {
    std::size_t file;
    std::size_t row;
  };
  ErrorListing listing_;
  std::vector<Place> places_;
};

// Keeps the rows of one file and of one rule; an empty choice keeps them all.
class ErrorListFilter : public QSortFilterProxyModel {
  Q_OBJECT

 public:
  explicit ErrorListFilter(QObject* parent = nullptr);
  void SetFile(const QString& file);
  void SetRule(const QString& rule);

 protected:
  bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;

 private:
  QString file_;
  QString rule_;
};

}  // namespace validador::ui
