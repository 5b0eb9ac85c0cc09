#pragma once
// Records of every type, mostly plausible, some damaged in the ways the rules tell apart:
// odd bytes, tabs, blanks, commas, full stops, letters, accented and high bytes, signs,
// empty and long values, eight blanks, awkward dates.

#include <algorithm>
#include <array>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "base/StrToInt.h"
#include "layout/UGlobal.h"

namespace validador::samples {

// Bytes that the rules treat differently, each one a few times more likely than
// an arbitrary byte.
inline constexpr std::string_view kTellingBytes =
    "0123456789 \t,.-/+$xXCDLOPRTacz@[`{\xE7\xC7\xE9\x80\xA0\xFF\x01\x1F\x7F:";

inline const std::vector<std::string> kSpecialValues = {
    "",         " ",        "        ", "  ",       "C",        "D",        "c",        "1",
    "4",        "0",        "5",        "+1",       " 1",       "01",       "$1",       "x1",
    "29022000", "29021900", "29022008", "29022007", "31042007", "30042007", "01132007", "1052007",
    "00002007", "99002007", "01002007", "32012000", " 1012007", "+1012007", "-1012007", "$1012007",
    "0101$7D0", "01/01/07", "1 012007", "0101 007", "01012007 ", ",",       "100,50",   "1.000,00",
    "12-3/4,5", "\xE7",     "0 1",      "12a",      "\t",       "\xA0x\xA0"};

class RecordMaker {
 public:
  explicit RecordMaker(std::uint64_t seed) : random_(seed) {}

  // The values of one record of the type, mostly plausible, some damaged.
  std::vector<std::string> Values(RecordTypeIndex type) {
    const LayoutCatalogue& catalogue = LayoutCatalogue::Instance();
    const int count = catalogue.QtdeCampos(type);
    const std::vector<std::string> names = SplitLayoutList(catalogue.ListaCampos(type), count);
    const std::vector<std::string> codes = SplitLayoutList(catalogue.ListaTipos(type), count);
    const std::vector<std::string> sizes = SplitLayoutList(catalogue.ListaTamanhos(type), count);
    const bool damaged = Below(4) != 0;
    std::vector<std::string> values;
    for (int i = 0; i < count; ++i) {
      const int limit = StrToInt(sizes[i]);
      std::string value = i == 0 ? std::string(1, catalogue.LetraTipo(type)) : Plausible(names[i], codes[i], limit);
      if (damaged && Below(6) == 0) value = Damaged(std::move(value), limit);
      values.push_back(std::move(value));
    }
    return values;
  }

  // The record's line; now and then with a tab too many or too few.
  std::string Line(const std::vector<std::string>& values) {
    std::string line;
    for (std::size_t i = 0; i < values.size(); ++i) line += (i == 0 ? "" : "\t") + values[i];
    if (Below(40) == 0) line.insert(Below(static_cast<int>(line.size()) + 1), 1, '\t');
    if (Below(40) == 0) {
      const std::size_t tab = line.find('\t', Below(static_cast<int>(line.size()) + 1));
      if (tab != std::string::npos) line.erase(tab, 1);
    }
    return line;
  }

  // Bytes of a date-like value of 0 to 9 characters.
  std::string DateLike() {
    if (Below(3) == 0) return kSpecialValues[Below(static_cast<int>(kSpecialValues.size()))];
    std::string value = Below(2) == 0 ? Date() : RandomBytes(Below(10));
    if (!value.empty() && Below(3) == 0) value[Below(static_cast<int>(value.size()))] = TellingByte();
    return value;
  }

  int Below(int n) { return static_cast<int>(random_() % static_cast<unsigned>(n)); }

 private:
  std::string Digits(int length) {
    std::string text;
    for (int i = 0; i < length; ++i) text += static_cast<char>('0' + Below(10));
    return text;
  }

  std::string Words(int limit) {
    static const std::array<const char*, 6> kWords = {"Deposito", "TED", "Pagamento", "Saque", "Juros",
                                                      "Transfer\xEAncia"};
    std::string text = kWords[Below(6)];
    while (Below(3) != 0) text += std::string(" ") + kWords[Below(6)];
    return text.substr(0, std::max(1, Below(limit + 1)));
  }

  std::string Date() {
    char text[12];
    const int day = Below(8) == 0 ? Below(100) : 1 + Below(31);
    const int month = Below(8) == 0 ? Below(100) : 1 + Below(12);
    std::snprintf(text, sizeof text, Below(5) == 0 ? "%d%02d%04d" : "%02d%02d%04d", day, month, 1890 + Below(140));
    return text;
  }

  std::string Plausible(const std::string& name, const std::string& code, int limit) {
    if (name.find("natureza") != std::string::npos) return Below(2) == 0 ? "C" : "D";
    if (name.find("tipo_de_conta") != std::string::npos || name.find("tipo_conta") != std::string::npos) {
      return std::string(1, static_cast<char>('1' + Below(4)));
    }
    if (name.find("tipo_de_titular") != std::string::npos) return std::string(1, "LOPRT7"[Below(6)]);
    if (name.find("num") != std::string::npos || name.find("codigo_chave") != std::string::npos) {
      return Digits(1 + Below(limit));
    }
    if (code == "N") return Below(2) == 0 ? Digits(1 + Below(std::max(1, limit - 3))) + "," + Digits(2) : Digits(1 + Below(limit));
    if (code == "D") return Below(6) == 0 ? "" : Date();
    return Below(8) == 0 ? "" : Words(limit);
  }

  char TellingByte() {
    if (Below(5) == 0) return static_cast<char>(Below(256));
    return kTellingBytes[Below(static_cast<int>(kTellingBytes.size()))];
  }

  std::string RandomBytes(int length) {
    std::string text;
    for (int i = 0; i < length; ++i) text += TellingByte();
    return text;
  }

  std::string Damaged(std::string value, int limit) {
    switch (Below(7)) {
      case 0:
        return kSpecialValues[Below(static_cast<int>(kSpecialValues.size()))];
      case 1:
        return RandomBytes(Below(limit + 3));
      case 2:
        return RandomBytes(Below(130));
      case 3:
        return std::string(limit + Below(2), Below(2) == 0 ? '1' : ' ');
      case 4:
        value.insert(Below(static_cast<int>(value.size()) + 1), 1, TellingByte());
        return value;
      case 5:
        if (!value.empty()) value.erase(Below(static_cast<int>(value.size())), 1);
        return value;
      default:
        if (!value.empty()) value[Below(static_cast<int>(value.size()))] = TellingByte();
        return value;
    }
  }

  std::mt19937_64 random_;
};

}  // namespace validador::samples
