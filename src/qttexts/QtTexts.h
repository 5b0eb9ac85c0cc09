#pragma once
// The border between the engine's texts and Qt's: engine texts are Windows-1252 bytes,
// paths are the file system's own bytes, Qt holds QString. Shared by the window, the
// report's data and the command line's report.

#include <QString>
#include <string>

namespace validador {

QString FromCp1252(const std::string& bytes);
std::string ToCp1252(const QString& text);

// Paths: Qt's side keeps them as Qt writes them, with '/' on every system; the engine's
// side with the system's separators ('\' on Windows), as it joins them and as its log,
// its messages and the command line show them. What the window shows or saves goes
// through QDir::toNativeSeparators.
QString FromPath(const std::string& path);
std::string ToPath(const QString& path);

}  // namespace validador
