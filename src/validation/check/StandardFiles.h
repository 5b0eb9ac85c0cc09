#pragma once
// Finding the standard files of a delivery in a folder.

#include <string>
#include <string_view>
#include <vector>

#include "base/AsciiText.h"
#include "layout/UGlobal.h"

namespace validador {

// The record type's standard file in a folder, and the other files there whose names
// differ from it in letter case only: those are not checked.
struct StandardFileChoice {
  std::string path;                  // the file checked
  std::vector<std::string> ignored;  // paths, in name order; empty when there is no clash
};

// The record type's standard file in `folder`: the exact name when a file of that name
// exists, otherwise a file whose name equals it ignoring ASCII case (the first in name
// order), otherwise the exact name (which then does not exist).
StandardFileChoice FindStandardFile(std::string_view folder, RecordTypeIndex type);

// The same for any file name: `name` in `folder`, in any letter case.
StandardFileChoice FindFileIgnoringCase(std::string_view folder, std::string_view name);

// FindStandardFile's path alone.
std::string StandardFilePath(std::string_view folder, RecordTypeIndex type);

// True when a regular file (or a link to one) exists at `path`. A folder that cannot be
// searched, or a path too long, is no missing file: EInOutError naming the folder.
bool FileExists(const std::string& path);

}  // namespace validador
