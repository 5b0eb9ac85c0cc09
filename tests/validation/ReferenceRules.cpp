#include "validation/ReferenceRules.h"

#include <cstdint>

#include "base/StrToInt.h"
#include "validation/RecordSamples.h"

namespace validador::reference {
namespace {

using namespace samples::msg;

bool IsDigitByte(char byte) { return byte >= '0' && byte <= '9'; }
bool IsLetterByte(char byte) { return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z'); }

bool HasLetter(std::string_view value) {
  for (const char byte : value) {
    if (IsLetterByte(byte)) return true;
  }
  return false;
}

bool HasByte(std::string_view value, char wanted) { return value.find(wanted) != std::string_view::npos; }

bool OnlyBlanks(std::string_view value) {
  for (const char byte : value) {
    if (byte != ' ') return false;
  }
  return !value.empty();
}

bool OnlyDigits(std::string_view value) {
  for (const char byte : value) {
    if (!IsDigitByte(byte)) return false;
  }
  return true;
}

std::string_view Trimmed(std::string_view value) {
  while (!value.empty() && static_cast<unsigned char>(value.front()) <= 32) value.remove_prefix(1);
  while (!value.empty() && static_cast<unsigned char>(value.back()) <= 32) value.remove_suffix(1);
  return value;
}

bool IsLeap(std::int32_t year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

bool NatureRuleApplies(const std::string& table, const std::string& name) {
  return (table == "E_extrato_bancario" || table == "O_origem_destino_recursos") &&
         (name == " natureza_lancamento" || name == "natureza_lancamento");
}

bool IsAccountTypeName(const std::string& name) {
  return name == " tipo_de_conta" || name == "tipo_de_conta" || name == " tipo_conta" || name == "tipo_conta";
}

bool IsDigitsOnlyName(const std::string& name) {
  return name == " numero_banco" || name == " numero_agencia" || name == " num_banco" || name == " num_agencia" ||
         name == " num_conta" || name == "codigo_chave_extrato";
}

bool IsMoneyName(const std::string& name) { return name == " valor_lancamento" || name == "valor_documento"; }

bool HolderTypeAccepted(std::string_view value) {
  if (value.empty()) return false;
  const char first = value[0];
  return IsDigitByte(first) || first == 'L' || first == 'O' || first == 'P' || first == 'R' || first == 'T';
}

bool AccountTypeAccepted(std::string_view value) {
  std::int32_t number = 0;
  return TryStrToInt(value, number) && number >= 1 && number <= 4;
}

std::string TextRule(std::string_view value, const std::string& name, std::string message) {
  if (IsDigitsOnlyName(name)) {
    if (!OnlyDigits(value)) return kCaracteresCampo + name;
  } else if (Trimmed(value) != value) {
    return kEspacos + name;
  }
  return message;
}

std::string NumericRule(std::string_view value, const std::string& name, const std::string& table,
                        std::size_t position, std::string message) {
  if (HasLetter(value) || HasByte(value, '.') || HasByte(value, ' ')) return kCaracteresNumerico + name;
  if (!value.empty() && !IsMoneyName(name)) return message;
  if (HasByte(value, ',')) return message;
  if (table == "B_cad_deposit_favorecidos" && position >= 22 && position <= 27) return message;
  return kNumericoVazio;
}

std::string DateRule(std::string_view value, std::string message) {
  if (HasLetter(value)) return kCaracteresData;
  if (value.empty() || value == "        ") return message;
  const std::string calendar = Date(value);
  return calendar.empty() ? message : calendar;
}

}  // namespace

std::vector<std::string> SplitAtTabs(std::string_view line) {
  std::vector<std::string> fields(1);
  for (const char byte : line) {
    if (byte == '\t') {
      fields.emplace_back();
    } else {
      fields.back() += byte;
    }
  }
  return fields;
}

std::vector<std::string> Split(std::string_view line, RecordTypeIndex type) {
  std::vector<std::string> fields = SplitAtTabs(line);
  if (static_cast<int>(fields.size()) != LayoutCatalogue::Instance().QtdeCampos(type)) return {};
  return fields;
}

std::string Date(std::string_view value) {
  if (value.size() != 8 && value.size() != 7) return kTamanhoData;
  const std::size_t dayLength = value.size() - 6;
  std::int32_t day = 0;
  std::int32_t month = 0;
  std::int32_t year = 0;
  if (!TryStrToInt(value.substr(0, dayLength), day) || !TryStrToInt(value.substr(dayLength, 2), month) ||
      !TryStrToInt(value.substr(dayLength + 2), year)) {
    return kCaracteresData;
  }
  if (month > 12) return kMes;
  std::int32_t lastDay = 0;
  if (month == 1 || month == 3 || month == 5 || month == 7 || month == 8 || month == 10 || month == 12) lastDay = 31;
  if (month == 4 || month == 6 || month == 9 || month == 11) lastDay = 30;
  if (month == 2) lastDay = IsLeap(year) ? 29 : 28;
  if (lastDay != 0 && day > lastDay) return kDia;
  return "";
}

std::string Check(const std::vector<std::string>& values, RecordTypeIndex type) {
  const LayoutCatalogue& catalogue = LayoutCatalogue::Instance();
  const int count = catalogue.QtdeCampos(type);
  const std::string table(catalogue.NomeTabela(type));
  const std::vector<std::string> names = SplitLayoutList(catalogue.ListaCampos(type), count);
  const std::vector<std::string> codes = SplitLayoutList(catalogue.ListaTipos(type), count);
  const std::vector<std::string> sizes = SplitLayoutList(catalogue.ListaTamanhos(type), count);
  std::string message;
  for (std::size_t i = 0; i < static_cast<std::size_t>(count); ++i) {
    const std::string& value = values.at(i);
    const std::string& name = names[i];
    if (NatureRuleApplies(table, name) && value != "C" && value != "D") message = kNatureza;
    if (IsAccountTypeName(name) && !AccountTypeAccepted(value)) message = kTipoConta;
    if (name == " tipo_de_titular" && !HolderTypeAccepted(value)) return kTipoTitular;
    if (static_cast<std::int64_t>(value.size()) > StrToInt(sizes[i])) {
      message = kTamanho + name;
      continue;
    }
    if (OnlyBlanks(value)) message = kSomenteEspacos + name;
    if (codes[i] == "S") message = TextRule(value, name, message);
    if (codes[i] == "N") message = NumericRule(value, name, table, i, message);
    if (codes[i] == "D") message = DateRule(value, message);
  }
  return message;
}

}  // namespace validador::reference
