// The report's PDF painted whole in memory, and saved so that a failed write leaves the
// old file as it was.
#include <gtest/gtest.h>

#include <sys/resource.h>

#include <QByteArray>
#include <QString>
#include <csignal>
#include <filesystem>
#include <vector>
#include <string>

#include "report/ExemploResultado.h"
#include "report/PdfReader.h"
#include "report/Relatorio.h"
#include "support/TempDir.h"

namespace validador {
namespace {

using reporttest::ExemploResultado;
using reporttest::Utf8;
using testsupport::NamesIn;
using testsupport::ReadAll;
using testsupport::TempDir;

TEST(PdfInMemory, IsAWholeDocument) {
  QByteArray pdf;
  QString erro;
  ASSERT_TRUE(GeraRelatorioPdf(ExemploResultado(), &pdf, &erro)) << Utf8(erro);
  const std::string bytes = pdf.toStdString();
  EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
  EXPECT_NE(bytes.find("%%EOF", bytes.size() - 16), std::string::npos);
  TempDir dir;
  const std::string path = dir.Write("r.pdf", bytes);
  bool sawHeading = false;
  for (const std::string& line : reporttest::PdfLines(path)) {
    sawHeading = sawHeading || line.find("Arquivo gerado automaticamente.") != std::string::npos;
  }
  EXPECT_TRUE(sawHeading);
}

// Files this process writes may not pass `bytes` while it lives; a write past it fails
// (instead of the signal ending the process).
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, saved_.rlim_max};
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, savedHandler_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  void (*savedHandler_)(int) = nullptr;
};

TEST(PdfSave, WriteThatFailsPartWayLeavesTheOldFile) {
  TempDir dir;
  const std::string old = "%PDF-1.4 the report of last week\n";
  const std::string path = dir.Write("Resultado.pdf", old);
  QString erro;
  bool saved = true;
  {
    const FileSizeLimit limit(4096);
    saved = SalvaRelatorioPdf(ExemploResultado(), QString::fromStdString(path), &erro);
  }
  EXPECT_FALSE(saved);
  EXPECT_NE(Utf8(erro).find(path), std::string::npos) << Utf8(erro);
  EXPECT_NE(Utf8(erro).find("I/O error 27"), std::string::npos) << Utf8(erro);  // EFBIG
  EXPECT_EQ(ReadAll(path), old);
  EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"Resultado.pdf"});
}

TEST(PdfSave, ReplacesTheOldFileWhole) {
  TempDir dir;
  const std::string path = dir.Write("Resultado.pdf", "old");
  QString erro;
  ASSERT_TRUE(SalvaRelatorioPdf(ExemploResultado(), QString::fromStdString(path), &erro))
      << Utf8(erro);
  const std::string bytes = ReadAll(path);
  EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
  EXPECT_NE(bytes.find("%%EOF", bytes.size() - 16), std::string::npos);
  EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"Resultado.pdf"});
}

}  // namespace
}  // namespace validador
