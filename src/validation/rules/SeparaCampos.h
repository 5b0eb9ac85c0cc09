#pragma once
// Cutting one line of a delivery file into its tab-separated fields.

#include <string_view>
#include <vector>

#include "layout/UGlobal.h"

namespace validador {

inline constexpr char Separador = '\t';

// The fields of one line; views into the line. A split sizes it to 35 entries.
using TRetorno = std::vector<std::string_view>;

// How many times `separator` occurs in `line`.
int ContaSeparadores(std::string_view line, char separator);

// Cuts the first field off the front of `line`: the text before the first tab
// (the line keeps what follows the tab), or the whole line (the line becomes empty).
void ExtraiCampo(std::string_view& line, std::string_view& field);

// Splits `line` for the record type. Returns `count`: QtdeCampos of the type when
// the line has exactly QtdeCampos-1 tabs (fields 0..count-1 filled), otherwise 0.
int SeparaCampos(std::string_view line, RecordTypeIndex type, TRetorno& fields);

}  // namespace validador
