#include "validation/SeparaCampos.h"

#include <algorithm>
#include <bit>

#include "validation/ByteMask.h"

namespace validador {
namespace {

// Room for the largest layout (31 fields); every split sizes the array to this.
constexpr std::size_t kTamanhoRetorno = 35;

}  // namespace

int ContaSeparadores(std::string_view line, char separator) {
  int count = 0;
  for (std::size_t at = 0; at < line.size(); at += kMaskChunk) {
    const std::size_t size = std::min(kMaskChunk, line.size() - at);
    count += CountOfBits(MaskOfChunk(line.data() + at, size, separator));
  }
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
  // One pass cutting at every tab; the text after the last tab (empty when the
  // line ends with one) is the last field.
  std::size_t fieldStart = 0;
  std::size_t k = 0;
  for (std::size_t at = 0; at < line.size(); at += kMaskChunk) {
    const std::size_t size = std::min(kMaskChunk, line.size() - at);
    for (std::uint64_t tabs = MaskOfChunk(line.data() + at, size, Separador); tabs != 0; tabs &= tabs - 1) {
      const std::size_t tab = at + static_cast<std::size_t>(std::countr_zero(tabs));
      fields[k++] = line.substr(fieldStart, tab - fieldStart);
      fieldStart = tab + 1;
    }
  }
  fields[k++] = line.substr(fieldStart);
  return static_cast<int>(k);
}

}  // namespace validador
