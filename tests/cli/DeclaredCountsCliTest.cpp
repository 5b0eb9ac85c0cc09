// The counts the identification file declares, as `check` weighs them with and without
// --errors: the listing changes neither the log, nor the exit status, nor what stderr says;
// its count row says what the log's count block says.

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "support/Delivery.h"
#include "support/RunProcess.h"
#include "support/TempDir.h"

namespace {

using testsupport::Delivery;
using testsupport::ProcessResult;
using testsupport::ReadAll;
using testsupport::RunProcess;
using validador::rtA;

const std::string kCountDiffers =
    "Arquivo: A_cadastro_agencia. O nº de linhas do arquivo difere do arquivo I_identifica_dados";

ProcessResult Cli(const std::vector<std::string>& args) { return RunProcess(VALIDADOR_CLI_PATH, args); }

// A log with its elapsed times masked: two runs may fall either side of a second.
std::string Masked(const std::string& log) {
  static const std::regex elapsed("Ok - \\d\\d:\\d\\d:\\d\\d,");
  return std::regex_replace(log, elapsed, "Ok - hh:nn:ss,");
}

struct DeclaredCountCase {
  const char* name;
  std::string declared;  // the A count in the header; the A file holds 3 lines
  int exitCode;
  bool countDiffers;     // the log's count block and the listing's count row
  std::string err;       // stderr, when an error ends the command
};

class DeclaredCounts : public ::testing::TestWithParam<DeclaredCountCase> {
 protected:
  std::vector<std::string> CheckArgs() const {
    return {"check", delivery.dir.Path().string(), "--case", delivery.caso, "--bank", delivery.bank};
  }
  Delivery delivery;
  testsupport::TempDir out;
};

TEST_P(DeclaredCounts, AreWeighedAlikeWithAndWithoutTheListing) {
  const DeclaredCountCase& c = GetParam();
  delivery.counts[rtA] = c.declared;
  delivery.WriteHeader();
  const std::string listing = out.File("erros.csv");
  const ProcessResult plain = Cli(CheckArgs());
  std::vector<std::string> listed = CheckArgs();
  listed.insert(listed.end(), {"--errors", listing});
  const ProcessResult withListing = Cli(listed);

  EXPECT_EQ(plain.exitCode, c.exitCode) << plain.err;
  EXPECT_EQ(withListing.exitCode, plain.exitCode) << withListing.err;
  EXPECT_EQ(Masked(withListing.out), Masked(plain.out));
  EXPECT_EQ(withListing.err, plain.err);
  EXPECT_EQ(plain.err, c.err);
  EXPECT_EQ(plain.out.find(kCountDiffers) != std::string::npos, c.countDiffers) << plain.out;
  if (c.exitCode == 2) {
    EXPECT_FALSE(std::filesystem::exists(listing));
  } else {
    EXPECT_EQ(ReadAll(listing).find("A_CADASTRO_AGENCIAS.txt;;arquivo;;;" + kCountDiffers) !=
                  std::string::npos,
              c.countDiffers)
        << ReadAll(listing);
  }
}

std::string NotAnInteger(const std::string& text) {
  return "'" + text + "' is not a valid integer value.\n";
}

INSTANTIATE_TEST_SUITE_P(
    Counts, DeclaredCounts,
    ::testing::Values(
        DeclaredCountCase{"Equal", "3", 0, false, ""},
        DeclaredCountCase{"Past32Bits", "9999999999", 1, true, ""},
        DeclaredCountCase{"Exactly2To31", "2147483648", 1, true, ""},
        DeclaredCountCase{"Largest64Bit", "9223372036854775807", 1, true, ""},
        DeclaredCountCase{"Past63Bits", "9223372036854775808", 2, false,
                          NotAnInteger("9223372036854775808")},
        DeclaredCountCase{"Past64Bits", "99999999999999999999", 2, false,
                          NotAnInteger("99999999999999999999")},
        DeclaredCountCase{"HexadecimalEqual", "$3", 0, false, ""},
        DeclaredCountCase{"HexadecimalDiffers", "0x10", 1, true, ""},
        DeclaredCountCase{"HexadecimalPast32Bits", "$FFFFFFFFF", 1, true, ""},
        DeclaredCountCase{"Negative", "-3", 1, true, ""},
        DeclaredCountCase{"NegativePast32Bits", "-9999999999", 1, true, ""},
        DeclaredCountCase{"Blank", "", 2, false, NotAnInteger("")},
        DeclaredCountCase{"OnlyBlanks", "   ", 2, false, NotAnInteger("   ")},
        DeclaredCountCase{"Letters", "abc", 2, false, NotAnInteger("abc")},
        DeclaredCountCase{"DigitsThenLetters", "3a", 2, false, NotAnInteger("3a")},
        // The header's own record fails on the blanks; the count itself is taken.
        DeclaredCountCase{"LeadingBlanksEqual", "  3", 1, false, ""},
        DeclaredCountCase{"LeadingBlanksPast32Bits", "  9999999999", 1, true, ""},
        DeclaredCountCase{"TrailingBlank", "3 ", 2, false, NotAnInteger("3 ")}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
