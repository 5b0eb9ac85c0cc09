// The report's data taken from a check: values converted from the engine's code page,
// the log's lines as given, the date and time of the call.

#include <gtest/gtest.h>

#include <QDateTime>

#include "resultado/DadosDaCarga.h"

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

}  // namespace
}  // namespace validador
