#pragma once
// Sample data for the result report's tests.

#include <QString>
#include <QStringList>
#include <string>

#include "report/DadosResultado.h"

namespace reporttest {

// A short run: one log line, an MD5 digest, every identification value filled.
validador::DadosResultado ExemploResultado();

// An uppercase hexadecimal text of `length` characters in which no stretch repeats.
QString DigestDe(int length);

// `count` log lines, numbered from 001, each different.
QStringList LogDe(int count);

std::string Utf8(const QString& text);

}  // namespace reporttest
