#include "validation/ErrorListing.h"

#include <array>

#include "validation/LogTexts.h"

namespace validador {

std::string_view NomeDaRegra(Regra regra) {
  static constexpr std::array<std::string_view, 6> kNames = {"arquivo", "codificacao", "banco",
                                                             "letra",   "campos",      "campo"};
  return kNames[static_cast<std::size_t>(regra)];
}

FileListing& ErrorListing::BeginFile(std::string arquivo) {
  FileListing& file = files_.emplace_back();
  file.arquivo = std::move(arquivo);
  return file;
}

std::int64_t ErrorListing::Room() const {
  if (maxErrors_ == 0) return -1;
  const std::int64_t kept = static_cast<std::int64_t>(files_.back().rows.size());
  return kept < maxErrors_ ? maxErrors_ - kept : 0;
}

void ErrorListing::Add(ListingRow row) {
  FileListing& file = files_.back();
  ++file.erros;
  if (Room() != 0) file.rows.push_back(std::move(row));
}

std::string MensagemDaLinha(Regra regra, std::string_view tabela, std::int64_t linha) {
  const std::string number = std::to_string(linha);
  switch (regra) {
    case Regra::Banco:
      return texts::WrongBank() + number + "     " + std::string(tabela);
    case Regra::Letra:
      return texts::WrongLetter() + number + "\t" + std::string(tabela);
    case Regra::Campos:
      return texts::FieldCountDiffers() + std::string(tabela) + texts::LinePrefix() + number;
    default:
      return {};
  }
}

void GuardaValor(ListingRow& row, std::string_view value) {
  row.valorCortado = value.size() > ListingRow::kValueCharacters;
  row.valor = std::string(value.substr(0, ListingRow::kValueCharacters));
}

}  // namespace validador
