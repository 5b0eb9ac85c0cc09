#pragma once
// The full error listing: every fault of the files a command checks, beside the log, which
// stops each file at its first. Rows carry the log's own texts (Windows-1252).

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "layout/UGlobal.h"

namespace validador {

// What a row is about; the line stages are judged in this order and the first that fails
// gives the line's rows.
enum class Regra : std::uint8_t {
  Arquivo,      // the whole file: missing, empty, its line count, its header
  Codificacao,  // the whole file looks written in UTF-8
  Banco,        // the line's bank number
  Letra,        // the line's type letter
  Campos,       // the line's number of fields
  Campo,        // one field, judged alone
};

// "arquivo", "codificacao", "banco", "letra", "campos" or "campo".
std::string_view NomeDaRegra(Regra regra);

struct ListingRow {
  std::int64_t linha = 0;  // from 1; 0 for a row about the whole file
  Regra regra = Regra::Arquivo;
  int coluna = 0;          // Campo: the field's position, from 1
  std::string campo;       // Campo: the field's name without its leading blank
  std::string mensagem;    // Windows-1252
  std::string valor;       // Campo: the value, Windows-1252, cut to kValueCharacters
  bool valorCortado = false;

  static constexpr std::size_t kValueCharacters = 200;
};

// One file's rows and its summary.
struct FileListing {
  std::string arquivo;            // the file's name as found on disk
  std::vector<ListingRow> rows;   // the rows kept, in order
  std::int64_t linhas = 0;        // lines in the file
  std::int64_t linhasComErro = 0; // lines with at least one row
  std::int64_t erros = 0;         // every row of the file, also past the cap
  bool ausente = false;           // the file is not in the folder: nothing was read
};

class ListingSpool;

class ErrorListing {
 public:
  static constexpr std::int64_t kDefaultMaxErrors = 1000;

  // `maxErrors` rows of a file are kept; the rest are counted. 0: no cap.
  explicit ErrorListing(std::int64_t maxErrors = kDefaultMaxErrors) : maxErrors_(maxErrors) {}

  // From now on the rows go to `spool` as they come, not to memory: Files() then has each
  // file's name and counts but no rows.
  void SpoolTo(std::shared_ptr<ListingSpool> spool) { spool_ = std::move(spool); }
  ListingSpool* Spool() const { return spool_.get(); }

  // Starts the rows of the next file.
  FileListing& BeginFile(std::string arquivo);
  // Adds a row about the whole file to the last file begun: kept while under the cap,
  // counted always.
  void Add(ListingRow row);
  // Adds a row of one of its lines (counted by whoever judged the lines). The lines' rows
  // follow the file's own rows, in the room the cap leaves them, once the file ends.
  void AddLineRow(ListingRow row);
  // Ends the last file begun.
  void EndFile();
  // How many more rows the last file begun keeps (-1: no cap).
  std::int64_t Room() const;

  const std::vector<FileListing>& Files() const { return files_; }
  // The last file begun.
  FileListing& Current() { return files_.back(); }
  std::int64_t MaxErrors() const { return maxErrors_; }
  void Clear() { files_.clear(); }

 private:
  std::int64_t maxErrors_;
  std::vector<FileListing> files_;
  std::int64_t keptInFile_ = 0;        // rows of the last file begun kept so far
  std::vector<ListingRow> lineRows_;   // in memory: its lines' rows until it ends
  std::int64_t lineRowsSpooled_ = 0;
  std::shared_ptr<ListingSpool> spool_;
};

// The log's text for a line that fails its bank number, type letter or field count, as it
// would stand if this line were the file's first fault.
std::string MensagemDaLinha(Regra regra, std::string_view tabela, std::int64_t linha);

// A value as a row keeps it: at most 200 characters, and whether it was cut.
void GuardaValor(ListingRow& row, std::string_view value);

}  // namespace validador
