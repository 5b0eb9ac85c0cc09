#pragma once
// Questions about the folders and files of a delivery.

#include <optional>
#include <string>
#include <vector>

#include "platform/FileStamp.h"

namespace validador::platform {

// True when the path names a regular file, following links; false for a folder, a
// FIFO, a device, a dangling link or nothing.
bool IsRegularFile(const std::string& path);

// Throws EInOutError naming the folder of `path` when the system cannot even look for the
// name there: a folder the user may not search (or one above it), or a path longer than
// the system allows. Returns quietly when the name is there or simply is not.
void RequireReachable(const std::string& path);

// True when the path names a folder, following links.
bool IsDirectory(const std::string& path);

// The names of the entries of a folder, in no particular order; empty when it cannot
// be listed.
std::vector<std::string> DirectoryEntries(const std::string& folder);

// The identity, size and modification time of the file now at the path.
std::optional<FileStamp> StampOf(const std::string& path);

// The path made absolute against the current folder (no links resolved).
std::string AbsolutePath(const std::string& path);

// Whether an output can be written into `folder` as outputs are (a temporary file, then a
// rename): a new file is created there and removed at once. Throws EInOutError naming the
// folder when it cannot be ("File not found" when the folder does not exist).
void CheckCanCreateFileIn(const std::string& folder);

}  // namespace validador::platform
