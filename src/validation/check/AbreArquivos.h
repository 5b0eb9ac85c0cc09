#pragma once
// "Abre Arquivos": the eight standard files of the chosen folder, in processing order,
// after the inputs are checked.

#include "validation/check/Carga.h"

namespace validador {

class AbreArquivos {
 public:
  explicit AbreArquivos(Carga& carga) : carga_(carga) {}
  ComandoResultado Executa();

 private:
  // A notice about the first input that is missing or wrong; nullopt when all are there.
  std::optional<ComandoResultado> InputsRefused();

  Carga& carga_;
};

}  // namespace validador
