#include "qttexts/QtTexts.h"

#include <QDir>

#include "base/Cp1252.h"

namespace validador {

QString FromCp1252(const std::string& bytes) { return QString::fromStdString(Cp1252ToUtf8(bytes)); }

std::string ToCp1252(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

// The engine's paths are UTF-8 on every system (on Windows the platform layer turns
// them into UTF-16); QFile::encodeName would give the ANSI code page on Windows. Only
// the separators change, and only where '\' is one (Windows).
QString FromPath(const std::string& path) {
  return QDir::fromNativeSeparators(QString::fromStdString(path));
}

std::string ToPath(const QString& path) { return QDir::toNativeSeparators(path).toStdString(); }

}  // namespace validador
