#include "validation/SeparaCampos.h"

namespace validador {
namespace {

// Room for the largest layout (31 fields); every split sizes the array to this.
constexpr std::size_t kTamanhoRetorno = 35;

}  // namespace

int ContaSeparadores(std::string_view line, char separator) {
  int count = 0;
  for (const char byte : line) count += byte == separator ? 1 : 0;
  return count;
}

void ExtraiCampo(std::string_view& line, std::string_view& field) {
  const std::size_t tab = line.find(Separador);
  if (tab == std::string_view::npos) {
    field = line;
    line = {};
    return;
  }
  field = line.substr(0, tab);
  line.remove_prefix(tab + 1);
}

int SeparaCampos(std::string_view line, RecordTypeIndex type, TRetorno& fields) {
  const int separators = ContaSeparadores(line, Separador);
  fields.resize(kTamanhoRetorno);
  if (separators + 1 != LayoutCatalogue::Instance().QtdeCampos(type)) return 0;
  std::size_t k = 0;
  std::string_view rest = line;
  while (!rest.empty()) ExtraiCampo(rest, fields[k++]);
  if (k == static_cast<std::size_t>(separators)) fields[k++] = {};  // the line ends with a tab
  return static_cast<int>(k);
}

}  // namespace validador
