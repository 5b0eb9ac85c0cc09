// validador-cli on a folder holding two names for one standard file that differ in
// letter case only: the log is the same, and stderr tells which one was checked.

#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

#include "support/Delivery.h"
#include "support/RunProcess.h"

namespace {

using testsupport::Delivery;
using testsupport::ProcessResult;
using testsupport::RunProcess;

ProcessResult Check(const Delivery& delivery) {
  return RunProcess(VALIDADOR_CLI_PATH, {"check", delivery.dir.Path().string(), "--case",
                                         delivery.caso, "--bank", delivery.bank});
}

// The log with the elapsed times masked, which differ from run to run.
std::string Masked(const std::string& log) {
  static const std::regex elapsed("Ok - \\d\\d:\\d\\d:\\d\\d,");
  return std::regex_replace(log, elapsed, "Ok - hh:nn:ss,");
}

struct ClashCase {
  const char* name;
  std::vector<std::string> renamedTo;  // the A file's content under each of these names
  const char* checked;
  const char* ignored;
};

std::ostream& operator<<(std::ostream& out, const ClashCase& c) { return out << c.name; }

class NameClash : public ::testing::TestWithParam<ClashCase> {};

TEST_P(NameClash, LogIsUnchangedAndStderrNamesBoth) {
  const ClashCase& c = GetParam();
  Delivery delivery;
  const std::string expectedLog = Masked(Check(delivery).out);
  const std::string content = testsupport::ReadAll(delivery.PathOf(validador::rtA));
  std::filesystem::remove(delivery.PathOf(validador::rtA));
  for (const std::string& name : c.renamedTo) delivery.dir.Write(name, content);
  // The ignored one would fail the check: it is not read.
  delivery.dir.Write(c.ignored, "lixo\r\n");

  const ProcessResult result = Check(delivery);
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(Masked(result.out), expectedLog);
  EXPECT_EQ(result.err, std::string("validador-cli: aviso: nomes que só diferem em maiúsculas e "
                                    "minúsculas; verificado: ") +
                            c.checked + "; ignorado: " + c.ignored + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Folders, NameClash,
    ::testing::Values(
        ClashCase{"ExactNameAndAnother", {"A_CADASTRO_AGENCIAS.txt"}, "A_CADASTRO_AGENCIAS.txt",
                  "a_cadastro_agencias.TXT"},
        ClashCase{"TwoOtherNames", {"A_CADASTRO_AGENCIAS.TXT"}, "A_CADASTRO_AGENCIAS.TXT",
                  "a_cadastro_agencias.txt"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
