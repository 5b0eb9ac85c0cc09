// validador-cli --report: the manifest written and the result report saved as PDF; in a
// build without Qt, a usage error before anything is checked.

#include <gtest/gtest.h>

#include <filesystem>

#include "support/Delivery.h"
#include "support/RunProcess.h"

namespace {

using testsupport::Delivery;
using testsupport::RunProcess;

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

#ifdef VALIDADOR_HAS_REPORT

// The PDF's text as pdftotext lays it out.
std::string PdfText(const std::string& pdf) {
  const auto result = RunProcess("/usr/bin/pdftotext", {"-layout", pdf, "-"});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  return result.out;
}

TEST(ReportCli, CheckWritesTheManifestAndTheReport) {
  Delivery delivery;
  const std::string pdf = delivery.dir.File("resultado.pdf");
  const auto result = RunProcess(VALIDADOR_CLI_PATH,
                                 {"check", delivery.dir.Path().string(), "--case", delivery.caso,
                                  "--bank", delivery.bank, "--hash", "sha512", "--report", pdf});
  ASSERT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");
  const std::string manifest = delivery.dir.File("HASHV.txt");
  ASSERT_TRUE(std::filesystem::exists(manifest));
  const auto digest = RunProcess(VALIDADOR_CLI_PATH, {"hash", "--hash", "sha512", manifest});
  const std::string manifestDigest = digest.out.substr(0, 128);

  const std::string text = PdfText(pdf);
  EXPECT_TRUE(Contains(text, "Arquivo gerado automaticamente.")) << text;
  EXPECT_TRUE(Contains(text, "Número de referência:")) << text;
  EXPECT_TRUE(Contains(text, "2024.001")) << text;
  EXPECT_TRUE(Contains(text, "Algorítimo:")) << text;
  EXPECT_TRUE(Contains(text, "sha512")) << text;
  EXPECT_TRUE(Contains(text, manifestDigest.substr(0, 64))) << text;
  EXPECT_TRUE(Contains(text, manifestDigest.substr(64))) << text;
  EXPECT_TRUE(Contains(text, "Fernanda Araújo")) << text;
  EXPECT_TRUE(Contains(text, "fernanda@exemplo.com.br")) << text;
  EXPECT_TRUE(Contains(text, "Carga efetuada com sucesso: Y_observacoes.")) << text;
  EXPECT_TRUE(Contains(text, "Fim da Verificação")) << text;
}

// A report whose folder cannot take it is refused before anything is checked or written.
TEST(ReportCli, ReportIntoAFolderThatIsNotThereIsRefusedFirst) {
  Delivery delivery;
  const auto result = RunProcess(
      VALIDADOR_CLI_PATH, {"check", delivery.dir.Path().string(), "--case", delivery.caso, "--bank",
                           delivery.bank, "--report", delivery.dir.File("nao-existe/r.pdf")});
  EXPECT_EQ(result.exitCode, 64);
  EXPECT_NE(result.err.find("validador-cli: --report: "), std::string::npos) << result.err;
  EXPECT_NE(result.err.find("nao-existe"), std::string::npos) << result.err;
  EXPECT_EQ(result.out, "");
  EXPECT_FALSE(std::filesystem::exists(delivery.dir.File("HASHV.txt")));
}

// The command line paints off screen whatever platform the environment names: here one
// that needs a display, and there is none.
TEST(ReportCli, WritesTheReportWithADisplayPlatformNamedAndNoDisplay) {
  testsupport::TempDir folder;
  std::filesystem::copy(std::filesystem::path(VALIDADOR_SOURCE_DIR) / "examples/entrega-valida",
                        folder.Path());
  const std::string pdf = folder.File("resultado.pdf");
  const auto result = RunProcess(
      "/usr/bin/env", {"-u", "DISPLAY", "-u", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM=xcb",
                       VALIDADOR_CLI_PATH, "check", folder.Path().string(), "--case",
                       "2024.0042-7", "--bank", "987", "--report", pdf});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(result.err, "");
  EXPECT_TRUE(std::filesystem::exists(folder.File("HASHV.txt")));
  const std::string text = PdfText(pdf);
  EXPECT_TRUE(Contains(text, "Número de referência:")) << text;
  EXPECT_TRUE(Contains(text, "2024.0042-7")) << text;
  EXPECT_TRUE(Contains(text, "Fernanda Araújo Lins")) << text;
}

#else

struct NoReportCase {
  const char* name;
  bool singleFile;
  std::vector<std::string> options;  // besides --report
};

class ReportCliWithoutQt : public ::testing::TestWithParam<NoReportCase> {};

TEST_P(ReportCliWithoutQt, ReportIsAUsageErrorBeforeAnyCheck) {
  const NoReportCase& c = GetParam();
  Delivery delivery;
  const std::string pdf = delivery.dir.File("resultado.pdf");
  std::vector<std::string> args = {c.singleFile ? "check-file" : "check",
                                   c.singleFile ? delivery.PathOf(validador::rtI)
                                                : delivery.dir.Path().string()};
  args.insert(args.end(), c.options.begin(), c.options.end());
  args.insert(args.end(), {"--report", pdf});
  const auto result = RunProcess(VALIDADOR_CLI_PATH, args);
  EXPECT_EQ(result.exitCode, 64);
  EXPECT_EQ(result.out, "");
  EXPECT_TRUE(Contains(result.err, "validador-cli: --report indisponível: o programa foi "
                                   "compilado sem o relatório (sem o Qt)\n"))
      << result.err;
  EXPECT_FALSE(std::filesystem::exists(delivery.dir.File("HASHV.txt")));
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

INSTANTIATE_TEST_SUITE_P(
    Commands, ReportCliWithoutQt,
    ::testing::Values(NoReportCase{"Check", false, {"--case", "2024.001", "--bank", "001"}},
                      NoReportCase{"CheckWithManifest", false,
                                   {"--case", "2024.001", "--bank", "001", "--manifest"}},
                      NoReportCase{"CheckFile", true, {"--bank", "001"}}),
    [](const ::testing::TestParamInfo<NoReportCase>& info) { return info.param.name; });

#endif

}  // namespace
