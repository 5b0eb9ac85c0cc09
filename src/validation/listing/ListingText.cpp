#include "validation/listing/ListingText.h"

#include <array>
#include <cstdio>
#include <stdexcept>

#include "base/Cp1252.h"
#include "base/Utf8.h"

namespace validador {
namespace {

constexpr std::string_view kEllipsis = "\xE2\x80\xA6";  // "…" in UTF-8
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

void AppendJsonString(std::string& out, std::string_view utf8) {
  out += '"';
  for (const char c : utf8) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (byte < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

void AppendJsonMember(std::string& out, std::string_view key) {
  out += out.back() == '{' ? "\"" : ",\"";
  out += key;
  out += "\":";
}

void AppendJsonRow(std::string& out, std::string_view arquivo, const ListingRow& row) {
  out += '{';
  AppendJsonMember(out, "arquivo");
  AppendJsonString(out, ValidUtf8(arquivo));
  AppendJsonMember(out, "linha");
  out += row.linha != 0 ? std::to_string(row.linha) : "null";
  AppendJsonMember(out, "regra");
  AppendJsonString(out, NomeDaRegra(row.regra));
  const bool isField = row.regra == Regra::Campo;
  AppendJsonMember(out, "coluna");
  out += isField ? std::to_string(row.coluna) : "null";
  AppendJsonMember(out, "campo");
  if (isField) AppendJsonString(out, Cp1252ToUtf8(row.campo)); else out += "null";
  AppendJsonMember(out, "mensagem");
  AppendJsonString(out, Cp1252ToUtf8(row.mensagem));
  AppendJsonMember(out, "valor");
  if (isField) AppendJsonString(out, ListingValueText(row)); else out += "null";
  out += "}\n";
}

void AppendJsonSummary(std::string& out, const FileListing& file, std::int64_t listed) {
  out += '{';
  AppendJsonMember(out, "arquivo");
  AppendJsonString(out, ValidUtf8(file.arquivo));
  out += ",\"linha\":null,\"regra\":\"resumo\",\"coluna\":null,\"campo\":null,"
         "\"mensagem\":null,\"valor\":null";
  AppendJsonMember(out, "linhas");
  out += std::to_string(file.linhas);
  AppendJsonMember(out, "linhas_com_erro");
  out += std::to_string(file.linhasComErro);
  AppendJsonMember(out, "erros");
  out += std::to_string(file.erros);
  AppendJsonMember(out, "listados");
  out += std::to_string(listed);
  out += "}\n";
}

// Control bytes other than tab and the line breaks, shown as the JSON Lines show them
// escaped: NUL as \0, the others and DEL as \xNN.
std::string EscapeCsvControls(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\0') {
      escaped += "\\0";
    } else if ((byte < 0x20 && c != '\t' && c != '\r' && c != '\n') || byte == 0x7F) {
      char code[8];
      std::snprintf(code, sizeof code, "\\x%02X", byte);
      escaped += code;
    } else {
      escaped += c;
    }
  }
  return escaped;
}

// A spreadsheet takes a field that starts with one of these as a formula.
bool StartsLikeAFormula(std::string_view text) {
  return !text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

// A CSV field that a spreadsheet shows as the text it is: controls escaped, an apostrophe
// before a leading formula character, quoted when it holds the separator, a quote or a
// line break.
void AppendCsvField(std::string& out, std::string_view raw) {
  std::string text = EscapeCsvControls(raw);
  if (StartsLikeAFormula(text)) text.insert(0, 1, '\'');
  if (text.find_first_of(";\"\r\n") == std::string::npos) {
    out += text;
    return;
  }
  out += '"';
  for (const char c : text) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void AppendCsvRow(std::string& out, std::string_view arquivo, const ListingRow& row) {
  const bool isField = row.regra == Regra::Campo;
  AppendCsvField(out, ValidUtf8(arquivo));
  out += ';';
  if (row.linha != 0) out += std::to_string(row.linha);
  out += ';';
  out += NomeDaRegra(row.regra);
  out += ';';
  if (isField) out += std::to_string(row.coluna);
  out += ';';
  if (isField) AppendCsvField(out, Cp1252ToUtf8(row.campo));
  out += ';';
  AppendCsvField(out, Cp1252ToUtf8(row.mensagem));
  out += ';';
  if (isField) AppendCsvField(out, ListingValueText(row));
  out += "\r\n";
}

}  // namespace

std::string ValidUtf8(std::string_view bytes) {
  std::string text;
  for (std::size_t i = 0; i < bytes.size();) {
    const Utf8Char next = DecodeUtf8(bytes, i);
    if (!next.codePoint) {
      text += kReplacement;
      ++i;
      continue;
    }
    text.append(bytes.substr(i, next.length));
    i += next.length;
  }
  return text;
}

std::string ListingValueText(const ListingRow& row) {
  std::string text = Cp1252ToUtf8(row.valor);
  if (row.valorCortado) text += kEllipsis;
  return text;
}

std::optional<ListingFormat> ListingFormatOf(std::string_view fileName) {
  const auto endsWith = [fileName](std::string_view suffix) {
    if (fileName.size() < suffix.size()) return false;
    const std::string_view end = fileName.substr(fileName.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i) {
      const char c = end[i] >= 'A' && end[i] <= 'Z' ? static_cast<char>(end[i] - 'A' + 'a') : end[i];
      if (c != suffix[i]) return false;
    }
    return true;
  };
  if (endsWith(".jsonl")) return ListingFormat::JsonLines;
  if (endsWith(".csv")) return ListingFormat::Csv;
  if (endsWith(".xlsx")) return ListingFormat::Workbook;
  return std::nullopt;
}

std::string ListingHeader(ListingFormat format) {
  if (format == ListingFormat::JsonLines) return {};
  return "\xEF\xBB\xBF" "arquivo;linha;regra;coluna;campo;mensagem;valor\r\n";
}

void AppendListingRow(ListingFormat format, std::string& out, std::string_view arquivo,
                      const ListingRow& row) {
  if (format == ListingFormat::Csv) {
    AppendCsvRow(out, arquivo, row);
  } else {
    AppendJsonRow(out, arquivo, row);
  }
}

void AppendListingSummary(ListingFormat format, std::string& out, const FileListing& file,
                          std::int64_t listed) {
  if (format == ListingFormat::JsonLines) AppendJsonSummary(out, file, listed);
}

std::string ListingAsJsonLines(const ErrorListing& listing) {
  std::string out;
  for (const FileListing& file : listing.Files()) {
    for (const ListingRow& row : file.rows) AppendJsonRow(out, file.arquivo, row);
    AppendJsonSummary(out, file, static_cast<std::int64_t>(file.rows.size()));
  }
  return out;
}

std::string ListingAsCsv(const ErrorListing& listing) {
  std::string out = ListingHeader(ListingFormat::Csv);
  for (const FileListing& file : listing.Files()) {
    for (const ListingRow& row : file.rows) AppendCsvRow(out, file.arquivo, row);
  }
  return out;
}

std::string ListingAs(ListingFormat format, const ErrorListing& listing) {
  switch (format) {
    case ListingFormat::Csv: return ListingAsCsv(listing);
    case ListingFormat::JsonLines: return ListingAsJsonLines(listing);
    case ListingFormat::Workbook: break;
  }
  throw std::logic_error("a workbook is written by WriteListingFile");
}

}  // namespace validador
