#include "validation/listing/ErrorListing.h"

#include <algorithm>
#include <array>

#include "validation/listing/ListingSpool.h"

#include "base/Mensagens.h"

namespace validador {

std::string_view NomeDaRegra(Regra regra) {
  static constexpr std::array<std::string_view, 6> kNames = {"arquivo", "codificacao", "banco",
                                                             "letra",   "campos",      "campo"};
  return kNames[static_cast<std::size_t>(regra)];
}

FileListing& ErrorListing::BeginFile(std::string arquivo) {
  FileListing& file = files_.emplace_back();
  file.arquivo = std::move(arquivo);
  keptInFile_ = 0;
  lineRows_.clear();
  lineRowsSpooled_ = 0;
  return file;
}

std::int64_t ErrorListing::Room() const {
  if (maxErrors_ == 0) return -1;
  return keptInFile_ < maxErrors_ ? maxErrors_ - keptInFile_ : 0;
}

void ErrorListing::Add(ListingRow row) {
  FileListing& file = files_.back();
  ++file.erros;
  if (Room() == 0) return;
  ++keptInFile_;
  if (spool_) {
    spool_->FileRow(file.arquivo, row);
  } else {
    file.rows.push_back(std::move(row));
  }
}

void ErrorListing::AddLineRow(ListingRow row) {
  if (spool_) {
    spool_->LineRow(files_.back().arquivo, row);
    ++lineRowsSpooled_;
  } else {
    lineRows_.push_back(std::move(row));
  }
}

void ErrorListing::EndFile() {
  FileListing& file = files_.back();
  const std::int64_t room = Room();
  const std::int64_t waiting = spool_ ? lineRowsSpooled_ : static_cast<std::int64_t>(lineRows_.size());
  const std::int64_t kept = room < 0 ? waiting : std::min(waiting, room);
  keptInFile_ += kept;
  if (spool_) {
    spool_->EndFile(file, kept, keptInFile_);
  } else {
    for (std::int64_t i = 0; i < kept; ++i) file.rows.push_back(std::move(lineRows_[static_cast<std::size_t>(i)]));
  }
  lineRows_.clear();
  lineRowsSpooled_ = 0;
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
