// The report's data taken from a check: values converted from the engine's code page,
// the log's lines as given, the date and time of the call.

#include <gtest/gtest.h>

#include <QDateTime>

#include "resultado/DadosDaCarga.h"
#include "qttexts/QtTexts.h"

namespace validador {
namespace {

TEST(DadosDaCarga, TakesTheCheckValuesAsQtText) {
  Carga carga;
  carga.cbHashText = "sha256";
  carga.NumCaso = "2024.0042-7";
  carga.NumBanco = "987";
  carga.NomeAnalista = "Fernanda Ara\xFAjo Lins";
  carga.EmailContato = "fernanda.lins@cerrado.example";
  carga.TelContato = "6133221100";
  const QStringList linhasLog = {QString::fromUtf16(u"Verifica\u00E7\u00E3o"), QString()};

  const QDateTime before = QDateTime::currentDateTime();
  const DadosResultado dados = DadosDaCarga(carga, linhasLog, "0A1B2C");
  const QDateTime after = QDateTime::currentDateTime();

  EXPECT_EQ(dados.linhasLog, linhasLog);
  EXPECT_EQ(dados.digest, QStringLiteral("0A1B2C"));
  EXPECT_EQ(dados.algoritmo, QStringLiteral("sha256"));
  EXPECT_EQ(dados.numCaso, QStringLiteral("2024.0042-7"));
  EXPECT_EQ(dados.nomeAnalista, QString::fromUtf16(u"Fernanda Ara\u00FAjo Lins"));
  EXPECT_EQ(dados.emailContato, QStringLiteral("fernanda.lins@cerrado.example"));
  EXPECT_EQ(dados.telContato, QStringLiteral("6133221100"));
  // Date and time are read one after the other, so each lies within the call.
  EXPECT_GE(dados.data, before.date());
  EXPECT_LE(dados.data, after.date());
  EXPECT_TRUE(dados.hora.isValid());
  if (before.date() == after.date()) {
    EXPECT_GE(dados.hora, before.time());
    EXPECT_LE(dados.hora, after.time());
  }
}

TEST(DadosDaCarga, EmptyDigestAndValuesStayEmpty) {
  Carga carga;
  const DadosResultado dados = DadosDaCarga(carga, {}, "");
  EXPECT_TRUE(dados.digest.isEmpty());
  EXPECT_TRUE(dados.numCaso.isEmpty());
  EXPECT_TRUE(dados.nomeAnalista.isEmpty());
  EXPECT_TRUE(dados.linhasLog.isEmpty());
}

// Every value read from the delivery is shown up to 200 characters; a longer one is cut
// there and ends in an ellipsis, however long the file had it.
struct CutCase {
  const char* name;
  std::string Carga::*value;
  QString DadosResultado::*shown;
};

class DadosDaCargaCut : public ::testing::TestWithParam<CutCase> {};

TEST_P(DadosDaCargaCut, LongValueIsCutAt200CharactersWithAnEllipsis) {
  const CutCase& c = GetParam();
  const std::string letters = "Ara\xFAjo ";  // a Windows-1252 byte among them
  const auto valueOfLength = [&](std::size_t length) {
    std::string value;
    while (value.size() < length) value += letters;
    value.resize(length);
    return value;
  };
  for (const std::size_t length : {std::size_t{0}, std::size_t{199}, std::size_t{200}}) {
    Carga carga;
    carga.*c.value = valueOfLength(length);
    EXPECT_EQ(DadosDaCarga(carga, {}, "").*c.shown, FromCp1252(carga.*c.value)) << length;
  }
  for (const std::size_t length : {std::size_t{201}, std::size_t{1} << 20}) {
    Carga carga;
    carga.*c.value = valueOfLength(length);
    const QString shown = DadosDaCarga(carga, {}, "").*c.shown;
    EXPECT_EQ(shown, FromCp1252(valueOfLength(200)) + QChar(0x2026)) << length;
    EXPECT_EQ(shown.size(), 201);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Values, DadosDaCargaCut,
    ::testing::Values(CutCase{"NumCaso", &Carga::NumCaso, &DadosResultado::numCaso},
                      CutCase{"NomeAnalista", &Carga::NomeAnalista, &DadosResultado::nomeAnalista},
                      CutCase{"EmailContato", &Carga::EmailContato, &DadosResultado::emailContato},
                      CutCase{"TelContato", &Carga::TelContato, &DadosResultado::telContato},
                      CutCase{"Algoritmo", &Carga::cbHashText, &DadosResultado::algoritmo}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace validador
