#pragma once
// The report's data taken from a check: the values it keeps, the manifest digest and
// the log's lines as the caller shows them. The window and the command line both build
// the report's data here.

#include <QStringList>
#include <cstddef>
#include <string>

#include "report/DadosResultado.h"
#include "validation/check/Carga.h"

namespace validador {

// The most characters of one value the report shows; a longer value is cut there and
// ends in an ellipsis ("…").
inline constexpr std::size_t kShownCharacters = 200;

// The identification values and algorithm of `carga` (the typed case number when no
// identification file gave one) and the manifest digest, all
// Windows-1252 bytes, as Qt text, each value cut to kShownCharacters; the log's lines as
// given; today's date and the time.
DadosResultado DadosDaCarga(const Carga& carga, QStringList linhasLog,
                            const std::string& manifestDigest);

}  // namespace validador
