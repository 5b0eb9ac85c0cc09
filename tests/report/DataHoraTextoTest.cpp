#include <gtest/gtest.h>

#include "report/DataHoraTexto.h"

namespace validador {
namespace {

struct FormatCase {
  const char* format;
  const char* withoutZone;
};

class FormatWithoutZone : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatWithoutZone, DropsTheZoneFieldAndItsBlanks) {
  EXPECT_EQ(FormatoSemFusoHorario(QString::fromUtf8(GetParam().format)),
            QString::fromUtf8(GetParam().withoutZone));
}

INSTANTIATE_TEST_SUITE_P(
    Formats, FormatWithoutZone,
    ::testing::Values(FormatCase{"HH:mm:ss t", "HH:mm:ss"}, FormatCase{"h:mm:ss AP t", "h:mm:ss AP"},
                      FormatCase{"t HH:mm:ss", "HH:mm:ss"}, FormatCase{"HH:mm:ss tttt", "HH:mm:ss"},
                      FormatCase{"HH'h' 'at' mm t", "HH'h' 'at' mm"},
                      FormatCase{"HH:mm:ss", "HH:mm:ss"}));

TEST(TextoHora, WritesTheLongTimeFormatWithoutTheZone) {
  EXPECT_EQ(TextoHora(QTime(9, 5, 3), QLocale(QLocale::Portuguese, QLocale::Brazil)),
            QStringLiteral("09:05:03"));
  EXPECT_EQ(TextoHora(QTime(21, 5, 3), QLocale(QLocale::English, QLocale::UnitedStates)),
            QStringLiteral("9:05:03 PM"));
}

TEST(TextoData, WritesTheShortDateFormat) {
  EXPECT_EQ(TextoData(QDate(2024, 3, 7), QLocale(QLocale::Portuguese, QLocale::Brazil)),
            QStringLiteral("07/03/2024"));
  EXPECT_EQ(TextoData(QDate(2024, 3, 7), QLocale(QLocale::English, QLocale::UnitedStates)),
            QStringLiteral("3/7/24"));
}

}  // namespace
}  // namespace validador
