// validador-cli --report never writes over the delivery it checks: a path that is one of
// its files or its manifest is a wrong use, found before anything is checked or written.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/Delivery.h"
#include "support/RunProcess.h"

namespace {

#ifdef VALIDADOR_HAS_REPORT

using testsupport::Delivery;
using testsupport::ProcessResult;
using testsupport::ReadAll;
using testsupport::RunProcess;
using testsupport::TempDir;
namespace fs = std::filesystem;

// Every file of the folder with its bytes.
std::vector<std::pair<std::string, std::string>> Contents(const fs::path& folder) {
  std::vector<std::pair<std::string, std::string>> files;
  for (const auto& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file())
      files.emplace_back(entry.path().string(), ReadAll(entry.path().string()));
  }
  std::sort(files.begin(), files.end());
  return files;
}

struct TargetCase {
  const char* name;
  bool singleFile;
  // Builds the --report path; may make links or folders in the delivery or in `other`.
  std::function<std::string(const Delivery&, const TempDir& other)> reportPath;
  std::string problem;
};

std::ostream& operator<<(std::ostream& out, const TargetCase& c) { return out << c.name; }

class ReportTarget : public ::testing::TestWithParam<TargetCase> {
 protected:
  Delivery delivery;
  TempDir other;
};

TEST_P(ReportTarget, IsRefusedBeforeAnythingIsWritten) {
  const TargetCase& c = GetParam();
  delivery.dir.Write("HASHV.txt", "OLD\r\n");
  const std::string report = c.reportPath(delivery, other);
  const auto before = Contents(delivery.dir.Path());
  const auto otherBefore = Contents(other.Path());
  std::vector<std::string> args;
  if (c.singleFile) {
    args = {"check-file", delivery.PathOf(validador::rtA), "--bank", delivery.bank};
  } else {
    args = {"check",      delivery.dir.Path().string(), "--case", delivery.caso, "--bank",
            delivery.bank};
  }
  args.insert(args.end(), {"--report", report});
  const ProcessResult result = RunProcess(VALIDADOR_CLI_PATH, args);
  EXPECT_EQ(result.exitCode, 64);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("validador-cli: " + c.problem + report + "\n"),
            std::string::npos)
      << result.err;
  EXPECT_EQ(Contents(delivery.dir.Path()), before);
  EXPECT_EQ(Contents(other.Path()), otherBefore);
}

const std::string kDeliveryFile = "o relatório não pode substituir um arquivo da entrega: ";
const std::string kNotAFile = "--report não é um arquivo comum: ";

std::string InFolder(const Delivery& delivery, const std::string& name) {
  return delivery.dir.File(name);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, ReportTarget,
    ::testing::Values(
        TargetCase{"Manifest", false,
                   [](const Delivery& d, const TempDir&) { return InFolder(d, "HASHV.txt"); },
                   kDeliveryFile},
        TargetCase{"ManifestInOtherCase", false,
                   [](const Delivery& d, const TempDir&) { return InFolder(d, "hashv.TXT"); },
                   kDeliveryFile},
        TargetCase{"StandardFile", false,
                   [](const Delivery& d, const TempDir&) { return d.PathOf(validador::rtY); },
                   kDeliveryFile},
        TargetCase{"StandardNameNotThere", false,
                   [](const Delivery& d, const TempDir&) {
                     fs::remove(d.PathOf(validador::rtC));
                     return InFolder(d, "c_cadastro_contas.txt");
                   },
                   kDeliveryFile},
        TargetCase{"NotNormalised", false,
                   [](const Delivery& d, const TempDir&) {
                     fs::create_directory(d.dir.File("sub"));
                     return d.dir.Path().string() + "/sub/..//./I_IDENTIFICA_DADOS.txt";
                   },
                   kDeliveryFile},
        TargetCase{"RelativePath", false,
                   [](const Delivery& d, const TempDir&) {
                     return fs::relative(d.PathOf(validador::rtE)).string();
                   },
                   kDeliveryFile},
        TargetCase{"LinkToAStandardFile", false,
                   [](const Delivery& d, const TempDir& other) {
                     const std::string link = other.File("relatorio.pdf");
                     fs::create_symlink(d.PathOf(validador::rtB), link);
                     return link;
                   },
                   kDeliveryFile},
        TargetCase{"FolderThroughALink", false,
                   [](const Delivery& d, const TempDir& other) {
                     const std::string link = other.File("entrega");
                     fs::create_directory_symlink(d.dir.Path(), link);
                     return link + "/T_CADASTRO_TITULARES.TXT";
                   },
                   kDeliveryFile},
        TargetCase{"HardLinkToAStandardFile", false,
                   [](const Delivery& d, const TempDir& other) {
                     const std::string link = other.File("relatorio.pdf");
                     fs::create_hard_link(d.PathOf(validador::rtO), link);
                     return link;
                   },
                   kDeliveryFile},
        TargetCase{"ChosenFile", true,
                   [](const Delivery& d, const TempDir&) { return d.PathOf(validador::rtA); },
                   kDeliveryFile},
        TargetCase{"ManifestOfChosenFile", true,
                   [](const Delivery& d, const TempDir&) { return InFolder(d, "HASHV.txt"); },
                   kDeliveryFile},
        TargetCase{"Folder", false,
                   [](const Delivery&, const TempDir& other) { return other.Path().string(); },
                   kNotAFile}),
    [](const auto& info) { return std::string(info.param.name); });

// The file chosen for check-file, wherever it lies and whatever its name around the
// standard one.
TEST(ReportTargetChosenFile, ChosenFileOutsideTheFolderIsRefused) {
  Delivery delivery;
  TempDir other;
  const std::string chosen = other.File("copia_A_CADASTRO_AGENCIAS.txt");
  fs::copy_file(delivery.PathOf(validador::rtA), chosen);
  const std::string before = ReadAll(chosen);
  const ProcessResult result = RunProcess(
      VALIDADOR_CLI_PATH, {"check-file", chosen, "--bank", delivery.bank, "--folder",
                           delivery.dir.Path().string(), "--report", chosen});
  EXPECT_EQ(result.exitCode, 64);
  EXPECT_NE(result.err.find(kDeliveryFile + chosen), std::string::npos) << result.err;
  EXPECT_EQ(ReadAll(chosen), before);
}

// A standard name in a folder that is not the delivery's is no file of it.
TEST(ReportTargetElsewhere, StandardNameInAnotherFolderIsWritten) {
  Delivery delivery;
  TempDir other;
  const std::string report = other.File("HASHV.txt");
  const ProcessResult result = RunProcess(
      VALIDADOR_CLI_PATH, {"check", delivery.dir.Path().string(), "--case", delivery.caso,
                           "--bank", delivery.bank, "--report", report});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_EQ(ReadAll(report).substr(0, 5), "%PDF-");
}

// A link to a report elsewhere: the report it points to is replaced, the link stays.
TEST(ReportTargetLink, ReplacesTheFileTheLinkPointsTo) {
  Delivery delivery;
  TempDir other;
  const std::string real = other.Write("real.pdf", "old");
  const std::string link = other.File("link.pdf");
  fs::create_symlink(real, link);
  const ProcessResult result = RunProcess(
      VALIDADOR_CLI_PATH, {"check", delivery.dir.Path().string(), "--case", delivery.caso,
                           "--bank", delivery.bank, "--report", link});
  EXPECT_EQ(result.exitCode, 0) << result.err;
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadAll(real).substr(0, 5), "%PDF-");
}

// --report and --errors naming one file, by any path: a wrong use, found before anything
// is checked, and the file there stays as it was.
struct SameOutputCase {
  const char* name;
  // Makes the --errors path for the report `report` in `other`.
  std::function<std::string(const TempDir& other, const std::string& report)> errorsPath;
};

std::ostream& operator<<(std::ostream& out, const SameOutputCase& c) { return out << c.name; }

class SameOutputFile : public ::testing::TestWithParam<SameOutputCase> {};

TEST_P(SameOutputFile, IsAWrongUse) {
  Delivery delivery;
  TempDir other;
  const std::string report = other.Write("saida.csv", "old");
  const std::string errors = GetParam().errorsPath(other, report);
  const bool reportThere = fs::exists(report);
  const ProcessResult result = RunProcess(
      VALIDADOR_CLI_PATH, {"check", delivery.dir.Path().string(), "--case", delivery.caso,
                           "--bank", delivery.bank, "--report", report, "--errors", errors});
  EXPECT_EQ(result.exitCode, 64);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find("validador-cli: --report e --errors não podem ser o mesmo arquivo: " +
                            errors + "\n"),
            std::string::npos)
      << result.err;
  if (reportThere) {
    EXPECT_EQ(ReadAll(report), "old");
  } else {
    EXPECT_FALSE(fs::exists(report));
  }
  EXPECT_FALSE(fs::exists(delivery.dir.File("HASHV.txt")));
}

INSTANTIATE_TEST_SUITE_P(
    Paths, SameOutputFile,
    ::testing::Values(
        SameOutputCase{"SamePath", [](const TempDir&, const std::string& r) { return r; }},
        SameOutputCase{"NotNormalised",
                       [](const TempDir& o, const std::string&) {
                         fs::create_directory(o.File("sub"));
                         return o.Path().string() + "/sub/..//./saida.csv";
                       }},
        SameOutputCase{"RelativePath",
                       [](const TempDir&, const std::string& r) { return fs::relative(r).string(); }},
        SameOutputCase{"Link",
                       [](const TempDir& o, const std::string& r) {
                         fs::create_symlink(r, o.File("link.csv"));
                         return o.File("link.csv");
                       }},
        SameOutputCase{"HardLink",
                       [](const TempDir& o, const std::string& r) {
                         fs::create_hard_link(r, o.File("outro.csv"));
                         return o.File("outro.csv");
                       }},
        SameOutputCase{"NotThereYet", [](const TempDir& o, const std::string&) {
                         fs::remove(o.File("saida.csv"));
                         return o.File("saida.csv");
                       }}),
    [](const auto& info) { return std::string(info.param.name); });

#endif

}  // namespace
