#include "cli/ReportTarget.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "cli/UsageError.h"
#include "layout/UGlobal.h"
#include "validation/check/StandardFiles.h"
#include "platform/Paths.h"

namespace validador::cli {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kManifestName = "HASHV.txt";

// Absolute and normalised, with every link resolved in the part of the path that exists.
fs::path Resolved(const fs::path& path) {
  std::error_code error;
  const fs::path absolute = fs::absolute(path, error);
  if (error) return path.lexically_normal();
  const fs::path resolved = fs::weakly_canonical(absolute, error);
  return error ? absolute.lexically_normal() : resolved;
}

// A standard file's name or the manifest's, in any letter case.
bool IsDeliveryName(const std::string& name) {
  const std::string upper = UpperAscii(name);
  if (upper == UpperAscii(kManifestName)) return true;
  const auto& catalogue = LayoutCatalogue::Instance();
  for (const RecordTypeIndex type : kProcessingOrder) {
    if (upper == UpperAscii(catalogue.NomeArquivo(type))) return true;
  }
  return false;
}

bool SameFile(const fs::path& target, const fs::path& file) {
  std::error_code error;
  return target == Resolved(file) || fs::equivalent(target, file, error);
}

// Every file of the delivery by path: the standard files found in its folders, their
// manifests and the files named on their own.
std::vector<fs::path> DeliveryFiles(const DeliveryPaths& delivery) {
  std::vector<fs::path> files(delivery.files.begin(), delivery.files.end());
  for (const std::string& folder : delivery.folders) {
    for (const RecordTypeIndex type : kProcessingOrder) {
      files.emplace_back(StandardFilePath(folder, type));
    }
    files.emplace_back(platform::JoinedPath(folder, kManifestName));
  }
  return files;
}

[[noreturn]] void RefuseAsDeliveryFile(const std::string& reportPath) {
  throw UsageError("o relatório não pode substituir um arquivo da entrega: " + reportPath);
}

}  // namespace

std::string ReportTargetPath(const std::string& reportPath, const DeliveryPaths& delivery) {
  if (reportPath.empty()) throw UsageError("falta o nome do arquivo de --report");
  const fs::path target = Resolved(reportPath);
  for (const std::string& folder : delivery.folders) {
    if (target.parent_path() == Resolved(folder) && IsDeliveryName(target.filename().string())) {
      RefuseAsDeliveryFile(reportPath);
    }
  }
  const std::vector<fs::path> files = DeliveryFiles(delivery);
  if (std::any_of(files.begin(), files.end(),
                  [&target](const fs::path& file) { return SameFile(target, file); })) {
    RefuseAsDeliveryFile(reportPath);
  }
  std::error_code error;
  const fs::file_status status = fs::status(target, error);
  if (fs::exists(status) && !fs::is_regular_file(status)) {
    throw UsageError("--report não é um arquivo comum: " + reportPath);
  }
  return target.string();
}

bool SameOutputFile(const std::string& first, const std::string& second) {
  return SameFile(Resolved(first), second);
}

}  // namespace validador::cli
