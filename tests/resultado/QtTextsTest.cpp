// The engine's Windows-1252 texts and paths as Qt strings, and back.

#include <gtest/gtest.h>

#include "platform/Paths.h"
#include "qttexts/QtTexts.h"

namespace validador {
namespace {

struct TextCase {
  const char* cp1252;
  const char16_t* shown;
};

class QtTextsRoundTrip : public ::testing::TestWithParam<TextCase> {};

TEST_P(QtTextsRoundTrip, ConvertsBothWays) {
  const TextCase& c = GetParam();
  EXPECT_EQ(FromCp1252(c.cp1252), QString::fromUtf16(c.shown));
  EXPECT_EQ(ToCp1252(QString::fromUtf16(c.shown)), c.cp1252);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, QtTextsRoundTrip,
    ::testing::Values(TextCase{"", u""}, TextCase{"ERRO!", u"ERRO!"},
                      TextCase{"Fim da Verifica\xE7\xE3o", u"Fim da Verifica\u00E7\u00E3o"},
                      TextCase{"N.\xBA de Registros", u"N.\u00BA de Registros"},
                      TextCase{"\x80 \x96 \x93x\x94", u"\u20AC \u2013 \u201Cx\u201D"}));

TEST(QtTexts, TextOutsideTheCodePageBecomesQuestionMarks) {
  EXPECT_EQ(ToCp1252(QString::fromUtf16(u"a\u4E2Db")), "a?b");
}

// (in the engine's form: the system's separators)
TEST(QtTexts, PathsKeepTheirBytes) {
  const std::string sep(1, platform::kPathSeparator);
  const std::string path = sep + "tmp" + sep + "entrega \xC3\xA7\xC3\xA3o" + sep +
                           "I_IDENTIFICA_DADOS.txt";  // UTF-8 bytes
  EXPECT_EQ(FromPath(path), QString::fromUtf16(u"/tmp/entrega \u00E7\u00E3o/I_IDENTIFICA_DADOS.txt"));
  EXPECT_EQ(ToPath(FromPath(path)), path);
}

// Qt's side keeps '/', the engine's side the system's separator: on Windows '\' both
// ways (a path Qt gives with both kinds reaches the engine with '\' only); elsewhere
// '\' is a character of a name and stays.
struct SeparatorCase {
  const char* qt;      // as Qt writes it (UTF-8)
  const char* engine;  // as the engine gets it
};

class PathSeparators : public ::testing::TestWithParam<SeparatorCase> {};

TEST_P(PathSeparators, QtFormInsideTheSystemsFormForTheEngine) {
  const QString qt = QString::fromUtf8(GetParam().qt);
  EXPECT_EQ(ToPath(qt), GetParam().engine);
  EXPECT_EQ(FromPath(GetParam().engine), qt);
}

#ifdef _WIN32
INSTANTIATE_TEST_SUITE_P(
    Windows, PathSeparators,
    ::testing::Values(SeparatorCase{"C:/Entregas/Caso 1", "C:\\Entregas\\Caso 1"},
                      SeparatorCase{"Z:/tmp/entrega/Y_OBSERVACOES.txt", "Z:\\tmp\\entrega\\Y_OBSERVACOES.txt"},
                      SeparatorCase{"//servidor/pasta/\xC3\xA7", "\\\\servidor\\pasta\\\xC3\xA7"},
                      SeparatorCase{"C:/", "C:\\"}, SeparatorCase{"", ""}));

TEST(QtTexts, MixedSeparatorsReachTheEngineAsOne) {
  EXPECT_EQ(ToPath(QStringLiteral("Z:/tmp/entrega\\Y_OBSERVACOES.txt")), "Z:\\tmp\\entrega\\Y_OBSERVACOES.txt");
}
#else
INSTANTIATE_TEST_SUITE_P(
    Posix, PathSeparators,
    ::testing::Values(SeparatorCase{"/tmp/entrega/Y_OBSERVACOES.txt", "/tmp/entrega/Y_OBSERVACOES.txt"},
                      SeparatorCase{"/tmp/a\\b", "/tmp/a\\b"}, SeparatorCase{"/", "/"},
                      SeparatorCase{"", ""}));
#endif

}  // namespace
}  // namespace validador
