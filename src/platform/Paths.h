#pragma once
// Paths as texts (UTF-8): their separators, their last name and their folder, as the
// system at hand writes them. Nothing here asks the file system.

#include <string>
#include <string_view>

namespace validador::platform {

// The separator this system writes between names: '/', or '\' on Windows.
extern const char kPathSeparator;

// True for a character that separates names: '/', and on Windows also '\'.
bool IsPathSeparator(char c);

// The last name of the path ("b.txt" of "a/b.txt"); the path itself when it has no
// separator.
std::string FileNameOf(std::string_view path);

// The folder the path's last name is in: "a" of "a/b.txt", "/" of "/b.txt", "." of
// "b.txt" (on Windows also "C:\" of "C:\b.txt").
std::string FolderOf(std::string_view path);

// The name inside the folder: one separator between them, none added when the folder
// already ends with one.
std::string JoinedPath(std::string_view folder, std::string_view name);

}  // namespace validador::platform
