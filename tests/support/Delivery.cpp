#include "support/Delivery.h"

#include <filesystem>

#include "base/Cp1252.h"

namespace testsupport {

using validador::RecordTypeIndex;
using validador::Utf8ToCp1252;

namespace {

std::string Cp(std::string_view utf8) { return Utf8ToCp1252(utf8); }

std::string Digits(int n, int width) {
  std::string text = std::to_string(n);
  if (static_cast<int>(text.size()) < width) text.insert(0, width - text.size(), '0');
  return text.substr(text.size() - width);
}

Fields HolderRecord(char letter, const std::string& bank, int n) {
  return {std::string(1, letter), bank, "0001", Digits(10000 + n, 8), Digits(n, 4), "1", "1",
          Cp("José da Conceição"), "F", "12345678901", letter == 'B' ? "RG" : Cp("Cédula de identidade"),
          "MG1234567", "15031980", "MG", "SSP", Cp("Rua São João, 45"), "Belo Horizonte", "MG",
          "30110000", "3132221100", "", "", "2500,00", "01012024", "1200,50", "01022024",
          "300", "01032024", Cp("Comerciário"), Cp("João da Conceição"), "Maria da Silva"};
}

}  // namespace

Fields ValidRecord(RecordTypeIndex type, const std::string& bank, int n) {
  switch (type) {
    case validador::rtA:
      return {"A", bank, Digits(n + 1, 4), Cp("Agência Centro"), Cp("Praça da Sé, 100"),
              Cp("São Paulo"), "SP", "01001000", "1133334444", "", "", "01012000", ""};
    case validador::rtB:
      return HolderRecord('B', bank, n);
    case validador::rtC:
      return {"C", bank, "0001", Digits(10000 + n, 8), "1", "10022010", ""};
    case validador::rtE:
      return {"E", bank, "0001", Digits(10000 + n, 8), "1", Digits(n + 1, 6),
              Cp("Depósito em espécie"), "05062023", Digits(n + 100, 6), "1500,75",
              n % 2 == 0 ? "C" : "D"};
    case validador::rtI:
      return HeaderRecord("2024.001", bank, {"1", "1", "1", "1", "1", "1", "1", "1"});
    case validador::rtO:
      return {"O", bank, "0001", Digits(10000 + n, 8), "1", Digits(n + 1, 6), "98765432100",
              Cp("Antônio Gonçalves"), "", "", "", "", "237", "1234", "987654", Digits(n, 6),
              "1500,75", "C", Cp("Transferência recebida")};
    case validador::rtT:
      return HolderRecord('T', bank, n);
    case validador::rtY:
      return {"Y", bank, Digits(n + 1, 3), Cp("Conta encerrada por solicitação do titular")};
  }
  return {};
}

Fields HeaderRecord(const std::string& caso, const std::string& bank,
                    const std::array<std::string, 8>& counts) {
  Fields fields = {"I", caso, bank, Cp("Banco Exemplo S.A."), "01022024", Cp("Fernanda Araújo"),
                   "6133330000", "fernanda@exemplo.com.br"};
  fields.insert(fields.end(), counts.begin(), counts.end());
  return fields;
}

std::string Join(const Fields& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += '\t';
    line += fields[i];
  }
  return line;
}

std::string CrLfLines(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\r\n";
  return bytes;
}

Delivery::Delivery(const std::string& caso_, const std::string& bank_, int linesPerFile)
    : caso(caso_), bank(bank_) {
  for (int t = 0; t < validador::kRecordTypeCount; ++t) {
    const auto type = static_cast<RecordTypeIndex>(t);
    if (type == validador::rtI) continue;
    std::vector<std::string> lines;
    for (int n = 0; n < linesPerFile; ++n) lines.push_back(Join(ValidRecord(type, bank, n)));
    WriteLines(type, lines);
  }
  counts[validador::rtI] = "1";
  WriteHeader();
}

std::string Delivery::PathOf(RecordTypeIndex type) const {
  return dir.File(validador::LayoutCatalogue::Instance().NomeArquivo(type));
}

void Delivery::WriteFile(RecordTypeIndex type, std::string_view bytes) const {
  dir.Write(validador::LayoutCatalogue::Instance().NomeArquivo(type), bytes);
}

void Delivery::WriteLines(RecordTypeIndex type, const std::vector<std::string>& lines) {
  WriteFile(type, CrLfLines(lines));
  if (type != validador::rtI) counts[type] = std::to_string(lines.size());
}

void Delivery::Remove(RecordTypeIndex type) const { std::filesystem::remove(PathOf(type)); }

void Delivery::WriteHeader() {
  WriteFile(validador::rtI, CrLfLines({Join(HeaderRecord(caso, bank, counts))}));
}

}  // namespace testsupport
