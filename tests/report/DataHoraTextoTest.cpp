// The report's date and time are day/month/year and 24 hours with seconds whatever the
// language: under the program's default locale, and under the system's (the program runs
// again with LC_ALL=en_US.UTF-8, and under Wine with an English Windows locale, where
// "DataHoraTextoSistema.SystemLocaleIsTheOneAsked" checks that locale too).
#include <gtest/gtest.h>

#include <QLocale>
#include <cstdlib>

#include "report/DataHoraTexto.h"

namespace validador {
namespace {

struct LocaleCase {
  QLocale::Language language;
  QLocale::Country country;
};

class DataHoraTexto : public ::testing::TestWithParam<LocaleCase> {
 protected:
  void SetUp() override { QLocale::setDefault(QLocale(GetParam().language, GetParam().country)); }
  void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_P(DataHoraTexto, DateIsDayMonthYearWithLeadingZeros) {
  EXPECT_EQ(TextoData(QDate(2024, 3, 7)), QStringLiteral("07/03/2024"));
  EXPECT_EQ(TextoData(QDate(2026, 11, 12)), QStringLiteral("12/11/2026"));
  EXPECT_EQ(TextoData(QDate(999, 12, 31)), QStringLiteral("31/12/0999"));
}

TEST_P(DataHoraTexto, TimeIsTwentyFourHoursWithSeconds) {
  EXPECT_EQ(TextoHora(QTime(9, 5, 3)), QStringLiteral("09:05:03"));
  EXPECT_EQ(TextoHora(QTime(21, 5, 3)), QStringLiteral("21:05:03"));
  EXPECT_EQ(TextoHora(QTime(0, 0, 0)), QStringLiteral("00:00:00"));
  EXPECT_EQ(TextoHora(QTime(12, 30, 59, 999)), QStringLiteral("12:30:59"));
}

// English (12 hours, month first), German (dots), Arabic (its own digits), Japanese
// (year first), and the Portuguese the report is written in.
INSTANTIATE_TEST_SUITE_P(
    Locales, DataHoraTexto,
    ::testing::Values(LocaleCase{QLocale::Portuguese, QLocale::Brazil},
                      LocaleCase{QLocale::English, QLocale::UnitedStates},
                      LocaleCase{QLocale::German, QLocale::Germany},
                      LocaleCase{QLocale::Arabic, QLocale::Egypt},
                      LocaleCase{QLocale::Japanese, QLocale::Japan}));

// Meaningful where the test run sets VALIDADOR_EXPECT_SYSTEM_LOCALE: proves that the
// system locale really is the one that would write "3/7/24" and "9:05:03 PM".
TEST(DataHoraTextoSistema, SystemLocaleIsTheOneAsked) {
  const char* expected = std::getenv("VALIDADOR_EXPECT_SYSTEM_LOCALE");
  if (expected == nullptr) GTEST_SKIP() << "run without a system locale to check";
  EXPECT_EQ(QLocale::system().name(), QString::fromUtf8(expected));
  EXPECT_NE(QLocale::system().toString(QTime(21, 5, 3), QLocale::LongFormat).left(2),
            QStringLiteral("21"));
  EXPECT_EQ(TextoData(QDate(2024, 3, 7)), QStringLiteral("07/03/2024"));
  EXPECT_EQ(TextoHora(QTime(21, 5, 3)), QStringLiteral("21:05:03"));
}

}  // namespace
}  // namespace validador
