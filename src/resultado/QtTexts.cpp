#include "resultado/QtTexts.h"

#include <QFile>

#include "layout/Cp1252.h"

namespace validador {

QString FromCp1252(const std::string& bytes) { return QString::fromStdString(Cp1252ToUtf8(bytes)); }

std::string ToCp1252(const QString& text) { return Utf8ToCp1252(text.toStdString()); }

QString FromPath(const std::string& path) { return QFile::decodeName(path.c_str()); }

std::string ToPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace validador
