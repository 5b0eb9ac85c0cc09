#include "validation/rules/SeparaCampos.h"

#include <bit>

#include "validation/rules/ByteScan.h"

namespace validador {
namespace {

// Room for the largest layout (31 fields); every split sizes the array to this.
constexpr std::size_t kTamanhoRetorno = 35;

}  // namespace

int ContaSeparadores(std::string_view line, char separator) {
  int count = 0;
  ForEachChunkMask(line, separator, [&count](std::uint64_t mask, std::size_t) {
    count += CountOfBits(mask);
    return true;
  });
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

// One pass over the line: each tab closes a field, and the scan stops at the
// first tab beyond the layout's. The text after the last tab (empty when the line
// ends with one) is the last field.
int SeparaCampos(std::string_view line, RecordTypeIndex type, TRetorno& fields) {
  fields.resize(kTamanhoRetorno);
  std::string_view* field = fields.data();
  const std::string_view* const lastField = field + LayoutCatalogue::Instance().QtdeCampos(type) - 1;
  const char* const text = line.data();
  const char* fieldStart = text;
  const bool withinLayout = ForEachChunkMask(line, Separador, [&](std::uint64_t tabs, std::size_t at) {
    for (; tabs != 0; tabs &= tabs - 1) {
      if (field == lastField) return false;
      const char* tab = text + at + static_cast<unsigned>(std::countr_zero(tabs));
      *field++ = std::string_view(fieldStart, static_cast<std::size_t>(tab - fieldStart));
      fieldStart = tab + 1;
    }
    return true;
  });
  if (!withinLayout || field != lastField) return 0;
  *field = std::string_view(fieldStart, static_cast<std::size_t>(text + line.size() - fieldStart));
  return static_cast<int>(field - fields.data()) + 1;
}

}  // namespace validador
