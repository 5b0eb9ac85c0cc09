#pragma once
// The border between the engine's texts and the window's: engine messages are
// Windows-1252 bytes, paths are the file system's own bytes, the window shows QString.

#include <QString>
#include <string>

namespace validador::ui {

QString FromCp1252(const std::string& bytes);
std::string ToCp1252(const QString& text);

QString FromPath(const std::string& path);
std::string ToPath(const QString& path);

}  // namespace validador::ui
