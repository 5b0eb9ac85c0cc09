#pragma once
// Valid records of every type, field by field, and a helper that checks a record
// with some of its fields changed. Messages come back as Windows-1252 bytes.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "validation/rules/ValidaCampos.h"

namespace validador::samples {

using Values = std::vector<std::string>;
using Change = std::pair<int, std::string>;  // field position, new value

// The rules' texts, byte for byte in Windows-1252 (0xE1 a-acute, 0xE7 c-cedilla,
// 0xE9 e-acute, 0xEA e-circumflex, 0xED i-acute).
namespace msg {
inline const std::string kNatureza = "Natureza lan\xE7" "amento inv\xE1lida ";
inline const std::string kTipoConta = "Tipo de conta inv\xE1lida ";
inline const std::string kTipoTitular = "Tipo de titular inv\xE1lido";
inline const std::string kTamanho = "O tamanho do campo no arquivo \xE9 maior que na tabela; Campo: ";
inline const std::string kSomenteEspacos = "O campo possui somente espa\xE7os, ";
inline const std::string kCaracteresCampo = "Caracteres, ponto ou espa\xE7os no campo ";
inline const std::string kEspacos = "Espa\xE7os no in\xED" "cio / final do campo ";
inline const std::string kCaracteresNumerico = "Caracteres, ponto ou espa\xE7os em campo num\xE9rico; Campo: ";
inline const std::string kNumericoVazio = "Campo num\xE9rico vazio / Campo sem v\xEDrgula";
inline const std::string kCaracteresData = "Caracteres em campo de data";
inline const std::string kTamanhoData = "Tamanho de data inv\xE1lido";
inline const std::string kMes = "M\xEAs inv\xE1lido";
inline const std::string kDia = "Dia inv\xE1lido";
}  // namespace msg

inline Values ValidRecord(RecordTypeIndex type) {
  switch (type) {
    case rtA:
      return {"A", "001", "0001", "Agencia Centro", "Rua A, 1", "Cidade", "SP", "01000000",
              "1133334444", "", "", "01012000", ""};
    case rtB:
    case rtT:
      return {std::string(1, type == rtB ? 'B' : 'T'),
              "001", "0001", "12345", "T1", "1", "T", "Fulano de Tal", "F", "12345678901", "RG",
              "123", "01012000", "SP", "SSP", "Rua B", "Cidade", "SP", "01000000", "1133334444",
              "", "", "1000,00", "01012000", "2000,00", "", "3000,00", "", "Ativ", "Pai", "Mae"};
    case rtC:
      return {"C", "001", "0001", "12345", "1", "01012000", ""};
    case rtE:
      return {"E", "001", "0001", "12345", "1", "123", "Deposito", "15032007", "123", "100,50", "C"};
    case rtI:
      return {"I", "CASO 1", "001", "Banco", "01012007", "Analista", "1133334444", "a@b.c",
              "1", "2", "3", "4", "1", "5", "6", "7"};
    case rtO:
      return {"O", "001", "0001", "12345", "1", "123", "12345678901", "Nome", "", "", "", "",
              "341", "0001", "54321", "DOC1", "100,00", "D", "obs"};
    case rtY:
      return {"Y", "001", "OBS1", "texto"};
  }
  return {};
}

inline const TLayoutCampos& LayoutOf(RecordTypeIndex type) {
  static const std::array<TLayoutCampos, kRecordTypeCount> layouts = [] {
    std::array<TLayoutCampos, kRecordTypeCount> all;
    for (int t = 0; t < kRecordTypeCount; ++t) all[t] = MontaListasLayout(static_cast<RecordTypeIndex>(t));
    return all;
  }();
  return layouts[type];
}

// MensagemErro of the valid record of `type` after the changes ("" when it passes).
inline std::string CheckWith(RecordTypeIndex type, const std::vector<Change>& changes) {
  Values values = ValidRecord(type);
  for (const auto& [position, value] : changes) values.at(position) = value;
  TRetorno fields(values.begin(), values.end());
  fields.resize(35);
  std::string MensagemErro;
  const bool valid = ValidaRegistro(fields, LayoutOf(type), MensagemErro);
  EXPECT_EQ(valid, MensagemErro.empty());
  return MensagemErro;
}

}  // namespace validador::samples
