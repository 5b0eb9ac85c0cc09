#include "validation/listing/ListingWorkbook.h"

#include <xlsxwriter.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>
#include <system_error>

#include "base/Cp1252.h"
#include "base/Errors.h"
#include "validation/listing/ListingText.h"

#ifndef _WIN32
#include <unistd.h>
#endif

namespace validador {
namespace {

struct Column {
  const char* title;
  double width;
};

// The CSV's columns, wide enough for the standard names, the longest field names and most
// messages; a longer text still shows whole in the cell.
constexpr std::array<Column, 7> kErrosColumns{{{"arquivo", 40}, {"linha", 9}, {"regra", 12},
                                                {"coluna", 8}, {"campo", 26}, {"mensagem", 70},
                                                {"valor", 30}}};
constexpr std::array<Column, 5> kResumoColumns{{{"arquivo", 40}, {"linhas", 12},
                                                 {"linhas_com_erro", 16}, {"erros", 12},
                                                 {"listados", 12}}};

[[noreturn]] void Fail(lxw_error error) {
  throw Exception(std::string("Planilha: ") + lxw_strerror(error));
}

void Check(lxw_error error) {
  if (error != LXW_NO_ERROR) Fail(error);
}

// A private file for libxlsxwriter to write the workbook to, removed when done.
class ScratchFile {
 public:
  ScratchFile() {
    std::error_code ignored;
    std::string pattern = (std::filesystem::temp_directory_path(ignored) / "validador-XXXXXX").string();
#ifndef _WIN32
    const int fd = mkstemp(pattern.data());
    if (fd < 0) throw EInOutError::FromErrno(errno, pattern);
    close(fd);
#else
    pattern.replace(pattern.size() - 6, 6, std::to_string(std::hash<const void*>{}(this) & 0xFFFFFF));
#endif
    path_ = pattern;
  }
  ~ScratchFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }
  ScratchFile(const ScratchFile&) = delete;
  ScratchFile& operator=(const ScratchFile&) = delete;

  const std::string& Path() const { return path_; }
  std::string Bytes() const {
    std::ifstream in(path_, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw EInOutError::FromErrno(EIO, path_);
    return bytes;
  }

 private:
  std::string path_;
};

class Workbook {
 public:
  explicit Workbook(const std::string& path) {
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;  // rows go to disk as they are written
    book_ = workbook_new_opt(path.c_str(), &options);
    if (book_ == nullptr) Fail(LXW_ERROR_CREATING_XLSX_FILE);
    bold_ = workbook_add_format(book_);
    format_set_bold(bold_);
    text_ = workbook_add_format(book_);
    format_set_num_format(text_, "@");
  }
  ~Workbook() {
    if (book_ != nullptr) workbook_close(book_);
  }
  Workbook(const Workbook&) = delete;
  Workbook& operator=(const Workbook&) = delete;

  lxw_worksheet* AddSheet(const char* name) {
    lxw_worksheet* sheet = workbook_add_worksheet(book_, name);
    if (sheet == nullptr) Fail(LXW_ERROR_MEMORY_MALLOC_FAILED);
    return sheet;
  }
  template <std::size_t N>
  void Header(lxw_worksheet* sheet, const std::array<Column, N>& columns) {
    for (std::size_t c = 0; c < N; ++c) {
      const auto col = static_cast<lxw_col_t>(c);
      Check(worksheet_set_column(sheet, col, col, columns[c].width, nullptr));
      Check(worksheet_write_string(sheet, 0, col, columns[c].title, bold_));
    }
    worksheet_freeze_panes(sheet, 1, 0);
  }
  void Text(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const std::string& text) {
    Check(worksheet_write_string(sheet, row, col, text.c_str(), text_));
  }
  void Number(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, std::int64_t value) {
    Check(worksheet_write_number(sheet, row, col, static_cast<double>(value), nullptr));
  }
  void Close() {
    const lxw_error error = workbook_close(book_);
    book_ = nullptr;
    Check(error);
  }

 private:
  lxw_workbook* book_ = nullptr;
  lxw_format* bold_ = nullptr;
  lxw_format* text_ = nullptr;
};

// Libxlsxwriter ends a string at its first NUL byte; the cell shows it as the CSV does.
std::string CellText(std::string text) {
  for (std::size_t at = text.find('\0'); at != std::string::npos; at = text.find('\0', at)) {
    text.replace(at, 1, "\\0");
  }
  return text;
}

// Sheet "Erros": the rows as the CSV lists them, with the same blanks. Returns how many
// rows each file got onto the sheet.
std::vector<std::int64_t> WriteErros(Workbook& book, const ErrorListing& listing) {
  lxw_worksheet* sheet = book.AddSheet("Erros");
  book.Header(sheet, kErrosColumns);
  std::vector<std::int64_t> listed;
  lxw_row_t row = 0;
  for (const FileListing& file : listing.Files()) {
    const std::string arquivo = ValidUtf8(file.arquivo);
    std::int64_t count = 0;
    for (const ListingRow& item : file.rows) {
      if (row >= kWorkbookRows) break;
      ++row;
      ++count;
      const bool isField = item.regra == Regra::Campo;
      book.Text(sheet, row, 0, arquivo);
      if (item.linha != 0) book.Text(sheet, row, 1, std::to_string(item.linha));
      book.Text(sheet, row, 2, std::string(NomeDaRegra(item.regra)));
      if (isField) book.Text(sheet, row, 3, std::to_string(item.coluna));
      if (isField) book.Text(sheet, row, 4, CellText(Cp1252ToUtf8(item.campo)));
      book.Text(sheet, row, 5, CellText(Cp1252ToUtf8(item.mensagem)));
      if (isField) book.Text(sheet, row, 6, CellText(ListingValueText(item)));
    }
    listed.push_back(count);
  }
  Check(worksheet_autofilter(sheet, 0, 0, row, kErrosColumns.size() - 1));
  return listed;
}

// Sheet "Resumo": the JSON Lines' summary of each file, "listados" counting the rows on
// "Erros".
void WriteResumo(Workbook& book, const ErrorListing& listing, const std::vector<std::int64_t>& listed) {
  lxw_worksheet* sheet = book.AddSheet("Resumo");
  book.Header(sheet, kResumoColumns);
  lxw_row_t row = 0;
  for (std::size_t i = 0; i < listing.Files().size(); ++i) {
    const FileListing& file = listing.Files()[i];
    ++row;
    book.Text(sheet, row, 0, ValidUtf8(file.arquivo));
    book.Number(sheet, row, 1, file.linhas);
    book.Number(sheet, row, 2, file.linhasComErro);
    book.Number(sheet, row, 3, file.erros);
    book.Number(sheet, row, 4, listed[i]);
  }
  Check(worksheet_autofilter(sheet, 0, 0, row, kResumoColumns.size() - 1));
}

// Sheet "Entrega": one item a row.
void WriteEntrega(Workbook& book, const ListingDelivery& delivery) {
  lxw_worksheet* sheet = book.AddSheet("Entrega");
  book.Header(sheet, std::array<Column, 2>{{{"item", 20}, {"valor", 60}}});
  const std::array<std::pair<const char*, const std::string*>, 6> items{{
      {"pasta", &delivery.pasta},
      {"caso", &delivery.caso},
      {"banco", &delivery.banco},
      {"algoritmo", &delivery.algoritmo},
      {"data e hora", &delivery.dataHora},
      {"versão do programa", &delivery.versao},
  }};
  lxw_row_t row = 0;
  for (const auto& [name, value] : items) {
    ++row;
    book.Text(sheet, row, 0, name);
    book.Text(sheet, row, 1, CellText(ValidUtf8(*value)));
  }
}

}  // namespace

bool WorkbookAvailable() { return true; }

std::string ListingAsWorkbook(const ErrorListing& listing, const ListingDelivery& delivery) {
  const ScratchFile scratch;
  Workbook book(scratch.Path());
  const std::vector<std::int64_t> listed = WriteErros(book, listing);
  WriteResumo(book, listing, listed);
  WriteEntrega(book, delivery);
  book.Close();
  return scratch.Bytes();
}

}  // namespace validador
