#pragma once
// "Abre Arquivo": one file the user picks, checked as the standard file its name holds.

#include <string>

#include "validation/check/Carga.h"

namespace validador {

class AbreArquivo {
 public:
  explicit AbreArquivo(Carga& carga) : carga_(carga) {}
  ComandoResultado Executa();

 private:
  std::optional<ComandoResultado> InputsRefused();
  bool CheckChosenFile(const std::string& path);

  Carga& carga_;
};

}  // namespace validador
