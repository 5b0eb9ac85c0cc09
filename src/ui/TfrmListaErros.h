#pragma once
// "Lista de erros": the faults of the last check in a table, in a window of its own that
// leaves the main window usable. It holds the rows of the error listing (up to the cap a
// file) with each file's full counts above; filters by file and by rule; sorts by any
// column; copies the selected rows; shows a row's line of the file on a double click; and
// saves the listing through the main window's "Salvar lista de erros…".

#include <QWidget>
#include <functional>
#include <string>

#include "validation/listing/ErrorListing.h"

class QComboBox;
class QLabel;
class QTableView;
class QTextBrowser;

namespace validador::ui {

class ErrorListFilter;
class ErrorListModel;

class TfrmListaErros : public QWidget {
  Q_OBJECT

 public:
  explicit TfrmListaErros(QWidget* parent = nullptr);

  // The listing of the check that read `folder`; the table starts unfiltered, in the
  // listing's order.
  void SetListing(const ErrorListing& listing, const std::string& folder);
  // "Salvar…" calls this.
  void SetSaver(std::function<void()> save) { save_ = std::move(save); }

  // The selected rows, one a line, their columns between tabs, as the table shows them.
  QString SelectedRowsText() const;
  void CopySelectedRows() const;
  // Shows the line of the file that the table's row (as sorted and filtered) is about.
  void ShowLineOf(int row);

  // "A_CADASTRO_AGENCIAS.txt: 3 linhas com erro, 4 erros · …; a tabela guarda até 1000
  // erros por arquivo" and, for a file with more, how many of them the table holds.
  static QString CountsText(const ErrorListing& listing);

  QComboBox* cbArquivo = nullptr;
  QComboBox* cbRegra = nullptr;
  QTableView* tabela = nullptr;
  QLabel* lblContagens = nullptr;
  QWidget* btnSalvar = nullptr;
  QTextBrowser* linhaMostrada = nullptr;  // the last line shown, in its own window

 private:
  void FillFilters();

  ErrorListModel* model_ = nullptr;
  ErrorListFilter* filter_ = nullptr;
  std::string folder_;
  std::function<void()> save_;
};

}  // namespace validador::ui
