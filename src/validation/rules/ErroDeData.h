#pragma once
// The calendar check of one date value, without building a text on success.

#include <string>
#include <string_view>

namespace validador {

// Null when the date is valid; otherwise the rule's message (Windows-1252):
// "Tamanho de data inválido", "Mês inválido", "Dia inválido", or "Caracteres em
// campo de data" when a day, month or year part is not an integer.
const std::string* ErroDeData(std::string_view value);

// The same, for a caller that already knows whether the value is digits only.
const std::string* ErroDeData(std::string_view value, bool digitsOnly);

}  // namespace validador
