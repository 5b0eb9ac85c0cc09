#pragma once
// The field rules that judge one record, and the calendar check of a date.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "layout/UGlobal.h"
#include "validation/rules/SeparaCampos.h"

namespace validador {

// The layout of one record type laid out field by field (built once per file).
struct TLayoutCampos {
  RecordTypeIndex type = rtA;
  std::string NomeTabela;
  std::vector<std::string> NomesCampos;     // names as split, leading blank kept
  std::vector<std::string> TiposCampos;     // "S", "N" or "D"
  std::vector<std::string> TamanhosCampos;  // maximum lengths as decimal text
  // The rule of a field's type, chosen once from its type code and name.
  enum class TypeRule : std::uint8_t {
    kText,        // "S": no blank or control byte at either end
    kDigitsOnly,  // "S" with a digits-only name
    kNumeric,     // "N"
    kDate,        // "D"
    kNone,        // any other code: only the blanks-only message
  };
  // Precomputed from the above once per file, for speed; it never changes what
  // the rules decide (the rules' module may reshape it freely).
  struct FieldPlan {
    std::uint32_t limit = 0;          // TamanhosCampos[i] as an integer
    char code = 'S';                  // first character of TiposCampos[i]
    bool naturezaLancamento = false;  // nature of entry: "C" or "D"
    bool tipoConta = false;           // account type: 1 to 4
    bool tipoTitular = false;         // holder type: its first character
    bool digitsOnly = false;          // digits-only text field
    bool money = false;               // money field needing a comma
    bool emptyNumericAllowed = false; // positions 22..27 of B
    bool nameRule = false;            // one of the three rules above applies
    TypeRule typeRule = TypeRule::kText;
  };
  std::vector<FieldPlan> plan;
};

// Fills the three per-field arrays of the record type from the catalogue.
TLayoutCampos MontaListasLayout(RecordTypeIndex type);

// Runs the field rules over fields 0..QtdeCampos-1. `MensagemErro` must be empty
// on entry; every failing rule replaces it whole, so it ends holding the message
// of the last failure (empty when the record is valid).
void ValidaCampos(const TRetorno& fields, const TLayoutCampos& layout, std::string& MensagemErro);

// The steps of one field alone, from an empty message: the message they leave (empty when
// the field passes). The holder type ends only this field.
void ValidaCampo(std::string_view value, std::size_t index, const TLayoutCampos& layout,
                 std::string& MensagemErro);

// True exactly when ValidaCampos leaves `MensagemErro` empty.
bool ValidaRegistro(const TRetorno& fields, const TLayoutCampos& layout, std::string& MensagemErro);

// The calendar check of one date value of 1 to 8 characters: "" when valid, else
// "Tamanho de data inválido", "Mês inválido" or "Dia inválido" (Windows-1252).
// A day, month or year part that is not an integer gives "Caracteres em campo de data".
std::string ValidaData(std::string_view value);

}  // namespace validador
