#pragma once
// The layout catalogue: the eight record types of a delivery, their letters,
// standard file names, table names, field counts and the three field lists.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace validador {

// Indexes every value of the catalogue, in this fixed order.
enum RecordTypeIndex : int { rtA = 0, rtB = 1, rtC = 2, rtE = 3, rtI = 4, rtO = 5, rtT = 6, rtY = 7 };

inline constexpr int kRecordTypeCount = 8;

// The order in which the files of a folder are checked, the identification file first.
// A chosen file's path is searched for the standard names in this same order.
inline constexpr std::array<RecordTypeIndex, kRecordTypeCount> kProcessingOrder = {
    rtI, rtA, rtB, rtC, rtE, rtO, rtT, rtY};

// A bank number is three characters: the bank field of every data line, and the most
// the bank input takes.
inline constexpr std::size_t kBankNumberLength = 3;

class LayoutCatalogue {
 public:
  // The one catalogue of the program, filled on first use and never changed.
  static const LayoutCatalogue& Instance();

  int QtdeCampos(RecordTypeIndex type) const;
  std::string_view NomeTabela(RecordTypeIndex type) const;    // "A_cadastro_agencia"
  std::string_view ListaCampos(RecordTypeIndex type) const;   // names, comma separated
  std::string_view ListaTipos(RecordTypeIndex type) const;    // "S,S,...,D," (trailing comma)
  std::string_view ListaTamanhos(RecordTypeIndex type) const; // "1,3,...,8," (trailing comma)
  char LetraTipo(RecordTypeIndex type) const;                 // 'A'
  std::string_view NomeArquivo(RecordTypeIndex type) const;   // "A_CADASTRO_AGENCIAS.txt"

 private:
  LayoutCatalogue() = default;
};

// List splitting: items 0 .. count-1 of a comma-separated list, each the text
// before the next comma exactly as written (a leading blank is kept), the last
// one taking the whole rest when no comma is left. Items past `count` are not taken.
std::vector<std::string> SplitLayoutList(std::string_view list, int count);

}  // namespace validador
