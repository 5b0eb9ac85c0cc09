#pragma once
// Where `--report` may write: never over a file of the delivery being checked nor over
// its manifest, and only as a plain file.

#include <string>
#include <vector>

namespace validador::cli {

// What a check reads and writes: the folders whose standard files and HASHV.txt belong
// to it (found there in any letter case), and files named on their own (the chosen file).
struct DeliveryPaths {
  std::vector<std::string> folders;
  std::vector<std::string> files;
};

// The path the report is written to: `reportPath` made absolute, with links resolved as
// far as the path exists (a link to a file has that file replaced, not the link). Throws
// UsageError when it is one of the delivery's files or its manifest, by name in one of
// its folders or as the same file reached another way, or when something other than a
// plain file (a folder, a device) is at the path.
std::string ReportTargetPath(const std::string& reportPath, const DeliveryPaths& delivery);

// True when both paths name one file: the same path once made absolute and with links
// resolved as far as it exists, or the same existing file reached another way.
bool SameOutputFile(const std::string& first, const std::string& second);

}  // namespace validador::cli
