// The result report written as PDF and read back: texts, values, their places on the
// page, the digest lines, a log that runs over several pages, empty values, A4 paper.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <sstream>

#include "branding/Branding.h"
#include "report/ExemploResultado.h"
#include "report/PdfReader.h"
#include "report/Relatorio.h"
#include "support/TempDir.h"

namespace validador {
namespace {

using reporttest::DigestDe;
using reporttest::ExemploResultado;
using reporttest::LogDe;
using reporttest::PdfLines;
using reporttest::PdfWord;
using reporttest::PdfWords;
using reporttest::Utf8;

using Tokens = std::vector<std::string>;

// Where the bands lie on the page (mm from the top-left corner of the paper) for a log
// short enough not to make the detail band grow.
constexpr double kLeftEdge = 5.0;
constexpr double kTitleTop = 10.0;
constexpr double kDetailTop = kTitleTop + 27.6;
constexpr double kSummaryTop = kDetailTop + 40.8;
constexpr double kPageBottom = 297.0 - 10.0;
constexpr double kPositionToleranceMm = 0.6;

Tokens TokensOf(const std::string& text) {
  Tokens tokens;
  std::istringstream stream(text);
  for (std::string token; stream >> token;) tokens.push_back(token);
  return tokens;
}

Tokens Joined(Tokens first, const Tokens& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

// The line of `lines` whose first words are those of `label`, as words; empty if none.
Tokens LineOf(const std::vector<std::string>& lines, const std::string& label) {
  const Tokens labelTokens = TokensOf(label);
  for (const std::string& line : lines) {
    const Tokens tokens = TokensOf(line);
    if (tokens.size() >= labelTokens.size() &&
        std::equal(labelTokens.begin(), labelTokens.end(), tokens.begin()))
      return tokens;
  }
  return {};
}

bool IsDigestWord(const std::string& text) {
  return text.size() >= 16 && text.find_first_not_of("0123456789ABCDEF") == std::string::npos;
}

std::vector<PdfWord> DigestWords(const std::vector<PdfWord>& words) {
  std::vector<PdfWord> found;
  std::copy_if(words.begin(), words.end(), std::back_inserter(found),
               [](const PdfWord& word) { return IsDigestWord(word.text); });
  return found;
}

const PdfWord* FindWord(const std::vector<PdfWord>& words, const std::string& text) {
  const auto found = std::find_if(words.begin(), words.end(),
                                  [&](const PdfWord& word) { return word.text == text; });
  return found == words.end() ? nullptr : &*found;
}

class ResultadoPdf : public ::testing::Test {
 protected:
  // Writes the report of `dados` and gives the PDF file's path.
  std::string Salva(const DadosResultado& dados) {
    const std::string path = dir_.File("Resultado.pdf");
    QString erro;
    EXPECT_TRUE(SalvaRelatorioPdf(dados, QString::fromStdString(path), &erro)) << Utf8(erro);
    EXPECT_TRUE(erro.isEmpty());
    return path;
  }

  testsupport::TempDir dir_;
};

TEST_F(ResultadoPdf, PrintsEveryFixedTextWithItsValue) {
  const DadosResultado dados = ExemploResultado();
  const std::vector<std::string> lines = PdfLines(Salva(dados));

  for (int i = 1; i <= 4; ++i)
    EXPECT_EQ(LineOf(lines, Utf8(HeadingLine(i))), TokensOf(Utf8(HeadingLine(i)))) << i;
  EXPECT_EQ(LineOf(lines, "Arquivo gerado"), TokensOf("Arquivo gerado automaticamente."));
  // The example's 7 March 2024, 09:05:03, whatever the locale.
  EXPECT_EQ(LineOf(lines, "Em"), TokensOf("Em 07/03/2024"));
  EXPECT_EQ(LineOf(lines, "Às"), TokensOf("Às 09:05:03"));
  EXPECT_EQ(LineOf(lines, "Número de referência:"),
            Joined(TokensOf("Número de referência:"), TokensOf(Utf8(dados.numCaso))));
  EXPECT_EQ(LineOf(lines, "Verificação"), TokensOf(Utf8(dados.linhasLog.first())));
  EXPECT_EQ(LineOf(lines, "Algorítimo:"), TokensOf("Algorítimo: md5"));
  EXPECT_EQ(LineOf(lines, "Hash:"), Joined(TokensOf("Hash:"), TokensOf(Utf8(dados.digest))));
  EXPECT_EQ(LineOf(lines, "Responsável:"),
            Joined(TokensOf("Responsável:"), TokensOf(Utf8(dados.nomeAnalista))));
  EXPECT_EQ(LineOf(lines, "Email:"), Joined(TokensOf("Email:"), TokensOf(Utf8(dados.emailContato))));
  EXPECT_EQ(LineOf(lines, "Telefone:"),
            Joined(TokensOf("Telefone:"), TokensOf(Utf8(dados.telContato))));
}

struct Placement {
  const char* word;  // first word of the element
  double left, top;  // mm from the paper's top-left corner
};

void PrintTo(const Placement& placement, std::ostream* out) {
  *out << placement.word << " at " << placement.left << ", " << placement.top << " mm";
}

class ResultadoPlacement : public ResultadoPdf, public ::testing::WithParamInterface<Placement> {
};

TEST_P(ResultadoPlacement, PutsTheElementAtItsPosition) {
  const Placement& expected = GetParam();
  const std::vector<PdfWord> words = PdfWords(Salva(ExemploResultado()));
  const PdfWord* word = FindWord(words, expected.word);
  ASSERT_NE(word, nullptr) << expected.word;
  EXPECT_EQ(word->page, 1);
  EXPECT_NEAR(word->left, expected.left, kPositionToleranceMm) << expected.word;
  EXPECT_NEAR(word->top, expected.top, kPositionToleranceMm) << expected.word;
}

INSTANTIATE_TEST_SUITE_P(
    Elements, ResultadoPlacement,
    ::testing::Values(Placement{"SERVIÇO", kLeftEdge + 26.0, kTitleTop + 2.6},
                      Placement{"Coordenação", kLeftEdge + 26.0, kTitleTop + 8.4},
                      Placement{"Divisão", kLeftEdge + 26.0, kTitleTop + 14.6},
                      Placement{"Sistema", kLeftEdge + 26.0, kTitleTop + 20.7},
                      Placement{"Arquivo", kLeftEdge + 1.3, kDetailTop + 1.1},
                      Placement{"Em", kLeftEdge + 1.3, kDetailTop + 6.4},
                      Placement{"Às", kLeftEdge + 1.3, kDetailTop + 11.0},
                      Placement{"Número", kLeftEdge + 1.3, kDetailTop + 20.7},
                      Placement{"2024-000123", kLeftEdge + 39.9, kDetailTop + 20.7},
                      Placement{"Verificação", kLeftEdge + 4.9, kDetailTop + 33.5},
                      Placement{"Algorítimo:", kLeftEdge + 1.3, kSummaryTop + 1.5},
                      Placement{"md5", kLeftEdge + 18.7, kSummaryTop + 1.5},
                      Placement{"Hash:", kLeftEdge + 1.3, kSummaryTop + 6.8},
                      Placement{"Responsável:", kLeftEdge + 57.3, kSummaryTop + 27.8},
                      Placement{"Maria", kLeftEdge + 82.0, kSummaryTop + 27.8},
                      Placement{"Email:", kLeftEdge + 57.3, kSummaryTop + 33.1},
                      Placement{"maria.souza@banco.example", kLeftEdge + 82.0,
                                kSummaryTop + 33.1},
                      Placement{"Telefone:", kLeftEdge + 57.3, kSummaryTop + 37.7},
                      Placement{"(61)", kLeftEdge + 82.0, kSummaryTop + 37.7}));

class ResultadoHashLines : public ResultadoPdf, public ::testing::WithParamInterface<int> {};

// A digest prints 64 characters on the first hash line and the rest on the second,
// which prints only for digests longer than 64 characters.
TEST_P(ResultadoHashLines, SplitsTheDigestAfter64Characters) {
  DadosResultado dados = ExemploResultado();
  dados.digest = DigestDe(GetParam());
  const std::vector<PdfWord> digestWords = DigestWords(PdfWords(Salva(dados)));

  const bool twoLines = dados.digest.size() > 64;
  ASSERT_EQ(digestWords.size(), twoLines ? 2u : 1u);
  EXPECT_EQ(digestWords[0].text, Utf8(dados.digest.left(64)));
  EXPECT_NEAR(digestWords[0].left, kLeftEdge + 18.7, kPositionToleranceMm);
  EXPECT_NEAR(digestWords[0].top, kSummaryTop + 6.8, kPositionToleranceMm);
  if (!twoLines) return;
  EXPECT_EQ(digestWords[1].text, Utf8(dados.digest.mid(64)));
  EXPECT_NEAR(digestWords[1].left, kLeftEdge + 18.7, kPositionToleranceMm);
  EXPECT_NEAR(digestWords[1].top, kSummaryTop + 12.1, kPositionToleranceMm);
}

INSTANTIATE_TEST_SUITE_P(DigestLengths, ResultadoHashLines,
                         ::testing::Values(32, 40, 48, 64, 96, 128));

TEST_F(ResultadoPdf, PrintsNoDigestWhenItIsEmpty) {
  DadosResultado dados = ExemploResultado();
  dados.digest.clear();
  const std::string path = Salva(dados);
  EXPECT_EQ(LineOf(PdfLines(path), "Hash:"), TokensOf("Hash:"));
  EXPECT_TRUE(DigestWords(PdfWords(path)).empty());
}

TEST_F(ResultadoPdf, PrintsEmptyReferenceAndContactsAsBareLabels) {
  DadosResultado dados = ExemploResultado();
  dados.numCaso.clear();
  dados.nomeAnalista.clear();
  dados.emailContato.clear();
  dados.telContato.clear();
  const std::vector<std::string> lines = PdfLines(Salva(dados));
  EXPECT_EQ(LineOf(lines, "Número de referência:"), TokensOf("Número de referência:"));
  EXPECT_EQ(LineOf(lines, "Responsável:"), TokensOf("Responsável:"));
  EXPECT_EQ(LineOf(lines, "Email:"), TokensOf("Email:"));
  EXPECT_EQ(LineOf(lines, "Telefone:"), TokensOf("Telefone:"));
}

// 150 lines of log: the detail band runs over three pages; every line prints once, in
// order, inside the printable area; the summary follows the last line.
TEST_F(ResultadoPdf, ContinuesALongLogOnFurtherPages) {
  DadosResultado dados = ExemploResultado();
  dados.linhasLog = LogDe(150);
  const std::string path = Salva(dados);
  EXPECT_EQ(reporttest::ReadPdfInfo(path).pages, 3);

  std::vector<std::string> expected;
  for (const QString& line : dados.linhasLog) expected.push_back(Utf8(line));
  std::vector<std::string> logLines;
  const std::vector<std::string> lines = PdfLines(path);
  for (const std::string& line : lines) {
    if (line.rfind("Linha ", 0) == 0) logLines.push_back(line);
  }
  EXPECT_EQ(logLines, expected);

  const auto lastLog = std::find(lines.begin(), lines.end(), expected.back());
  const auto summary = std::find_if(lines.begin(), lines.end(), [](const std::string& line) {
    return line.rfind("Algorítimo:", 0) == 0;
  });
  ASSERT_NE(summary, lines.end());
  EXPECT_LT(lastLog, summary);

  const std::vector<PdfWord> words = PdfWords(path);
  for (const PdfWord& word : words) {
    EXPECT_GE(word.top, kTitleTop - kPositionToleranceMm) << word.text << " p" << word.page;
    EXPECT_LE(word.bottom, kPageBottom + kPositionToleranceMm) << word.text << " p" << word.page;
  }
  EXPECT_EQ(FindWord(words, "Algorítimo:")->page, 3);
  EXPECT_EQ(std::count_if(words.begin(), words.end(),
                          [](const PdfWord& word) { return word.text == "SERVIÇO"; }),
            1);
}

// A log line wider than the column wraps at a blank: no word is lost or cut.
TEST_F(ResultadoPdf, WrapsALogLineWiderThanTheColumn) {
  DadosResultado dados = ExemploResultado();
  QString longLine;
  for (int i = 1; i <= 40; ++i) longLine += QStringLiteral("campo%1 ").arg(i);
  dados.linhasLog = {longLine.trimmed(), QStringLiteral("depois")};
  const std::vector<PdfWord> words = PdfWords(Salva(dados));

  double lastTop = 0;
  for (int i = 1; i <= 40; ++i) {
    const PdfWord* word = FindWord(words, "campo" + std::to_string(i));
    ASSERT_NE(word, nullptr) << i;
    EXPECT_LE(word->right, kLeftEdge + 4.9 + 197.3 + kPositionToleranceMm) << i;
    lastTop = word->top;
  }
  EXPECT_GT(lastTop, FindWord(words, "campo1")->top + 3.0);
  EXPECT_GT(FindWord(words, "depois")->top, lastTop + 3.0);
}

TEST_F(ResultadoPdf, IsOnA4PortraitPaper) {
  const reporttest::PdfInfo info = reporttest::ReadPdfInfo(Salva(ExemploResultado()));
  EXPECT_EQ(info.pages, 1);
  EXPECT_NEAR(info.widthPoints, 595.28, 0.5);
  EXPECT_NEAR(info.heightPoints, 841.89, 0.5);
}

TEST_F(ResultadoPdf, ReportsAFileThatCannotBeWritten) {
  const QString path = QString::fromStdString(dir_.File("missing-folder/Resultado.pdf"));
  QString erro;
  EXPECT_FALSE(SalvaRelatorioPdf(ExemploResultado(), path, &erro));
  EXPECT_TRUE(erro.contains(path)) << Utf8(erro);
  EXPECT_FALSE(QFileInfo::exists(path));
}

}  // namespace
}  // namespace validador
